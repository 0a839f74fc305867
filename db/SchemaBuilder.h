#pragma once

#include "db/Connection.h"
#include "db/Schema.h"

#include <QStringList>

namespace db {

// Creates the system's tables on a database: each with its columns in order,
// its key and the indexes the windows search by; the operator table with its
// two document-number counters.
class SchemaBuilder {
public:
    explicit SchemaBuilder(Connection &connection) : m_connection(connection) {}

    QStringList missingTables() const;
    // Creates the tables that do not exist yet, in one transaction, and
    // returns their names; an existing table is left exactly as it is. Two
    // workstations doing so at once both succeed, one after the other.
    QStringList createMissing();
    // The rule on every start: a database that holds none of the tables (a
    // new one) gets the whole schema; one that holds only some of them is
    // left as it is. Returns the tables it created.
    QStringList createIfNew();

    static QStringList statements(Engine engine, const Table &table);

private:
    Connection &m_connection;
};

} // namespace db
