#include "TestDatabase.h"

#include "shell/PasswordHash.h"
#include "stock/StockLedger.h"

#include <QProcess>
#include <QtTest>
#include <memory>
#include <vector>

// Six workstations on one database at once, each its own process: they sign
// in with a password still kept in plain text, as every account migrated from
// an older installation has it, and then take in or issue the same item.
class WorkstationsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void sixWorkstationsSignInAndKeepTheSumsExact()
    {
        m_db.reset();
        m_db.scalar(QStringLiteral("insert into inc (id, linid, sa) values ('仓管', 'Abc', 'sa')"));
        stock::StockLedger(m_db.connection())
            .intake(stock::Family::ColourFabric, {QStringLiteral("华丰"), QStringLiteral("尼龙布"), QStringLiteral("黑"),
                                                  QStringLiteral("1.2MM"), QStringLiteral("44''"), QStringLiteral("KG"),
                                                  QStringLiteral("1"), QStringLiteral("1000")});
        const QString url = m_db.isPostgreSQL() ? qEnvironmentVariable("YINGFENGDA_TEST_DATABASE")
                                                : QStringLiteral("sqlite:") + m_db.url().path;
        std::vector<std::unique_ptr<QProcess>> workstations;
        for (int i = 0; i < 6; ++i) {
            auto process = std::make_unique<QProcess>();
            process->setProcessChannelMode(QProcess::ForwardedOutputChannel);
            const QString command = i < 4 ? QStringLiteral("intake") : QStringLiteral("issue");
            const QString quantity = i < 4 ? QStringLiteral("2.5") : QStringLiteral("2");
            process->start(QStringLiteral(WORKSTATION_PROGRAM),
                           {url, QStringLiteral("仓管"), QStringLiteral("Abc"), command, QStringLiteral("40"), quantity});
            workstations.push_back(std::move(process));
        }
        for (auto &process : workstations) {
            QVERIFY(process->waitForFinished(120000));
            QCOMPARE(process->exitStatus(), QProcess::NormalExit);
            QCOMPARE(process->exitCode(), 0);
        }
        QCOMPARE(m_db.scalar(QStringLiteral("select sum(number) from yousekucun")).toDouble(), 1000.0 + 400.0 - 160.0);
        QCOMPARE(m_db.scalar(QStringLiteral("select sum(jian) from yousekucun")).toDouble(), 161.0);
        QCOMPARE(m_db.scalar(QStringLiteral("select count(*) from yousekucun")).toInt(), 1);
        QCOMPARE(m_db.scalar(QStringLiteral("select count(*) from linliaoshen")).toInt(), 80);
        QVERIFY(shell::PasswordHash::isHash(m_db.scalar(QStringLiteral("select linid from inc where id='仓管'")).toString()));
        if (!m_db.isPostgreSQL())
            QCOMPARE(m_db.scalar(QStringLiteral("pragma integrity_check")).toString(), QStringLiteral("ok"));
    }

private:
    TestDatabase m_db;
};

QTEST_GUILESS_MAIN(WorkstationsTest)
#include "tst_workstations.moc"
