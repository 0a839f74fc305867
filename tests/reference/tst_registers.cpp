#include "ScriptedDialogs.h"
#include "TestDatabase.h"

#include "db/Schema.h"
#include "db/TableDataSet.h"
#include "db/TextForms.h"
#include "reference/EntryPanel.h"
#include "reference/HoverHighlight.h"
#include "reference/CustomerRegisterWindow.h"
#include "reference/SupplierRegisterWindow.h"
#include "reference/CustomerRegisterPrintout.h"
#include "reference/SupplierRegisterPrintout.h"
#include "shell/ModuleWindows.h"
#include "shell/MainWindow.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QFrame>
#include <QPlainTextEdit>
#include <QPointer>
#include <QProcess>
#include <QRegularExpression>
#include <QSqlQuery>
#include <QTableView>
#include <QTemporaryDir>
#include <QToolBar>
#include <QtTest>

using namespace reference;

namespace {

// What differs between the two registers, as the tests need it.
struct Register {
    QString windowClass;
    QString table;
    QStringList controls;           // entry fields in column order
    QString add;                    // the Add button
    QString modify;
    QString remove;
    QString chooser;                // the search column chooser
    QString byName;                 // its choice for the short name
    QString emptyKey;
    QString refused;
    QString title;                  // of the printout
    QStringList columnTitles;       // of the printout
};

const Register &customers()
{
    static const Register r{
        "TCustomerF", "customer",
        {"Edit1", "Edit2", "Edit3", "Edit4", "Edit5", "Edit11", "Edit12", "Edit13", "Edit14", "Memo1"},
        "BitBtn1", "BitBtn2", "BitBtn3", "ComboBox2", "客户名称", "客户编号不能为空!", "客户编号 重复!",
        "客  户  资  料",
        {"客户编号", "客户名称", "客户全称", "地址", "联系人", "电话", "传真", "E-Mail", "会计", "备注"}};
    return r;
}

const Register &suppliers()
{
    static const Register r{
        "TFactoryF", "factory",
        {"Edit1", "Edit2", "Edit3", "Edit4", "Edit5", "Edit11", "Edit12", "Edit13", "Memo1"},
        "SpeedButton4", "SpeedButton5", "SpeedButton6", "ComboBox8", "厂商简称", "厂商编号不能为空!", "厂商编号重复!",
        "厂  商  资  料",
        {"厂商编号", "厂商简称", "厂商全称", "地址", "联系人", "电话", "传真", "E-Mail", "备注"}};
    return r;
}

const Register &registerOf(const QString &windowClass)
{
    return windowClass == customers().windowClass ? customers() : suppliers();
}

// A partner row: key, short name, then made-up texts for the other columns.
QVector<QVariant> partner(const Register &r, const QString &id, const QString &name)
{
    QVector<QVariant> row{id, name};
    for (int c = 2; c < r.controls.size(); ++c)
        row << QStringLiteral("%1-%2").arg(name).arg(c);
    return row;
}

// The key as the register's fixed-width key column holds it: padded with
// blanks to the column's width.
QString keyAsStored(const Register &r, const QString &key)
{
    return key.leftJustified(db::Schema::table(r.table).column(QStringLiteral("id")).width, QLatin1Char(' '));
}

// A row as Add and Modify store it: every text trimmed, the key padded.
QVector<QVariant> asStored(const Register &r, const QVector<QVariant> &row)
{
    QVector<QVariant> stored;
    for (const QVariant &value : row)
        stored << value.toString().trimmed();
    stored[0] = keyAsStored(r, stored[0].toString());
    return stored;
}

// The text of a PDF as pdftotext reads it, pages ending in form feeds.
QString pdfText(const QString &path)
{
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {QStringLiteral("-enc"), QStringLiteral("UTF-8"), path, QStringLiteral("-")});
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return {};
    return QString::fromUtf8(process.readAllStandardOutput());
}

} // namespace

