#pragma once

#include "db/Connection.h"
#include "db/RowFilter.h"
#include "db/Schema.h"

#include <QHash>
#include <QList>
#include <QVariant>
#include <QVector>

namespace db {

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

    // Appends a row from values in column order (missing trailing values stay
    // empty); every value is converted before anything is written. Returns the
    // new row's index, or -1 when the filter hides it.
    int append(const QVector<QVariant> &values);
    // Replaces the row's values in column order; returns its index afterwards.
    int update(int index, const QVector<QVariant> &values);
    void remove(int index);

private:
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
    const Block &block(int number) const;
    qint64 rowId(int index) const;
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
