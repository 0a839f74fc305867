#pragma once

#include "db/Connection.h"

#include <QTemporaryDir>
#include <memory>

// A database for one test program, on the engine the test run asks for
// (YINGFENGDA_TEST_DATABASE: "sqlite", or a PostgreSQL URL): the whole schema,
// emptied again by reset().
class TestDatabase {
public:
    TestDatabase();

    const db::DatabaseUrl &url() const { return m_url; }
    db::Connection &connection() { return *m_connection; }
    bool isPostgreSQL() const { return m_url.engine == db::Engine::PostgreSQL; }
    QString engineName() const { return isPostgreSQL() ? QStringLiteral("PostgreSQL") : QStringLiteral("SQLite"); }

    // Every table empty, the two counters back at their start.
    void reset();
    // A second workstation on the same database.
    std::unique_ptr<db::Connection> connectAgain() const;
    // Runs a statement on the test's own connection and returns the first value.
    QVariant scalar(const QString &sql, const QVariantList &values = {});

private:
    QTemporaryDir m_folder;
    db::DatabaseUrl m_url;
    std::unique_ptr<db::Connection> m_connection;
};
