#include "db/ScratchRows.h"

#include "db/ColumnValue.h"
#include "db/Connection.h"
#include "db/Schema.h"
#include "db/SqlDialect.h"

namespace db {

ScratchRows::ScratchRows(Connection &connection, const QString &table, const QStringList &fields)
    : m_connection(connection), m_table(Schema::table(table)), m_fields(fields)
{
}

QList<QVariantList> ScratchRows::fill(const QList<QVariantList> &rows)
{
    const QString table = SqlDialect::quoted(m_table.name);
    const QString columns = m_fields.join(QStringLiteral(", "));
    const QString insert = QStringLiteral("insert into %1 (%2) values (%3)")
                               .arg(table, columns, QStringList(m_fields.size(), QStringLiteral("?")).join(QStringLiteral(", ")));
    QList<QVariantList> written;
    m_connection.transaction([&] {
        m_connection.lockForWriting(m_table.name);
        m_connection.run(QStringLiteral("delete from %1").arg(table));
        for (const QVariantList &row : rows) {
            QVariantList stored;
            for (int c = 0; c < m_fields.size(); ++c)
                stored << ColumnValue::toStored(m_table.column(m_fields[c]), row.value(c));
            m_connection.run(insert, stored);
        }
        QSqlQuery back = m_connection.run(QStringLiteral("select %1 from %2 order by rowid").arg(columns, table));
        while (back.next()) {
            QVariantList values;
            for (int c = 0; c < m_fields.size(); ++c)
                values << ColumnValue::fromStored(m_table.column(m_fields[c]), back.value(c));
            written << values;
        }
    });
    return written;
}

} // namespace db
