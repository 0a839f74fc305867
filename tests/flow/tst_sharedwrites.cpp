#include "TestDatabase.h"
#include "WriteLockHolder.h"

#include "db/AppError.h"
#include "db/Query.h"
#include "db/QueryModel.h"
#include "db/SchemaBuilder.h"
#include "db/TableDataSet.h"
#include "production/StockIssue.h"
#include "shell/OperatorAccounts.h"
#include "shell/PasswordHash.h"
#include "stock/StockLedger.h"

#include <QElapsedTimer>
#include <QtTest>
#include <thread>

using namespace std::chrono_literals;

namespace {

const QString ColourStock = QStringLiteral("yousekucun");

stock::Receipt receipt(const QString &quantity, const QString &pieces = QStringLiteral("1"))
{
    return {QStringLiteral("华丰"), QStringLiteral("尼龙布"), QStringLiteral("黑"), QStringLiteral("1.2MM"),
            QStringLiteral("44''"), QStringLiteral("KG"), pieces, quantity};
}

// A requisition line of the same item, in the lines table's column order.
QVector<QVariant> issueLine(const QString &issued)
{
    return {QStringLiteral("LL0001"), QStringLiteral("贴合部"), QStringLiteral("有色材料"), QStringLiteral("2024-03-05"),
            QStringLiteral("华丰"), QStringLiteral("A01"), QStringLiteral("尼龙布"), QStringLiteral("44''"),
            QStringLiteral("1.2MM"), QStringLiteral("黑"), QStringLiteral("KG"), QStringLiteral("1"), issued,
            QStringLiteral("张三"), QString()};
}

} // namespace

