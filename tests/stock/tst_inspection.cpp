#include "ScriptedDialogs.h"
#include "TestDatabase.h"

#include "db/TextForms.h"
#include "reference/EntryPanel.h"
#include "reference/DataSetSource.h"
#include "report/ReportEngine.h"
#include "stock/ColourFabricAcceptanceSlip.h"
#include "stock/MaterialInspectionWindow.h"
#include "stock/AuxiliaryAcceptanceSlip.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QDateEdit>
#include <QSqlQuery>
#include <QtTest>

using stock::Family;
using stock::InspectionPage;
using stock::MaterialInspectionWindow;

Q_DECLARE_METATYPE(stock::Family)

namespace {

QStringList listOf(QComboBox *combo)
{
    QStringList items;
    for (int i = 0; i < combo->count(); ++i)
        items << combo->itemText(i);
    return items;
}

} // namespace

// The inspection window: lookups chained from the order number, the inspection
// row, the stock write it allows once, search and the acceptance slip.
class StuffCheckTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init()
    {
        m_db.reset();
        for (const char *line : {
                 "'华丰', 'PO1', 'PU革', '54\"', '1.2mm', '黑色', 'Y'",
                 "'华丰', 'PO1', 'PU革', '54\"', '1.2mm', '白色', 'KG'",
                 "'华丰', 'PO1', 'EVA片', '44\"', '3mm', '米黄', 'PC'",
                 "'永信', 'PO2', 'PU革', '60\"', '0.8mm', '深灰', 'SF'",
             })
            m_db.connection().run(QStringLiteral("insert into procureform (f_name, id, pname, piece, standard, color, "
                                                 "p_module) values (%1)").arg(QString::fromUtf8(line)));
        m_dialogs.clear();
        m_window = std::make_unique<MaterialInspectionWindow>(m_db.connection());
        m_window->show();
    }
    void cleanup() { m_window.reset(); }

    void pickingWhatWasReceivedFollowsTheOrderLines()
    {
        // The orders are offered, none is chosen for the user.
        QCOMPARE(listOf(combo("ComboBox1")), (QStringList{"PO1", "PO2"}));
        QCOMPARE(panel().text("ComboBox1"), QString());
        QCOMPARE(panel().text("Edit18"), QString());
        QCOMPARE(panel().text("ComboBox10"), QStringLiteral("KG"));
        choose("ComboBox1", "PO1");
        QCOMPARE(panel().text("Edit18"), QStringLiteral("华丰"));
        QCOMPARE(panel().text("ComboBox10"), QStringLiteral("KG"));
        QCOMPARE(listOf(combo("ComboBox2")), (QStringList{"EVA片", "PU革"}));
        QCOMPARE(panel().text("ComboBox2"), QString());
        choose("ComboBox2", "PU革");
        // By item from here on: the other order's width is offered too.
        QCOMPARE(listOf(combo("ComboBox9")), (QStringList{"54\"", "60\""}));
        choose("ComboBox9", "54\"");
        QCOMPARE(listOf(combo("ComboBox4")), QStringList{"1.2mm"});
        choose("ComboBox4", "1.2mm");
        QCOMPARE(listOf(combo("ComboBox3")), (QStringList{"白色", "黑色"}));
        choose("ComboBox3", "白色");
        QCOMPARE(panel().text("ComboBox10"), QStringLiteral("KG"));
        choose("ComboBox1", "PO9");
        QCOMPARE(panel().text("Edit18"), QString());
        QCOMPARE(combo("ComboBox2")->count(), 0);
        QCOMPARE(combo("ComboBox3")->count(), 0);
    }

    // The row pick writes the order and the item without refilling a list:
    // width and unit keep what the user chose.
    void aRowPickRefillsNoList()
    {
        InspectionPage *p = page(Family::ColourFabric);
        enterReceipt("2", "100");
        m_dialogs.answer({true});
        clickAdd(p);
        choose("ComboBox1", "PO2");
        choose("ComboBox2", "PU革");
        choose("ComboBox9", "60\"");
        const QStringList widths = listOf(combo("ComboBox9"));
        p->pickRow(0);
        QCOMPARE(panel().text("ComboBox1"), QStringLiteral("PO1"));
        QCOMPARE(panel().text("ComboBox3"), QStringLiteral("黑色"));
        QCOMPARE(panel().text("ComboBox9"), QStringLiteral("60\""));
        QCOMPARE(listOf(combo("ComboBox9")), widths);
        QCOMPARE(listOf(combo("ComboBox4")), QStringList{"0.8mm"});
    }

    void families_data()
    {
        QTest::addColumn<Family>("family");
        QTest::addColumn<QString>("question");
        QTest::newRow("colour fabric") << Family::ColourFabric << "确定加入到有色材料仓库中吗？";
        QTest::newRow("auxiliary material") << Family::AuxiliaryMaterial << "确定加入到副料仓库中吗？";
    }

    void eachInspectionAllowsOneStockWrite_data() { families_data(); }
    void eachInspectionAllowsOneStockWrite()
    {
        QFETCH(Family, family);
        QFETCH(QString, question);
        InspectionPage *p = page(family);
        QVERIFY(!p->stockButton()->isEnabled());

        enterReceipt("2", "100");
        m_dialogs.answer({true, true});
        clickAdd(p);
        QVERIFY(p->stockButton()->isEnabled());
        p->stockButton()->click();
        QCOMPARE(m_dialogs.texts(), (QStringList{"确定加入到下面表格中吗？", "添加资料成功!", question, "添加资料成功!"}));
        QVERIFY(!p->stockButton()->isEnabled());

        enterReceipt("3", "120.5");
        m_dialogs.clear();
        m_dialogs.answer({true, true});
        clickAdd(p);
        p->stockButton()->click();
        QCOMPARE(m_dialogs.last(), QStringLiteral("修改原有库存量成功!"));
        QCOMPARE(stock(family), QStringLiteral("5|220.5"));
        QCOMPARE(m_db.scalar(QStringLiteral("select count(*) from %1").arg(stock::tablesOf(family).inspection)).toInt(), 2);
    }

    // The panel changed after 写入验收表 does not reach stock: the inspection does.
    void theStockReceivesWhatTheInspectionRecorded_data() { families_data(); }
    void theStockReceivesWhatTheInspectionRecorded()
    {
        QFETCH(Family, family);
        InspectionPage *p = page(family);
        enterReceipt("1", "10");
        m_dialogs.answer({true, true});
        clickAdd(p);
        panel().setText("Edit22", "9");
        panel().setText("Edit23", "1000");
        panel().setText("ComboBox3", "白色");
        p->stockButton()->click();
        QCOMPARE(m_dialogs.last(), QStringLiteral("添加资料成功!"));
        QSqlQuery q = m_db.connection().run(
            QStringLiteral("select color, jian, number, b1, b2 from %1").arg(stock::tablesOf(family).stock));
        QVERIFY(q.next());
        QCOMPARE(q.value(0).toString(), QStringLiteral("黑色"));
        QCOMPARE(q.value(1).toDouble(), 1.0);
        QCOMPARE(q.value(2).toDouble(), 10.0);
        QCOMPARE(q.value(3).toString(), QStringLiteral("54\""));
        QCOMPARE(q.value(4).toString(), QStringLiteral("Y"));
        QVERIFY(!q.next());
    }

    void theInspectionRowHoldsTheEntry()
    {
        enterReceipt("2", "100");
        panel().setText("Edit26", " 10% ");
        panel().setText("Edit27", "合格");
        panel().setText("DateTimePicker1", "2024-03-05");
        m_dialogs.answer({true});
        clickAdd(page(Family::ColourFabric));
        QSqlQuery q = m_db.connection().run(QStringLiteral(
            "select memo, f_name, pname, color, scale, jianshu, yanshu, chouscale, chouresult, date, b1, b2, dingnumber "
            "from youseyan"));
        QVERIFY(q.next());
        QStringList values;
        for (int c = 0; c < 13; ++c)
            values << db::displayText(c == 9 ? QVariant(q.value(c).toDateTime()) : q.value(c));
        values[9] = values[9].left(10);
        QCOMPARE(values, (QStringList{"PO1", "华丰", "PU革", "黑色", "1.2mm", "2", "100", "10%", "合格",
                                      "2024-03-05", "54\"", "Y", ""}));
    }

    void aRefusedOrFailedStockWriteKeepsTheButton_data()
    {
        QTest::addColumn<bool>("yes");
        QTest::addColumn<QString>("pieces");
        QTest::newRow("answered No") << false << "2";
        QTest::newRow("pieces empty") << true << "";
    }
    void aRefusedOrFailedStockWriteKeepsTheButton()
    {
        QFETCH(bool, yes);
        QFETCH(QString, pieces);
        InspectionPage *p = page(Family::ColourFabric);
        enterReceipt(pieces, "100");
        m_dialogs.answer({true, yes});
        clickAdd(p);
        p->stockButton()->click();
        QVERIFY(p->stockButton()->isEnabled());
        QCOMPARE(m_db.scalar(QStringLiteral("select count(*) from yousekucun")).toInt(), 0);
        if (yes)
            QVERIFY2(m_dialogs.last().contains(QStringLiteral("材料件数")), qPrintable(m_dialogs.last()));
    }

    void modifyingOrDeletingAnInspectionLeavesStock()
    {
        InspectionPage *p = page(Family::ColourFabric);
        enterReceipt("2", "100");
        m_dialogs.answer({true, true});
        clickAdd(p);
        p->stockButton()->click();
        p->setCurrentRow(0);
        panel().setText("Edit23", "999");
        m_dialogs.answer({true});
        p->modifyRow();
        QCOMPARE(m_db.scalar(QStringLiteral("select yanshu from youseyan")).toDouble(), 999.0);
        m_dialogs.answer({true});
        p->deleteRow();
        QCOMPARE(m_db.scalar(QStringLiteral("select count(*) from youseyan")).toInt(), 0);
        QCOMPARE(stock(Family::ColourFabric), QStringLiteral("2|100"));
    }

    void searchBySpecificationWithinTheDates()
    {
        for (const char *row : {"'1.2mm', '2024-03-01'", "'1.2mm', '2024-03-10'", "'0.8mm', '2024-03-05'",
                                "'1.2mm', '2024-03-05'"})
            m_db.connection().run(QStringLiteral("insert into youseyan (f_name, scale, date) values ('华丰', %1)")
                                      .arg(QString::fromUtf8(row)));
        InspectionPage *p = page(Family::ColourFabric);
        combo("ComboBox7", p)->setCurrentIndex(3);
        QCOMPARE(listOf(combo("ComboBox5", p)), (QStringList{"0.8mm", "1.2mm"}));
        combo("ComboBox5", p)->setCurrentText("1.2mm");
        p->rangeFrom()->setDate(QDate(2024, 3, 1));
        p->rangeTo()->setDate(QDate(2024, 3, 5));
        p->search();
        QCOMPARE(p->table().rowCount(), 2);

        // The slip lists what the grid shows.
        const report::Document slip = report::ReportEngine::layout(stock::ColourFabricAcceptanceSlip::definition(),
                                                                   reference::DataSetSource(p->table()));
        const QStringList texts = slip.pages().first().texts();
        QVERIFY(texts.contains(QStringLiteral("材 料 验 收 单")));
        QCOMPARE(texts.count(QStringLiteral("1.2mm")), 2);
        QVERIFY(!texts.contains(QStringLiteral("0.8mm")));
        QVERIFY(texts.contains(QStringLiteral("华丰")));

        p->refresh();
        QCOMPARE(p->table().rowCount(), 4);
    }

    void printOpensTheSlipOverTheTab()
    {
        InspectionPage *p = page(Family::AuxiliaryMaterial);
        p->button(QStringLiteral("BitBtn16"))->click();
        auto *slip = p->findChild<stock::AuxiliaryAcceptanceSlip *>();
        QVERIFY(slip);
        QCOMPARE(slip->document().pageCount(), 1);
        QVERIFY(slip->document().pages().first().texts().contains(QStringLiteral("经理")));
    }

