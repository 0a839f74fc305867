#pragma once

#include "db/Schema.h"

#include <QString>

namespace db {

enum class Engine { SQLite, PostgreSQL };

// Everything an engine needs differently from the statements the program
// writes. Statements are written once, in the form the windows use; this is
// the one place that adapts them.
class SqlDialect {
public:
    // Adapts a statement: "delete kucuntemp" becomes "delete from kucuntemp".
    static QString rewrite(const QString &sql);
    static QString quoted(const QString &identifier);
    static QString columnType(Engine engine, const Column &column);
    // The hidden column that tells identical rows of a keyless table apart.
    static QString rowIdColumn() { return QStringLiteral("rowid"); }
    static QString rowIdDefinition(Engine engine);
    // The condition that the column holds the bound value, a null equal to a
    // null, compared as the column compares (fixed-width texts without their
    // trailing blanks).
    static QString holdsValue(Engine engine, const Column &column);
};

} // namespace db