// The customer and supplier registers: their commands, search, Enter chain,
// hover highlight, and the printouts of the rows their grids show.
class RegistersTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init()
    {
        m_db.reset();
        m_dialogs.clear();
    }
    void cleanup() { m_window.reset(); }

    void customerRegisterShowsEveryCustomerOnOpening()
    {
        store(customers(), {{"C002", "晋江华丰"}, {"C001", "福州鞋业"}});
        open(customers());
        QCOMPARE(gridTexts(0), (QStringList{"C001", "C002"}));
    }

    void supplierRegisterStaysEmptyUntilRefreshed()
    {
        store(suppliers(), {{"F001", "华丰化工"}});
        open(suppliers());
        QCOMPARE(m_window->model().rowCount(), 0);
        QCOMPARE(m_window->focusWidget(), field("Edit1"));
        click("SpeedButton2");
        QCOMPARE(gridTexts(0), QStringList{"F001"});
    }

    void addStoresTheTrimmedTextsInColumnOrder_data() { registers(); }
    void addStoresTheTrimmedTextsInColumnOrder()
    {
        QFETCH(QString, windowClass);
        const Register &r = registerOf(windowClass);
        open(r);
        const QVector<QVariant> row = partner(r, "P01", "盈丰");
        for (int c = 0; c < r.controls.size(); ++c)
            m_window->entryPanel()->setText(r.controls[c], QStringLiteral("  %1 ").arg(row[c].toString()));
        field("Edit5")->setFocus();
        m_dialogs.answer({true});
        click(r.add);

        QCOMPARE(m_dialogs.texts(), (QStringList{"确定加入到下面表格中吗？", "添加资料成功!"}));
        QCOMPARE(m_db.scalar(QStringLiteral("select count(*) from %1").arg(r.table)).toInt(), 1);
        QCOMPARE(storedRow(r, keyAsStored(r, "P01")), asStored(r, row));
        QCOMPARE(gridTexts(1), QStringList{"盈丰"});
        // The customer register takes the focus back to the key; the supplier register leaves it.
        QCOMPARE(m_window->focusWidget(), field(r.windowClass == "TCustomerF" ? "Edit1" : "Edit5"));
    }

    // Modify overwrites the current row with the trimmed texts, its key too;
    // the supplier register once 刷新 has opened its table.
    void modifyStoresTheTrimmedTextsKeyIncluded_data() { registers(); }
    void modifyStoresTheTrimmedTextsKeyIncluded()
    {
        QFETCH(QString, windowClass);
        const Register &r = registerOf(windowClass);
        store(r, {{"P01", "甲"}, {"P02", "乙"}});
        open(r);
        click("SpeedButton2");
        m_window->setCurrentRow(1);
        m_window->pickRow(1);
        const QVector<QVariant> row = partner(r, "P09", "丙");
        for (int c = 0; c < r.controls.size(); ++c)
            m_window->entryPanel()->setText(r.controls[c], QStringLiteral("  %1 \n").arg(row[c].toString()));
        m_dialogs.answer({true});
        click(r.modify);

        QCOMPARE(m_dialogs.texts(), (QStringList{"确定将修改加入到下面表格中吗？", "资料修改成功!"}));
        QCOMPARE(m_db.scalar(QStringLiteral("select count(*) from %1").arg(r.table)).toInt(), 2);
        QCOMPARE(storedRow(r, keyAsStored(r, "P09")), asStored(r, row));
        QCOMPARE(storedRow(r, keyAsStored(r, "P01")), asStored(r, partner(r, "P01", "甲")));
        QVERIFY(storedRow(r, keyAsStored(r, "P02")).isEmpty());
        QCOMPARE(gridTexts(0), (QStringList{"P01", "P09"}));
    }

    void addRefusals_data()
    {
        QTest::addColumn<QString>("windowClass");
        QTest::addColumn<QString>("key");
        QTest::addColumn<bool>("duplicate");
        QTest::newRow("customer without key") << "TCustomerF" << "" << false;
        QTest::newRow("customer key taken") << "TCustomerF" << "C001" << true;
        QTest::newRow("supplier without key") << "TFactoryF" << "" << false;
        QTest::newRow("supplier key taken") << "TFactoryF" << "C001" << true;
    }
    void addRefusals()
    {
        QFETCH(QString, windowClass);
        QFETCH(QString, key);
        QFETCH(bool, duplicate);
        const Register &r = registerOf(windowClass);
        store(r, {{"C001", "原有"}});
        open(r);
        m_window->entryPanel()->setText("Edit1", key);
        m_window->entryPanel()->setText("Edit2", "新来");
        m_dialogs.answer({true});
        click(r.add);

        QCOMPARE(m_dialogs.last(), duplicate ? r.refused : r.emptyKey);
        QCOMPARE(m_dialogs.shown.size(), 2);
        QCOMPARE(m_db.scalar(QStringLiteral("select count(*) from %1").arg(r.table)).toInt(), 1);
        QCOMPARE(m_db.scalar(QStringLiteral("select name from %1").arg(r.table)).toString(), QStringLiteral("原有"));
    }

    // Before 刷新 a modify or a delete reaches the general error handler; nothing changes.
    void supplierCommandsBeforeTheTableOpens_data()
    {
        QTest::addColumn<QString>("button");
        QTest::newRow("modify") << suppliers().modify;
        QTest::newRow("delete") << suppliers().remove;
    }
    void supplierCommandsBeforeTheTableOpens()
    {
        QFETCH(QString, button);
        store(suppliers(), {{"F001", "华丰化工"}});
        open(suppliers());
        m_dialogs.answer({true});
        click(button);

        QCOMPARE(m_dialogs.shown.size(), 2);
        QCOMPARE(m_dialogs.shown.last().icon, QMessageBox::Critical);
        QCOMPARE(m_db.scalar("select count(*) from factory").toInt(), 1);
        QCOMPARE(m_db.scalar("select name from factory").toString(), QStringLiteral("华丰化工"));
    }

    void modifyChangesOnlyTheRegister()
    {
        store(customers(), {{"C001", "福州鞋业"}});
        m_db.connection().run("insert into cpriceform (c_name) values (?)", {QStringLiteral("福州鞋业")});
        open(customers());
        m_window->pickRow(0);
        m_window->entryPanel()->setText("Edit2", "福州新鞋业");
        m_dialogs.answer({true});
        click(customers().modify);

        QCOMPARE(m_dialogs.last(), QStringLiteral("资料修改成功!"));
        QCOMPARE(m_db.scalar("select name from customer").toString(), QStringLiteral("福州新鞋业"));
        QCOMPARE(m_db.scalar("select c_name from cpriceform").toString(), QStringLiteral("福州鞋业"));
    }

    void rowPickCopiesEveryColumn_data() { registers(); }
    void rowPickCopiesEveryColumn()
    {
        QFETCH(QString, windowClass);
        const Register &r = registerOf(windowClass);
        store(r, {{"P01", "甲"}});
        open(r);
        click("SpeedButton2");
        m_window->pickRow(0);
        const QVector<QVariant> row = partner(r, "P01", "甲");
        for (int c = 0; c < r.controls.size(); ++c)
            QCOMPARE(m_window->entryPanel()->text(r.controls[c]).trimmed(), row[c].toString());
    }

    void searchByShortNameListsSharedNamesOnce_data() { registers(); }
    void searchByShortNameListsSharedNamesOnce()
    {
        QFETCH(QString, windowClass);
        const Register &r = registerOf(windowClass);
        store(r, {{"P01", "晋江"}, {"P02", "福州"}, {"P03", "晋江"}});
        open(r);
        searchFor(r, r.byName, "晋江");

        auto *values = m_window->findChild<QComboBox *>("ComboBox1");
        QCOMPARE(values->count(), 2);
        QCOMPARE(gridTexts(0), (QStringList{"P01", "P03"}));
        click("SpeedButton2");
        QCOMPARE(gridTexts(0), (QStringList{"P01", "P02", "P03"}));
    }

    void searchByKey_data() { registers(); }
    void searchByKey()
    {
        QFETCH(QString, windowClass);
        const Register &r = registerOf(windowClass);
        store(r, {{"P01", "晋江"}, {"P02", "福州"}});
        open(r);
        auto *chooser = m_window->findChild<QComboBox *>(r.chooser);
        chooser->setCurrentIndex(0);
        auto *values = m_window->findChild<QComboBox *>("ComboBox1");
        values->setCurrentIndex(values->findText("P02", Qt::MatchStartsWith));
        click("SpeedButton1");
        QCOMPARE(gridTexts(1), QStringList{"福州"});
    }

    void enterWalksTheFieldsToTheAddButton()
    {
        open(customers());
        const QStringList chain = customers().controls;
        field(chain.first())->setFocus();
        for (int i = 1; i < chain.size(); ++i) {
            QTest::keyClick(m_window->focusWidget(), Qt::Key_Return);
            QCOMPARE(m_window->focusWidget()->objectName(), chain[i]);
        }
        QTest::keyClick(field("Memo1"), Qt::Key_Return);
        QCOMPARE(m_window->focusWidget(), m_window->button("BitBtn1"));
        QVERIFY(m_dialogs.shown.isEmpty());
    }

    void enterInTheSupplierRemarkAdds_data()
    {
        QTest::addColumn<bool>("yes");
        QTest::newRow("yes") << true;
        QTest::newRow("no") << false;
    }
    void enterInTheSupplierRemarkAdds()
    {
        QFETCH(bool, yes);
        open(suppliers());
        const QStringList chain = suppliers().controls;
        for (int i = 1; i < chain.size(); ++i) {
            QTest::keyClick(m_window->focusWidget(), Qt::Key_Return);
            QCOMPARE(m_window->focusWidget()->objectName(), chain[i]);
        }
        m_window->entryPanel()->setText("Edit1", "F009");
        m_window->entryPanel()->setText("Memo1", "月结");
        m_dialogs.answer({yes});
        QTest::keyClick(field("Memo1"), Qt::Key_Return);

        QCOMPARE(m_dialogs.shown.first().text, QStringLiteral("确定加入到下面表格中吗？"));
        QCOMPARE(m_db.scalar("select count(*) from factory").toInt(), yes ? 1 : 0);
        if (yes)
            QCOMPARE(m_db.scalar("select memo from factory").toString(), QStringLiteral("月结"));
        // The Enter that ran the command is no line break of the remark.
        QCOMPARE(m_window->entryPanel()->text("Memo1"), QStringLiteral("月结"));
    }

    void hoverHighlight_data()
    {
        QTest::addColumn<QString>("windowClass");
        QTest::addColumn<QStringList>("buttons");
        QTest::addColumn<QStringList>("resetting");
        QTest::addColumn<QStringList>("notResetting");
        const QStringList speedButtons{"SpeedButton1", "SpeedButton2", "SpeedButton3"};
        QTest::newRow("customer") << "TCustomerF"
                                  << (QStringList{"BitBtn1", "BitBtn2", "BitBtn3", "BitBtn4"} + speedButtons)
                                  << QStringList{"Panel1", "Panel2", "Panel3", "DBGrid1"} << QStringList{};
        QTest::newRow("supplier") << "TFactoryF"
                                  << (QStringList{"SpeedButton4", "SpeedButton5", "SpeedButton6", "SpeedButton7"}
                                      + speedButtons)
                                  << QStringList{"Panel1", "Panel2", "DBGrid1"} << QStringList{"Panel3"};
    }
    void hoverHighlight()
    {
        QFETCH(QString, windowClass);
        QFETCH(QStringList, buttons);
        QFETCH(QStringList, resetting);
        QFETCH(QStringList, notResetting);
        open(registerOf(windowClass));
        const auto hoverAll = [&] {
            for (const QString &name : buttons) {
                hover(m_window->button(name));
                QVERIFY2(HoverHighlight::isHighlighted(m_window->button(name)), qPrintable(name));
            }
        };
        for (const QString &area : notResetting) {
            hoverAll();
            hover(areaNamed(area));
            QVERIFY2(HoverHighlight::isHighlighted(m_window->button(buttons.first())), qPrintable(area));
        }
        for (const QString &area : resetting) {
            hoverAll();
            hover(areaNamed(area));
            for (const QString &name : buttons)
                QVERIFY2(!HoverHighlight::isHighlighted(m_window->button(name)), qPrintable(area + " " + name));
        }
    }

    void printoutHoldsTheRowsTheGridShows_data() { registers(); }
    void printoutHoldsTheRowsTheGridShows()
    {
        QFETCH(QString, windowClass);
        const Register &r = registerOf(windowClass);
        store(r, {{"P03", "晋江"}, {"P01", "晋江"}, {"P02", "福州"}});
        open(r);
        searchFor(r, r.byName, "晋江");
        const report::Document document = print()->document();

        QCOMPARE(document.pageCount(), 1);
        const QStringList texts = document.pages().first().texts();
        const qsizetype first = texts.indexOf(QRegularExpression("P01\\s*"));
        QVERIFY(first > 0);
        QVERIFY(texts.indexOf(QRegularExpression("P03\\s*")) > first);
        QVERIFY(!texts.contains(QStringLiteral("福州")));
        QVERIFY(!texts.contains(QRegularExpression("P02\\s*")));
        for (int c = 2; c < r.controls.size(); ++c)
            QVERIFY(texts.contains(QStringLiteral("晋江-%1").arg(c)));
    }

    void printoutRepeatsItsHeadersOnEveryPage_data() { registers(); }
    void printoutRepeatsItsHeadersOnEveryPage()
    {
        QFETCH(QString, windowClass);
        const Register &r = registerOf(windowClass);
        QVector<QPair<QString, QString>> many;
        for (int i = 1; i <= 60; ++i)
            many.append({QStringLiteral("P%1").arg(i, 3, 10, QLatin1Char('0')), QStringLiteral("伙伴%1").arg(i)});
        store(r, many);
        open(r);
        click("SpeedButton2");
        const report::Document document = print()->document();

        QVERIFY(document.pageCount() > 1);
        QCOMPARE(document.paper().width, 297.0);
        int rows = 0;
        for (const report::Page &page : document.pages()) {
            const QStringList texts = page.texts();
            QVERIFY(texts.contains(r.title));
            QCOMPARE(texts.at(texts.indexOf(QStringLiteral("制表日：")) + 1), db::shortDate(QDate::currentDate()));
            for (const QString &title : r.columnTitles)
                QVERIFY2(texts.contains(title), qPrintable(title));
            rows += int(texts.filter(QRegularExpression("^伙伴\\d+$")).size());
        }
        QCOMPARE(rows, 60);
    }

    void unopenedSupplierRegisterPrintsOnePageOfHeaders()
    {
        store(suppliers(), {{"F001", "华丰化工"}});
        open(suppliers());
        const report::Document document = print()->document();

        QCOMPARE(document.pageCount(), 1);
        const QStringList texts = document.pages().first().texts();
        QVERIFY(texts.contains(suppliers().title));
        QVERIFY(texts.contains(QStringLiteral("厂商简称")));
        QVERIFY(!texts.contains(QStringLiteral("华丰化工")));
    }

    // Every field prints in a one-line cell: a remark's line breaks print as blanks.
    void printoutPrintsLineBreaksAsBlanks_data() { registers(); }
    void printoutPrintsLineBreaksAsBlanks()
    {
        QFETCH(QString, windowClass);
        const Register &r = registerOf(windowClass);
        QVector<QVariant> row = partner(r, "P01", "晋江");
        row.last() = QStringLiteral("月结\n30天\r\n现金");
        db::TableDataSet table(m_db.connection(), r.table);
        table.open();
        table.append(row);
        open(r);
        click("SpeedButton2");
        const QStringList texts = print()->document().pages().first().texts();
        QVERIFY(texts.contains(QStringLiteral("月结 30天 现金")));
        QVERIFY(texts.filter(QRegularExpression(QStringLiteral("[\r\n]"))).isEmpty());
    }

    void printoutTakesATypedGridRow()
    {
        store(customers(), {{"C001", "福州鞋业"}});
        open(customers());
        m_window->model().setData(m_window->model().index(0, 1), QStringLiteral("福州新鞋业"), Qt::EditRole);
        const QStringList texts = print()->document().pages().first().texts();
        QVERIFY(texts.contains(QStringLiteral("福州新鞋业")));
        QCOMPARE(m_db.scalar("select name from customer").toString(), QStringLiteral("福州新鞋业"));
    }

    void everyPrintBuildsAnotherPrintoutThatLivesWithTheWindow_data() { registers(); }
    void everyPrintBuildsAnotherPrintoutThatLivesWithTheWindow()
    {
        QFETCH(QString, windowClass);
        open(registerOf(windowClass));
        QPointer<report::PrintPreview> first = print();
        first->close();
        QPointer<report::PrintPreview> second = print();
        QVERIFY(first && second && first != second);
        QCOMPARE(first->parent(), m_window.get());
        m_window.reset();
        QVERIFY(!first && !second);
    }

    void printoutPdfReadsBack_data() { registers(); }
    void printoutPdfReadsBack()
    {
        QFETCH(QString, windowClass);
        const Register &r = registerOf(windowClass);
        QVector<QPair<QString, QString>> rows{{"P01", "晋江华丰"}, {"P02", "福州鞋业"}};
        for (int i = 3; i <= 40; ++i)
            rows.append({QStringLiteral("P%1").arg(i, 2, 10, QLatin1Char('0')), QStringLiteral("伙伴%1").arg(i)});
        store(r, rows);
        open(r);
        click("SpeedButton2");
        QTemporaryDir dir;
        const QString path = dir.filePath("register.pdf");
        const report::Document document = print()->document();
        QVERIFY(document.pageCount() > 1);
        QVERIFY(document.writePdf(path));

        QString text = pdfText(path);
        QCOMPARE(text.count(QLatin1Char('\f')), document.pageCount());
        text.remove(QRegularExpression(QStringLiteral("\\s")));
        QCOMPARE(text.count(QString(r.title).remove(' ')), document.pageCount());
        QCOMPARE(text.count(QStringLiteral("制表日：") + db::shortDate(QDate::currentDate())), document.pageCount());
        for (const QString &title : r.columnTitles)
            QVERIFY2(text.count(title) >= document.pageCount(), qPrintable(title));
        for (const char *value : {"P01", "晋江华丰", "晋江华丰-3", "P02", "福州鞋业", "福州鞋业-4"})
            QVERIFY2(text.contains(QString::fromUtf8(value)), value);
    }

    void menuAndToolbarOpenTheRegisters_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("windowClass");
        QTest::addColumn<QString>("title");
        QTest::newRow("customers") << "N16" << "客户资料" << "TCustomerF" << "客户基本资料维护";
        QTest::newRow("suppliers") << "N25" << "厂商资料" << "TFactoryF" << "厂商基本资料维护";
    }
    void menuAndToolbarOpenTheRegisters()
    {
        QFETCH(QString, item);
        QFETCH(QString, caption);
        QFETCH(QString, windowClass);
        QFETCH(QString, title);
        shell::MainWindow main(m_db.url());
        main.command(item)->trigger();
        QWidget *fromMenu = main.latestWindow(windowClass);
        QVERIFY(fromMenu);
        QCOMPARE(fromMenu->windowTitle(), title);
        for (QAction *a : main.findChild<QToolBar *>("ToolBar1")->actions())
            if (a->text() == caption)
                a->trigger();
        QWidget *fromToolbar = main.latestWindow(windowClass);
        QVERIFY(fromToolbar && fromToolbar != fromMenu);
        QCOMPARE(fromToolbar->metaObject()->className(), fromMenu->metaObject()->className());
    }

