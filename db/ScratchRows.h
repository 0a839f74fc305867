#pragma once

#include <QList>
#include <QStringList>
#include <QVariant>

namespace db {

class Connection;
struct Table;

// The rows a printout is read from, through one of the scratch tables that
// every workstation shares (kucuntemp, linliaodantemp, jiaribaobiaotemp). The
// tables carry no column that names a workstation, so a workstation's rows
// are kept apart in time instead: the table is emptied, filled and read back
// in one transaction that keeps every other workstation out of it, and the
// rows read back are exactly the ones this fill wrote.
class ScratchRows {
public:
    // The fields are the columns written, in the order of each row's values.
    ScratchRows(Connection &connection, const QString &table, const QStringList &fields);

    const QStringList &fields() const { return m_fields; }

    // Replaces the table's rows by these and returns them as the table then
    // holds them, in the order written. Each value is converted to its
    // column's type as it is written (an empty text stores null in a number
    // column); a value that cannot be stored raises an AppError and leaves the
    // table with the rows it held before.
    QList<QVariantList> fill(const QList<QVariantList> &rows);

private:
    Connection &m_connection;
    const Table &m_table;
    QStringList m_fields;
};

} // namespace db
