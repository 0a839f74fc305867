#include "ScriptedDialogs.h"
#include "TestDatabase.h"

#include "db/Schema.h"
#include "db/TableDataSet.h"
#include "reference/CodeTableEditors.h"
#include "reference/EntryPanel.h"
#include "reference/ModuleWindow.h"
#include "sales/CustomerOrderWindow.h"
#include "stock/StockInquiryWindow.h"

#include <QAbstractButton>
#include <QRadioButton>
#include <QSqlQuery>
#include <QTableView>
#include <QtTest>
#include <memory>

namespace {

reference::ModuleDeclaration departments()
{
    for (const reference::ModuleDeclaration &d : reference::codeTableEditors())
        if (d.windowClass == reference::DepartmentEditorForm)
            return d;
    return {};
}

} // namespace

using reference::ModuleWindow;

namespace {

const QString Modified = QStringLiteral("资料修改成功!");
const QString ChangedElsewhere = QStringLiteral("此记录已被其他工作站修改，请重新选择后再修改");
const QString DeletedElsewhere = QStringLiteral("此记录已被其他工作站删除");

void click(QWidget *window, const QString &name)
{
    window->findChild<QAbstractButton *>(name)->click();
}

} // namespace

// Two workstations changing the same record: the later save is refused and
// shows the record as it is now, never overwriting what the first stored.
class ConcurrentEditsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init()
    {
        m_db.reset();
        m_dialogs.clear();
        m_other = m_db.connectAgain();
    }
    void cleanup() { m_other.reset(); }

    void aLaterModifyOfADepartmentIsRefusedAndShowsTheFirstsValues()
    {
        m_db.scalar(QStringLiteral("insert into section values ('01', '生产部', '旧备注')"));
        reference::ModuleWindow first(m_db.connection(), departments());
        reference::ModuleWindow second(*m_other, departments());
        saveOneAfterTheOther(first, {QStringLiteral("memo1"), QStringLiteral("新备注")}, second,
                             {QStringLiteral("Edit2"), QStringLiteral("裁断部")});
        QCOMPARE(storedDepartment(), (QStringList{"01", "生产部", "新备注"}));
        QCOMPARE(second.entryPanel()->text(QStringLiteral("Edit2")), QStringLiteral("生产部"));
        QCOMPARE(second.entryPanel()->text(QStringLiteral("memo1")), QStringLiteral("新备注"));

        second.pickRow(0);
        second.entryPanel()->setText(QStringLiteral("Edit2"), QStringLiteral("裁断部"));
        modify(second);
        QCOMPARE(m_dialogs.last(), Modified);
        QCOMPARE(storedDepartment(), (QStringList{"01", "裁断部", "新备注"}));
    }

    // The refused window's own save after the row was shown anew needs no new
    // pick: the fields already hold the current values.
    void aRefusedWindowSavesOnTheValuesItWasShown()
    {
        m_db.scalar(QStringLiteral("insert into section values ('01', '生产部', '旧备注')"));
        reference::ModuleWindow first(m_db.connection(), departments());
        reference::ModuleWindow second(*m_other, departments());
        first.pickRow(0);
        second.pickRow(0);
        first.entryPanel()->setText(QStringLiteral("memo1"), QStringLiteral("新备注"));
        modify(first);
        modify(second);
        QCOMPARE(m_dialogs.last(), ChangedElsewhere);
        modify(second);
        QCOMPARE(m_dialogs.last(), Modified);
        QCOMPARE(storedDepartment(), (QStringList{"01", "生产部", "新备注"}));
    }

    void aLaterModifyOfACustomerOrderIsRefused()
    {
        sales::CustomerOrderWindow first(m_db.connection());
        sales::CustomerOrderWindow second(*m_other);
        first.show();
        second.show();
        typeOrder(first, QStringLiteral("1200.5"));
        m_dialogs.answer({true});
        click(&first, QStringLiteral("SpeedButton4"));
        QCOMPARE(m_dialogs.last(), QStringLiteral("添加资料成功!"));
        saveOneAfterTheOther(first, {QStringLiteral("Edit2"), QStringLiteral("1300.25")}, second,
                             {QStringLiteral("Edit7"), QStringLiteral("加急")});
        QCOMPARE(m_db.scalar(QStringLiteral("select i_count from indent")).toDouble(), 1300.25);
        QCOMPARE(m_db.scalar(QStringLiteral("select memo from indent")).toString(), QStringLiteral("样品"));
        QCOMPARE(second.entryPanel()->text(QStringLiteral("Edit2")), QStringLiteral("1300.25"));
        QCOMPARE(second.entryPanel()->text(QStringLiteral("Edit7")), QStringLiteral("样品"));

        second.entryPanel()->setText(QStringLiteral("Edit7"), QStringLiteral("加急"));
        modify(second);
        QCOMPARE(m_dialogs.last(), Modified);
        QCOMPARE(m_db.scalar(QStringLiteral("select i_count from indent")).toDouble(), 1300.25);
        QCOMPARE(m_db.scalar(QStringLiteral("select memo from indent")).toString(), QStringLiteral("加急"));
    }

    void aStalePriceNeverWritesBackTheQuantity()
    {
        m_db.scalar(QStringLiteral("insert into yousekucun (pname, color, scale, b1, number, b2) "
                                   "values ('布料A', '黑', '80g', '54''''', 100, 'Y')"));
        stock::StockInquiryWindow inquiry(m_db.connection());
        inquiry.show();
        inquiry.findChild<QRadioButton *>(QStringLiteral("RadioButton1"))->click();
        QAbstractItemModel *grid = inquiry.grid()->model();
        QCOMPARE(grid->index(0, 4).data().toString(), QStringLiteral("100"));

        m_other->run(QStringLiteral("update yousekucun set number = number - 30 where pname = '布料A'"));

        const QModelIndex price = grid->index(0, 6);
        inquiry.grid()->setCurrentIndex(price);
        QVERIFY(grid->setData(price, QStringLiteral("2.5"), Qt::EditRole));
        inquiry.priceEntered();
        QVERIFY(m_dialogs.shown.isEmpty());
        QCOMPARE(m_db.scalar(QStringLiteral("select number from yousekucun")).toDouble(), 70.0);
        QCOMPARE(m_db.scalar(QStringLiteral("select price from yousekucun")).toDouble(), 2.5);
        QCOMPARE(m_db.scalar(QStringLiteral("select money from yousekucun")).toDouble(), 175.0);
        QCOMPARE(grid->index(0, 4).data().toString(), QStringLiteral("70"));
    }

    // A cell typed into the grid writes that column only.
    void aTypedCellLeavesTheOtherColumnsAsStored()
    {
        m_db.scalar(QStringLiteral("insert into section values ('01', '生产部', '旧备注')"));
        reference::ModuleWindow window(m_db.connection(), departments());
        window.show();
        window.setCurrentRow(0);
        m_other->run(QStringLiteral("update section set section_memo = '新备注'"));
        QAbstractItemModel *grid = window.grid()->model();
        QVERIFY(grid->setData(grid->index(0, 1), QStringLiteral("裁断部"), Qt::EditRole));
        window.refresh();
        QCOMPARE(storedDepartment(), (QStringList{"01", "裁断部", "新备注"}));
    }

    // What the window typed into its own grid is no other workstation's change;
    // the picked row's fields follow the grid's row.
    void aTypedCellOfThePickedRowDoesNotRefuseItsModify()
    {
        m_db.scalar(QStringLiteral("insert into section values ('01', '生产部', '旧备注')"));
        reference::ModuleWindow window(m_db.connection(), departments());
        window.show();
        window.setCurrentRow(0);
        window.pickRow(0);
        QAbstractItemModel *grid = window.grid()->model();
        QVERIFY(grid->setData(grid->index(0, 2), QStringLiteral("表格备注"), Qt::EditRole));
        window.entryPanel()->setText(QStringLiteral("Edit2"), QStringLiteral("裁断部"));
        QCOMPARE(window.entryPanel()->text(QStringLiteral("memo1")), QStringLiteral("表格备注"));
        modify(window);
        QCOMPARE(m_dialogs.last(), Modified);
        QCOMPARE(storedDepartment(), (QStringList{"01", "裁断部", "表格备注"}));
    }

    void aChangeOfAChangedOrDeletedRowIsRefused_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("otherStatement");
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("rowsLeft");
        QTest::newRow("delete of a changed row") << "BitBtn3" << "update section set section_memo = '新备注'"
                                                 << ChangedElsewhere << 2;
        QTest::newRow("delete of a deleted row") << "BitBtn3" << "delete from section where section_id = '01'"
                                                 << DeletedElsewhere << 1;
        QTest::newRow("modify of a deleted row") << "BitBtn2" << "delete from section where section_id = '01'"
                                                 << DeletedElsewhere << 1;
    }
    void aChangeOfAChangedOrDeletedRowIsRefused()
    {
        QFETCH(QString, command);
        QFETCH(QString, otherStatement);
        QFETCH(QString, message);
        QFETCH(int, rowsLeft);
        m_db.scalar(QStringLiteral("insert into section values ('01', '生产部', '旧备注'), ('02', '仓库', '')"));
        reference::ModuleWindow window(m_db.connection(), departments());
        window.show();
        window.setCurrentRow(0);
        window.pickRow(0);
        m_other->run(otherStatement);
        window.entryPanel()->setText(QStringLiteral("Edit2"), QStringLiteral("裁断部"));
        m_dialogs.answer({true});
        click(&window, command);
        QCOMPARE(m_dialogs.texts().size(), 2);
        QCOMPARE(m_dialogs.last(), message);
        QCOMPARE(m_db.scalar(QStringLiteral("select count(*) from section")).toInt(), rowsLeft);
        QCOMPARE(m_db.scalar(QStringLiteral("select count(*) from section where section_name = '裁断部'")).toInt(), 0);
        QCOMPARE(window.model().rowCount(), rowsLeft);
    }

    // Every column type of the schema, each field as its text: a row that
    // nobody else touches is never refused, however often it is saved, though
    // reals like 0.1 + 0.2 and 1/3 and padded fixed texts travel through text.
    void aRowSavedUnchangedAgainAndAgainIsNeverRefused_data()
    {
        QTest::addColumn<QString>("table");
        QTest::addColumn<QString>("insert");
        QTest::newRow("fixed and plain texts, reals, dates, wide texts")
            << "indent"
            << "insert into indent values ('华丰', 'A1', '尼龙布 ', 'Y', null, 0.1 + 0.2, 'HKD', 1.0 / 3, "
               "'2026-03-15', '2026-04-01 08:30:15', null, '客供PU')";
        QTest::newRow("integers, texts and dates") << "p_detail"
                                                   << "insert into p_detail values ('东升', '2026-03-15 23:59:59', 'P1', "
                                                      "'贴合', 12345, null, -7, '')";
    }
    void aRowSavedUnchangedAgainAndAgainIsNeverRefused()
    {
        QFETCH(QString, table);
        QFETCH(QString, insert);
        m_db.scalar(insert);
        reference::ModuleDeclaration d;
        d.windowClass = QStringLiteral("TEveryTypeF");
        d.table = table;
        for (const db::Column &c : db::Schema::table(table).columns) {
            d.fields.append({c.caption(), QStringLiteral("Edit%1").arg(d.fields.size() + 1), c.name});
            d.grid.append({c.name, 10});
        }
        ModuleWindow window(m_db.connection(), d);
        window.show();
        window.setCurrentRow(0);
        window.pickRow(0);
        for (int save = 0; save < 100; ++save) {
            modify(window);
            QCOMPARE(m_dialogs.last(), Modified);
        }
        QCOMPARE(m_dialogs.texts().count(Modified), 100);
    }