// Several workstations writing one database: a writer waits its turn within
// the wait limit and then goes on, or ends with the busy message and nothing
// stored; a sign-in never fails for another's write; numbers beyond sensible
// magnitudes are refused; a grid left open holds nothing that refuses the
// workstation's next write; a lost connection inside a transaction is
// reported as lost; two schema creations at once both succeed.
class SharedWritesTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init()
    {
        m_db.reset();
        m_db.connection().setWaitLimit(1s);
    }

    void aWriterWaitsForTheLockAndGoesOn()
    {
        WriteLockHolder other(m_db.url(), ColourStock);
        other.releaseAfter(300ms);
        stock::StockLedger(m_db.connection()).intake(stock::Family::ColourFabric, receipt(QStringLiteral("5")));
        QCOMPARE(stockOnHand(), 5.0);
    }

    void aWriterThatWaitsTooLongEndsWithTheBusyMessageAndStoresNothing()
    {
        stock::StockLedger ledger(m_db.connection());
        ledger.intake(stock::Family::ColourFabric, receipt(QStringLiteral("5")));
        {
            WriteLockHolder other(m_db.url(), ColourStock);
            QElapsedTimer waited;
            waited.start();
            try {
                ledger.intake(stock::Family::ColourFabric, receipt(QStringLiteral("7")));
                QFAIL("the intake went past the other workstation's lock");
            } catch (const AppError &e) {
                QCOMPARE(e.message(), QStringLiteral("另一工作站正在写入，请稍后再试。"));
            }
            QVERIFY2(waited.elapsed() < 4000, qPrintable(QString::number(waited.elapsed())));
        }
        QCOMPARE(stockOnHand(), 5.0);
        ledger.intake(stock::Family::ColourFabric, receipt(QStringLiteral("7")));
        QCOMPARE(stockOnHand(), 12.0);
    }

    void aSignInSucceedsWhileAnotherWorkstationWrites()
    {
        m_db.scalar(QStringLiteral("insert into inc (id, linid, sa) values ('张三', 'Abc', 'sa')"));
        m_db.scalar(QStringLiteral("insert into inc (id, linid, sa) values ('李四', null, 'sa')"));
        shell::OperatorAccounts accounts(m_db.connection());
        {
            WriteLockHolder other(m_db.url(), QStringLiteral("inc"));
            QVERIFY(accounts.signIn(QStringLiteral("张三"), QStringLiteral("Abc")));
            QVERIFY(!accounts.signIn(QStringLiteral("张三"), QStringLiteral("abc")));
            QCOMPARE(storedPassword(QStringLiteral("张三")), QStringLiteral("Abc"));
        }
        QVERIFY(accounts.signIn(QStringLiteral("张三"), QStringLiteral("Abc")));
        QVERIFY(shell::PasswordHash::isHash(storedPassword(QStringLiteral("张三"))));
        // A password an older installation left null counts as the empty one.
        QVERIFY(!accounts.signIn(QStringLiteral("李四"), QStringLiteral("x")));
        QVERIFY(accounts.signIn(QStringLiteral("李四"), QString()));
        QVERIFY(shell::PasswordHash::isHash(storedPassword(QStringLiteral("李四"))));
        QVERIFY(accounts.signIn(QStringLiteral("李四"), QString()));
    }

    void numbersBeyondSensibleMagnitudesAreRefused_data()
    {
        QTest::addColumn<QString>("where");
        QTest::addColumn<QString>("number");
        QTest::addColumn<QString>("named");
        for (const QString &where : {QStringLiteral("intake"), QStringLiteral("issue"), QStringLiteral("rate")}) {
            const QString named = where == QLatin1String("intake") ? QStringLiteral("验收数量")
                : where == QLatin1String("issue")                  ? QStringLiteral("实发数量")
                                                                   : QStringLiteral("汇率");
            for (const char *number : {"1e308", "-1e308", "inf", "nan", "1000000000001", "-2e12"})
                QTest::addRow("%s %s", qPrintable(where), number) << where << QString::fromLatin1(number) << named;
        }
    }
    void numbersBeyondSensibleMagnitudesAreRefused()
    {
        QFETCH(QString, where);
        QFETCH(QString, number);
        QFETCH(QString, named);
        stock::StockLedger(m_db.connection()).intake(stock::Family::ColourFabric, receipt(QStringLiteral("100")));
        try {
            store(where, number);
            QFAIL("the number was stored");
        } catch (const AppError &e) {
            QVERIFY2(e.message().contains(named), qPrintable(e.message()));
        }
        QCOMPARE(stockOnHand(), 100.0);
        QCOMPARE(m_db.scalar(QStringLiteral("select count(*) from linliaoshen")).toInt(), 0);
        QCOMPARE(m_db.scalar(QStringLiteral("select count(*) from exchange")).toInt(), 0);
    }

    void sensibleNumbersIncludingCorrectionsAreStored_data()
    {
        QTest::addColumn<QString>("number");
        QTest::newRow("largest") << "1e12";
        QTest::newRow("negative correction") << "-40";
        QTest::newRow("smallest") << "-1000000000000";
    }
    void sensibleNumbersIncludingCorrectionsAreStored()
    {
        QFETCH(QString, number);
        const double value = number.toDouble();
        stock::StockLedger(m_db.connection()).intake(stock::Family::ColourFabric, receipt(QStringLiteral("100")));
        store(QStringLiteral("intake"), number);
        QCOMPARE(stockOnHand(), 100.0 + value);
        store(QStringLiteral("issue"), number);
        QCOMPARE(stockOnHand(), 100.0);
        store(QStringLiteral("rate"), number);
        QCOMPARE(m_db.scalar(QStringLiteral("select exchange from exchange")).toDouble(), value);
    }

    // A grid shows the first block of a long result while another workstation
    // writes; this workstation's next write then goes through.
    void anOpenGridDoesNotRefuseTheNextWrite()
    {
        m_db.connection().transaction([&] {
            for (int i = 0; i < 600; ++i)
                m_db.connection().run(QStringLiteral("insert into peicun (pname, number) values (?, ?)"),
                                      {QStringLiteral("布%1").arg(i, 3, 10, QLatin1Char('0')), i});
        });
        db::Query query(m_db.connection());
        query.setText(QStringLiteral("select pname 品名, number 数量 from peicun order by pname"));
        db::QueryModel grid(m_db.connection());
        grid.open(query);
        QVERIFY(grid.canFetchMore({}));
        {
            auto other = m_db.connectAgain();
            stock::StockLedger(*other).intake(stock::Family::ColourFabric, receipt(QStringLiteral("3")));
        }
        stock::StockLedger(m_db.connection()).intake(stock::Family::ColourFabric, receipt(QStringLiteral("4")));
        QCOMPARE(stockOnHand(), 7.0);
        while (grid.canFetchMore({}))
            grid.fetchMore({});
        QCOMPARE(grid.rowCount(), 600);
        QCOMPARE(grid.data(grid.index(599, 0), Qt::DisplayRole).toString(), QStringLiteral("布599"));
        QCOMPARE(grid.headerData(0, Qt::Horizontal, Qt::DisplayRole).toString(), QStringLiteral("品名"));
    }

    void aConnectionLostInsideATransactionIsReportedAsLost()
    {
        if (!m_db.isPostgreSQL())
            QSKIP("a SQLite file has no connection to lose");
        auto other = m_db.connectAgain();
        try {
            m_db.connection().transaction([&] {
                QSqlQuery pid = m_db.connection().run(QStringLiteral("select pg_backend_pid()"));
                pid.next();
                other->run(QStringLiteral("select pg_terminate_backend(?)"), {pid.value(0)});
                m_db.connection().run(QStringLiteral("update inc set linid = linid where id = '1'"));
            });
            QFAIL("the lost connection went unnoticed");
        } catch (const AppError &e) {
            QVERIFY2(e.message().contains(QStringLiteral("连接已中断")), qPrintable(e.message()));
        }
        QCOMPARE(m_db.scalar(QStringLiteral("select count(*) from inc")).toInt(), 2);
    }

    void twoSchemaCreationsAtOnceBothSucceed()
    {
        for (const db::Table &t : db::Schema::tables())
            m_db.connection().run(QStringLiteral("drop table %1").arg(db::SqlDialect::quoted(t.name)));
        QStringList created[2];
        QString failures[2];
        auto create = [this, &created, &failures](int which) {
            try {
                db::Connection workstation(m_db.url());
                workstation.open();
                created[which] = db::SchemaBuilder(workstation).createMissing();
            } catch (const AppError &e) {
                failures[which] = e.message();
            }
        };
        std::thread first(create, 0);
        std::thread second(create, 1);
        first.join();
        second.join();
        QCOMPARE(failures[0] + failures[1], QString());
        QCOMPARE(created[0].size() + created[1].size(), db::Schema::tables().size());
        QVERIFY(db::SchemaBuilder(m_db.connection()).missingTables().isEmpty());
        QCOMPARE(m_db.scalar(QStringLiteral("select count(*) from inc")).toInt(), 2);
    }

private:
    void store(const QString &where, const QString &number)
    {
        if (where == QLatin1String("intake")) {
            stock::StockLedger(m_db.connection()).intake(stock::Family::ColourFabric, receipt(number));
        } else if (where == QLatin1String("issue")) {
            db::TableDataSet lines(m_db.connection(), QStringLiteral("linliaoshen"));
            lines.open();
            production::StockIssue(m_db.connection(), stock::tablesOf(stock::Family::ColourFabric))
                .approve(lines, issueLine(number));
        } else {
            db::TableDataSet rates(m_db.connection(), QStringLiteral("exchange"));
            rates.open();
            rates.append({QStringLiteral("USD"), QStringLiteral("美元"), number});
        }
    }

    double stockOnHand() { return m_db.scalar(QStringLiteral("select sum(number) from yousekucun")).toDouble(); }
    QString storedPassword(const QString &id)
    {
        return m_db.scalar(QStringLiteral("select linid from inc where id=?"), {id}).toString();
    }

    TestDatabase m_db;
};

QTEST_MAIN(SharedWritesTest)
#include "tst_sharedwrites.moc"
