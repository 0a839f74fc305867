#include "db/TableDataSet.h"

#include "db/AppError.h"
#include "db/ColumnValue.h"
#include "db/SqlDialect.h"

#include <QSqlQuery>

namespace db {

namespace {

constexpr int BlockSize = 200;
constexpr int BlocksKept = 32;

int countOf(QSqlQuery &query)
{
    return query.next() ? query.value(0).toInt() : 0;
}

// A stored value as the condition of a checked change binds it. PostgreSQL
// hands timestamps over as date-times; they go back in the text form in which
// the data layer writes every date, read by the server on its own clock.
QVariant asCompared(const Column &column, const QVariant &stored)
{
    if (column.type == ColumnType::DateTime && stored.typeId() == QMetaType::QDateTime)
        return ColumnValue::dateParameter(stored.toDateTime());
    return stored;
}

} // namespace

StaleRowError::StaleRowError(Reason reason)
    : AppError(reason == Reason::Changed ? QStringLiteral("此记录已被其他工作站修改，请重新选择后再修改")
                                         : QStringLiteral("此记录已被其他工作站删除")),
      m_reason(reason)
{
}

TableDataSet::TableDataSet(Connection &connection, const QString &table)
    : m_connection(connection), m_table(Schema::table(table))
{
}

void TableDataSet::open()
{
    if (!m_open)
        reload();
    m_open = true;
}

void TableDataSet::close()
{
    m_open = false;
    m_count = 0;
    m_blocks.clear();
    m_recentBlocks.clear();
}

void TableDataSet::reopen()
{
    close();
    open();
}

void TableDataSet::requireOpen() const
{
    if (!m_open)
        throw AppError(QStringLiteral("表 %1 没有打开，不能进行这项操作").arg(m_table.name));
}

void TableDataSet::requireRow(int index) const
{
    requireOpen();
    if (index < 0 || index >= m_count)
        throw AppError(QStringLiteral("表 %1 中没有当前行").arg(m_table.name));
}

void TableDataSet::reload()
{
    m_blocks.clear();
    m_recentBlocks.clear();
    QVariantList params;
    const QString sql = QStringLiteral("select count(*) from %1 where %2")
                            .arg(SqlDialect::quoted(m_table.name), whereSql(params));
    QSqlQuery query = m_connection.run(sql, params);
    m_count = countOf(query);
}

QString TableDataSet::whereSql(QVariantList &params) const
{
    return m_filtered ? m_filter.sql(m_table, params) : QStringLiteral("1=1");
}

QString TableDataSet::orderSql() const
{
    const QString rowid = SqlDialect::rowIdColumn();
    if (m_table.hasKey())
        return SqlDialect::quoted(m_table.key) + QStringLiteral(", ") + rowid;
    return rowid;
}

QString TableDataSet::columnList() const
{
    QStringList names;
    for (const Column &c : m_table.columns)
        names << SqlDialect::quoted(c.sqlName());
    return names.join(QStringLiteral(", "));
}

int TableDataSet::rowCount() const
{
    requireOpen();
    return m_count;
}

const TableDataSet::Block &TableDataSet::block(int number) const
{
    m_recentBlocks.removeOne(number);
    m_recentBlocks.prepend(number);
    auto found = m_blocks.constFind(number);
    if (found != m_blocks.cend())
        return *found;

    QVariantList params;
    const QString sql = QStringLiteral("select %1, %2 from %3 where %4 order by %5 limit %6 offset %7")
                            .arg(SqlDialect::rowIdColumn(), columnList(), SqlDialect::quoted(m_table.name),
                                 whereSql(params), orderSql())
                            .arg(BlockSize)
                            .arg(qint64(number) * BlockSize);
    QSqlQuery query = m_connection.run(sql, params);
    Block fetched;
    while (query.next()) {
        fetched.ids << query.value(0).toLongLong();
        QVector<QVariant> values;
        values.reserve(m_table.columns.size());
        for (int c = 0; c < m_table.columns.size(); ++c)
            values << query.value(c + 1);
        fetched.rows << values;
    }
    while (m_recentBlocks.size() > BlocksKept)
        m_blocks.remove(m_recentBlocks.takeLast());
    return *m_blocks.insert(number, fetched);
}

QVector<QVariant> TableDataSet::row(int index) const
{
    return values(loaded(index));
}

LoadedRow TableDataSet::loaded(int index) const
{
    requireRow(index);
    const Block &b = block(index / BlockSize);
    const int offset = index % BlockSize;
    if (offset >= b.rows.size())
        throw AppError(QStringLiteral("表 %1 的行已被其他工作站改变，请刷新").arg(m_table.name));
    return {b.ids[offset], b.rows[offset]};
}

QVector<QVariant> TableDataSet::values(const LoadedRow &row) const
{
    QVector<QVariant> result;
    result.reserve(row.stored.size());
    for (int c = 0; c < row.stored.size(); ++c)
        result << ColumnValue::fromStored(m_table.columns[c], row.stored[c]);
    return result;
}

int TableDataSet::indexOf(const LoadedRow &row) const
{
    requireOpen();
    return indexOf(row.id);
}

QVariant TableDataSet::value(int index, int column) const
{
    return row(index).value(column);
}

QVariant TableDataSet::value(int index, const QString &column) const
{
    return value(index, m_table.columnIndex(column));
}

QVector<QVariant> TableDataSet::storedValues(const QVector<QVariant> &values) const
{
    if (values.size() > m_table.columns.size())
        throw AppError(QStringLiteral("表 %1 只有 %2 列").arg(m_table.name).arg(m_table.columns.size()));
    QVector<QVariant> stored;
    for (int c = 0; c < values.size(); ++c)
        stored << ColumnValue::toStored(m_table.columns[c], values[c]);
    return stored;
}

int TableDataSet::indexOf(qint64 id) const
{
    const QString table = SqlDialect::quoted(m_table.name);
    const QString rowid = SqlDialect::rowIdColumn();
    QVariantList params;
    QString where = whereSql(params);
    QSqlQuery passes = m_connection.run(
        QStringLiteral("select count(*) from %1 where %2 and %3 = ?").arg(table, where, rowid), params + QVariantList{id});
    if (countOf(passes) == 0)
        return -1;

    QString before = QStringLiteral("%1 < ?").arg(rowid);
    QVariantList beforeParams{id};
    if (m_table.hasKey()) {
        const QString key = SqlDialect::quoted(m_table.key);
        before = QStringLiteral("(%1 < (select %1 from %2 where %3 = ?) or (%1 = (select %1 from %2 where %3 = ?) and %3 < ?))")
                     .arg(key, table, rowid);
        beforeParams = {id, id, id};
    }
    QSqlQuery position = m_connection.run(
        QStringLiteral("select count(*) from %1 where %2 and %3").arg(table, where, before), params + beforeParams);
    return countOf(position);
}

int TableDataSet::append(const QVector<QVariant> &values)
{
    requireOpen();
    const QVector<QVariant> stored = storedValues(values);
    QStringList names;
    QStringList marks;
    for (int c = 0; c < stored.size(); ++c) {
        names << SqlDialect::quoted(m_table.columns[c].sqlName());
        marks << QStringLiteral("?");
    }
    const QString rows = names.isEmpty()
        ? QStringLiteral("default values")
        : QStringLiteral("(%1) values (%2)").arg(names.join(QStringLiteral(", ")), marks.join(QStringLiteral(", ")));
    const QString sql = QStringLiteral("insert into %1 %2 returning %3")
                            .arg(SqlDialect::quoted(m_table.name), rows, SqlDialect::rowIdColumn());
    QSqlQuery insert = m_connection.run(sql, QVariantList(stored.begin(), stored.end()));
    const qint64 id = insert.next() ? insert.value(0).toLongLong() : -1;
    insert.finish();
    reload();
    return indexOf(id);
}

QString TableDataSet::unchangedSql(const LoadedRow &row, QVariantList &params) const
{
    QStringList conditions{SqlDialect::rowIdColumn() + QStringLiteral(" = ?")};
    params << row.id;
    for (int c = 0; c < m_table.columns.size(); ++c) {
        conditions << SqlDialect::holdsValue(m_connection.engine(), m_table.columns[c]);
        params << asCompared(m_table.columns[c], row.stored.value(c));
    }
    return conditions.join(QStringLiteral(" and "));
}

void TableDataSet::refuseStale(const LoadedRow &row) const
{
    QSqlQuery exists = m_connection.run(QStringLiteral("select count(*) from %1 where %2 = ?")
                                            .arg(SqlDialect::quoted(m_table.name), SqlDialect::rowIdColumn()),
                                        {row.id});
    throw StaleRowError(countOf(exists) == 0 ? StaleRowError::Reason::Deleted : StaleRowError::Reason::Changed);
}

int TableDataSet::update(const LoadedRow &row, const QVector<QVariant> &values)
{
    requireOpen();
    const QVector<QVariant> stored = storedValues(values);
    QStringList assignments;
    for (int c = 0; c < stored.size(); ++c)
        assignments << SqlDialect::quoted(m_table.columns[c].sqlName()) + QStringLiteral(" = ?");
    QVariantList params(stored.begin(), stored.end());
    const QString unchanged = unchangedSql(row, params);
    QSqlQuery query = m_connection.run(QStringLiteral("update %1 set %2 where %3")
                                           .arg(SqlDialect::quoted(m_table.name),
                                                assignments.join(QStringLiteral(", ")), unchanged),
                                       params);
    if (query.numRowsAffected() == 0)
        refuseStale(row);
    reload();
    return indexOf(row.id);
}

int TableDataSet::write(int index, const QVector<ColumnWrite> &writes)
{
    const qint64 id = loaded(index).id;
    QStringList assignments;
    QVariantList params;
    for (const ColumnWrite &w : writes) {
        const Column &column = m_table.column(w.column);
        assignments << SqlDialect::quoted(column.sqlName()) + QStringLiteral(" = ") + w.expression;
        params << ColumnValue::toStored(column, w.value);
    }
    params << id;
    QSqlQuery query = m_connection.run(QStringLiteral("update %1 set %2 where %3 = ?")
                                           .arg(SqlDialect::quoted(m_table.name),
                                                assignments.join(QStringLiteral(", ")), SqlDialect::rowIdColumn()),
                                       params);
    if (query.numRowsAffected() == 0)
        throw StaleRowError(StaleRowError::Reason::Deleted);
    reload();
    return indexOf(id);
}

void TableDataSet::remove(const LoadedRow &row)
{
    requireOpen();
    QVariantList params;
    const QString unchanged = unchangedSql(row, params);
    QSqlQuery query = m_connection.run(
        QStringLiteral("delete from %1 where %2").arg(SqlDialect::quoted(m_table.name), unchanged), params);
    if (query.numRowsAffected() == 0)
        refuseStale(row);
    reload();
}

} // namespace db
