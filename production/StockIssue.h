#pragma once

#include "stock/MaterialFamily.h"

#include <QVariant>
#include <QVector>
#include <optional>

namespace db {
class Connection;
class TableDataSet;
}

namespace production {

// The item key of a stock row: item name, width, specification and colour.
struct StockItem {
    QString pname;
    QString width;
    QString scale;
    QString color;
};

// Material leaving stock: an approved requisition line is stored and its
// issued quantity taken from the matching stock row as one transaction, the
// subtraction made by the database in place, so that two workstations issuing
// the same item at once both count. Stock may go below zero.
class StockIssue {
public:
    StockIssue(db::Connection &connection, const stock::FamilyTables &family);

    // Appends the line (values in the lines table's column order) to the data
    // set over the family's lines table and returns its row. An empty issued
    // quantity or an item without a stock row is refused with a message that
    // says so, and nothing is stored. Of several stock rows of one item (one
    // per supplier) the first in stored order is decremented.
    int approve(db::TableDataSet &lines, const QVector<QVariant> &line);

    // The quantity on hand as the colour message reports it: that of the
    // stock row an approval would take from, so that the message and the
    // issue speak of the same stock; nothing when no row matches.
    std::optional<double> onHand(const StockItem &item) const;

private:
    void subtract(const StockItem &item, double quantity);

    db::Connection &m_connection;
    stock::FamilyTables m_family;
};

} // namespace production
