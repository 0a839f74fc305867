#include "PanelCaptions.h"
#include "ScriptedDialogs.h"
#include "TestDatabase.h"

#include "db/AppError.h"
#include "db/TableDataSet.h"
#include "production/StockIssue.h"
#include "production/RequisitionApprovalWindow.h"
#include "reference/EntryPanel.h"
#include "reference/ModuleWindow.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLayout>
#include <QLineEdit>
#include <QTableView>
#include <QtTest>
#include <thread>

using namespace production;

namespace {

const QString Issued = QStringLiteral("修改原有库存量成功!");

// A requisition line in the column order of the lines tables.
QVector<QVariant> line(const QString &requested, const QString &issued, const QString &pname = QStringLiteral("尼龙布"))
{
    return {QStringLiteral("LL0001"), QStringLiteral("贴合部"), QStringLiteral("有色材料"), QStringLiteral("2024-03-05"),
            QStringLiteral("华丰"), QStringLiteral("A01"), pname, QStringLiteral("44''"), QStringLiteral("1.2MM"),
            QStringLiteral("黑"), QStringLiteral("KG"), requested, issued, QStringLiteral("张三"), QString()};
}

// Types the text into an editable list one character at a time, as the user does.
void type(QComboBox *box, const QString &text)
{
    for (int i = 1; i <= text.size(); ++i) {
        box->setEditText(text.left(i));
        emit box->lineEdit()->textEdited(text.left(i));
    }
}

} // namespace

