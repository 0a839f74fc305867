#pragma once

#include "db/RowFilter.h"

#include <QString>
#include <QStringList>

namespace db {

class Connection;

// The distinct values of a table's column, as texts, in the server's order:
// the contents of a value list. Only the rows that pass the filter count.
QStringList distinctValues(Connection &connection, const QString &table, const QString &column,
                           const RowFilter &where = {});

} // namespace db
