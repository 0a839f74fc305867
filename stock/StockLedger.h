#pragma once

#include "stock/MaterialFamily.h"

#include <QString>

#include <QVariant>
#include <QVector>

namespace db {
class Connection;
struct Table;
}

namespace stock {

// What was received and accepted, as texts.
struct Receipt {
    QString supplier;
    QString item;
    QString colour;
    QString specification;
    QString width;
    QString unit;
    QString pieces;
    QString quantity;
};

// The receipt an inspection row (a row of a family's inspection table) records.
Receipt inspectedReceipt(const db::Table &inspection, const QVector<QVariant> &row);

// Stock intake: adds an accepted receipt to its family's stock row, or
// creates that row. The sum is made by the database inside one transaction
// that keeps other workstations from writing the stock table meanwhile, so two
// intakes of the same item at the same moment both count and leave one row.
class StockLedger {
public:
    enum class Outcome { AddedToRow, NewRow };

    explicit StockLedger(db::Connection &connection) : m_connection(connection) {}

    // Raises an AppError, writing nothing, when the pieces or the quantity is
    // not a number or lies beyond the sensible magnitude of ColumnValue. An empty pieces or quantity column of the stock row counts
    // as 0. When several rows hold the item, the first in stored order takes
    // the receipt, so that the family's total grows by exactly what came in.
    Outcome intake(Family family, const Receipt &receipt);

private:
    db::Connection &m_connection;
};

} // namespace stock
