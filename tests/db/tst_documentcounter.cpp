#include "TestDatabase.h"

#include "db/AppError.h"
#include "db/DocumentCounter.h"

#include <QtTest>
#include <algorithm>
#include <thread>

using db::DocumentCounter;

// A document counter of table inc hands out each number once, and a counter
// it cannot read takes nothing.
class DocumentCounterTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init() { m_db.reset(); }

    void counters_data()
    {
        QTest::addColumn<QString>("id");
        QTest::addColumn<QString>("other");
        QTest::newRow("requisition slips") << "1" << "2";
        QTest::newRow("purchase orders") << "2" << "1";
    }
    void takingReturnsTheCounterAndAdvancesItsRowOnly_data() { counters_data(); }
    void takingReturnsTheCounterAndAdvancesItsRowOnly()
    {
        QFETCH(QString, id);
        QFETCH(QString, other);
        m_db.connection().run(QStringLiteral("update inc set linid = '41' where id = ?"), {id});
        DocumentCounter counter(m_db.connection(), id, QStringLiteral("单据"));
        QCOMPARE(counter.take(), QStringLiteral("41"));
        QCOMPARE(counter.take(), QStringLiteral("42"));
        QCOMPARE(linid(id), QStringLiteral("43"));
        QCOMPARE(linid(other), QStringLiteral("1"));
    }

    void aBadCounterIsNamedAndTakesNothing_data()
    {
        QTest::addColumn<QString>("statement");
        QTest::addColumn<QString>("message");
        QTest::newRow("not a whole number") << "update inc set linid = '4a' where id = '2'"
                                            << "订购单计数“4a”不是整数，无法编号";
        QTest::newRow("a decimal") << "update inc set linid = '4.5' where id = '2'"
                                   << "订购单计数“4.5”不是整数，无法编号";
        QTest::newRow("empty") << "update inc set linid = null where id = '2'" << "订购单计数“”不是整数，无法编号";
        QTest::newRow("missing") << "delete from inc where id = '2'"
                                 << "表 inc 中没有 id 为“2”的订购单计数行，无法编号";
    }
    void aBadCounterIsNamedAndTakesNothing()
    {
        QFETCH(QString, statement);
        QFETCH(QString, message);
        m_db.connection().run(statement);
        const QVariant before = m_db.scalar(QStringLiteral("select linid from inc where id = '2'"));
        DocumentCounter counter(m_db.connection(), QStringLiteral("2"), QStringLiteral("订购单"));
        try {
            counter.take();
            QFAIL("a number was taken");
        } catch (const AppError &e) {
            QCOMPARE(e.message(), message);
        }
        QCOMPARE(m_db.scalar(QStringLiteral("select linid from inc where id = '2'")), before);
        QCOMPARE(m_db.scalar(QStringLiteral("select count(*) from inc where id = '2'")).toInt(), before.isValid() ? 1 : 0);
    }

    void twoWorkstationsTakeDistinctConsecutiveNumbers()
    {
        if (!m_db.isPostgreSQL())
            QSKIP("two writers at the same moment are a PostgreSQL matter; SQLite serialises them by its file lock");
        QList<int> numbers[2];
        QString errors[2];
        // An error must not escape its thread (that would end the whole test program).
        auto workstation = [&](int w) {
            try {
                db::Connection connection(m_db.url());
                connection.open();
                DocumentCounter counter(connection, QStringLiteral("2"), QStringLiteral("订购单"));
                for (int i = 0; i < 100; ++i)
                    numbers[w] << counter.take().toInt();
            } catch (const AppError &e) {
                errors[w] = e.message();
            }
        };
        std::thread first(workstation, 0);
        std::thread second(workstation, 1);
        first.join();
        second.join();
        QCOMPARE(errors[0] + errors[1], QString());
        QList<int> all = numbers[0] + numbers[1];
        std::sort(all.begin(), all.end());
        QList<int> expected;
        for (int n = 1; n <= 200; ++n)
            expected << n;
        QCOMPARE(all, expected);
        QCOMPARE(linid(QStringLiteral("2")), QStringLiteral("201"));
    }

private:
    QString linid(const QString &id)
    {
        return m_db.scalar(QStringLiteral("select linid from inc where id = ?"), {id}).toString();
    }

    TestDatabase m_db;
};

QTEST_MAIN(DocumentCounterTest)
#include "tst_documentcounter.moc"
