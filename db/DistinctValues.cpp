#include "db/DistinctValues.h"

#include "db/Connection.h"
#include "db/Schema.h"
#include "db/SqlDialect.h"
#include "db/TextForms.h"

#include <QSqlQuery>

namespace db {

QStringList distinctValues(Connection &connection, const QString &table, const QString &column,
                           const RowFilter &where)
{
    const Table &t = Schema::table(table);
    QVariantList params;
    QString sql = QStringLiteral("select distinct %1 from %2")
                      .arg(SqlDialect::quoted(t.column(column).sqlName()), t.name);
    if (!where.acceptsAll())
        sql += QStringLiteral(" where ") + where.sql(t, params);
    QSqlQuery query = connection.run(sql, params);
    QStringList values;
    while (query.next())
        values << displayText(query.value(0));
    return values;
}

} // namespace db
