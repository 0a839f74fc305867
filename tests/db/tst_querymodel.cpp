#include "TestDatabase.h"

#include "db/AppError.h"
#include "db/Query.h"
#include "db/QueryModel.h"
#include "db/Schema.h"
#include "db/TableDataSet.h"

#include <QSignalSpy>
#include <QtTest>

using namespace db;

// A grid over a query's result: the result's column names, aliases included,
// are the titles on both engines, and a large result is read as the view
// scrolls, whole and in order even when other statements run in between.
class QueryModelTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init()
    {
        m_db.reset();
        TableDataSet greige(m_db.connection(), QStringLiteral("peicun"));
        greige.open();
        greige.append({QStringLiteral("尼龙布"), QStringLiteral("0.5MM"), 120.0, QDate(2026, 3, 2)});
        greige.append({QStringLiteral("帆布"), QStringLiteral("1.0MM"), 40.5, QDate(2026, 3, 1)});
    }

    void theResultsColumnNamesAreTheTitles_data()
    {
        QTest::addColumn<QString>("sql");
        QTest::addColumn<QStringList>("titles");
        QTest::addColumn<QStringList>("firstRow");
        QTest::newRow("Chinese aliases")
            << "select pname 品名,scale 规格,number 数量  from peicun order by pname"
            << QStringList{"品名", "规格", "数量"} << QStringList{"尼龙布", "0.5MM", "120"};
        QTest::newRow("a quoted alias and an expression")
            << "select pname \"Item Name\", number * 2 twice from peicun where number > 100"
            << QStringList{"Item Name", "twice"} << QStringList{"尼龙布", "240"};
        QStringList columns;
        for (const Column &c : Schema::table(QStringLiteral("peicun")).columns)
            columns << c.sqlName();
        QTest::newRow("every column of a keyless table")
            << "select * from peicun order by date" << columns << QStringList{"帆布", "1.0MM", "40.5", "2026-03-01"};
    }
    void theResultsColumnNamesAreTheTitles()
    {
        QFETCH(QString, sql);
        QFETCH(QStringList, titles);
        QFETCH(QStringList, firstRow);
        Query query(m_db.connection());
        query.setText(sql);
        QueryModel model(m_db.connection());
        model.open(query);
        QStringList shownTitles;
        for (int c = 0; c < model.columnCount(); ++c)
            shownTitles << model.headerData(c, Qt::Horizontal, Qt::DisplayRole).toString();
        QCOMPARE(shownTitles, titles);
        QStringList shownRow;
        for (int c = 0; c < model.columnCount(); ++c)
            shownRow << model.index(0, c).data().toString();
        QCOMPARE(shownRow, firstRow);
    }

    void parametersReachTheStatementAsTheyAre()
    {
        const QString awkward = QStringLiteral("O'Neil \\布 :Q2");
        TableDataSet greige(m_db.connection(), QStringLiteral("peicun"));
        greige.open();
        greige.append({awkward, QStringLiteral("2MM"), 7.0, QDate(2026, 3, 5)});
        Query query(m_db.connection());
        query.setText(QStringLiteral("select pname 品名,scale 规格 from peicun where pname=:Q1 and date>=:Q2"));
        query.setParam(QStringLiteral("Q1"), awkward);
        query.setParam(QStringLiteral("Q2"), QDate(2026, 3, 5));
        QueryModel model(m_db.connection());
        model.open(query);
        QCOMPARE(model.rowCount(), 1);
        QCOMPARE(model.index(0, 0).data().toString(), awkward);
        QCOMPARE(model.index(0, 1).data().toString(), QStringLiteral("2MM"));

        // A fixed-width column compared with a text as typed.
        TableDataSet orders(m_db.connection(), QStringLiteral("indent"));
        orders.open();
        orders.append({QStringLiteral("甲厂"), QStringLiteral("A001"), QStringLiteral("尼龙布")});
        query.setText(QStringLiteral("select num 订单号码, pname 品名 from indent where c_id=:Q1"));
        query.setParam(QStringLiteral("Q1"), QStringLiteral("甲厂"));
        model.open(query);
        QCOMPARE(model.rowCount(), 1);
        QCOMPARE(model.index(0, 1).data().toString(), QStringLiteral("尼龙布"));
    }

    void aLargeResultIsReadAsTheViewScrolls()
    {
        fillGreige(1000);
        Query query(m_db.connection());
        query.setText(QStringLiteral("select pname 品名,number 数量 from peicun where scale=:Q1 order by pname"));
        query.setParam(QStringLiteral("Q1"), QStringLiteral("批量"));
        QueryModel model(m_db.connection());
        model.open(query);
        QVERIFY(model.rowCount() > 0);
        QVERIFY(model.rowCount() < 1000);
        QVERIFY(model.canFetchMore({}));

        // The window keeps working on the connection while the grid is half read.
        int statementsBetween = 0;
        while (model.canFetchMore({})) {
            QCOMPARE(m_db.scalar(QStringLiteral("select count(*) from peicun")).toInt(), 1002);
            m_db.connection().run(QStringLiteral("update inc set linid = ? where id = '1'"), {QString::number(statementsBetween)});
            Query lookup(m_db.connection());
            lookup.setText(QStringLiteral("select number from PeiCun where pname=:Q1"));
            lookup.setParam(QStringLiteral("Q1"), QStringLiteral("尼龙布"));
            lookup.open();
            QVERIFY(lookup.next());
            model.fetchMore({});
            ++statementsBetween;
        }
        QVERIFY(statementsBetween > 0);
        QCOMPARE(model.rowCount(), 1000);
        for (int i = 0; i < 1000; ++i) {
            QCOMPARE(model.index(i, 0).data().toString(), greigeName(i));
            QCOMPARE(model.index(i, 1).data().toString(), QString::number(i));
        }
    }

    void aRefusedStatementLeavesTheGridEmpty()
    {
        QueryModel model(m_db.connection());
        Query query(m_db.connection());
        query.setText(QStringLiteral("select pname 品名 from peicun"));
        model.open(query);
        QCOMPARE(model.rowCount(), 2);
        query.setText(QStringLiteral("select nosuchcolumn 品名 from peicun"));
        QVERIFY_THROWS_EXCEPTION(AppError, model.open(query));
        QCOMPARE(model.rowCount(), 0);
        QCOMPARE(model.columnCount(), 0);
        QVERIFY(!model.canFetchMore({}));
    }

    void aBlockThatCannotBeReadIsReported()
    {
        if (!m_db.isPostgreSQL())
            QSKIP("SQLite reads the open statement itself; nothing run beside it can take it away");
        fillGreige(1000);
        Query query(m_db.connection());
        query.setText(QStringLiteral("select pname 品名 from peicun order by pname"));
        QueryModel model(m_db.connection());
        model.open(query);
        const int shown = model.rowCount();
        QSignalSpy failed(&model, &QueryModel::readFailed);
        m_db.connection().run(QStringLiteral("close all"));
        model.fetchMore({});
        QCOMPARE(failed.count(), 1);
        QCOMPARE(model.rowCount(), shown);
        QVERIFY(!model.canFetchMore({}));
    }

private:
    static QString greigeName(int i) { return QStringLiteral("坯布%1").arg(i, 4, 10, QLatin1Char('0')); }

    void fillGreige(int count)
    {
        m_db.connection().transaction([&] {
            for (int i = 0; i < count; ++i)
                m_db.connection().run(QStringLiteral("insert into peicun (pname, scale, number) values (?, ?, ?)"),
                                      {greigeName(i), QStringLiteral("批量"), double(i)});
        });
    }

    TestDatabase m_db;
};

QTEST_GUILESS_MAIN(QueryModelTest)
#include "tst_querymodel.moc"
