#pragma once

#include "db/DatabaseUrl.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QStringList>
#include <functional>

namespace db {

// The one connection of a workstation. Every data set and statement runs on
// it. A connection lost while the program runs (the server restarted) fails the
// statement that met it with a clear message; the next statement reconnects.
class Connection {
public:
    explicit Connection(const DatabaseUrl &url);
    ~Connection();
    Connection(const Connection &) = delete;
    Connection &operator=(const Connection &) = delete;

    // Raises an AppError naming the database and the reason when it cannot be opened.
    void open();
    void close();
    bool isOpen() const;

    Engine engine() const { return m_url.engine; }
    const DatabaseUrl &url() const { return m_url; }

    // A statement prepared on the connection, in the engine's form, with
    // positional (?) or named (:Q1) placeholders.
    QSqlQuery prepare(const QString &sql);
    // Runs a prepared statement; raises an AppError with the database's text.
    void run(QSqlQuery &query);
    // Runs a statement with its values bound in order to its ? placeholders.
    QSqlQuery run(const QString &sql, const QVariantList &values = {});

    // Runs the work as one transaction: committed when it returns, rolled back
    // when it raises. Writers are serialised on SQLite from the start.
    void transaction(const std::function<void()> &work);
    // Inside a transaction: keeps other workstations from writing the table until
    // the transaction ends (a read followed by a write then counts for both).
    void lockForWriting(const QString &table);
    bool inTransaction() const { return m_inTransaction; }

    QStringList tableNames() const;
    // A value written as a literal of the engine's SQL, quoted and escaped by
    // its driver as it does for the parameters it binds.
    QString literal(const QVariant &value);

private:
    void ensureOpen();
    bool isAlive();
    [[noreturn]] void fail(const QSqlQuery &query);

    DatabaseUrl m_url;
    QString m_name;
    bool m_lost = false;
    bool m_inTransaction = false;
};

} // namespace db
