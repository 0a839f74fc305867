#include "TestDatabase.h"

#include "db/Schema.h"
#include "db/SchemaBuilder.h"
#include "db/SqlDialect.h"

#include <QSqlQuery>

namespace {

db::DatabaseUrl chosenDatabase(const QTemporaryDir &folder)
{
    const QString chosen = qEnvironmentVariable("YINGFENGDA_TEST_DATABASE", QStringLiteral("sqlite"));
    if (chosen == QLatin1String("sqlite"))
        return db::DatabaseUrl::parse(folder.filePath(QStringLiteral("test.sqlite")));
    return db::DatabaseUrl::parse(chosen);
}

} // namespace

TestDatabase::TestDatabase()
    : m_url(chosenDatabase(m_folder)), m_connection(std::make_unique<db::Connection>(m_url))
{
    m_connection->open();
    for (const db::Table &t : db::Schema::tables())
        m_connection->run(QStringLiteral("drop table if exists %1").arg(db::SqlDialect::quoted(t.name)));
    db::SchemaBuilder(*m_connection).createMissing();
}

void TestDatabase::reset()
{
    m_connection->transaction([this] {
        for (const db::Table &t : db::Schema::tables())
            m_connection->run(QStringLiteral("delete from %1").arg(db::SqlDialect::quoted(t.name)));
        for (const QString &statement : db::SchemaBuilder::statements(m_url.engine, db::Schema::table(QStringLiteral("inc"))))
            if (statement.startsWith(QLatin1String("insert")))
                m_connection->run(statement);
    });
}

std::unique_ptr<db::Connection> TestDatabase::connectAgain() const
{
    auto second = std::make_unique<db::Connection>(m_url);
    second->open();
    return second;
}

QVariant TestDatabase::scalar(const QString &sql, const QVariantList &values)
{
    QSqlQuery query = m_connection->run(sql, values);
    return query.next() ? query.value(0) : QVariant();
}
