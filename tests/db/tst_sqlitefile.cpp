#include "db/AppError.h"
#include "db/Connection.h"
#include "db/SchemaBuilder.h"
#include "db/SqliteFile.h"
#include "stock/StockLedger.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>
#include <atomic>
#include <thread>

using namespace db;

namespace {

stock::Receipt numbered(int n)
{
    return {QStringLiteral("华丰"), QStringLiteral("布%1").arg(n, 3, 10, QLatin1Char('0')), QStringLiteral("黑"),
            QStringLiteral("1.2MM"), QStringLiteral("44''"), QStringLiteral("KG"), QStringLiteral("1"),
            QStringLiteral("1")};
}

QVariant scalar(Connection &connection, const QString &sql)
{
    QSqlQuery query = connection.run(sql);
    return query.next() ? query.value(0) : QVariant();
}

} // namespace

// The SQLite file: created for its owner only, flagged on a network share,
// backed up while written and restored only from a sound copy.
class SqliteFileTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void aNewFileAndItsFoldersAreTheOwnersOnly()
    {
        // As the default location, whose folders are made on the first start.
        const QString path = m_folder.filePath(QStringLiteral("data/yingfengda/yingfengda.sqlite"));
        DatabaseUrl url = DatabaseUrl::parse(path);
        url.makesFolder = true;
        Connection connection(url);
        connection.open();
        const QFile::Permissions file = QFile::permissions(path);
        QVERIFY(file.testFlags(QFile::ReadOwner | QFile::WriteOwner));
        QVERIFY(!(file & (QFile::ReadGroup | QFile::WriteGroup | QFile::ReadOther | QFile::WriteOther)));
        const QFile::Permissions folder = QFile::permissions(m_folder.filePath(QStringLiteral("data")));
        QVERIFY(!(folder & (QFile::ReadGroup | QFile::ReadOther | QFile::ExeGroup | QFile::ExeOther)));
    }

    void networkFileSystems_data()
    {
        QTest::addColumn<QString>("type");
        QTest::addColumn<bool>("network");
        for (const char *type : {"nfs", "nfs4", "cifs", "smb3", "fuse.sshfs", "9p", "ceph", "glusterfs"})
            QTest::newRow(type) << QString::fromLatin1(type) << true;
        for (const char *type : {"ext4", "xfs", "btrfs", "tmpfs", "overlay", "fuse.gvfsd-fuse-local", "zfs"})
            QTest::newRow(type) << QString::fromLatin1(type) << false;
    }
    void networkFileSystems()
    {
        QFETCH(QString, type);
        QFETCH(bool, network);
        QCOMPARE(SqliteFile::isNetworkFileSystem(type), network);
    }

    void aLocalFileGetsNoWarning()
    {
        QVERIFY(SqliteFile::networkShareWarning(DatabaseUrl::parse(m_folder.filePath(QStringLiteral("a.sqlite")))).isEmpty());
    }

    void aBackupDuringABatchHoldsAPrefixOfIt()
    {
        const DatabaseUrl url = DatabaseUrl::parse(m_folder.filePath(QStringLiteral("batch.sqlite")));
        Connection connection(url);
        connection.open();
        SchemaBuilder(connection).createMissing();
        std::atomic<bool> started{false};
        std::thread batch([&] {
            Connection writer(url);
            writer.open();
            for (int n = 1; n <= 200; ++n) {
                stock::StockLedger(writer).intake(stock::Family::ColourFabric, numbered(n));
                started = true;
            }
        });
        while (!started)
            std::this_thread::yield();
        const QString copy = m_folder.filePath(QStringLiteral("backup.sqlite"));
        SqliteFile::backup(connection, copy);
        batch.join();

        Connection backup(DatabaseUrl::parse(copy));
        backup.open();
        QCOMPARE(scalar(backup, QStringLiteral("pragma integrity_check")).toString(), QStringLiteral("ok"));
        const int rows = scalar(backup, QStringLiteral("select count(*) from yousekucun")).toInt();
        QVERIFY(rows >= 1);
        QCOMPARE(scalar(backup, QStringLiteral("select max(pname) from yousekucun")).toString(), numbered(rows).item);
        QVERIFY_THROWS_EXCEPTION(AppError, SqliteFile::backup(connection, copy));
    }

    void aRestoreTakesOnlyASoundCopyAndKeepsTheReplacedContents()
    {
        const DatabaseUrl url = DatabaseUrl::parse(m_folder.filePath(QStringLiteral("restore.sqlite")));
        Connection connection(url);
        connection.open();
        SchemaBuilder(connection).createMissing();
        stock::StockLedger(connection).intake(stock::Family::ColourFabric, numbered(1));
        const QString copy = m_folder.filePath(QStringLiteral("restore-copy.sqlite"));
        SqliteFile::backup(connection, copy);
        stock::StockLedger(connection).intake(stock::Family::ColourFabric, numbered(2));

        const QString foreign = m_folder.filePath(QStringLiteral("foreign.sqlite"));
        {
            Connection other(DatabaseUrl::parse(foreign));
            other.open();
            other.run(QStringLiteral("create table t (a integer)"));
        }
        const QString garbage = m_folder.filePath(QStringLiteral("garbage.sqlite"));
        {
            QFile file(garbage);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(QByteArray(8192, 'x'));
        }
        for (const QString &bad : {foreign, garbage, m_folder.filePath(QStringLiteral("missing.sqlite"))}) {
            QVERIFY_THROWS_EXCEPTION(AppError, SqliteFile::restore(connection, bad));
            QCOMPARE(scalar(connection, QStringLiteral("select count(*) from yousekucun")).toInt(), 2);
        }

        const QString kept = SqliteFile::restore(connection, copy);
        QCOMPARE(scalar(connection, QStringLiteral("select count(*) from yousekucun")).toInt(), 1);
        QCOMPARE(scalar(connection, QStringLiteral("select count(*) from inc")).toInt(), 2);
        Connection replaced(DatabaseUrl::parse(kept));
        replaced.open();
        QCOMPARE(scalar(replaced, QStringLiteral("select count(*) from yousekucun")).toInt(), 2);
    }

private:
    QTemporaryDir m_folder;
};

QTEST_GUILESS_MAIN(SqliteFileTest)
#include "tst_sqlitefile.moc"
