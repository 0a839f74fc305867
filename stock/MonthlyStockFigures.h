#pragma once

#include "stock/MaterialFamily.h"

#include <QDate>
#include <QList>
#include <QStringList>
#include <QVariant>
#include <QVector>

namespace db { class Connection; }

namespace stock {

// The month of one stock row: its item key and four balances.
struct MonthlyStockRow {
    QString pname;
    QString width;
    QString scale;
    QString color;
    double opening = 0;     // receipts before the period less issues before it
    double received = 0;    // receipts within the period
    double issued = 0;      // issues within the period
    double closing = 0;     // opening + received - issued
};

// The monthly stock report's figures, recomputed from the movement records
// (inspections are receipts, approved requisition lines are issues), never
// from the stock quantities: one row per stock row of the family, in the
// order of item name and width. The sums are grouped by item in the database,
// so the cost grows with the movement records, not with the stock rows.
class MonthlyStockFigures {
public:
    // The report's ten columns as its grid heads them.
    static const QStringList &headers();

    // The period runs from the start date through the end date, both included.
    static QVector<MonthlyStockRow> compute(db::Connection &connection, const FamilyTables &family,
                                            const QDate &from, const QDate &to);

    // The printout's rows through the scratch table kucuntemp (see
    // db::ScratchRows): the grid's rows, ten texts in column order, a number
    // column's empty text as no value. A cell that is not a number in a
    // number column stops the print with the scratch table untouched. The
    // rows come back with the values of printedFields().
    static QList<QVariantList> throughScratchTable(db::Connection &connection, const QVector<QStringList> &rows);
    // The scratch table's columns that the printout reads, in order.
    static const QStringList &printedFields();
};

} // namespace stock
