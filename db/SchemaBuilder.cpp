#include "db/SchemaBuilder.h"

#include "db/SqlDialect.h"

#include <QSet>

namespace db {

namespace {

// The server-wide advisory lock that serialises schema creation ("yfd" and 1).
constexpr qint64 SchemaLockKey = 0x79666401;

QString columnDefinition(Engine engine, const Table &table, const Column &column)
{
    QString definition = SqlDialect::quoted(column.sqlName()) + QLatin1Char(' ') + SqlDialect::columnType(engine, column);
    if (table.hasKey() && column.name == table.key)
        definition += QStringLiteral(" not null primary key");
    return definition;
}

QString createTable(Engine engine, const Table &table)
{
    QStringList columns;
    for (const Column &c : table.columns)
        columns << columnDefinition(engine, table, c);
    const QString rowid = SqlDialect::rowIdDefinition(engine);
    if (!rowid.isEmpty())
        columns << rowid;
    return QStringLiteral("create table %1 (%2)").arg(SqlDialect::quoted(table.name), columns.join(QStringLiteral(", ")));
}

QString createIndex(const Table &table, const QStringList &columns)
{
    QStringList quoted;
    for (const QString &c : columns)
        quoted << SqlDialect::quoted(c);
    const QString name = QStringLiteral("%1_by_%2").arg(table.name, columns.join(QLatin1Char('_'))).toLower();
    return QStringLiteral("create index %1 on %2 (%3)")
        .arg(SqlDialect::quoted(name), SqlDialect::quoted(table.name), quoted.join(QStringLiteral(", ")));
}

// The operator table starts with the two counters: "1" numbers requisition
// slips, "2" purchase-order printouts. Their marker stays null, so they never
// show as operator accounts.
QStringList counterRows()
{
    return {QStringLiteral("insert into inc (id, linid, sa) values ('1', '1', null)"),
            QStringLiteral("insert into inc (id, linid, sa) values ('2', '1', null)")};
}

} // namespace

QStringList SchemaBuilder::statements(Engine engine, const Table &table)
{
    QStringList result{createTable(engine, table)};
    for (const QStringList &index : table.indexes)
        result << createIndex(table, index);
    if (table.name == QLatin1String("inc"))
        result << counterRows();
    return result;
}

QStringList SchemaBuilder::missingTables() const
{
    QSet<QString> existing;
    for (const QString &name : m_connection.tableNames())
        existing.insert(name.toLower());
    QStringList missing;
    for (const Table &t : Schema::tables())
        if (!existing.contains(t.name.toLower()))
            missing << t.name;
    return missing;
}

QStringList SchemaBuilder::createMissing()
{
    if (missingTables().isEmpty())
        return {};
    QStringList missing;
    m_connection.transaction([&] {
        // Two workstations creating the schema at once: the second waits
        // here for the first and then finds its tables.
        if (m_connection.engine() == Engine::PostgreSQL)
            m_connection.run(QStringLiteral("select pg_advisory_xact_lock(%1)").arg(SchemaLockKey));
        missing = missingTables();
        for (const QString &name : missing)
            for (const QString &statement : statements(m_connection.engine(), Schema::table(name)))
                m_connection.run(statement);
    });
    return missing;
}

QStringList SchemaBuilder::createIfNew()
{
    if (missingTables().size() != Schema::tables().size())
        return {};
    return createMissing();
}

} // namespace db
