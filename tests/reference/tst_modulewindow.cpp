#include "ScriptedDialogs.h"
#include "TestDatabase.h"

#include "db/Schema.h"
#include "db/TableDataSet.h"
#include "reference/EntryPanel.h"
#include "reference/ModuleWindow.h"
#include "reference/TabbedModuleWindow.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSqlQuery>
#include <QTableView>
#include <QtTest>
#include <memory>

using reference::ModuleDeclaration;
using reference::ModuleWindow;

namespace {

const QString AddQuestion = QStringLiteral("确定加入到下面表格中吗？");
const QString ModifyQuestion = QStringLiteral("确定将修改加入到下面表格中吗？");
const QString DeleteQuestion = QStringLiteral("确认删除你选择的数据吗？");

// A small window over the departments table, declared here alone: what it
// does is what every module window does.
ModuleDeclaration sections()
{
    ModuleDeclaration d;
    d.windowClass = QStringLiteral("TSectionsF");
    d.caption = QStringLiteral("部门");
    d.table = QStringLiteral("section");
    d.fields = {
        {QStringLiteral("编号："), QStringLiteral("Edit1"), QStringLiteral("section_id")},
        {QStringLiteral("名称："), QStringLiteral("Edit2"), QStringLiteral("section_name")},
        reference::EntryField{QStringLiteral("备注："), QStringLiteral("memo1"), QStringLiteral("section_memo"),
                              reference::FieldKind::Memo}
            .keepingBlanks(),
    };
    d.grid = {{QStringLiteral("section_id"), 10}, {QStringLiteral("section_name"), 15},
              {QStringLiteral("section_memo"), 15}};
    d.search = {{QStringLiteral("编号"), QStringLiteral("section_id")},
                {QStringLiteral("名称"), QStringLiteral("section_name")}};
    d.messages.emptyKey = QStringLiteral("编号不能为空!");
    d.messages.refused = QStringLiteral("编号重复");
    return d;
}

// A window that changes Add and Exit by overriding them.
class CountingWindow : public ModuleWindow {
public:
    using ModuleWindow::ModuleWindow;
    void addRow() override
    {
        ++adds;
        ModuleWindow::addRow();
    }
    void closeWindow() override { ++exits; }
    int adds = 0;
    int exits = 0;
};

} // namespace