// Approving a requisition line stores it and takes its issued quantity from
// stock in one step; corrections of a stored line never touch stock.
class StockIssueTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init()
    {
        m_db.reset();
        m_dialogs.clear();
    }

    void approvingSubtractsTheIssuedQuantity_data()
    {
        QTest::addColumn<double>("stock");
        QTest::addColumn<QString>("requested");
        QTest::addColumn<QString>("issued");
        QTest::addColumn<double>("left");
        QTest::newRow("100 - 30") << 100.0 << "30" << "30" << 70.0;
        QTest::newRow("below zero") << 100.0 << "150" << "150" << -50.0;
        QTest::newRow("issued, not requested") << 100.0 << "50" << "30" << 70.0;
        QTest::newRow("fractions") << 0.5 << "" << "0.2" << 0.3;
    }
    void approvingSubtractsTheIssuedQuantity()
    {
        QFETCH(double, stock);
        QFETCH(QString, requested);
        QFETCH(QString, issued);
        QFETCH(double, left);
        addStock(QStringLiteral("yousekucun"), QStringLiteral("甲厂"), stock);
        db::TableDataSet lines(m_db.connection(), QStringLiteral("linliaoshen"));
        lines.open();
        StockIssue(m_db.connection(), stock::tablesOf(stock::Family::ColourFabric)).approve(lines, line(requested, issued));
        QCOMPARE(lines.rowCount(), 1);
        QCOMPARE(onHand(QStringLiteral("yousekucun")), left);
    }

    void aRefusedIssueStoresNothing_data()
    {
        QTest::addColumn<QVector<QVariant>>("refused");
        QTest::addColumn<QString>("reason");
        QTest::newRow("no issued quantity") << line(QStringLiteral("50"), QStringLiteral("  ")) << "实发数量不能为空";
        QTest::newRow("no stock row") << line(QStringLiteral("50"), QStringLiteral("30"), QStringLiteral("帆布"))
                                      << "库存中没有品名为：帆布";
        QTest::newRow("not a number") << line(QStringLiteral("50"), QStringLiteral("3O")) << "不是有效的数字";
    }
    void aRefusedIssueStoresNothing()
    {
        QFETCH(QVector<QVariant>, refused);
        QFETCH(QString, reason);
        addStock(QStringLiteral("yousekucun"), QStringLiteral("甲厂"), 100);
        db::TableDataSet lines(m_db.connection(), QStringLiteral("linliaoshen"));
        lines.open();
        try {
            StockIssue(m_db.connection(), stock::tablesOf(stock::Family::ColourFabric)).approve(lines, refused);
            QFAIL("the issue was not refused");
        } catch (const AppError &e) {
            QVERIFY2(e.message().contains(reason), qPrintable(e.message()));
        }
        QCOMPARE(lines.rowCount(), 0);
        QCOMPARE(m_db.scalar(QStringLiteral("select count(*) from linliaoshen")).toInt(), 0);
        QCOMPARE(onHand(QStringLiteral("yousekucun")), 100.0);
    }

    void severalSuppliersRowsLoseExactlyTheIssue()
    {
        addStock(QStringLiteral("fuliaokucun"), QStringLiteral("甲厂"), 40);
        addStock(QStringLiteral("fuliaokucun"), QStringLiteral("乙厂"), 60);
        db::TableDataSet lines(m_db.connection(), QStringLiteral("linliaoshenfu"));
        lines.open();
        StockIssue(m_db.connection(), stock::tablesOf(stock::Family::AuxiliaryMaterial)).approve(lines, line({}, QStringLiteral("30")));
        QCOMPARE(m_db.scalar(QStringLiteral("select sum(number) from fuliaokucun")).toDouble(), 70.0);
        QCOMPARE(m_db.scalar(QStringLiteral("select number from fuliaokucun where f_name = ?"), {QStringLiteral("甲厂")})
                     .toDouble(),
                 10.0);
    }

    void theWindowApprovesOnTheTabWhoseButtonIsPressed_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("linesTable");
        QTest::addColumn<QString>("stockTable");
        QTest::addColumn<QString>("question");
        QTest::newRow("有色材料") << "SpeedButton4" << "linliaoshen" << "yousekucun"
                              << "确定加入到下面表格中吗？且系统将会从有色材料中减去此次出库数量!!";
        // The material class says 有色材料, the tab decides.
        QTest::newRow("副料") << "SpeedButton8" << "linliaoshenfu" << "fuliaokucun"
                            << "确定加入到下面表格中吗？且系统将会从副料中减去此次出库数量!!";
    }
    void theWindowApprovesOnTheTabWhoseButtonIsPressed()
    {
        QFETCH(QString, button);
        QFETCH(QString, linesTable);
        QFETCH(QString, stockTable);
        QFETCH(QString, question);
        addStock(QStringLiteral("yousekucun"), QStringLiteral("甲厂"), 100);
        addStock(QStringLiteral("fuliaokucun"), QStringLiteral("甲厂"), 100);
        RequisitionApprovalWindow window(m_db.connection());
        window.show();
        QAbstractButton *approve = window.findChild<QAbstractButton *>(button);
        QVERIFY(!approve->isEnabled());
        fill(window, line(QStringLiteral("50"), QStringLiteral(" 30 ")));
        QVERIFY(approve->isEnabled());
        m_dialogs.answer({true});
        approve->click();
        QCOMPARE(m_dialogs.texts(), (QStringList{question, Issued}));
        QCOMPARE(onHand(stockTable), 70.0);
        QCOMPARE(m_db.scalar(QStringLiteral("select sum(number) from yousekucun")).toDouble() +
                     m_db.scalar(QStringLiteral("select sum(number) from fuliaokucun")).toDouble(),
                 170.0);
        QCOMPARE(m_db.scalar(QStringLiteral("select count(*) from %1").arg(linesTable)).toInt(), 1);
        QCOMPARE(m_db.scalar(QStringLiteral("select shinumber from %1").arg(linesTable)).toDouble(), 30.0);
    }

    void anEmptyRequisitionNumberStopsBeforeTheQuestion()
    {
        RequisitionApprovalWindow window(m_db.connection());
        window.show();
        fill(window, line(QStringLiteral("50"), QStringLiteral("30")));
        window.entryPanel()->setText(QStringLiteral("Edit1"), QString());
        m_dialogs.answer({true});
        window.findChild<QAbstractButton *>(QStringLiteral("SpeedButton4"))->click();
        QCOMPARE(m_dialogs.texts(), QStringList{QStringLiteral("领料单号不能为空!")});
    }

    void correctingAnApprovedLineLeavesStock()
    {
        addStock(QStringLiteral("yousekucun"), QStringLiteral("甲厂"), 100);
        RequisitionApprovalWindow window(m_db.connection());
        window.show();
        fill(window, line(QStringLiteral("50"), QStringLiteral("30")));
        m_dialogs.answer({true});
        window.findChild<QAbstractButton *>(QStringLiteral("SpeedButton4"))->click();
        QCOMPARE(onHand(QStringLiteral("yousekucun")), 70.0);

        reference::ModuleWindow *page = window.page(0);
        page->pickRow(0);
        QAbstractButton *remove = window.findChild<QAbstractButton *>(QStringLiteral("SpeedButton6"));
        QVERIFY(remove->isEnabled());
        window.entryPanel()->setText(QStringLiteral("Edit3"), QStringLiteral("20"));
        m_dialogs.answer({true});
        window.findChild<QAbstractButton *>(QStringLiteral("SpeedButton5"))->click();
        QCOMPARE(m_dialogs.last(), QStringLiteral("资料修改成功!"));
        QCOMPARE(m_db.scalar(QStringLiteral("select shinumber from linliaoshen")).toDouble(), 20.0);
        QCOMPARE(onHand(QStringLiteral("yousekucun")), 70.0);

        m_dialogs.answer({true});
        remove->click();
        QCOMPARE(m_dialogs.last(), QStringLiteral("已成功删除！"));
        QCOMPARE(m_db.scalar(QStringLiteral("select count(*) from linliaoshen")).toInt(), 0);
        QCOMPARE(onHand(QStringLiteral("yousekucun")), 70.0);
    }

    void theColourReportsTheStock_data()
    {
        QTest::addColumn<QString>("materialClass");
        QTest::addColumn<QString>("colour");
        QTest::addColumn<QStringList>("shown");
        const QString chosen = QStringLiteral("你选择的材料品名为：尼龙布   幅宽为：44''   规格为：1.2MM   颜色为：");
        QTest::newRow("stock 0.3") << "有色材料" << "黑"
                                   << QStringList{chosen + QStringLiteral("黑  这种材料的库存为:   0.3")};
        QTest::newRow("no stock row") << "有色材料" << "白"
                                      << QStringList{chosen + QStringLiteral("白   这种材料的库存为: 0  ")};
        QTest::newRow("auxiliary family") << "幅料" << "黑"
                                          << QStringList{chosen + QStringLiteral("黑   这种材料的库存为: 0  ")};
        QTest::newRow("no material class") << "" << "黑" << QStringList{};
    }
    void theColourReportsTheStock()
    {
        QFETCH(QString, materialClass);
        QFETCH(QString, colour);
        QFETCH(QStringList, shown);
        addStock(QStringLiteral("yousekucun"), QStringLiteral("甲厂"), 0.3);
        RequisitionApprovalWindow window(m_db.connection());
        window.show();
        fill(window, line({}, {}));
        window.entryPanel()->setText(QStringLiteral("ComboBox11"), materialClass);
        window.entryPanel()->setText(QStringLiteral("ComboBox7"), QString());
        m_dialogs.clear();
        auto *colourField = qobject_cast<QComboBox *>(window.entryPanel()->field(QStringLiteral("ComboBox7")));
        type(colourField, colour);
        QCOMPARE(m_dialogs.texts(), shown);
    }

    // The message reports the stock the issue takes from, before and after it.
    void anItemKeptBySeveralSuppliersReportsTheRowAnIssueTakesFrom()
    {
        addStock(QStringLiteral("fuliaokucun"), QStringLiteral("甲厂"), 65);
        addStock(QStringLiteral("fuliaokucun"), QStringLiteral("乙厂"), 60);
        const StockItem item{QStringLiteral("尼龙布"), QStringLiteral("44''"), QStringLiteral("1.2MM"), QStringLiteral("黑")};
        StockIssue auxiliary(m_db.connection(), stock::tablesOf(stock::Family::AuxiliaryMaterial));
        QCOMPARE(auxiliary.onHand(item), std::optional<double>(65));
        db::TableDataSet lines(m_db.connection(), QStringLiteral("linliaoshenfu"));
        lines.open();
        auxiliary.approve(lines, line({}, QStringLiteral("30")));
        QCOMPARE(auxiliary.onHand(item), std::optional<double>(35));
        QCOMPARE(onHand(QStringLiteral("fuliaokucun")), 95.0);
        QCOMPARE(StockIssue(m_db.connection(), stock::tablesOf(stock::Family::ColourFabric)).onHand(item), std::nullopt);
    }

    void theListsFollowTheMaterialClass()
    {
        addStock(QStringLiteral("yousekucun"), QStringLiteral("甲厂"), 5);
        m_db.connection().run(QStringLiteral("insert into fuliaokucun (pname, color, scale, b1) values ('拉链', '红', '5#', '3cm')"));
        RequisitionApprovalWindow window(m_db.connection());
        window.show();
        auto combo = [&](const char *name) {
            return qobject_cast<QComboBox *>(window.entryPanel()->field(QString::fromLatin1(name)));
        };
        type(combo("ComboBox11"), QStringLiteral("幅料"));
        QCOMPARE(texts(combo("ComboBox1")), QStringList{QStringLiteral("拉链")});
        combo("ComboBox1")->setCurrentIndex(0);
        emit combo("ComboBox1")->textActivated(QStringLiteral("拉链"));
        QCOMPARE(texts(combo("ComboBox4")), QStringList{QStringLiteral("3cm")});
        type(combo("ComboBox4"), QStringLiteral("3cm"));
        QCOMPARE(texts(combo("ComboBox3")), QStringList{QStringLiteral("5#")});
        type(combo("ComboBox3"), QStringLiteral("5#"));
        QCOMPARE(texts(combo("ComboBox7")), QStringList{QStringLiteral("红")});

        // Another class refills the items and empties the lists after them; a
        // class that is neither offers nothing.
        combo("ComboBox11")->setEditText(QString());
        type(combo("ComboBox11"), QStringLiteral("有色材料"));
        QCOMPARE(texts(combo("ComboBox1")), QStringList{QStringLiteral("尼龙布")});
        for (const char *after : {"ComboBox4", "ComboBox3", "ComboBox7"})
            QCOMPARE(combo(after)->count(), 0);
        type(combo("ComboBox11"), QStringLiteral("有色材料X"));
        QCOMPARE(combo("ComboBox1")->count(), 0);
    }

    // Lines: A of 尼龙布 today, B of 帆布 today, C of 尼龙布 last month, in
    // each tab's own table; the other tab's table holds one line D of today.
    void eachTabSearchesItsOwnLines_data()
    {
        QTest::addColumn<int>("tab");
        QTest::addColumn<int>("method");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QStringList>("ids");
        QTest::newRow("no method, whatever the dates") << 0 << -1 << "" << QStringList{"A", "B", "C"};
        QTest::newRow("品名 within the dates") << 0 << 0 << "尼龙布" << QStringList{"A"};
        QTest::newRow("领料日期") << 0 << 3 << "" << QStringList{"A", "B"};
        QTest::newRow("副料 tab, 品名") << 1 << 0 << "尼龙布" << QStringList{"A"};
    }
    void eachTabSearchesItsOwnLines()
    {
        QFETCH(int, tab);
        QFETCH(int, method);
        QFETCH(QString, value);
        QFETCH(QStringList, ids);
        const QString own = tab == 0 ? QStringLiteral("linliaoshen") : QStringLiteral("linliaoshenfu");
        const QString other = tab == 0 ? QStringLiteral("linliaoshenfu") : QStringLiteral("linliaoshen");
        const QDate today = QDate::currentDate();
        addLine(own, QStringLiteral("A"), QStringLiteral("尼龙布"), today);
        addLine(own, QStringLiteral("B"), QStringLiteral("帆布"), today);
        addLine(own, QStringLiteral("C"), QStringLiteral("尼龙布"), today.addMonths(-1));
        addLine(other, QStringLiteral("D"), QStringLiteral("尼龙布"), today);
        RequisitionApprovalWindow window(m_db.connection());
        window.show();
        reference::ModuleWindow *page = window.page(tab);
        const QStringList search = tab == 0 ? QStringList{"SpeedButton1", "ComboBox9", "ComboBox6"}
                                            : QStringList{"SpeedButton3", "ComboBox13", "ComboBox12"};
        page->findChild<QComboBox *>(search[1])->setCurrentIndex(method);
        QComboBox *values = page->findChild<QComboBox *>(search[2]);
        QCOMPARE(values->isVisibleTo(page), method != 3);
        if (!value.isEmpty())
            values->setCurrentIndex(values->findText(value));
        page->findChild<QAbstractButton *>(search[0])->click();
        QStringList shown;
        for (int r = 0; r < page->table().rowCount(); ++r)
            shown << page->table().value(r, QStringLiteral("id")).toString().trimmed();
        shown.sort();
        QCOMPARE(shown, ids);
    }

    // Each tab's button panel holds 确定, 修改, 删除, 刷新, 退出; its search bar 查询 alone.
    void eachTabHasItsButtonPanelAndSearchBar()
    {
        RequisitionApprovalWindow window(m_db.connection());
        window.show();
        for (int tab = 0; tab < 2; ++tab) {
            QCOMPARE(panelCaptions(window.page(tab), QStringLiteral("Panel2")),
                     (QStringList{"确定", "修改", "删除", "刷新", "退出"}));
            QCOMPARE(panelCaptions(window.page(tab), QStringLiteral("Panel3")), QStringList{"查询"});
        }
    }

    // The entry lists keep the order in which their statements return the
    // values; the search value lists are sorted.
    void entryListsKeepTheStatementOrderSearchValuesAreSorted()
    {
        for (const char *section : {"仓库", "贴合部", "裁断部"})
            m_db.connection().run(QStringLiteral("insert into section (section_id, section_name) values (?, ?)"),
                                  {QString::fromUtf8(section), QString::fromUtf8(section)});
        for (const char *item : {"尼龙布", "帆布", "棉布"})
            addLine(QStringLiteral("linliaoshen"), QStringLiteral("A"), QString::fromUtf8(item), QDate::currentDate());
        RequisitionApprovalWindow window(m_db.connection());
        window.show();
        const QStringList sections = texts(qobject_cast<QComboBox *>(window.entryPanel()->field(QStringLiteral("ComboBox8"))));
        // SQLite returns them as stored, which is not the sorted order (裁断部, 仓库, 贴合部);
        // PostgreSQL in the order of its hashing.
        if (!m_db.isPostgreSQL())
            QCOMPARE(sections, (QStringList{"仓库", "贴合部", "裁断部"}));
        QStringList each = sections;
        each.sort();
        QCOMPARE(each, (QStringList{"仓库", "裁断部", "贴合部"}));
        window.findChild<QComboBox *>(QStringLiteral("ComboBox9"))->setCurrentIndex(0);
        QCOMPARE(texts(window.findChild<QComboBox *>(QStringLiteral("ComboBox6"))),
                 (QStringList{QStringLiteral("帆布"), QStringLiteral("棉布"), QStringLiteral("尼龙布")}));
    }

    void twoWorkstationsIssuingAtOnceBothCount()
    {
        if (!m_db.isPostgreSQL())
            QSKIP("workstations at once need the shared server");
        addStock(QStringLiteral("yousekucun"), QStringLiteral("甲厂"), 0);
        const int issuesEach = 500;
        // An error must not escape its thread (that would end the whole test
        // program): each workstation keeps it and the case fails with it.
        QString errors[2];
        auto workstation = [&](QString &error) {
            try {
                db::Connection connection(m_db.url());
                connection.open();
                db::TableDataSet lines(connection, QStringLiteral("linliaoshen"));
                lines.open();
                StockIssue issue(connection, stock::tablesOf(stock::Family::ColourFabric));
                for (int i = 0; i < issuesEach; ++i)
                    issue.approve(lines, line(QStringLiteral("1"), QStringLiteral("1")));
            } catch (const std::exception &e) {
                error = QString::fromUtf8(e.what());
            } catch (...) {
                error = QStringLiteral("an error of unknown type");
            }
        };
        std::thread first(workstation, std::ref(errors[0]));
        std::thread second(workstation, std::ref(errors[1]));
        first.join();
        second.join();
        QCOMPARE(errors[0] + errors[1], QString());
        QCOMPARE(onHand(QStringLiteral("yousekucun")), -2.0 * issuesEach);
        QCOMPARE(m_db.scalar(QStringLiteral("select count(*) from linliaoshen")).toInt(), 2 * issuesEach);
    }

