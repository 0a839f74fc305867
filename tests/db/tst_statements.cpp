#include "TestDatabase.h"

#include "db/AppError.h"
#include "db/Query.h"
#include "db/TableDataSet.h"

#include <QtTest>

using namespace db;

// Statements in the form the windows write them run with the same meaning on
// the engine of the test run: mixed-case table names, named parameters, dates
// as parameters, numbers written as quoted texts, delete naming the table.
class StatementsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init()
    {
        m_db.reset();
        TableDataSet stock(m_db.connection(), QStringLiteral("yousekucun"));
        stock.open();
        stock.append({QStringLiteral("甲厂"), QStringLiteral("尼龙布"), QStringLiteral("黑"), QStringLiteral("0.5MM"),
                      2.0, 100.0, QStringLiteral("54''"), QStringLiteral("Y")});
    }

    void mixedCaseTablesAndNamedParameters()
    {
        Query q(m_db.connection());
        q.clear();
        q.add(QStringLiteral("select jian,number from YouSeKuCun where pname=:Q1 and color=:Q2 and scale=:Q3 and b1=:Q4"));
        q.setParam(QStringLiteral("Q1"), QStringLiteral("尼龙布"));
        q.setParam(QStringLiteral("Q2"), QStringLiteral("黑"));
        q.setParam(QStringLiteral("Q3"), QStringLiteral("0.5MM"));
        q.setParam(QStringLiteral("Q4"), QStringLiteral("54''"));
        q.open();
        QVERIFY(q.next());
        QCOMPARE(q.value(0).toDouble(), 2.0);
        QCOMPARE(q.valueText(1), QStringLiteral("100"));
        QVERIFY(!q.next());
    }

    void numbersWrittenAsQuotedTexts()
    {
        Query update(m_db.connection());
        update.add(QStringLiteral("UPDATE YouSeKuCun"));
        update.add(QStringLiteral("set jian='5',number='220.5'"));
        update.add(QStringLiteral("where pname=:Q1 and color=:Q2 "));
        update.setParam(QStringLiteral("Q1"), QStringLiteral("尼龙布"));
        update.setParam(QStringLiteral("Q2"), QStringLiteral("黑"));
        update.exec();
        QCOMPARE(update.rowsAffected(), 1);
        QCOMPARE(m_db.scalar(QStringLiteral("select number + jian from yousekucun")).toDouble(), 225.5);
    }

    void datesAsParametersWithBothEndsIncluded()
    {
        TableDataSet inspections(m_db.connection(), QStringLiteral("youseyan"));
        inspections.open();
        const QVector<QDate> days{QDate(2026, 2, 28), QDate(2026, 3, 1), QDate(2026, 3, 31), QDate(2026, 4, 1)};
        for (int i = 0; i < days.size(); ++i)
            inspections.append({QStringLiteral("PO1"), QStringLiteral("甲厂"), QStringLiteral("尼龙布"), QStringLiteral("黑"),
                                QStringLiteral("0.5MM"), 1, double(1 << i), QString(), QString(), days[i]});
        auto sum = [&](const QString &condition) {
            Query q(m_db.connection());
            q.setText(QStringLiteral("select sum(yanshu) from youseyan where pname=:Q1 and ") + condition);
            q.setParam(QStringLiteral("Q1"), QStringLiteral("尼龙布"));
            q.setParam(QStringLiteral("Q5"), QDate(2026, 3, 1));
            q.setParam(QStringLiteral("Q6"), QDate(2026, 3, 31));
            q.open();
            q.next();
            return q.value(0).toDouble();
        };
        QCOMPARE(sum(QStringLiteral("date<:Q5")), 1.0);
        QCOMPARE(sum(QStringLiteral("date>=:Q5 and date<=:Q6")), 2.0 + 4.0);
    }

    void deleteNamingTheTable()
    {
        Query q(m_db.connection());
        q.setText(QStringLiteral("delete  YouSeKuCun"));
        q.exec();
        QCOMPARE(m_db.scalar(QStringLiteral("select count(*) from yousekucun")).toInt(), 0);
    }

    // A fixed-width column holds its text padded with blanks; statements,
    // distinct and the row filter compare it with texts as typed.
    void fixedWidthColumnsCompareWithoutTheirPadding()
    {
        TableDataSet orders(m_db.connection(), QStringLiteral("indent"));
        orders.open();
        orders.append({QStringLiteral("甲厂"), QStringLiteral("A001"), QStringLiteral("尼龙布"), {}, {}, {}, {}, {}, {},
                       {}, {}, QStringLiteral("代料X")});
        QCOMPARE(m_db.scalar(QStringLiteral("select num from indent")).toString(), QStringLiteral("A001      "));
        const QMap<QString, QVariant> order{{QStringLiteral("Q1"), QStringLiteral("甲厂")},
                                            {QStringLiteral("Q2"), QStringLiteral("A001")},
                                            {QStringLiteral("Q3"), QStringLiteral("尼龙布")}};
        QCOMPARE(Query::texts(m_db.connection(),
                              QStringLiteral("select distinct c_order from indent where c_id=:Q1 and num=:Q2 and pname=:Q3"),
                              order),
                 QStringList{QStringLiteral("代料X")});
        QCOMPARE(m_db.scalar(QStringLiteral("select count(*) from indent where c_id = ?"), {QStringLiteral("甲")}).toInt(), 0);

        // The same order written by a statement, unpadded, is the same order.
        m_db.connection().run(QStringLiteral("insert into indent (c_id, num, pname, c_order) values (?, ?, ?, ?)"),
                              {QStringLiteral("甲厂"), QStringLiteral("A001"), QStringLiteral("尼龙布"),
                               QStringLiteral("代料X")});
        QCOMPARE(Query::texts(m_db.connection(), QStringLiteral("select distinct num from indent")).size(), 1);
        QCOMPARE(m_db.scalar(QStringLiteral("select count(*) from indent where ? = c_id"), {QStringLiteral("甲厂")}).toInt(),
                 2);

        orders.setFilter(RowFilter::equals(QStringLiteral("c_id"), QStringLiteral("甲厂"))
                         && RowFilter::equals(QStringLiteral("num"), QStringLiteral("A001")));
        orders.setFiltered(true);
        orders.reopen();
        QCOMPARE(orders.rowCount(), 2);
        // A typed text longer than the column never equals what the column holds.
        orders.append({QStringLiteral("甲厂甲厂甲厂"), QStringLiteral("A002")});
        orders.setFilter(RowFilter::equals(QStringLiteral("c_id"), QStringLiteral("甲厂甲厂甲厂")));
        orders.reopen();
        QCOMPARE(orders.rowCount(), 0);
        // An empty text finds the orders whose number is blanks or nothing.
        orders.append({QStringLiteral("乙厂"), QString()});
        orders.append({QStringLiteral("乙厂"), QVariant()});
        orders.setFilter(RowFilter::equals(QStringLiteral("num"), QString()));
        orders.reopen();
        QCOMPARE(orders.rowCount(), 2);
    }

    void aKeyIsTheSameWithOrWithoutPadding()
    {
        TableDataSet sections(m_db.connection(), QStringLiteral("section"));
        sections.open();
        sections.append({QStringLiteral("01"), QStringLiteral("裁断")});
        QVERIFY_THROWS_EXCEPTION(AppError, m_db.connection().run(
                                               QStringLiteral("insert into section (section_id, section_name) values (?, ?)"),
                                               {QStringLiteral("01"), QStringLiteral("贴合")}));
        QCOMPARE(Query::texts(m_db.connection(), QStringLiteral("select section_name from section where section_id=:Q1"),
                              {{QStringLiteral("Q1"), QStringLiteral("01")}}),
                 QStringList{QStringLiteral("裁断")});
    }

    void aMissingParameterIsAClearError()
    {
        Query q(m_db.connection());
        q.setText(QStringLiteral("select linid from inc where id=:Q1"));
        QVERIFY_THROWS_EXCEPTION(AppError, q.open());
    }

    void aFailedStatementRaisesTheDatabasesText()
    {
        Query q(m_db.connection());
        q.setText(QStringLiteral("select nosuchcolumn from inc"));
        try {
            q.open();
            QFAIL("the statement ran");
        } catch (const AppError &e) {
            QVERIFY(e.message().contains(QStringLiteral("nosuchcolumn")));
        }
        q.setText(QStringLiteral("select count(*) from inc"));
        q.open();
        QVERIFY(q.next());
    }

    // Only a key already stored is a duplicate; every refusal says in Chinese
    // what happened before the database's own text.
    void refusalsAreToldApart_data()
    {
        QTest::addColumn<QString>("sql");
        QTest::addColumn<bool>("duplicate");
        QTest::addColumn<QString>("sentence");
        QTest::newRow("key already stored") << "insert into section (section_id, section_name) values ('01', '贴合')"
                                            << true << "数据库中已有相同键值的记录";
        QTest::newRow("no such column") << "insert into section (section_id, nosuchcolumn) values ('02', '贴合')"
                                        << false << "数据库拒绝了这项操作：";
        QTest::newRow("no such table") << "select * from nosuchtable" << false << "数据库拒绝了这项操作：";
    }
    void refusalsAreToldApart()
    {
        QFETCH(QString, sql);
        QFETCH(bool, duplicate);
        QFETCH(QString, sentence);
        m_db.connection().run(QStringLiteral("insert into section (section_id, section_name) values ('01', '裁断')"));
        try {
            m_db.connection().run(sql);
            QFAIL("the statement ran");
        } catch (const AppError &e) {
            QCOMPARE(e.isDuplicateKey(), duplicate);
            QVERIFY2(e.message().startsWith(sentence), qPrintable(e.message()));
        }
    }

    void transactionsRollBackWhatTheyWrote()
    {
        QVERIFY_THROWS_EXCEPTION(AppError, m_db.connection().transaction([&] {
            m_db.connection().run(QStringLiteral("delete from yousekucun"));
            throw AppError(QStringLiteral("stop"));
        }));
        QCOMPARE(m_db.scalar(QStringLiteral("select count(*) from yousekucun")).toInt(), 1);
    }

private:
    TestDatabase m_db;
};

QTEST_GUILESS_MAIN(StatementsTest)
#include "tst_statements.moc"