// The rules every module window follows, tested once on a declared window.
class ModuleWindowTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init()
    {
        m_db.reset();
        m_dialogs.clear();
    }

    // Only Yes goes on; the empty-key test and the refusal come after the question.
    void eachCommandAsksThenTells_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("key");
        QTest::addColumn<bool>("yes");
        QTest::addColumn<QStringList>("shown");
        QTest::addColumn<QStringList>("keysAfter");
        QTest::newRow("add, no") << "BitBtn1" << "03" << false << QStringList{AddQuestion} << QStringList{"01", "02"};
        QTest::newRow("add") << "BitBtn1" << "03" << true << QStringList{AddQuestion, "添加资料成功!"}
                             << QStringList{"01", "02", "03"};
        QTest::newRow("add, empty key") << "BitBtn1" << "" << true << QStringList{AddQuestion, "编号不能为空!"}
                                        << QStringList{"01", "02"};
        QTest::newRow("add, key taken") << "BitBtn1" << "02" << true << QStringList{AddQuestion, "编号重复"}
                                        << QStringList{"01", "02"};
        QTest::newRow("modify, no") << "BitBtn2" << "09" << false << QStringList{ModifyQuestion}
                                    << QStringList{"01", "02"};
        QTest::newRow("modify") << "BitBtn2" << "09" << true << QStringList{ModifyQuestion, "资料修改成功!"}
                                << QStringList{"02", "09"};
        QTest::newRow("delete, no") << "BitBtn3" << "" << false << QStringList{DeleteQuestion}
                                    << QStringList{"01", "02"};
        QTest::newRow("delete") << "BitBtn3" << "" << true << QStringList{DeleteQuestion, "已成功删除！"}
                                << QStringList{"02"};
    }
    void eachCommandAsksThenTells()
    {
        QFETCH(QString, button);
        QFETCH(QString, key);
        QFETCH(bool, yes);
        QFETCH(QStringList, shown);
        QFETCH(QStringList, keysAfter);
        insertKeys({"01", "02"});
        ModuleWindow window(m_db.connection(), sections());
        window.show();
        window.setCurrentRow(0);
        type(window, "Edit1", key);
        m_dialogs.answer({yes});
        window.button(button)->click();
        QCOMPARE(m_dialogs.texts(), shown);
        QCOMPARE(m_dialogs.shown[0].caption, QStringLiteral("提示"));
        QCOMPARE(keys(), keysAfter);
        QCOMPARE(window.model().rowCount(), keysAfter.size());
    }

    // Add and Modify store the fields trimmed, unless declared as typed; a key
    // of blanks passes the empty-key test and is stored empty.
    void theFieldsAreStoredTrimmed_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("key");
        QTest::newRow("add") << "BitBtn1" << " 05 \n";
        QTest::newRow("add, key of blanks") << "BitBtn1" << "   ";
        QTest::newRow("modify") << "BitBtn2" << " 05 \n";
    }
    void theFieldsAreStoredTrimmed()
    {
        QFETCH(QString, button);
        QFETCH(QString, key);
        insertKeys({"01"});
        ModuleWindow window(m_db.connection(), sections());
        window.show();
        window.setCurrentRow(0);
        type(window, "Edit1", key);
        type(window, "Edit2", " 裁断 ");
        type(window, "memo1", " 备注\n");
        m_dialogs.answer({true});
        window.button(button)->click();
        QCOMPARE(m_dialogs.shown.size(), 2);
        const QVariantList stored{key.trimmed(), QStringLiteral(" 裁断 ").trimmed(), QStringLiteral(" 备注\n")};
        QSqlQuery row = m_db.connection().run(
            QStringLiteral("select rtrim(section_id), section_name, section_memo from section where section_name = ?"),
            {stored[1]});
        QVERIFY(row.next());
        QCOMPARE(row.value(0).toString(), stored[0].toString());
        QCOMPARE(row.value(2).toString(), stored[2].toString());
        QCOMPARE(window.focusWidget() == window.entryPanel()->field(QStringLiteral("Edit1")),
                 button == QLatin1String("BitBtn1"));
    }

    // Delete on an empty view asks first; a table not read yet counts as
    // empty, or is an error where the declaration says so.
    void deleteFromAnEmptyTable_data()
    {
        QTest::addColumn<int>("opening");
        QTest::addColumn<int>("closedDelete");
        QTest::addColumn<bool>("refused");
        using reference::ClosedTableDelete;
        using reference::TableOpening;
        QTest::newRow("open") << int(TableOpening::AtStart) << int(ClosedTableDelete::NothingToDelete) << false;
        QTest::newRow("not read yet") << int(TableOpening::OnFirstCommand) << int(ClosedTableDelete::NothingToDelete)
                                      << false;
        QTest::newRow("not read yet, fails") << int(TableOpening::OnFirstCommand) << int(ClosedTableDelete::Fails)
                                             << true;
    }
    void deleteFromAnEmptyTable()
    {
        QFETCH(int, opening);
        QFETCH(int, closedDelete);
        QFETCH(bool, refused);
        ModuleDeclaration d = sections();
        d.opening = reference::TableOpening(opening);
        d.closedTableDelete = reference::ClosedTableDelete(closedDelete);
        if (d.opening == reference::TableOpening::OnFirstCommand)
            insertKeys({"01"});
        ModuleWindow window(m_db.connection(), d);
        window.show();
        m_dialogs.answer({true});
        window.button(QStringLiteral("BitBtn3"))->click();
        QCOMPARE(m_dialogs.shown.size(), 2);
        QCOMPARE(m_dialogs.shown[0].text, DeleteQuestion);
        if (refused)
            QCOMPARE(m_dialogs.shown[1].icon, QMessageBox::Critical);
        else
            QCOMPARE(m_dialogs.shown[1].text, QStringLiteral("表中没有记录可删除！"));
        QCOMPARE(m_db.scalar(QStringLiteral("select count(*) from section")).toInt(),
                 d.opening == reference::TableOpening::OnFirstCommand ? 1 : 0);
    }

    // Choosing a column fills the value list sorted, its first value chosen
    // (trimmed where declared); 查询 shows the rows whose column equals the
    // value exactly, every row with nothing chosen; 刷新 shows them all again.
    void searchTestsTheChosenColumn_data()
    {
        QTest::addColumn<int>("choice");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QStringList>("shown");
        QTest::newRow("first value") << 0 << "" << QStringList{" a0"};
        QTest::newRow("key") << 0 << "b2" << QStringList{"b2"};
        QTest::newRow("name") << 1 << "名称c3" << QStringList{"c3"};
        QTest::newRow("untrimmed") << 0 << " b2" << QStringList{};
        QTest::newRow("nothing chosen") << -1 << "b2" << QStringList{" a0", "A1", "b2", "c3"};
    }
    void searchTestsTheChosenColumn()
    {
        QFETCH(int, choice);
        QFETCH(QString, value);
        QFETCH(QStringList, shown);
        insertKeys({"b2", "A1", "c3", " a0"});
        ModuleWindow window(m_db.connection(), sections());
        window.show();
        auto *chooser = window.findChild<QComboBox *>(QStringLiteral("ComboBox2"));
        auto *values = window.findChild<QComboBox *>(QStringLiteral("ComboBox1"));
        QCOMPARE(chooser->placeholderText(), QStringLiteral("请选择方式:         "));
        chooser->setCurrentIndex(choice);
        if (choice == 0) {
            QCOMPARE(values->count(), 4);
            QCOMPARE(values->itemText(0).trimmed(), QStringLiteral("a0"));
            QCOMPARE(values->itemText(3).trimmed(), QStringLiteral("c3"));
        }
        if (!value.isEmpty())
            values->setEditText(value);
        window.button(QStringLiteral("SpeedButton1"))->click();
        QStringList keysShown;
        for (int r = 0; r < window.model().rowCount(); ++r)
            keysShown << window.model().rowValues(r)[0].toString();
        // A fixed-width key comes back padded on the right.
        for (QString &k : keysShown)
            while (k.endsWith(QLatin1Char(' ')))
                k.chop(1);
        std::sort(keysShown.begin(), keysShown.end());
        QStringList expected = shown;
        std::sort(expected.begin(), expected.end());
        QCOMPARE(keysShown, expected);
        QVERIFY(m_dialogs.shown.isEmpty());
        window.button(QStringLiteral("SpeedButton2"))->click();
        QCOMPARE(window.model().rowCount(), 4);
    }

    void aTrimmedValueListHoldsEachTrimmedValueOnce()
    {
        insertKeys({" 01", "01", "02"});
        ModuleDeclaration d = sections();
        d.valueListBlanks = reference::Blanks::Trimmed;
        ModuleWindow window(m_db.connection(), d);
        window.show();
        window.findChild<QComboBox *>(QStringLiteral("ComboBox2"))->setCurrentIndex(0);
        auto *values = window.findChild<QComboBox *>(QStringLiteral("ComboBox1"));
        QCOMPARE(values->count(), 2);
        QCOMPARE(values->itemText(0), QStringLiteral("01"));
        QCOMPARE(values->itemText(1), QStringLiteral("02"));
    }

    // Every command stores a row typed into the grid first, before its
    // question (unanswered here); a row the database refuses stops it and
    // stays typed.
    void aTypedGridRowIsPostedFirst_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("refused");
        for (const char *button : {"SpeedButton2", "SpeedButton1", "BitBtn1", "BitBtn2", "BitBtn3"}) {
            QTest::newRow(button) << button << 1 << "改名" << false;
            QTest::newRow(QByteArray(button) + ", key taken") << button << 0 << "02" << true;
        }
    }
    void aTypedGridRowIsPostedFirst()
    {
        QFETCH(QString, button);
        QFETCH(int, column);
        QFETCH(QString, typed);
        QFETCH(bool, refused);
        insertKeys({"01", "02"});
        ModuleWindow window(m_db.connection(), sections());
        window.show();
        window.setCurrentRow(0);
        QAbstractItemModel *model = window.grid()->model();
        QVERIFY(model->setData(model->index(0, column), typed));
        window.button(button)->click();
        if (refused) {
            QCOMPARE(m_dialogs.shown.size(), 1);
            QCOMPARE(m_dialogs.shown[0].icon, QMessageBox::Critical);
            QCOMPARE(window.model().pendingRow(), 0);
            QCOMPARE(model->index(0, column).data().toString(), typed);
            QCOMPARE(keys(), (QStringList{"01", "02"}));
        } else {
            QCOMPARE(window.model().pendingRow(), -1);
            QCOMPARE(m_db.scalar(QStringLiteral("select count(*) from section where section_name = ?"), {typed}).toInt(), 1);
        }
    }

    void aWindowStaysOpenWhileItsTypedRowCannotBeStored()
    {
        insertKeys({"01", "02"});
        ModuleWindow window(m_db.connection(), sections());
        window.show();
        window.setCurrentRow(0);
        QAbstractItemModel *model = window.grid()->model();
        QVERIFY(model->setData(model->index(0, 0), QStringLiteral("02")));
        QVERIFY(!window.close());
        QCOMPARE(m_dialogs.shown.size(), 1);
        QCOMPARE(m_dialogs.shown[0].icon, QMessageBox::Critical);
        QVERIFY(window.isVisible());

        QVERIFY(model->setData(model->index(0, 0), QStringLiteral("03")));
        QVERIFY(window.close());
        QCOMPARE(keys(), (QStringList{"02", "03"}));
    }

    // The button and Enter in the last field both run the window's own Add;
    // Exit runs its own Exit.
    void theButtonsRunTheWindowsOwnCommands()
    {
        ModuleDeclaration d = sections();
        d.lastFieldEnter = reference::LastFieldEnter::Adds;
        CountingWindow window(m_db.connection(), d);
        window.show();
        type(window, "Edit1", "01");
        m_dialogs.answer({true, false});
        window.button(QStringLiteral("BitBtn1"))->click();
        QTest::keyClick(window.entryPanel()->field(QStringLiteral("memo1")), Qt::Key_Return);
        QCOMPARE(window.adds, 2);
        QCOMPARE(m_dialogs.texts(), (QStringList{AddQuestion, "添加资料成功!", AddQuestion}));
        window.button(QStringLiteral("BitBtn4"))->click();
        QCOMPARE(window.exits, 1);
        QVERIFY(window.isVisible());
    }

    // Exit on a page of a tabbed window closes the whole window.
    void exitOnAPageClosesItsTabbedWindow()
    {
        auto *tabbed = new reference::TabbedModuleWindow(m_db.connection(), QStringLiteral("TTabbedF"),
                                                         QStringLiteral("分页"), sections().fields,
                                                         QStringLiteral("section"));
        tabbed->setAttribute(Qt::WA_DeleteOnClose);
        QPointer<QWidget> alive(tabbed);
        tabbed->addPage(new ModuleWindow(m_db.connection(), sections(), *tabbed), QStringLiteral("一"));
        tabbed->show();
        tabbed->page(0)->button(QStringLiteral("BitBtn4"))->click();
        QTRY_VERIFY(alive.isNull());
    }

private:
    static void type(ModuleWindow &window, const char *control, const QString &text)
    {
        QWidget *field = window.entryPanel()->field(QLatin1String(control));
        if (auto *line = qobject_cast<QLineEdit *>(field))
            line->setText(text);
        else
            qobject_cast<QPlainTextEdit *>(field)->setPlainText(text);
    }

    void insertKeys(const QStringList &keys)
    {
        db::TableDataSet table(m_db.connection(), QStringLiteral("section"));
        table.open();
        for (const QString &key : keys)
            table.append({key, QStringLiteral("名称") + key.trimmed(), QStringLiteral("备注")});
    }

    // The stored keys without their padding, in order.
    QStringList keys()
    {
        QStringList result;
        QSqlQuery query = m_db.connection().run(QStringLiteral("select rtrim(section_id) from section order by 1"));
        while (query.next())
            result << query.value(0).toString();
        return result;
    }

    TestDatabase m_db;
    ScriptedDialogs m_dialogs;
};

QTEST_MAIN(ModuleWindowTest)
#include "tst_modulewindow.moc"
