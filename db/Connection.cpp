#include "db/Connection.h"

#include "db/AppError.h"

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

Connection::Connection(const DatabaseUrl &url)
    : m_url(url), m_name(nextConnectionName())
{
    QSqlDatabase db = QSqlDatabase::addDatabase(
        url.engine == Engine::SQLite ? QStringLiteral("QSQLITE") : QStringLiteral("QPSQL"), m_name);
    if (url.engine == Engine::SQLite) {
        db.setDatabaseName(url.path);
        db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=10000"));
    } else {
        db.setHostName(url.host);
        if (url.port)
            db.setPort(url.port);
        db.setUserName(url.user);
        db.setPassword(url.password);
        db.setDatabaseName(url.catalog);
        // The workstation's name shows in the server's list of sessions.
        db.setConnectOptions(QStringLiteral("application_name=yingfengda@%1;connect_timeout=10")
                                 .arg(QSysInfo::machineHostName()));
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
        if (!QDir().mkpath(folder))
            throw AppError(QStringLiteral("无法打开数据库 %1：不能建立文件夹 %2").arg(m_url.display(), folder));
    }
    if (!db.open())
        throw AppError(QStringLiteral("无法打开数据库 %1：%2").arg(m_url.display(), errorText(db.lastError())));
    m_lost = false;
    if (m_url.engine == Engine::SQLite) {
        QSqlQuery pragma(db);
        pragma.exec(QStringLiteral("PRAGMA journal_mode=WAL"));
    }
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

void Connection::fail(const QSqlQuery &query)
{
    // An embedded file has no connection to lose.
    if (m_url.engine == Engine::PostgreSQL && !m_inTransaction && !isAlive()) {
        m_lost = true;
        throw AppError(QStringLiteral("与数据库 %1 的连接已中断：%2\n请再试一次，程序会重新连接。")
                           .arg(m_url.display(), errorText(query.lastError())));
    }
    throw refusal(m_url, query.lastError());
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
    } catch (...) {
        m_inTransaction = false;
        QSqlQuery rollback(QSqlDatabase::database(m_name, false));
        if (!rollback.exec(QStringLiteral("rollback")) && !isAlive())
            m_lost = true;
        throw;
    }
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
