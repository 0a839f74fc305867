#include "ScriptedDialogs.h"
#include "TestDatabase.h"

#include "db/Schema.h"
#include "db/TableDataSet.h"
#include "reference/HoverHighlight.h"
#include "reference/ModuleWindow.h"
#include "shell/ModuleWindows.h"
#include "shell/MainWindow.h"

#include <QAbstractButton>
#include <QCalendarWidget>
#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QSqlQuery>
#include <QTableView>
#include <QtTest>
#include <memory>

using reference::ModuleWindow;

namespace {

// What a test needs to know of one editor: its table, key column, entry
// fields (as typed by a user: key, name, the others, remark last) and the
// messages that name its key.
struct Editor {
    QString windowClass;
    QString table;
    QString keyColumn;
    QStringList controls;
    QString emptyKey;
    QString refused;    // empty: the general error handler shows the database's text
};

const QVector<Editor> &editors()
{
    static const QVector<Editor> all = {
        {"TSectionForm", "section", "section_id", {"Edit1", "Edit2", "memo1"}, "部门编号不能为空!", "部门编号重复"},
        {"TTypeF", "ptype", "ptype_id", {"Edit1", "Edit2", "Edit3", "Edit4", "Edit5", "Memo1"}, "物品代号不能为空!", ""},
        {"TColorF", "color", "color_id", {"Edit1", "Edit2", "Memo1"}, "颜色代号不能为空!", "颜色代号重复"},
        {"TWidthF", "width", "width_id", {"Edit1", "Edit2", "Memo1"}, "幅宽代号不能为空!", "幅宽代号重复"},
        {"TStandardF", "standard", "standard_id", {"Edit1", "Edit2", "Memo1"}, "规格代号不能为空!", "规格代号重复"},
        {"TExchangeF", "exchange", "exchange_id", {"Edit1", "Edit2", "Edit3", "Memo1"}, "汇率代号不能为空!", "汇率代号重复"},
        {"TPaywayF", "payway", "payway_id", {"Edit1", "Edit2", "Edit3", "Memo1"}, "编号不能为空!", "编号重复"},
    };
    return all;
}

Editor editorOf(const QString &windowClass)
{
    for (const Editor &e : editors())
        if (e.windowClass == windowClass)
            return e;
    qFatal("no such editor");
}

void addEditorRows()
{
    QTest::addColumn<QString>("windowClass");
    for (const Editor &e : editors())
        QTest::newRow(qPrintable(e.windowClass)) << e.windowClass;
}

// A text a user may type into the field: a number for the rate, a date for
// the payment date, otherwise a text naming the field.
QString sampleText(const Editor &editor, const QString &control)
{
    if (control == QLatin1String("Edit3") && editor.windowClass == QLatin1String("TExchangeF"))
        return QStringLiteral("6.5");
    if (control == QLatin1String("Edit3") && editor.windowClass == QLatin1String("TPaywayF"))
        return QStringLiteral("2026-12-01");
    return QStringLiteral("值") + control;
}

void type(QWidget *window, const QString &control, const QString &text)
{
    QWidget *field = window->findChild<QWidget *>(control);
    QVERIFY2(field, qPrintable(control));
    if (auto *line = qobject_cast<QLineEdit *>(field))
        line->setText(text);
    else if (auto *memo = qobject_cast<QPlainTextEdit *>(field))
        memo->setPlainText(text);
}

QString textOf(QWidget *window, const QString &control)
{
    QWidget *field = window->findChild<QWidget *>(control);
    if (auto *line = qobject_cast<QLineEdit *>(field))
        return line->text();
    return qobject_cast<QPlainTextEdit *>(field)->toPlainText();
}

void click(QWidget *window, const QString &name)
{
    window->findChild<QAbstractButton *>(name)->click();
}

QAbstractButton *buttonCaptioned(QWidget *window, const QString &caption)
{
    for (QAbstractButton *b : window->findChildren<QAbstractButton *>())
        if (b->text() == caption)
            return b;
    return nullptr;
}

} // namespace

