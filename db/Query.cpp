#include "db/Query.h"

#include "db/AppError.h"
#include "db/ColumnValue.h"
#include "db/TextForms.h"

#include <QRegularExpression>
#include <QSqlRecord>

namespace db {

namespace {

QVariant parameterValue(const QVariant &value)
{
    if (value.typeId() == QMetaType::QDate)
        return ColumnValue::dateParameter(QDateTime(value.toDate(), QTime(0, 0)));
    if (value.typeId() == QMetaType::QDateTime)
        return ColumnValue::dateParameter(value.toDateTime());
    return value;
}

const QRegularExpression &placeholderPattern()
{
    static const QRegularExpression named(QStringLiteral("(?<![:\\w]):([A-Za-z_]\\w*)"));
    return named;
}

QStringList placeholders(const QString &sql)
{
    QStringList names;
    for (auto it = placeholderPattern().globalMatch(sql); it.hasNext();)
        names << it.next().captured(1);
    return names;
}

[[noreturn]] void missingParameter(const QString &name, const QString &sql)
{
    throw AppError(QStringLiteral("语句的参数 %1 没有值：%2").arg(name, sql));
}

} // namespace

void Query::clear()
{
    close();
    m_lines.clear();
    m_params.clear();
}

void Query::add(const QString &line)
{
    m_lines << line;
}

void Query::setText(const QString &sql)
{
    clear();
    add(sql);
}

void Query::setParam(const QString &name, const QVariant &value)
{
    m_params.insert(name, parameterValue(value));
}

void Query::run()
{
    close();
    const QString sql = text();
    const QStringList names = placeholders(sql);
    if (names.isEmpty()) {
        m_query = m_connection.run(sql);
    } else {
        m_query = m_connection.prepare(sql);
        for (const QString &name : names) {
            if (!m_params.contains(name))
                missingParameter(name, sql);
            m_query.bindValue(QLatin1Char(':') + name, m_params.value(name));
        }
        m_connection.run(m_query);
    }
    m_open = true;
}

void Query::open()
{
    run();
}

void Query::exec()
{
    run();
}

void Query::close()
{
    if (m_open)
        m_query.finish();
    m_open = false;
}

bool Query::next()
{
    return m_open && m_query.next();
}

QString Query::inlinedText() const
{
    const QString sql = text();
    QString result;
    qsizetype copied = 0;
    for (auto it = placeholderPattern().globalMatch(sql); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        const QString name = match.captured(1);
        if (!m_params.contains(name))
            missingParameter(name, sql);
        result += QStringView(sql).mid(copied, match.capturedStart() - copied);
        result += m_connection.literal(m_params.value(name));
        copied = match.capturedEnd();
    }
    result += QStringView(sql).mid(copied);
    return result;
}

QStringList Query::columnNames() const
{
    QStringList names;
    const QSqlRecord record = m_query.record();
    for (int c = 0; c < record.count(); ++c)
        names << record.fieldName(c);
    return names;
}

QVariant Query::value(int column) const
{
    return m_query.value(column);
}

QString Query::valueText(int column) const
{
    return displayText(m_query.value(column));
}

int Query::rowsAffected() const
{
    return m_query.numRowsAffected();
}

QStringList Query::texts(Connection &connection, const QString &sql, const QMap<QString, QVariant> &params)
{
    Query query(connection);
    query.setText(sql);
    for (auto it = params.begin(); it != params.end(); ++it)
        query.setParam(it.key(), it.value());
    query.open();
    QStringList result;
    while (query.next())
        result << query.valueText(0);
    return result;
}

} // namespace db

