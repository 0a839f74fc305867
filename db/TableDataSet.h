#pragma once

#include "db/AppError.h"
#include "db/Connection.h"
#include "db/RowFilter.h"
#include "db/Schema.h"

#include <QHash>
#include <QList>
#include <QVariant>
#include <QVector>

namespace db {

// A row as a window read it: its identity and its values as stored. A change
// or delete checked against it is made only while the database still holds
// exactly these values, so that no workstation overwrites what another one
// stored meanwhile; no lock is held while the user types.
struct LoadedRow {
    qint64 id = -1;
    QVector<QVariant> stored;

    bool isValid() const { return id >= 0; }
};

// One column written by itself, and nothing else of its row. The value is
// converted into the column's type; the expression says how the stored value
// is computed from it (? stands for the value) over the row as the database
// holds it at that moment.
struct ColumnWrite {
    QString column;
    QVariant value;
    QString expression = QStringLiteral("?");
};

// A checked change or delete met a row that another workstation changed or
// deleted since it was read: nothing was written.
class StaleRowError : public AppError {
public:
    enum class Reason { Changed, Deleted };

    explicit StaleRowError(Reason reason);
    Reason reason() const { return m_reason; }

private:
    Reason m_reason;
};

// A table opened by name: the table data set of a window. It never reads the
// whole table: the row count comes from the database and rows are fetched in
// blocks as they are asked for, so memory stays bounded by what is shown. The
// row filter is evaluated by the database. Each row is addressed by the
// database's own row identity, so that changing or deleting one of two rows
// that are equal in every column touches exactly that row.
class TableDataSet {
public:
    TableDataSet(Connection &connection, const QString &table);

    const Table &table() const { return m_table; }
    Connection &connection() const { return m_connection; }

    void open();
    void close();
    // Close and open again: the rows as the database now holds them.
    void reopen();
    bool isOpen() const { return m_open; }

    // The filter applies from the next open, and only while filtered is on.
    void setFilter(const RowFilter &filter) { m_filter = filter; }
    void setFiltered(bool filtered) { m_filtered = filtered; }
    bool isFiltered() const { return m_filtered; }

    int rowCount() const;
    // The row's values in column order; dates as QDateTime.
    QVector<QVariant> row(int index) const;
    QVariant value(int index, int column) const;
    QVariant value(int index, const QString &column) const;

    // The row as read now, to check a later change or delete against.
    LoadedRow loaded(int index) const;
    // The loaded row's values in column order, as row() gives them.
    QVector<QVariant> values(const LoadedRow &row) const;
    // The index of the row with that identity as the data set now shows it;
    // -1 when it is gone or the filter hides it.
    int indexOf(const LoadedRow &row) const;

    // Appends a row from values in column order (missing trailing values stay
    // empty); every value is converted before anything is written. Returns the
    // new row's index, or -1 when the filter hides it.
    int append(const QVector<QVariant> &values);
    // Replaces the loaded row's values in column order, or raises a
    // StaleRowError when the row no longer holds what was loaded. Returns the
    // row's index afterwards.
    int update(const LoadedRow &row, const QVector<QVariant> &values);
    // Writes only those columns of the row, whatever its other columns hold
    // now; returns the row's index afterwards.
    int write(int index, const QVector<ColumnWrite> &writes);
    // Deletes the loaded row, or raises a StaleRowError as update() does.
    void remove(const LoadedRow &row);

private:
    // Rows as stored: a date stays in the form the engine gave it, so that a
    // checked change compares it exactly.
    struct Block {
        QVector<qint64> ids;
        QVector<QVector<QVariant>> rows;
    };

    void requireOpen() const;
    void requireRow(int index) const;
    void reload();
    QString whereSql(QVariantList &params) const;
    QString orderSql() const;
    QString columnList() const;
    QVector<QVariant> storedValues(const QVector<QVariant> &values) const;
    QString unchangedSql(const LoadedRow &row, QVariantList &params) const;
    [[noreturn]] void refuseStale(const LoadedRow &row) const;
    const Block &block(int number) const;
    int indexOf(qint64 rowId) const;

    Connection &m_connection;
    const Table &m_table;
    RowFilter m_filter;
    bool m_filtered = false;
    bool m_open = false;
    int m_count = 0;
    mutable QHash<int, Block> m_blocks;
    mutable QList<int> m_recentBlocks;
};

} // namespace db
