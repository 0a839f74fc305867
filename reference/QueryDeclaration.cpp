#include "reference/QueryDeclaration.h"

#include "db/Query.h"

namespace reference {

ValueSource distinctValuesOf(const QString &table, const QString &column)
{
    const QString sql = QStringLiteral("select distinct %1 from %2").arg(column, table);
    return [sql](db::Connection &connection, const SearchValues &) { return db::Query::texts(connection, sql); };
}

} // namespace reference
