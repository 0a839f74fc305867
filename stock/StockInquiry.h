#pragma once

#include "db/RowFilter.h"
#include "db/TableDataSet.h"
#include "stock/StockLedger.h"

#include <QList>
#include <QStringList>
#include <QVariant>
#include <optional>

namespace db { class Connection; }

namespace stock {

// The reads of the current-stock inquiry: the lists of its two condition
// fields, its row test, the amount of a priced row, and the whole family for
// the daily stock report.
class StockInquiry {
public:
    explicit StockInquiry(db::Connection &connection) : m_connection(connection) {}

    QStringList itemNames(Family family) const;
    // With no family chosen the auxiliary-material table answers.
    QStringList specifications(std::optional<Family> family, const QString &itemName) const;
    // An empty field sets no condition; both empty: every row.
    static db::RowFilter filter(const QString &itemName, const QString &specification);
    // The amount that goes with a price typed into a stock row: money = price
    // × the quantity the row holds when it is written, unrounded, computed by
    // the database, so that an issue stored meanwhile by another workstation
    // counts and the quantity itself is never written back.
    static db::ColumnWrite amountAt(const QVariant &price);
    // The fields of the daily stock report's rows, in the order of their values.
    static const QStringList &dailyReportFields();
    // Every stock row of the family, ordered by item name and width.
    QList<QVariantList> dailyReportRows(Family family) const;

private:
    db::Connection &m_connection;
};

} // namespace stock