private:
    // Both windows pick the first row; each then types one field and saves,
    // the first successfully, the second refused.
    void saveOneAfterTheOther(ModuleWindow &first, const QPair<QString, QString> &firstTyped, ModuleWindow &second,
                              const QPair<QString, QString> &secondTyped)
    {
        for (ModuleWindow *w : {&first, &second}) {
            w->show();
            w->refresh();
            w->setCurrentRow(0);
            w->pickRow(0);
        }
        first.entryPanel()->setText(firstTyped.first, firstTyped.second);
        modify(first);
        QCOMPARE(m_dialogs.last(), Modified);
        second.entryPanel()->setText(secondTyped.first, secondTyped.second);
        modify(second);
        QCOMPARE(m_dialogs.last(), ChangedElsewhere);
    }

    void modify(ModuleWindow &window)
    {
        m_dialogs.answer({true});
        click(&window, window.declaration().commands.modify);
    }

    void typeOrder(sales::CustomerOrderWindow &window, const QString &quantity)
    {
        reference::EntryPanel *p = window.entryPanel();
        p->setText(QStringLiteral("ComboBox5"), QStringLiteral("华丰"));
        p->setText(QStringLiteral("Edit4"), QStringLiteral("A1"));
        p->setText(QStringLiteral("ComboBox1"), QStringLiteral("尼龙布"));
        p->setText(QStringLiteral("ComboBox2"), QStringLiteral("Y"));
        p->setText(QStringLiteral("Edit2"), quantity);
        p->setText(QStringLiteral("ComboBox4"), QStringLiteral("HKD"));
        p->setText(QStringLiteral("Edit3"), QStringLiteral("0.92"));
        p->setText(QStringLiteral("Edit7"), QStringLiteral("样品"));
    }

    QStringList storedDepartment()
    {
        QSqlQuery q = m_db.connection().run(QStringLiteral("select section_id, section_name, section_memo from section"));
        QStringList row;
        if (q.next())
            for (int c = 0; c < 3; ++c)
                row << q.value(c).toString().trimmed();
        return row;
    }

    TestDatabase m_db;
    std::unique_ptr<db::Connection> m_other;
    ScriptedDialogs m_dialogs;
};

QTEST_MAIN(ConcurrentEditsTest)
#include "tst_concurrentedits.moc"
