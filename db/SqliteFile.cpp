#include "db/SqliteFile.h"

#include "db/AppError.h"
#include "db/Connection.h"
#include "db/Schema.h"
#include "db/SqlDialect.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QStorageInfo>

namespace db {

namespace {

constexpr QFile::Permissions OwnerOnlyFile = QFile::ReadOwner | QFile::WriteOwner;
constexpr QFile::Permissions OwnerOnlyFolder = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner;

// The name under which the database is attached while a copy is restored.
const QString Restored = QStringLiteral("restored");

void createFolder(const QString &path)
{
    QStringList missing;
    for (QDir folder(path); !folder.exists(); folder.setPath(QFileInfo(folder.absolutePath()).absolutePath())) {
        missing.prepend(folder.absolutePath());
        if (folder.isRoot())
            break;
    }
    for (const QString &folder : missing)
        if (!QDir().mkdir(folder, OwnerOnlyFolder) && !QDir(folder).exists())
            throw AppError(QStringLiteral("不能建立文件夹 %1").arg(folder));
}

// An empty file for the owner only, which SQLite then fills.
void createEmptyFile(const QString &path)
{
    createFolder(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly, OwnerOnlyFile))
        throw AppError(QStringLiteral("不能建立文件 %1：%2").arg(path, file.errorString()));
}

void requireSqlite(const Connection &connection, const QString &what)
{
    if (connection.engine() != Engine::SQLite)
        throw AppError(QStringLiteral("%1只用于 SQLite 数据库；PostgreSQL 数据库请用 pg_dump 和 pg_restore。").arg(what));
}

QString integrityOf(Connection &connection, const QString &schema)
{
    QSqlQuery check = connection.run(QStringLiteral("pragma %1.integrity_check").arg(schema));
    QStringList problems;
    while (check.next())
        problems << check.value(0).toString();
    return problems.join(QLatin1Char('\n'));
}

QStringList missingTables(Connection &connection, const QString &schema)
{
    QSet<QString> present;
    QSqlQuery tables = connection.run(
        QStringLiteral("select lower(name) from %1.sqlite_master where type = 'table'").arg(schema));
    while (tables.next())
        present.insert(tables.value(0).toString());
    QStringList missing;
    for (const Table &t : Schema::tables())
        if (!present.contains(t.name.toLower()))
            missing << t.name;
    return missing;
}

void checkCopy(Connection &connection, const QString &source)
{
    const QString integrity = integrityOf(connection, Restored);
    if (integrity != QLatin1String("ok"))
        throw AppError(QStringLiteral("备份文件 %1 没有通过完整性检查，数据库没有改变：\n%2").arg(source, integrity));
    const QStringList missing = missingTables(connection, Restored);
    if (!missing.isEmpty())
        throw AppError(QStringLiteral("备份文件 %1 不是本系统的数据库（缺少表 %2），数据库没有改变。")
                           .arg(source, missing.join(QStringLiteral(", "))));
}

void copyTables(Connection &connection)
{
    for (const Table &t : Schema::tables()) {
        QStringList columns;
        for (const Column &c : t.columns)
            columns << SqlDialect::quoted(c.sqlName());
        const QString list = columns.join(QStringLiteral(", "));
        const QString name = SqlDialect::quoted(t.name);
        connection.run(QStringLiteral("delete from main.%1").arg(name));
        connection.run(QStringLiteral("insert into main.%1 (%2) select %2 from %3.%1").arg(name, list, Restored));
    }
}

} // namespace

void SqliteFile::prepare(const DatabaseUrl &url)
{
    if (url.path == QLatin1String(":memory:") || QFileInfo::exists(url.path))
        return;
    try {
        createEmptyFile(url.path);
    } catch (const AppError &e) {
        throw AppError(QStringLiteral("无法打开数据库 %1：%2").arg(url.display(), e.message()));
    }
}

QString SqliteFile::fileSystemType(const QString &path)
{
    QFileInfo file(path);
    QString folder = file.absolutePath();
    while (!QFileInfo::exists(folder) && QFileInfo(folder).absolutePath() != folder)
        folder = QFileInfo(folder).absolutePath();
    return QString::fromLatin1(QStorageInfo(folder).fileSystemType());
}

bool SqliteFile::isNetworkFileSystem(const QString &type)
{
    static const QSet<QString> network{
        QStringLiteral("nfs"),       QStringLiteral("nfs4"),      QStringLiteral("cifs"),
        QStringLiteral("smb"),       QStringLiteral("smb2"),      QStringLiteral("smb3"),
        QStringLiteral("smbfs"),     QStringLiteral("ncpfs"),     QStringLiteral("afs"),
        QStringLiteral("coda"),      QStringLiteral("9p"),        QStringLiteral("ceph"),
        QStringLiteral("glusterfs"), QStringLiteral("lustre"),    QStringLiteral("gfs2"),
        QStringLiteral("ocfs2"),     QStringLiteral("davfs"),     QStringLiteral("afpfs")};
    const QString t = type.toLower();
    // FUSE file systems name their kind after the dot: "fuse.sshfs".
    const QString kind = t.startsWith(QLatin1String("fuse.")) ? t.mid(5) : t;
    return network.contains(kind) || kind == QLatin1String("sshfs") || kind == QLatin1String("davfs2")
        || kind == QLatin1String("rclone") || kind == QLatin1String("s3fs");
}

bool SqliteFile::isOnNetworkShare(const QString &path)
{
    return isNetworkFileSystem(fileSystemType(path));
}

QString SqliteFile::networkShareWarning(const DatabaseUrl &url)
{
    if (url.engine != Engine::SQLite)
        return {};
    const QString type = fileSystemType(url.path);
    if (!isNetworkFileSystem(type))
        return {};
    return QStringLiteral("数据库文件 %1 位于网络文件夹上（文件系统 %2）。\n"
                          "SQLite 在网络文件系统上的文件锁并不可靠，几个工作站同时写入时可能丢失或损坏数据。\n"
                          "几个工作站共用一份数据时，请改用 PostgreSQL 服务器（--database postgresql://…）。")
        .arg(url.path, type);
}

void SqliteFile::backup(Connection &connection, const QString &target)
{
    requireSqlite(connection, QStringLiteral("--backup "));
    if (QFileInfo::exists(target))
        throw AppError(QStringLiteral("文件 %1 已经存在，备份没有写入；请换一个文件名。").arg(target));
    createEmptyFile(target);
    try {
        connection.run(QStringLiteral("vacuum into ?"), {QFileInfo(target).absoluteFilePath()});
    } catch (const AppError &e) {
        QFile::remove(target);
        throw AppError(QStringLiteral("备份没有写入 %1：%2").arg(target, e.message()));
    }
}

QString SqliteFile::restore(Connection &connection, const QString &source)
{
    requireSqlite(connection, QStringLiteral("--restore "));
    if (!QFileInfo(source).isFile())
        throw AppError(QStringLiteral("备份文件 %1 不存在，数据库没有改变。").arg(source));
    const QString kept = QStringLiteral("%1.replaced-%2")
                             .arg(connection.url().path, QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss")));
    connection.run(QStringLiteral("attach database ? as %1").arg(Restored), {QFileInfo(source).absoluteFilePath()});
    try {
        checkCopy(connection, source);
        backup(connection, kept);
        connection.transaction([&] { copyTables(connection); });
    } catch (...) {
        connection.run(QStringLiteral("detach database %1").arg(Restored));
        throw;
    }
    connection.run(QStringLiteral("detach database %1").arg(Restored));
    return kept;
}

} // namespace db
