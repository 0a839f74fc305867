#include "ScriptedDialogs.h"
#include "TestDatabase.h"

#include "db/AppError.h"
#include "report/PrintPreview.h"
#include "report/ReportEngine.h"
#include "report/TableSource.h"
#include "stock/MonthlyStockFigures.h"
#include "stock/MonthlyStockWindow.h"
#include "stock/MonthlyStockReport.h"

#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QtTest>

using stock::MonthlyStockFigures;
using stock::MonthlyStockRow;

namespace {

const QDate PeriodStart(2024, 3, 1);
const QDate PeriodEnd(2024, 3, 31);

QStringList figures(const MonthlyStockRow &row)
{
    return {QString::number(row.opening), QString::number(row.received), QString::number(row.issued),
            QString::number(row.closing)};
}

} // namespace

// The monthly stock report counts inspections as receipts and approved
// requisition lines as issues, per stock row, before and within the period.
class MonthlyStockReportTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init()
    {
        m_db.reset();
        m_dialogs.clear();
    }

    // A movement is "in" (inspection) or "out" (approved line), its moment and quantity.
    void figuresOfOneStockRow_data()
    {
        QTest::addColumn<QStringList>("movements");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("before and within")
            << QStringList{"in|2024-02-10|100", "out|2024-02-20|30", "in|2024-03-10|50", "out|2024-03-15|20"}
            << QStringList{"70", "50", "20", "100"};
        QTest::newRow("on the start date") << QStringList{"in|2024-03-01|40"} << QStringList{"0", "40", "0", "40"};
        QTest::newRow("on the end date") << QStringList{"in|2024-03-31|40", "out|2024-03-31 16:30:00|5"}
                                         << QStringList{"0", "40", "5", "35"};
        QTest::newRow("after the end") << QStringList{"in|2024-04-01|40"} << QStringList{"0", "0", "0", "0"};
        QTest::newRow("no movements") << QStringList{} << QStringList{"0", "0", "0", "0"};
        QTest::newRow("the day before the start") << QStringList{"out|2024-02-29 23:59:00|8"}
                                                  << QStringList{"-8", "0", "0", "-8"};
    }
    void figuresOfOneStockRow()
    {
        QFETCH(QStringList, movements);
        QFETCH(QStringList, expected);
        addStock(QStringLiteral("yousekucun"), QStringLiteral("甲厂"), QStringLiteral("黑"));
        for (const QString &m : movements) {
            const QStringList parts = m.split(QLatin1Char('|'));
            move(stock::tablesOf(stock::Family::ColourFabric), parts[0] == QLatin1String("in"), QStringLiteral("黑"), parts[1],
                 parts[2].toDouble());
        }
        // Another colour of the same item and the stock row's own quantity do not count.
        move(stock::tablesOf(stock::Family::ColourFabric), true, QStringLiteral("白"), QStringLiteral("2024-03-05"), 999);
        const auto rows = MonthlyStockFigures::compute(m_db.connection(), stock::tablesOf(stock::Family::ColourFabric), PeriodStart, PeriodEnd);
        QCOMPARE(rows.size(), 1);
        QCOMPARE(figures(rows[0]), expected);
    }

    void aStartAfterTheEndStillCountsEverythingBeforeTheStart()
    {
        addStock(QStringLiteral("yousekucun"), QStringLiteral("甲厂"), QStringLiteral("黑"));
        move(stock::tablesOf(stock::Family::ColourFabric), true, QStringLiteral("黑"), QStringLiteral("2024-02-10"), 100);
        move(stock::tablesOf(stock::Family::ColourFabric), true, QStringLiteral("黑"), QStringLiteral("2024-03-10"), 50);
        move(stock::tablesOf(stock::Family::ColourFabric), false, QStringLiteral("黑"), QStringLiteral("2024-03-20"), 20);
        const auto rows = MonthlyStockFigures::compute(m_db.connection(), stock::tablesOf(stock::Family::ColourFabric), PeriodEnd, PeriodStart);
        QCOMPARE(figures(rows.value(0)), (QStringList{"130", "0", "0", "130"}));
    }

    void twoStockRowsOfOneAuxiliaryItemShowTheSameFigures()
    {
        addStock(QStringLiteral("fuliaokucun"), QStringLiteral("甲厂"), QStringLiteral("黑"));
        addStock(QStringLiteral("fuliaokucun"), QStringLiteral("乙厂"), QStringLiteral("黑"));
        move(stock::tablesOf(stock::Family::AuxiliaryMaterial), true, QStringLiteral("黑"), QStringLiteral("2024-03-02"), 12);
        move(stock::tablesOf(stock::Family::AuxiliaryMaterial), false, QStringLiteral("黑"), QStringLiteral("2024-03-03"), 2);
        const auto rows = MonthlyStockFigures::compute(m_db.connection(), stock::tablesOf(stock::Family::AuxiliaryMaterial), PeriodStart, PeriodEnd);
        QCOMPARE(rows.size(), 2);
        QCOMPARE(figures(rows[0]), (QStringList{"0", "12", "2", "10"}));
        QCOMPARE(figures(rows[1]), (QStringList{"0", "12", "2", "10"}));
    }

    void searchingNeedsAFamily()
    {
        stock::MonthlyStockWindow window(m_db.connection());
        window.findChild<QPushButton *>(QStringLiteral("BitBtn1"))->click();
        QCOMPARE(m_dialogs.texts(), QStringList{QStringLiteral("请先点选查找类别!")});
        QVERIFY(!window.findChild<QPushButton *>(QStringLiteral("BitBtn2"))->isEnabled());
    }

    void aTypedPricePrintsWithThreeDecimals()
    {
        addStock(QStringLiteral("yousekucun"), QStringLiteral("甲厂"), QStringLiteral("黑"));
        move(stock::tablesOf(stock::Family::ColourFabric), true, QStringLiteral("黑"), QDate::currentDate().toString(Qt::ISODate), 50);
        stock::MonthlyStockWindow window(m_db.connection());
        window.findChild<QRadioButton *>()->setChecked(true);
        auto *print = window.findChild<QPushButton *>(QStringLiteral("BitBtn2"));
        window.findChild<QPushButton *>(QStringLiteral("BitBtn1"))->click();
        QVERIFY(print->isEnabled());
        QTableWidget *grid = window.grid();
        QCOMPARE(grid->rowCount(), 1);
        QCOMPARE(grid->item(0, 5)->text(), QStringLiteral("50"));
        grid->setItem(0, 8, new QTableWidgetItem(QStringLiteral("1234.5")));
        // 查询 again rewrites the figures and keeps the typed price.
        window.findChild<QPushButton *>(QStringLiteral("BitBtn1"))->click();
        QCOMPARE(grid->item(0, 8)->text(), QStringLiteral("1234.5"));

        print->click();
        QVERIFY(!print->isEnabled());
        QCOMPARE(m_db.scalar(QStringLiteral("select price from kucuntemp")).toDouble(), 1234.5);
        QVERIFY(m_db.scalar(QStringLiteral("select money from kucuntemp")).isNull());
        auto *preview = window.findChild<report::PrintPreview *>();
        QVERIFY(preview);
        const QStringList texts = preview->document().pages().first().texts();
        QVERIFY2(texts.contains(QStringLiteral("1,234.500")), qPrintable(texts.join(QLatin1Char('|'))));
        QVERIFY(texts.contains(QStringLiteral("尼龙布")));
        preview->close();
    }

    void aCellThatIsNoNumberStopsThePrintBeforeWriting()
    {
        m_db.connection().run(QStringLiteral("insert into kucuntemp (pname) values ('earlier')"));
        try {
            MonthlyStockFigures::throughScratchTable(
                m_db.connection(), {{"尼龙布", "44''", "1.2MM", "黑", "1", "2", "3", "0", "", ""},
                                    {"尼龙布", "44''", "1.2MM", "白", "1", "2", "3", "0", "十元", ""}});
            QFAIL("the print was not stopped");
        } catch (const AppError &e) {
            QVERIFY2(e.message().contains(QStringLiteral("第 2 行“单价”")), qPrintable(e.message()));
        }
        QCOMPARE(m_db.scalar(QStringLiteral("select pname from kucuntemp")).toString(), QStringLiteral("earlier"));
    }

    void theMonthlyPrintoutLaysOutItsColumns()
    {
        report::TableSource source({"pname", "width", "scale", "color", "beforesave", "thisin", "thisout", "thissave",
                                    "price", "money"});
        source.append({"尼龙布", "44''", "1.2MM", "黑", 70.0, 50.0, 20.0, 100.0, 3.25, 325.0});
        const report::Document document =
            report::ReportEngine::layout(stock::MonthlyStockReport::definition(QDate(2024, 3, 1), QDate(2024, 3, 31)),
                                         source, QDate(2024, 4, 1));
        const QStringList texts = document.pages().first().texts();
        for (const char *text : {"临江盈丰达贴合鞋材有限公司", "仓库月报表", "日期：", "从 2024-03-01 到 2024-03-31", "页码：", "规   格", "70", "100",
                                 "3.250", "325.00", "主管：", "制表："})
            QVERIFY2(texts.contains(QString::fromUtf8(text)), text);
    }

private:
    void addStock(const QString &table, const QString &supplier, const QString &colour)
    {
        m_db.connection().run(
            QStringLiteral("insert into %1 (f_name, pname, color, scale, number, b1) values (?, ?, ?, ?, 500, ?)").arg(table),
            {supplier, QStringLiteral("尼龙布"), colour, QStringLiteral("1.2MM"), QStringLiteral("44''")});
    }
    void move(const stock::FamilyTables &family, bool receipt, const QString &colour, const QString &moment, double quantity)
    {
        const QString sql = receipt
            ? QStringLiteral("insert into %1 (pname, color, scale, b1, yanshu, date) values (?, ?, ?, ?, ?, ?)").arg(family.inspection)
            : QStringLiteral("insert into %1 (pname, color, scale, width, shinumber, date) values (?, ?, ?, ?, ?, ?)").arg(family.issues);
        m_db.connection().run(sql, {QStringLiteral("尼龙布"), colour, QStringLiteral("1.2MM"), QStringLiteral("44''"),
                                    quantity, moment});
    }

    TestDatabase m_db;
    ScriptedDialogs m_dialogs;
};

QTEST_MAIN(MonthlyStockReportTest)
#include "tst_monthlystockreport.moc"