private:
    // One row per register.
    static void registers()
    {
        QTest::addColumn<QString>("windowClass");
        QTest::newRow("customer") << customers().windowClass;
        QTest::newRow("supplier") << suppliers().windowClass;
    }

    void store(const Register &r, const QVector<QPair<QString, QString>> &partners)
    {
        db::TableDataSet table(m_db.connection(), r.table);
        table.open();
        for (const auto &[id, name] : partners)
            table.append(partner(r, id, name));
    }

    void open(const Register &r)
    {
        m_window.reset(static_cast<ModuleWindow *>(shell::ModuleWindows::factories().value(r.windowClass)(m_db.connection())));
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    }

    // The stored row of that key, exactly as stored, its columns in table
    // order; empty when there is none.
    QVector<QVariant> storedRow(const Register &r, const QString &key)
    {
        QStringList columns;
        for (const db::Column &c : db::Schema::table(r.table).columns)
            columns << c.sqlName();
        QSqlQuery query = m_db.connection().run(
            QStringLiteral("select %1 from %2 where id = ?").arg(columns.join(QStringLiteral(", ")), r.table), {key});
        QVector<QVariant> row;
        if (query.next()) {
            for (int c = 0; c < columns.size(); ++c)
                row << query.value(c);
        }
        return row;
    }

    QWidget *field(const QString &control) const { return m_window->entryPanel()->field(control); }

    void click(const QString &button) { m_window->button(button)->click(); }

    void searchFor(const Register &r, const QString &column, const QString &value)
    {
        auto *chooser = m_window->findChild<QComboBox *>(r.chooser);
        chooser->setCurrentIndex(chooser->findText(column));
        m_window->findChild<QComboBox *>("ComboBox1")->setCurrentText(value);
        click("SpeedButton1");
    }

    // The grid's texts in one column, trimmed.
    QStringList gridTexts(int column) const
    {
        QStringList texts;
        const db::DataSetModel &model = m_window->model();
        for (int row = 0; row < model.rowCount(); ++row)
            texts << model.index(row, column).data().toString().trimmed();
        return texts;
    }

    report::PrintPreview *print()
    {
        const auto before = m_window->findChildren<report::PrintPreview *>();
        click("SpeedButton3");
        const auto after = m_window->findChildren<report::PrintPreview *>();
        return after.size() == before.size() + 1 ? after.last() : nullptr;
    }

    QWidget *areaNamed(const QString &name) const
    {
        if (name == QLatin1String("DBGrid1"))
            return m_window->grid()->viewport();
        return m_window->findChild<QFrame *>(name);
    }

    static void hover(QWidget *widget)
    {
        QEvent enter(QEvent::Enter);
        QCoreApplication::sendEvent(widget, &enter);
    }

    TestDatabase m_db;
    ScriptedDialogs m_dialogs;
    std::unique_ptr<ModuleWindow> m_window;
};

QTEST_MAIN(RegistersTest)
#include "tst_registers.moc"