private:
    reference::EntryPanel &panel() { return *m_window->entryPanel(); }
    QComboBox *combo(const char *name, QWidget *in = nullptr)
    {
        return (in ? in : m_window.get())->findChild<QComboBox *>(QLatin1String(name));
    }
    // The user types the text into the list.
    void choose(const char *name, const QString &text)
    {
        combo(name)->setEditText(text);
        emit combo(name)->lineEdit()->textEdited(text);
    }
    InspectionPage *page(Family family)
    {
        return family == Family::ColourFabric ? m_window->colourFabric() : m_window->auxiliaryMaterial();
    }
    void enterReceipt(const QString &pieces, const QString &quantity)
    {
        choose("ComboBox1", "PO1");
        choose("ComboBox2", "PU革");
        choose("ComboBox9", "54\"");
        choose("ComboBox4", "1.2mm");
        choose("ComboBox3", "黑色");
        panel().setText("Edit22", pieces);
        panel().setText("Edit23", quantity);
    }
    void clickAdd(InspectionPage *p) { p->button(p->declaration().commands.add)->click(); }
    QString stock(Family family)
    {
        QSqlQuery q = m_db.connection().run(
            QStringLiteral("select jian, number from %1").arg(stock::tablesOf(family).stock));
        return q.next() ? q.value(0).toString() + QLatin1Char('|') + q.value(1).toString() : QString();
    }

    TestDatabase m_db;
    ScriptedDialogs m_dialogs;
    std::unique_ptr<MaterialInspectionWindow> m_window;
};

QTEST_MAIN(StuffCheckTest)
#include "tst_inspection.moc"
