#include "db/Connection.h"

#include "db/AppError.h"
#include "db/SqliteFile.h"

#include <QDir>
#include <QFileInfo>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlField>
#include <QSysInfo>
#include <atomic>

namespace db {

namespace {

QString nextConnectionName()
{
    static std::atomic<int> counter{0};
    return QStringLiteral("yingfengda-%1").arg(++counter);
}

QString errorText(const QSqlError &error)
{
    QString text = error.databaseText().trimmed();
    if (text.isEmpty())
        text = error.text().trimmed();
    return text;
}

// SQLite reports a lock it could not get within its busy timeout as BUSY or
// LOCKED (extended codes keep the primary one in the low byte); PostgreSQL as
// a lock timeout or, where two writers wait for each other, a deadlock.
bool isBusy(Engine engine, const QSqlError &error)
{
    const QString code = error.nativeErrorCode();
    if (engine == Engine::SQLite) {
        const int primary = code.toInt() & 0xff;
        return primary == 5 || primary == 6;
    }
    return code == QLatin1String("55P03") || code == QLatin1String("40P01");
}

bool asksForPassword(const QString &text)
{
    return text.contains(QLatin1String("no password supplied"))
        || text.contains(QLatin1String("password authentication failed"));
}

// A value of libpq's connection string: quoted, with its quotes and
// backslashes escaped.
QString conninfoValue(const QString &value)
{
    QString escaped = value;
    escaped.replace(QLatin1Char('\\'), QLatin1String("\\\\")).replace(QLatin1Char('\''), QLatin1String("\\'"));
    return QLatin1Char('\'') + escaped + QLatin1Char('\'');
}

// The workstation's name shows in the server's list of sessions; the URL's own
// options come last and so win over these defaults.
QString postgresqlOptions(const DatabaseUrl &url)
{
    QStringList options{QStringLiteral("application_name=") + conninfoValue(QStringLiteral("yingfengda@") + QSysInfo::machineHostName()),
                        QStringLiteral("connect_timeout=10")};
    for (const auto &[key, value] : url.options)
        options << key + QLatin1Char('=') + conninfoValue(value);
    return options.join(QLatin1Char(';'));
}

// The driver's error codes: PostgreSQL's SQLSTATE, SQLite's (extended) result code.
bool isDuplicateKey(Engine engine, const QSqlError &error)
{
    const QString code = error.nativeErrorCode();
    if (engine == Engine::PostgreSQL)
        return code == QLatin1String("23505");
    return code == QLatin1String("2067") || code == QLatin1String("1555")
           || (code == QLatin1String("19") && error.databaseText().startsWith(QLatin1String("UNIQUE")));
}

// The database's own text, after a sentence that says in Chinese what it means.
AppError refusal(const DatabaseUrl &url, const QSqlError &error)
{
    const QString text = errorText(error);
    if (isDuplicateKey(url.engine, error))
        return AppError::duplicateKey(QStringLiteral("数据库中已有相同键值的记录，这一行没有存入：%1").arg(text));
    const QString code = error.nativeErrorCode();
    if (url.engine == Engine::SQLite && code.toInt() % 256 == 26)
        return AppError(QStringLiteral("文件 %1 不是本系统的数据库：%2").arg(url.path, text));
    if (url.engine == Engine::SQLite && code.toInt() % 256 == 8)
        return AppError(QStringLiteral("数据库 %1 是只读的，不能写入：%2").arg(url.display(), text));
    return AppError(QStringLiteral("数据库拒绝了这项操作：%1").arg(text));
}

} // namespace

const QString BusyError::Text = QStringLiteral("另一工作站正在写入，请稍后再试。");

BusyError::BusyError() : AppError(Text) {}

Connection::Connection(const DatabaseUrl &url)
    : m_url(url), m_name(nextConnectionName())
{
    QSqlDatabase db = QSqlDatabase::addDatabase(
        url.engine == Engine::SQLite ? QStringLiteral("QSQLITE") : QStringLiteral("QPSQL"), m_name);
    if (url.engine == Engine::SQLite) {
        db.setDatabaseName(url.path);
    } else {
        db.setHostName(url.host);
        if (url.port)
            db.setPort(url.port);
        db.setUserName(url.user);
        db.setPassword(url.password);
        db.setDatabaseName(url.catalog);
        db.setConnectOptions(postgresqlOptions(url));
    }
}

Connection::~Connection()
{
    close();
    QSqlDatabase::removeDatabase(m_name);
}

void Connection::open()
{
    QSqlDatabase db = QSqlDatabase::database(m_name, false);
    if (m_url.engine == Engine::SQLite) {
        const QString folder = QFileInfo(m_url.path).absolutePath();
        if (!m_url.makesFolder && !QDir(folder).exists())
            throw AppError(QStringLiteral("无法打开数据库 %1：文件夹 %2 不存在。请检查数据库文件的路径。")
                               .arg(m_url.display(), folder));
        SqliteFile::prepare(m_url);
    }
    if (!db.open()) {
        const QString reason = errorText(db.lastError());
        const QString message = QStringLiteral("无法打开数据库 %1：%2").arg(m_url.display(), reason);
        if (m_url.engine == Engine::PostgreSQL && asksForPassword(reason))
            throw PasswordRequired(message);
        throw AppError(message);
    }
    m_lost = false;
    applySessionSettings();
}

void Connection::applySessionSettings()
{
    QSqlQuery settings(QSqlDatabase::database(m_name, false));
    const qint64 wait = m_waitLimit.count();
    if (m_url.engine == Engine::SQLite) {
        settings.exec(QStringLiteral("pragma busy_timeout = %1").arg(wait));
        // Several workstations read while one writes; a file on a network
        // share has no shared memory for the write-ahead log.
        if (!SqliteFile::isOnNetworkShare(m_url.path))
            settings.exec(QStringLiteral("pragma journal_mode = wal"));
        return;
    }
    settings.exec(QStringLiteral("set lock_timeout = %1").arg(wait));
    settings.exec(QStringLiteral("set idle_in_transaction_session_timeout = %1").arg(IdleInTransactionLimit.count()));
}

void Connection::setWaitLimit(std::chrono::milliseconds limit)
{
    m_waitLimit = limit;
    if (isOpen())
        applySessionSettings();
}

void Connection::close()
{
    QSqlDatabase db = QSqlDatabase::database(m_name, false);
    if (db.isOpen())
        db.close();
}

bool Connection::isOpen() const
{
    return QSqlDatabase::database(m_name, false).isOpen();
}

void Connection::ensureOpen()
{
    if (m_lost || !isOpen()) {
        close();
        open();
    }
}

bool Connection::isAlive()
{
    QSqlQuery probe(QSqlDatabase::database(m_name, false));
    return probe.exec(QStringLiteral("select 1"));
}

void Connection::lost(const QString &reason)
{
    m_lost = true;
    throw AppError(QStringLiteral("与数据库 %1 的连接已中断：%2\n请再试一次，程序会重新连接。")
                       .arg(m_url.display(), reason));
}

void Connection::fail(const QSqlQuery &query)
{
    const QSqlError error = query.lastError();
    if (isBusy(m_url.engine, error))
        throw BusyError();
    // An embedded file has no connection to lose. Inside a transaction the
    // server refuses the probe until the rollback: the transaction looks again
    // once it has rolled back.
    if (m_url.engine == Engine::PostgreSQL && !m_inTransaction && !isAlive())
        lost(errorText(error));
    throw refusal(m_url, error);
}

QSqlQuery Connection::prepare(const QString &sql)
{
    ensureOpen();
    QSqlQuery query(QSqlDatabase::database(m_name, false));
    query.setForwardOnly(true);
    if (!query.prepare(SqlDialect::rewrite(sql)))
        fail(query);
    return query;
}

void Connection::run(QSqlQuery &query)
{
    if (!query.exec())
        fail(query);
}

QSqlQuery Connection::run(const QString &sql, const QVariantList &values)
{
    if (!values.isEmpty()) {
        QSqlQuery query = prepare(sql);
        for (int i = 0; i < values.size(); ++i)
            query.bindValue(i, values[i]);
        run(query);
        return query;
    }
    // Statements without values run unprepared: PostgreSQL prepares only
    // queries and data changes, not "begin", "lock" or DDL.
    ensureOpen();
    QSqlQuery query(QSqlDatabase::database(m_name, false));
    query.setForwardOnly(true);
    if (!query.exec(SqlDialect::rewrite(sql)))
        fail(query);
    return query;
}

void Connection::transaction(const std::function<void()> &work)
{
    if (m_inTransaction) {
        work();
        return;
    }
    run(m_url.engine == Engine::SQLite ? QStringLiteral("begin immediate") : QStringLiteral("begin"));
    m_inTransaction = true;
    try {
        work();
        m_inTransaction = false;
        run(QStringLiteral("commit"));
    } catch (const BusyError &) {
        rollback();
        throw;
    } catch (const std::exception &e) {
        rollback();
        if (!isAlive())
            lost(QString::fromUtf8(e.what()));
        throw;
    } catch (...) {
        rollback();
        throw;
    }
}

void Connection::rollback()
{
    m_inTransaction = false;
    QSqlQuery rollback(QSqlDatabase::database(m_name, false));
    rollback.exec(QStringLiteral("rollback"));
}

void Connection::lockForWriting(const QString &table)
{
    // SQLite's "begin immediate" already keeps every other writer out.
    if (m_url.engine == Engine::PostgreSQL)
        run(QStringLiteral("lock table %1 in share row exclusive mode").arg(SqlDialect::quoted(table)));
}

QStringList Connection::tableNames() const
{
    const_cast<Connection *>(this)->ensureOpen();
    return QSqlDatabase::database(m_name, false).tables(QSql::Tables);
}

QString Connection::literal(const QVariant &value)
{
    ensureOpen();
    QSqlField field(QString(), value.metaType());
    field.setValue(value);
    return QSqlDatabase::database(m_name, false).driver()->formatValue(field);
}

} // namespace db