// The seven code-table editors, driven through their windows.
class EditorsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init()
    {
        m_db.reset();
        m_dialogs.clear();
    }

    void anEmptyKeyIsRefusedAfterTheQuestion_data() { addEditorRows(); }
    void anEmptyKeyIsRefusedAfterTheQuestion()
    {
        const Editor e = currentEditor();
        auto window = open(e.windowClass);
        type(window.get(), QStringLiteral("Edit2"), QStringLiteral("名称"));
        m_dialogs.answer({true});
        click(window.get(), QStringLiteral("BitBtn1"));
        QCOMPARE(m_dialogs.texts(), (QStringList{QStringLiteral("确定加入到下面表格中吗？"), e.emptyKey}));
        QCOMPARE(m_dialogs.shown[0].caption, QStringLiteral("提示"));
        QCOMPARE(m_dialogs.shown[0].icon, QMessageBox::Warning);
        QCOMPARE(rowCount(e), 0);

        m_dialogs.clear();
        click(window.get(), QStringLiteral("BitBtn1"));
        QCOMPARE(m_dialogs.texts(), QStringList{QStringLiteral("确定加入到下面表格中吗？")});
    }

    void aRefusedKeyAddsNothing_data() { addEditorRows(); }
    void aRefusedKeyAddsNothing()
    {
        const Editor e = currentEditor();
        auto window = open(e.windowClass);
        fillSample(window.get(), e, QStringLiteral("01"));
        m_dialogs.answer({true});
        click(window.get(), QStringLiteral("BitBtn1"));
        QCOMPARE(m_dialogs.last(), QStringLiteral("添加资料成功!"));
        m_dialogs.clear();
        m_dialogs.answer({true});
        click(window.get(), QStringLiteral("BitBtn1"));
        QCOMPARE(m_dialogs.shown.size(), 2);
        if (e.refused.isEmpty()) {
            QCOMPARE(m_dialogs.shown[1].icon, QMessageBox::Critical);
            QVERIFY(!m_dialogs.shown[1].text.isEmpty());
        } else {
            QCOMPARE(m_dialogs.shown[1].text, e.refused);
        }
        QCOMPARE(rowCount(e), 1);
        QCOMPARE(window->model().rowCount(), 1);
    }

    // Add and Modify store every entry field trimmed (the currencies' remark as
    // typed), the key too, padded with blanks to its fixed width; a key of
    // blanks only passes the empty-key test and is stored as an empty key.
    void theFieldsAreStoredTrimmed_data()
    {
        QTest::addColumn<QString>("windowClass");
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("key");
        for (const Editor &e : editors()) {
            const QByteArray name = e.windowClass.toLatin1();
            QTest::newRow(name + " add") << e.windowClass << "BitBtn1" << " K1 \n";
            QTest::newRow(name + " add, key of blanks") << e.windowClass << "BitBtn1" << "   ";
            QTest::newRow(name + " modify") << e.windowClass << "BitBtn2" << " K2 \n";
        }
    }
    void theFieldsAreStoredTrimmed()
    {
        QFETCH(QString, windowClass);
        QFETCH(QString, command);
        QFETCH(QString, key);
        const Editor e = editorOf(windowClass);
        const bool modify = command == QLatin1String("BitBtn2");
        if (modify)
            insertKeys(e, {"01", "02"});
        auto window = open(e.windowClass);
        if (modify) {
            window->refresh();
            window->setCurrentRow(1);
        }
        const auto typed = [&](const QString &control) {
            return QStringLiteral("  ") + sampleText(e, control) + QStringLiteral(" \n");
        };
        for (const QString &control : e.controls)
            type(window.get(), control, typed(control));
        type(window.get(), QStringLiteral("Edit1"), key);
        m_dialogs.answer({true});
        click(window.get(), command);
        QCOMPARE(m_dialogs.texts(), modify ? (QStringList{QStringLiteral("确定将修改加入到下面表格中吗？"), QStringLiteral("资料修改成功!")})
                                           : (QStringList{QStringLiteral("确定加入到下面表格中吗？"), QStringLiteral("添加资料成功!")}));

        const QString storedKey = asStored(e, {key.trimmed()}).first();
        const QVector<QVariant> row = storedRow(e, storedKey);
        QCOMPARE(row.size(), e.controls.size());
        QCOMPARE(row[0].toString(), storedKey);
        const db::Table &table = db::Schema::table(e.table);
        for (int c = 1; c < e.controls.size(); ++c) {
            const QString control = e.controls[c];
            if (table.columns[c].isNumber())
                QCOMPARE(row[c].toDouble(), sampleText(e, control).toDouble());
            else if (e.windowClass == QLatin1String("TExchangeF") && c == e.controls.size() - 1)
                QCOMPARE(row[c].toString(), typed(control));
            else
                QCOMPARE(row[c].toString(), sampleText(e, control));
        }
        if (modify) {
            QCOMPARE(keys(e), asStored(e, {"01", "K2"}));
        } else {
            QCOMPARE(rowCount(e), 1);
            QCOMPARE(window->focusWidget(), window->findChild<QWidget *>(QStringLiteral("Edit1")));
            QCOMPARE(textOf(window.get(), QStringLiteral("Edit2")), typed(QStringLiteral("Edit2")));
        }
    }

    void modifyChangesTheKeyOfTheCurrentRow_data() { addEditorRows(); }
    void modifyChangesTheKeyOfTheCurrentRow()
    {
        const Editor e = currentEditor();
        insertKeys(e, {"01", "02", "03"});
        auto window = open(e.windowClass);
        window->refresh();
        window->setCurrentRow(1);
        window->pickRow(1);
        type(window.get(), QStringLiteral("Edit1"), QStringLiteral(" 09 "));
        m_dialogs.answer({true});
        click(window.get(), QStringLiteral("BitBtn2"));
        QCOMPARE(m_dialogs.texts(), (QStringList{QStringLiteral("确定将修改加入到下面表格中吗？"), QStringLiteral("资料修改成功!")}));
        QCOMPARE(keys(e), asStored(e, {"01", "03", "09"}));
    }

    void modifyToAnExistingKeyGoesToTheErrorHandler_data() { addEditorRows(); }
    void modifyToAnExistingKeyGoesToTheErrorHandler()
    {
        const Editor e = currentEditor();
        insertKeys(e, {"01", "02"});
        auto window = open(e.windowClass);
        window->refresh();
        window->setCurrentRow(1);
        window->pickRow(1);
        type(window.get(), QStringLiteral("Edit1"), QStringLiteral("01"));
        m_dialogs.answer({true});
        click(window.get(), QStringLiteral("BitBtn2"));
        QCOMPARE(m_dialogs.shown.size(), 2);
        QCOMPARE(m_dialogs.shown[1].icon, QMessageBox::Critical);
        QCOMPARE(keys(e), asStored(e, {"01", "02"}));
        QVERIFY(window->isVisible());
    }

    void deleteRemovesTheCurrentRow_data() { addEditorRows(); }
    void deleteRemovesTheCurrentRow()
    {
        const Editor e = currentEditor();
        insertKeys(e, {"01", "02", "03"});
        auto window = open(e.windowClass);
        window->refresh();
        window->setCurrentRow(1);
        m_dialogs.answer({true});
        click(window.get(), QStringLiteral("BitBtn3"));
        QCOMPARE(m_dialogs.last(), QStringLiteral("已成功删除！"));
        QCOMPARE(keys(e), asStored(e, {"01", "03"}));
        QCOMPARE(window->model().rowCount(), 2);
    }

    void searchTestsTheChosenColumn_data()
    {
        QTest::addColumn<QString>("windowClass");
        QTest::addColumn<int>("choice");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QStringList>("shown");
        for (const Editor &e : editors()) {
            const QByteArray name = e.windowClass.toLatin1();
            // The currencies editor has a row test like the others.
            QTest::newRow(name + " key") << e.windowClass << 0 << "02" << QStringList{"02"};
            QTest::newRow(name + " name") << e.windowClass << 1 << "名称01" << QStringList{"01"};
            QTest::newRow(name + " untrimmed") << e.windowClass << 0 << " 02" << QStringList{};
            QTest::newRow(name + " nothing chosen") << e.windowClass << -1 << "02" << QStringList{"01", "02", "03"};
        }
    }
    void searchTestsTheChosenColumn()
    {
        QFETCH(QString, windowClass);
        QFETCH(int, choice);
        QFETCH(QString, value);
        QFETCH(QStringList, shown);
        const Editor e = editorOf(windowClass);
        insertKeys(e, {"01", "02", "03"});
        auto window = open(e.windowClass);
        window->findChild<QComboBox *>(QStringLiteral("ComboBox2"))->setCurrentIndex(choice);
        window->findChild<QComboBox *>(QStringLiteral("ComboBox1"))->setEditText(value);
        click(window.get(), QStringLiteral("SpeedButton1"));
        QStringList keysShown;
        for (int r = 0; r < window->model().rowCount(); ++r)
            keysShown << window->model().rowValues(r)[0].toString().trimmed();
        keysShown.sort();
        QCOMPARE(keysShown, shown);
        QVERIFY(m_dialogs.shown.isEmpty());

        click(window.get(), QStringLiteral("SpeedButton2"));
        QCOMPARE(window->model().rowCount(), 3);
    }

    void theSpecificationValueListIsTrimmed()
    {
        m_db.scalar(QStringLiteral("insert into standard (standard_id, standard) values (' 01 ', 'x'), ('01', 'y'), ('02 ', 'z')"));
        auto window = open(QStringLiteral("TStandardF"));
        window->findChild<QComboBox *>(QStringLiteral("ComboBox2"))->setCurrentIndex(0);
        auto *values = window->findChild<QComboBox *>(QStringLiteral("ComboBox1"));
        QCOMPARE(values->count(), 2);
        QCOMPARE(values->itemText(0), QStringLiteral("01"));
        QCOMPARE(values->itemText(1), QStringLiteral("02"));
    }

    void theWidthsWindowOpensEmptyUntilRefresh()
    {
        const Editor e = editorOf(QStringLiteral("TWidthF"));
        insertKeys(e, {"01", "02"});
        auto window = open(e.windowClass);
        QCOMPARE(window->model().rowCount(), 0);
        click(window.get(), QStringLiteral("SpeedButton2"));
        QCOMPARE(window->model().rowCount(), 2);
    }

    void theWidthsWindowIsOpenedByAdd()
    {
        const Editor e = editorOf(QStringLiteral("TWidthF"));
        insertKeys(e, {"01"});
        auto window = open(e.windowClass);
        fillSample(window.get(), e, QStringLiteral("02"));
        m_dialogs.answer({true});
        click(window.get(), QStringLiteral("BitBtn1"));
        QCOMPARE(window->model().rowCount(), 2);
    }

    void theRowPickFillsTheFields_data() { addEditorRows(); }
    void theRowPickFillsTheFields()
    {
        const Editor e = currentEditor();
        insertKeys(e, {"01", "02"});
        auto window = open(e.windowClass);
        window->refresh();
        window->pickRow(1);
        QCOMPARE(textOf(window.get(), QStringLiteral("Edit1")).trimmed(), QStringLiteral("02"));
        QCOMPARE(textOf(window.get(), QStringLiteral("Edit2")), QStringLiteral("名称02"));
        QCOMPARE(textOf(window.get(), e.controls.last()), QStringLiteral("备注02"));
    }

    void theGridIsTitledWithTheColumnTitles_data()
    {
        QTest::addColumn<QString>("windowClass");
        QTest::addColumn<QStringList>("titles");
        QTest::newRow("TSectionForm") << "TSectionForm" << QStringList{"部门编号", "部门名称", "备注"};
        QTest::newRow("TTypeF") << "TTypeF" << QStringList{"物品代号", "物品名称", "统计方式", "计量单位", "总分类", "备注"};
        QTest::newRow("TColorF") << "TColorF" << QStringList{"颜色代号", "颜色名称", "备注"};
        QTest::newRow("TWidthF") << "TWidthF" << QStringList{"幅宽代号", "名称", "备注"};
        QTest::newRow("TStandardF") << "TStandardF" << QStringList{"规格代号", "规格名称", "备注"};
        QTest::newRow("TExchangeF") << "TExchangeF" << QStringList{"汇率代号", "币别", "汇率", "备注"};
        QTest::newRow("TPaywayF") << "TPaywayF" << QStringList{"编号", "付款方式", "付款日期", "备注"};
    }
    void theGridIsTitledWithTheColumnTitles()
    {
        QFETCH(QString, windowClass);
        QFETCH(QStringList, titles);
        auto window = open(windowClass);
        QStringList shown;
        for (int c = 0; c < window->model().columnCount(); ++c)
            shown << window->model().headerData(c, Qt::Horizontal, Qt::DisplayRole).toString();
        QCOMPARE(shown, titles);
    }

    void enterWalksTheChainIntoTheRemarkAndOnToAdd_data() { addEditorRows(); }
    void enterWalksTheChainIntoTheRemarkAndOnToAdd()
    {
        const Editor e = currentEditor();
        auto window = open(e.windowClass);
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        window->findChild<QWidget *>(QStringLiteral("Edit1"))->setFocus();
        QStringList walked;
        for (int step = 0; step < e.controls.size(); ++step) {
            QWidget *focused = QApplication::focusWidget();
            walked << focused->objectName();
            QTest::keyClick(focused, Qt::Key_Return);
        }
        QStringList expected = e.controls;
        if (e.windowClass == QLatin1String("TPaywayF"))
            expected[2] = QStringLiteral("DateTimePicker1");
        QCOMPARE(walked, expected);
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("BitBtn1"));
        QCOMPARE(textOf(window.get(), e.controls.last()), QStringLiteral("\n"));
        QVERIFY(m_dialogs.shown.isEmpty());
        // The chain ends on 确定: Enter there runs it, as a click does.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(m_dialogs.texts(), QStringList{QStringLiteral("确定加入到下面表格中吗？")});
    }

    void hoverTurnsCaptionsRedAndPanelsTurnThemBack_data()
    {
        QTest::addColumn<QString>("windowClass");
        QTest::addColumn<QStringList>("highlighted");
        QTest::addColumn<QStringList>("resetting");
        const QStringList six{"确定", "修改", "删除", "退出", "刷新", "查询"};
        const QStringList allAreas{"Panel1", "Panel2", "Panel3", "DBGrid1"};
        QTest::newRow("TSectionForm") << "TSectionForm" << QStringList{"确定", "修改", "删除", "退出"} << QStringList{"Panel1", "Panel2", "Panel3"};
        QTest::newRow("TTypeF") << "TTypeF" << six << allAreas;
        QTest::newRow("TColorF") << "TColorF" << six << allAreas;
        QTest::newRow("TWidthF") << "TWidthF" << six << allAreas;
        QTest::newRow("TStandardF") << "TStandardF" << QStringList{"确定", "修改", "删除", "退出", "刷新"} << allAreas;
        QTest::newRow("TExchangeF") << "TExchangeF" << six << QStringList{"Panel2"};
        QTest::newRow("TPaywayF") << "TPaywayF" << six << allAreas;
    }
    void hoverTurnsCaptionsRedAndPanelsTurnThemBack()
    {
        QFETCH(QString, windowClass);
        QFETCH(QStringList, highlighted);
        QFETCH(QStringList, resetting);
        auto window = open(windowClass);
        for (const QString &caption : {"确定", "修改", "删除", "退出", "刷新", "查询"}) {
            QAbstractButton *b = buttonCaptioned(window.get(), caption);
            QVERIFY2(b, qPrintable(caption));
            QTest::mouseMove(b);
            QCOMPARE(reference::HoverHighlight::isHighlighted(b), highlighted.contains(caption));
        }
        for (const QString &area : {"Panel1", "Panel2", "Panel3", "DBGrid1"}) {
            for (const QString &caption : highlighted)
                QTest::mouseMove(buttonCaptioned(window.get(), caption));
            QWidget *target = window->findChild<QWidget *>(area);
            QVERIFY2(target, qPrintable(area));
            if (auto *grid = qobject_cast<QTableView *>(target))
                target = grid->viewport();
            QMouseEvent move(QEvent::MouseMove, QPointF(2, 2), target->mapToGlobal(QPointF(2, 2)), Qt::NoButton,
                             Qt::NoButton, Qt::NoModifier);
            QApplication::sendEvent(target, &move);
            const bool reset = resetting.contains(area);
            for (const QString &caption : highlighted)
                QCOMPARE(reference::HoverHighlight::isHighlighted(buttonCaptioned(window.get(), caption)), !reset);
        }
    }

    void onlyTheDepartmentsWindowHasAFixedSize_data() { addEditorRows(); }
    void onlyTheDepartmentsWindowHasAFixedSize()
    {
        const Editor e = currentEditor();
        auto window = open(e.windowClass);
        QCOMPARE(window->minimumSize() == window->maximumSize(), e.windowClass == QLatin1String("TSectionForm"));
    }

    void aRateThatIsNoNumberIsRefused()
    {
        const Editor e = editorOf(QStringLiteral("TExchangeF"));
        insertKeys(e, {"01"});
        auto window = open(e.windowClass);
        fillSample(window.get(), e, QStringLiteral("02"));
        type(window.get(), QStringLiteral("Edit3"), QStringLiteral("六点五"));
        m_dialogs.answer({true});
        click(window.get(), QStringLiteral("BitBtn1"));
        // Not a duplicate: the general error handler names the column and the value.
        QCOMPARE(m_dialogs.shown.size(), 2);
        QCOMPARE(m_dialogs.shown[1].icon, QMessageBox::Critical);
        QVERIFY(m_dialogs.last().contains(QStringLiteral("汇率")));
        QVERIFY(m_dialogs.last().contains(QStringLiteral("六点五")));
        QCOMPARE(rowCount(e), 1);

        m_dialogs.clear();
        window->refresh();
        window->setCurrentRow(0);
        m_dialogs.answer({true});
        click(window.get(), QStringLiteral("BitBtn2"));
        QCOMPARE(m_dialogs.shown.size(), 2);
        QCOMPARE(m_dialogs.shown[1].icon, QMessageBox::Critical);
        QVERIFY(m_dialogs.shown[1].text.contains(QStringLiteral("汇率")));
        QCOMPARE(m_db.scalar(QStringLiteral("select piece from exchange")).toString(), QStringLiteral("名称01"));

        m_dialogs.clear();
        type(window.get(), QStringLiteral("Edit3"), QStringLiteral(" "));
        m_dialogs.answer({true});
        click(window.get(), QStringLiteral("BitBtn2"));
        QCOMPARE(m_dialogs.last(), QStringLiteral("资料修改成功!"));
        QVERIFY(m_db.scalar(QStringLiteral("select exchange from exchange")).isNull());
    }

    void thePaymentDateComesFromTheCalendarOrTheRow()
    {
        m_db.scalar(QStringLiteral("insert into payway (payway_id, payway_name, payway_date, payway_memo) values "
                                   "('01', '月结', '2026-03-15', 'a'), ('02', '现金', '', 'b'), ('03', '支票', '下月', 'c')"));
        auto window = open(QStringLiteral("TPaywayF"));
        auto *calendar = window->findChild<QDateEdit *>(QStringLiteral("DateTimePicker1"));
        QCOMPARE(calendar->date(), QDate::currentDate());
        QCOMPARE(textOf(window.get(), QStringLiteral("Edit3")), QString());

        calendar->setDate(QDate(2026, 11, 30));
        QCOMPARE(textOf(window.get(), QStringLiteral("Edit3")), QStringLiteral("2026-11-30"));

        window->pickRow(0);
        QCOMPARE(calendar->date(), QDate(2026, 3, 15));
        QCOMPARE(textOf(window.get(), QStringLiteral("Edit3")), QStringLiteral("2026-03-15"));

        for (int row : {1, 2}) {
            window->pickRow(row);
            QCOMPARE(calendar->date(), QDate(2026, 3, 15));
            QCOMPARE(textOf(window.get(), QStringLiteral("Memo1")), QString(row == 1 ? "b" : "c"));
            QCOMPARE(textOf(window.get(), QStringLiteral("Edit3")), window->model().rowValues(row)[2].toString());
        }
        // Picking the date the calendar shows fills the text too.
        emit calendar->calendarWidget()->clicked(QDate(2026, 3, 15));
        QCOMPARE(textOf(window.get(), QStringLiteral("Edit3")), QStringLiteral("2026-03-15"));
        QVERIFY(m_dialogs.shown.isEmpty());
    }

    void aGridEditIsStoredWhenTheRowIsLeft()
    {
        const Editor e = editorOf(QStringLiteral("TColorF"));
        insertKeys(e, {"01", "02"});
        auto window = open(e.windowClass);
        QAbstractItemModel *model = window->grid()->model();
        window->setCurrentRow(0);
        QVERIFY(model->setData(model->index(0, 1), QStringLiteral(" 红 ")));
        QCOMPARE(m_db.scalar(QStringLiteral("select color_name from color where rtrim(color_id) = '01'")).toString(), QStringLiteral("名称01"));
        window->setCurrentRow(1);
        QCOMPARE(m_db.scalar(QStringLiteral("select color_name from color where rtrim(color_id) = '01'")).toString(), QStringLiteral(" 红 "));
    }

    // Down on the last row adds a blank row to the grid; left untouched, it is
    // dropped rather than stored as an empty row.
    void anUntouchedRowAddedInTheGridIsNotStored()
    {
        const Editor e = editorOf(QStringLiteral("TColorF"));
        insertKeys(e, {"01", "02"});
        auto window = open(e.windowClass);
        window->setCurrentRow(1);
        QTest::keyClick(window->grid(), Qt::Key_Down);
        QCOMPARE(window->model().rowCount(), 3);
        click(window.get(), QStringLiteral("SpeedButton2"));
        QVERIFY(m_dialogs.shown.isEmpty());
        QCOMPARE(window->model().rowCount(), 2);
        QCOMPARE(rowCount(e), 2);
    }

    // Ctrl+Delete deletes the grid's current row at once, without the Delete
    // command's question: exactly that row, though another holds the same values.
    void ctrlDeleteInTheGridDeletesExactlyTheCurrentRow_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<bool>("typedInto");
        QTest::addColumn<int>("twinsLeft");
        QTest::addColumn<int>("rowsLeft");
        QTest::newRow("second twin") << 1 << false << 1 << 2;
        QTest::newRow("first twin, typed into") << 0 << true << 1 << 2;
        QTest::newRow("other row") << 2 << false << 2 << 2;
        QTest::newRow("row added in the grid") << 3 << true << 2 << 3;
    }
    void ctrlDeleteInTheGridDeletesExactlyTheCurrentRow()
    {
        QFETCH(int, row);
        QFETCH(bool, typedInto);
        QFETCH(int, twinsLeft);
        QFETCH(int, rowsLeft);
        db::TableDataSet parts(m_db.connection(), QStringLiteral("peijin"));
        parts.open();
        for (const char *name : {"甲", "甲", "乙"})
            parts.append({QString::fromUtf8(name), QStringLiteral("A")});
        // A window over a keyless table, where two rows can be equal in every column.
        reference::ModuleDeclaration twins;
        twins.windowClass = QStringLiteral("TPartsF");
        twins.table = QStringLiteral("peijin");
        twins.fields = {{QStringLiteral("品名："), QStringLiteral("Edit1"), QStringLiteral("pname")},
                        {QStringLiteral("规格："), QStringLiteral("Edit2"), QStringLiteral("scale")}};
        twins.grid = {{QStringLiteral("pname"), 15}, {QStringLiteral("scale"), 15}};
        ModuleWindow window(m_db.connection(), twins);
        window.show();
        QAbstractItemModel *model = window.grid()->model();
        window.setCurrentRow(qMin(row, 2));
        if (row == 3)
            QTest::keyClick(window.grid(), Qt::Key_Down);
        QCOMPARE(window.currentRow(), row);
        if (typedInto)
            QVERIFY(model->setData(model->index(row, 1), QStringLiteral("改")));

        m_dialogs.answer({true});
        QTest::keyClick(window.grid(), Qt::Key_Delete, Qt::ControlModifier);
        QCOMPARE(m_dialogs.texts(), QStringList{QStringLiteral("确认删除你选择的数据吗？")});
        QCOMPARE(m_db.scalar(QStringLiteral("select count(*) from peijin where pname = '甲' and scale = 'A'")).toInt(), twinsLeft);
        QCOMPARE(m_db.scalar(QStringLiteral("select count(*) from peijin")).toInt(), rowsLeft);
        QCOMPARE(m_db.scalar(QStringLiteral("select count(*) from peijin where scale = '改'")).toInt(), 0);
        QCOMPARE(window.model().rowCount(), rowsLeft);
        QCOMPARE(window.model().pendingRow(), -1);
        QCOMPARE(window.currentRow(), qMin(row, rowsLeft - 1));
    }

    void twoWindowsOfOneEditorCloseOneByOne()
    {
        shell::MainWindow main(m_db.url());
        QWidget *first = main.openModule(QStringLiteral("TSectionForm"));
        QWidget *second = main.openModule(QStringLiteral("TSectionForm"));
        QVERIFY(first && second && first != second);
        auto *area = main.findChild<QMdiArea *>();
        QCOMPARE(area->subWindowList().size(), 2);
        QPointer<QWidget> firstAlive(first);
        click(first, QStringLiteral("BitBtn4"));
        QTRY_VERIFY(firstAlive.isNull());
        QCOMPARE(area->subWindowList().size(), 1);
        QCOMPARE(area->subWindowList().first()->widget(), second);
    }

