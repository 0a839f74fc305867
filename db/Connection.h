#pragma once

#include "db/AppError.h"
#include "db/DatabaseUrl.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QStringList>
#include <chrono>
#include <functional>

namespace db {

// Another workstation kept the database locked for writing longer than this
// workstation waits: the command ends and stores nothing.
class BusyError : public AppError {
public:
    BusyError();
    static const QString Text;
};

// The server asks for a password that neither the URL nor the client's own
// sources (PGPASSWORD, the password file, the service file) supplied.
class PasswordRequired : public AppError {
public:
    using AppError::AppError;
};

// The one connection of a workstation. Every data set and statement runs on
// it. A connection lost while the program runs (the server restarted) fails the
// statement or transaction that met it with a clear message; the next
// statement reconnects.
class Connection {
public:
    // How long a statement waits for another workstation's write lock.
    static constexpr std::chrono::milliseconds DefaultWaitLimit{5000};
    // A server session that stays inside a transaction without a statement
    // this long is ended by the server, so that a frozen workstation cannot
    // hold its locks for ever.
    static constexpr std::chrono::milliseconds IdleInTransactionLimit{30000};

    explicit Connection(const DatabaseUrl &url);
    ~Connection();
    Connection(const Connection &) = delete;
    Connection &operator=(const Connection &) = delete;

    // Raises an AppError naming the database and the reason when it cannot be
    // opened; a PasswordRequired when the server asks for a password.
    void open();
    void close();
    bool isOpen() const;

    Engine engine() const { return m_url.engine; }
    const DatabaseUrl &url() const { return m_url; }
    // Applies at once when the connection is open, and to every reconnection.
    void setWaitLimit(std::chrono::milliseconds limit);

    // A statement prepared on the connection, in the engine's form, with
    // positional (?) or named (:Q1) placeholders.
    QSqlQuery prepare(const QString &sql);
    // Runs a prepared statement; raises an AppError with the database's text.
    void run(QSqlQuery &query);
    // Runs a statement with its values bound in order to its ? placeholders.
    QSqlQuery run(const QString &sql, const QVariantList &values = {});

    // Runs the work as one transaction: committed when it returns, rolled back
    // when it raises. On SQLite it begins as a writer, so that it waits its turn
    // behind another workstation's write instead of failing when it first writes.
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
    void applySessionSettings();
    bool isAlive();
    void rollback();
    [[noreturn]] void fail(const QSqlQuery &query);
    [[noreturn]] void lost(const QString &reason);

    DatabaseUrl m_url;
    QString m_name;
    std::chrono::milliseconds m_waitLimit = DefaultWaitLimit;
    bool m_lost = false;
    bool m_inTransaction = false;
};

} // namespace db
