#include "TestDatabase.h"

#include "db/AppError.h"
#include "db/TableDataSet.h"

#include <QSqlQuery>
#include <QtTest>

using namespace db;

// A table data set reads in blocks, filters in the database with the meaning of
// the windows' row tests, and survives a lost connection.
class TableDataSetTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init() { m_db.reset(); }

    void rowsAcrossBlocksInStoredOrder()
    {
        fillOrders(450);
        TableDataSet orders(m_db.connection(), QStringLiteral("procureform"));
        orders.open();
        QCOMPARE(orders.rowCount(), 450);
        for (int i : {0, 199, 200, 201, 449, 0, 300})
            QCOMPARE(orders.value(i, QStringLiteral("mount")).toInt(), i);
        QVERIFY_THROWS_EXCEPTION(AppError, orders.row(450));
    }

    void keyedTablesShowInKeyOrder()
    {
        TableDataSet sections(m_db.connection(), QStringLiteral("section"));
        sections.open();
        for (const char *key : {"03", "01", "02"})
            sections.append({QString::fromLatin1(key)});
        QCOMPARE(sections.value(0, 0).toString().trimmed(), QStringLiteral("01"));
        QCOMPARE(sections.value(2, 0).toString().trimmed(), QStringLiteral("03"));
        QCOMPARE(sections.update(sections.loaded(0), {QStringLiteral("09")}), 2);
    }

    void appendAndUpdateReportTheRowsPosition()
    {
        fillOrders(3);
        TableDataSet orders(m_db.connection(), QStringLiteral("procureform"));
        orders.setFilter(RowFilter::equals(QStringLiteral("f_name"), QStringLiteral("甲厂")));
        orders.setFiltered(true);
        orders.open();
        QCOMPARE(orders.append({QStringLiteral("甲厂"), QStringLiteral("PO9")}), 3);
        QCOMPARE(orders.append({QStringLiteral("乙厂"), QStringLiteral("PO9")}), -1);
        QCOMPARE(orders.rowCount(), 4);
    }

    void equalsIsExact_data()
    {
        QTest::addColumn<QString>("value");
        QTest::addColumn<int>("rows");
        QTest::newRow("exact") << "尼龙布" << 1;
        QTest::newRow("case-sensitive") << "abc" << 1;
        QTest::newRow("other case") << "ABC" << 1;
        QTest::newRow("no trimming") << "尼龙布 " << 0;
        QTest::newRow("no prefix match") << "尼龙" << 0;
        QTest::newRow("empty matches nothing stored") << "" << 2;
    }
    void equalsIsExact()
    {
        QFETCH(QString, value);
        QFETCH(int, rows);
        TableDataSet stock(m_db.connection(), QStringLiteral("yousekucun"));
        stock.open();
        for (const QVariant &name : {QVariant(QStringLiteral("尼龙布")), QVariant(QStringLiteral("abc")),
                                     QVariant(QStringLiteral("ABC")), QVariant(QString()), QVariant(QStringLiteral(""))})
            stock.append({QStringLiteral("甲厂"), name});
        stock.setFilter(RowFilter::equals(QStringLiteral("pname"), value));
        stock.reopen();
        QCOMPARE(stock.rowCount(), 5);
        stock.setFiltered(true);
        stock.reopen();
        QCOMPARE(stock.rowCount(), rows);
    }

    void dateRangesIncludeBothEnds_data()
    {
        QTest::addColumn<QString>("table");
        QTest::addColumn<QString>("column");
        QTest::newRow("date-time column") << "youseyan" << "date";
        QTest::newRow("date kept as text") << "cpriceform" << "c_date";
    }
    void dateRangesIncludeBothEnds()
    {
        QFETCH(QString, table);
        QFETCH(QString, column);
        TableDataSet rows(m_db.connection(), table);
        rows.open();
        const int dateColumn = rows.table().columnIndex(column);
        for (const QDateTime &moment : {QDateTime(QDate(2026, 2, 28), QTime(23, 59)), QDateTime(QDate(2026, 3, 1), QTime(0, 0)),
                                        QDateTime(QDate(2026, 3, 31), QTime(18, 30)), QDateTime(QDate(2026, 4, 1), QTime(0, 0)),
                                        QDateTime()}) {
            QVector<QVariant> values(dateColumn + 1);
            values[dateColumn] = moment.isValid() ? QVariant(rows.table().columns[dateColumn].isText()
                                                                 ? QVariant(moment.date())
                                                                 : QVariant(moment))
                                                  : QVariant();
            rows.append(values);
        }
        rows.setFilter(RowFilter::dateBetween(column, QDate(2026, 3, 1), QDate(2026, 3, 31)));
        rows.setFiltered(true);
        rows.reopen();
        QCOMPARE(rows.rowCount(), 2);
        rows.setFilter(RowFilter::dateBetween(column, QDate(2026, 3, 31), QDate(2026, 3, 1)));
        rows.reopen();
        QCOMPARE(rows.rowCount(), 0);
    }

    void conditionsCombine()
    {
        TableDataSet inspections(m_db.connection(), QStringLiteral("youseyan"));
        inspections.open();
        inspections.append({QString(), QString(), QStringLiteral("尼龙布"), {}, {}, {}, {}, {}, {}, QDate(2026, 3, 5)});
        inspections.append({QString(), QString(), QStringLiteral("尼龙布"), {}, {}, {}, {}, {}, {}, QDate(2026, 5, 5)});
        inspections.append({QString(), QString(), QStringLiteral("网布"), {}, {}, {}, {}, {}, {}, QDate(2026, 3, 5)});
        inspections.setFilter(RowFilter::equals(QStringLiteral("pname"), QStringLiteral("尼龙布"))
                              && RowFilter::dateBetween(QStringLiteral("date"), QDate(2026, 3, 1), QDate(2026, 3, 31)));
        inspections.setFiltered(true);
        inspections.reopen();
        QCOMPARE(inspections.rowCount(), 1);
    }

    void aClosedDataSetRefuses()
    {
        TableDataSet orders(m_db.connection(), QStringLiteral("indent"));
        QVERIFY_THROWS_EXCEPTION(AppError, orders.rowCount());
        QVERIFY_THROWS_EXCEPTION(AppError, orders.append({QStringLiteral("客户")}));
        QVERIFY_THROWS_EXCEPTION(AppError, orders.remove(orders.loaded(0)));
        QVERIFY_THROWS_EXCEPTION(AppError, TableDataSet(m_db.connection(), QStringLiteral("nosuchtable")));
    }

    void aLostConnectionIsReportedThenReconnects()
    {
        if (!m_db.isPostgreSQL())
            QSKIP("an embedded database has no server to lose");
        auto workstation = m_db.connectAgain();
        TableDataSet sections(*workstation, QStringLiteral("section"));
        sections.open();
        const QVariant pid = [&] {
            QSqlQuery q = workstation->run(QStringLiteral("select pg_backend_pid()"));
            q.next();
            return q.value(0);
        }();
        m_db.scalar(QStringLiteral("select pg_terminate_backend(?)"), {pid});
        try {
            sections.reopen();
            QFAIL("the lost connection went unnoticed");
        } catch (const AppError &e) {
            QVERIFY2(e.message().contains(QStringLiteral("连接已中断")), qPrintable(e.message()));
        }
        sections.reopen();
        QCOMPARE(sections.rowCount(), 0);
    }

private:
    void fillOrders(int count)
    {
        TableDataSet orders(m_db.connection(), QStringLiteral("procureform"));
        orders.open();
        m_db.connection().transaction([&] {
            for (int i = 0; i < count; ++i)
                orders.append({QStringLiteral("甲厂"), QStringLiteral("PO%1").arg(i), {}, {}, {}, {}, {}, {}, {}, {}, i});
        });
    }

    TestDatabase m_db;
};

QTEST_GUILESS_MAIN(TableDataSetTest)
#include "tst_tabledataset.moc"