private:
    void addLine(const QString &table, const QString &id, const QString &pname, const QDate &date)
    {
        m_db.connection().run(QStringLiteral("insert into %1 (id, pname, width, scale, color, shinumber, date) "
                                             "values (?, ?, '44''''', '1.2MM', '黑', 1, ?)").arg(table),
                              {id, pname, date});
    }
    static QStringList texts(const QComboBox *box)
    {
        QStringList list;
        for (int i = 0; i < box->count(); ++i)
            list << box->itemText(i);
        return list;
    }
    void addStock(const QString &table, const QString &supplier, double number)
    {
        m_db.connection().run(
            QStringLiteral("insert into %1 (f_name, pname, color, scale, number, b1) values (?, ?, ?, ?, ?, ?)").arg(table),
            {supplier, QStringLiteral("尼龙布"), QStringLiteral("黑"), QStringLiteral("1.2MM"), number, QStringLiteral("44''")});
    }
    double onHand(const QString &table)
    {
        return m_db.scalar(QStringLiteral("select sum(number) from %1").arg(table)).toDouble();
    }
    static void fill(RequisitionApprovalWindow &window, const QVector<QVariant> &values)
    {
        const QStringList controls{"Edit1", "ComboBox8", "ComboBox11", "DateTimePicker2", "ComboBox5",
                                   "ComboBox10", "ComboBox1", "ComboBox4", "ComboBox3", "ComboBox7",
                                   "ComboBox2", "Edit2", "Edit3", "Edit4", "Edit6"};
        for (int i = 0; i < controls.size(); ++i)
            window.entryPanel()->setText(controls[i], values[i].toString());
    }

    TestDatabase m_db;
    ScriptedDialogs m_dialogs;
};

QTEST_MAIN(StockIssueTest)
#include "tst_stockissue.moc"
