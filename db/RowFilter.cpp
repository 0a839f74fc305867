#include "db/RowFilter.h"

#include "db/AppError.h"
#include "db/ColumnValue.h"
#include "db/SqlDialect.h"
#include "db/TextForms.h"

namespace db {

namespace {

QString equalsSql(const Column &column, const QString &text, QVariantList &params)
{
    if (!column.isText())
        throw AppError(QStringLiteral("“%1”列不能按文字查找").arg(column.caption()));
    const QString name = SqlDialect::quoted(column.sqlName());
    // A fixed-width column's blank padding does not count in the comparison:
    // the schema declares it so on each engine. An empty text is bound as
    // one, never as a null that equals nothing.
    params << (text.isEmpty() ? QStringLiteral("") : text);
    if (text.isEmpty())
        return QStringLiteral("(%1 = ? or %1 is null)").arg(name);
    return QStringLiteral("%1 = ?").arg(name);
}

QString dateBetweenSql(const Column &column, const QDate &from, const QDate &to, QVariantList &params)
{
    const QString name = SqlDialect::quoted(column.sqlName());
    if (column.type == ColumnType::DateTime) {
        // A date-time's short-date text lies in [from, to] exactly when the
        // moment lies in [from 00:00, the day after to 00:00); this form lets
        // the database use its index on the column.
        params << ColumnValue::dateParameter(QDateTime(from, QTime(0, 0)))
               << ColumnValue::dateParameter(QDateTime(to.addDays(1), QTime(0, 0)));
        return QStringLiteral("(%1 >= ? and %1 < ?)").arg(name);
    }
    if (!column.isText())
        throw AppError(QStringLiteral("“%1”列不是日期").arg(column.caption()));
    params << shortDate(from) << shortDate(to);
    return QStringLiteral("(%1 >= ? and %1 <= ?)").arg(name);
}

} // namespace

RowFilter RowFilter::equals(const QString &column, const QString &text)
{
    RowFilter f;
    f.m_conditions.append({Kind::Equals, column, text, {}, {}});
    return f;
}

RowFilter RowFilter::dateBetween(const QString &column, const QDate &from, const QDate &to)
{
    RowFilter f;
    f.m_conditions.append({Kind::DateBetween, column, {}, from, to});
    return f;
}

RowFilter RowFilter::operator&&(const RowFilter &other) const
{
    RowFilter f = *this;
    f.m_conditions += other.m_conditions;
    return f;
}

QString RowFilter::sql(const Table &table, QVariantList &params) const
{
    if (m_conditions.isEmpty())
        return QStringLiteral("1=1");
    QStringList parts;
    for (const Condition &c : m_conditions) {
        const Column &column = table.column(c.column);
        parts << (c.kind == Kind::Equals ? equalsSql(column, c.text, params)
                                         : dateBetweenSql(column, c.from, c.to, params));
    }
    return parts.join(QStringLiteral(" and "));
}

} // namespace db