private:
    Editor currentEditor()
    {
        QFETCH(QString, windowClass);
        return editorOf(windowClass);
    }

    std::unique_ptr<ModuleWindow> open(const QString &windowClass)
    {
        std::unique_ptr<ModuleWindow> window(
            qobject_cast<ModuleWindow *>(shell::ModuleWindows::factories().value(windowClass)(m_db.connection())));
        window->show();
        return window;
    }

    void fillSample(QWidget *window, const Editor &e, const QString &key)
    {
        for (const QString &control : e.controls)
            type(window, control, sampleText(e, control));
        type(window, QStringLiteral("Edit1"), key);
    }

    // Rows with the given keys, named "名称" and remarked "备注" after their
    // key, stored as the program stores them (fixed-width keys padded).
    void insertKeys(const Editor &e, const QStringList &keys)
    {
        db::TableDataSet table(m_db.connection(), e.table);
        table.open();
        const int columns = table.table().columns.size();
        for (const QString &key : keys) {
            QVector<QVariant> values(columns, QStringLiteral("2026-03-15"));
            values[0] = key;
            values[1] = QStringLiteral("名称") + key;
            values[columns - 1] = QStringLiteral("备注") + key;
            const int rate = table.table().columnIndex(QStringLiteral("exchange"));
            if (rate >= 0)
                values[rate] = 6.5;
            table.append(values);
        }
    }

    // The stored keys in order, exactly as stored.
    QStringList keys(const Editor &e)
    {
        QStringList result;
        QSqlQuery query = m_db.connection().run(QStringLiteral("select %1 from %2 order by %1").arg(e.keyColumn, e.table));
        while (query.next())
            result << query.value(0).toString();
        return result;
    }

    // Keys as a fixed-width key column holds them: padded with blanks to its width.
    static QStringList asStored(const Editor &e, const QStringList &keys)
    {
        const int width = db::Schema::table(e.table).column(e.keyColumn).width;
        QStringList result;
        for (const QString &key : keys)
            result << key.leftJustified(width, QLatin1Char(' '));
        return result;
    }

    // The stored row of that key, its columns in table order; empty when there is none.
    QVector<QVariant> storedRow(const Editor &e, const QString &key)
    {
        QStringList columns;
        for (const db::Column &c : db::Schema::table(e.table).columns)
            columns << c.sqlName();
        QSqlQuery query = m_db.connection().run(
            QStringLiteral("select %1 from %2 where %3 = ?").arg(columns.join(QStringLiteral(", ")), e.table, e.keyColumn),
            {key});
        QVector<QVariant> row;
        if (query.next()) {
            for (int c = 0; c < columns.size(); ++c)
                row << query.value(c);
        }
        return row;
    }

    int rowCount(const Editor &e) { return m_db.scalar(QStringLiteral("select count(*) from ") + e.table).toInt(); }

    TestDatabase m_db;
    ScriptedDialogs m_dialogs;
};

QTEST_MAIN(EditorsTest)
#include "tst_editors.moc"
