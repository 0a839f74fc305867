#include "ScriptedDialogs.h"
#include "TestDatabase.h"

#include "stock/StockInquiryWindow.h"
#include "stock/DailyStockReport.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTableView>
#include <QtTest>

using stock::Family;
using stock::StockInquiryWindow;

namespace {

constexpr int NameColumn = 0;
constexpr int QuantityColumn = 4;
constexpr int PriceColumn = 6;
constexpr int MoneyColumn = 7;

} // namespace

// The current-stock inquiry: family, conditions, price and amount in the grid,
// the warning boxes and the daily stock report.
class KuCunChaTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init()
    {
        m_db.reset();
        for (const char *table : {"yousekucun", "fuliaokucun"})
            for (const char *row : {"'网布', '54\"', '80g', 100", "'PU革', '60\"', '1.2mm', 20", "'PU革', '54\"', '1.2mm', 30",
                                    "'PU革', '54\"', '0.8mm', 40"})
                m_db.connection().run(QStringLiteral("insert into %1 (pname, b1, scale, number, b2) values (%2, 'Y')")
                                          .arg(QLatin1String(table), QString::fromUtf8(row)));
        m_dialogs.clear();
        m_window = std::make_unique<StockInquiryWindow>(m_db.connection());
        m_window->show();
    }
    void cleanup() { m_window.reset(); }

    void searchingNeedsAFamily()
    {
        m_window->search();
        QCOMPARE(m_dialogs.texts(), QStringList{"请先点先类别！"});
        QCOMPARE(m_window->grid()->model(), nullptr);
    }

    void choosingAFamilyFillsTheConditions()
    {
        choose("RadioButton2");
        QCOMPARE(m_window->table(Family::AuxiliaryMaterial).rowCount(), 4);
        QCOMPARE(items("ComboBox2"), (QStringList{"网布", "PU革"}));
        QCOMPARE(combo("ComboBox2")->currentText(), QStringLiteral("网布"));
        // The family fills the names only.
        QCOMPARE(combo("ComboBox3")->count(), 0);
        QCOMPARE(combo("ComboBox3")->currentText(), QString());
        // Picked from the list, even the name that already stands in the field.
        emit combo("ComboBox2")->activated(combo("ComboBox2")->currentIndex());
        QCOMPARE(items("ComboBox3"), QStringList{"80g"});
        QCOMPARE(combo("ComboBox3")->currentText(), QStringLiteral("80g"));
        combo("ComboBox2")->setEditText(QStringLiteral("PU革"));
        QCOMPARE(items("ComboBox3"), (QStringList{"0.8mm", "1.2mm"}));
        QCOMPARE(combo("ComboBox3")->currentText(), QStringLiteral("0.8mm"));
        m_window->search();
        QCOMPARE(m_window->table(Family::AuxiliaryMaterial).rowCount(), 1);
        QCOMPARE(m_window->grid()->model()->index(0, QuantityColumn).data().toString(), QStringLiteral("40"));
    }

    void conditions_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("specification");
        QTest::addColumn<int>("rows");
        QTest::newRow("both empty: all") << "" << "" << 4;
        QTest::newRow("specification only") << "" << "1.2mm" << 2;
        QTest::newRow("name only") << "PU革" << "" << 3;
        QTest::newRow("both") << "PU革" << "0.8mm" << 1;
        QTest::newRow("exact, case and all") << "pu革" << "" << 0;
    }
    void conditions()
    {
        QFETCH(QString, name);
        QFETCH(QString, specification);
        QFETCH(int, rows);
        choose("RadioButton1");
        combo("ComboBox2")->setEditText(name);
        combo("ComboBox3")->setEditText(specification);
        m_window->search();
        QCOMPARE(m_window->table(Family::ColourFabric).rowCount(), rows);
        m_window->refresh();
        QCOMPARE(m_window->table(Family::ColourFabric).rowCount(), 4);
    }

    void enterInThePriceColumnSetsTheAmount()
    {
        choose("RadioButton1");
        QAbstractItemModel *model = m_window->grid()->model();
        const int row = rowOf("80g");
        // Typed into the cell's editor, then Enter.
        m_window->grid()->setCurrentIndex(model->index(row, PriceColumn));
        m_window->grid()->edit(model->index(row, PriceColumn));
        auto *editor = m_window->grid()->findChild<QLineEdit *>();
        QVERIFY(editor);
        editor->setText(QStringLiteral("2.5"));
        QTest::keyClick(editor, Qt::Key_Return);
        QCoreApplication::processEvents();
        QCOMPARE(m_db.scalar(QStringLiteral("select money from yousekucun where scale = '80g'")).toDouble(), 250.0);
        QCOMPARE(m_db.scalar(QStringLiteral("select price from yousekucun where scale = '80g'")).toDouble(), 2.5);
    }

    void enterElsewhereComputesNothing()
    {
        choose("RadioButton1");
        QAbstractItemModel *model = m_window->grid()->model();
        const int row = rowOf("80g");
        model->setData(model->index(row, PriceColumn), QStringLiteral("2.5"), Qt::EditRole);
        m_window->grid()->setCurrentIndex(model->index(row, NameColumn));
        QTest::keyClick(m_window->grid(), Qt::Key_Return);
        m_window->button(QStringLiteral("SpeedButton4"))->click();
        QCOMPARE(m_dialogs.last(), QStringLiteral("修改成功!"));
        QCOMPARE(m_db.scalar(QStringLiteral("select price from yousekucun where scale = '80g'")).toDouble(), 2.5);
        QVERIFY(m_db.scalar(QStringLiteral("select money from yousekucun where scale = '80g'")).isNull());
    }

    void aPriceThatIsNoNumberIsRefused()
    {
        choose("RadioButton1");
        QAbstractItemModel *model = m_window->grid()->model();
        const int row = rowOf("80g");
        model->setData(model->index(row, PriceColumn), QStringLiteral("二元"), Qt::EditRole);
        m_window->grid()->setCurrentIndex(model->index(row, PriceColumn));
        QTest::keyClick(m_window->grid(), Qt::Key_Return);
        QVERIFY2(m_dialogs.last().contains(QStringLiteral("单价")), qPrintable(m_dialogs.last()));
        QVERIFY(m_db.scalar(QStringLiteral("select money from yousekucun where scale = '80g'")).isNull());
    }

    void closingStoresWhatWasTypedOrStaysOpen_data()
    {
        QTest::addColumn<QString>("quantity");
        QTest::addColumn<bool>("closed");
        QTest::addColumn<double>("stored");
        QTest::newRow("a number is stored") << "75" << true << 75.0;
        QTest::newRow("no number keeps the window open") << "七十五" << false << 100.0;
    }
    void closingStoresWhatWasTypedOrStaysOpen()
    {
        QFETCH(QString, quantity);
        QFETCH(bool, closed);
        QFETCH(double, stored);
        choose("RadioButton1");
        QAbstractItemModel *model = m_window->grid()->model();
        model->setData(model->index(rowOf("80g"), QuantityColumn), quantity, Qt::EditRole);
        QCOMPARE(m_window->close(), closed);
        QCOMPARE(m_window->isVisible(), !closed);
        QCOMPARE(m_dialogs.shown.size(), closed ? 0 : 1);
        QCOMPARE(m_db.scalar(QStringLiteral("select number from yousekucun where scale = '80g'")).toDouble(), stored);
    }

    void leavingARowStoresIt()
    {
        choose("RadioButton1");
        const int first = rowOf("80g");
        typeInto(first, QuantityColumn, QStringLiteral("75"));
        QTest::keyClick(editorAt(first, QuantityColumn), Qt::Key_Down);
        QCOMPARE(m_dialogs.shown.size(), 0);
        QCOMPARE(quantityOf("80g"), 75.0);
        // The row moved to takes typing of its own, stored when it is left in turn.
        const int second = m_window->grid()->currentIndex().row();
        QVERIFY(second != first);
        const QString where = whereOf(second);
        typeInto(second, QuantityColumn, QStringLiteral("33"));
        QTest::keyClick(editorAt(second, QuantityColumn), Qt::Key_Up);
        QCOMPARE(m_dialogs.shown.size(), 0);
        QCOMPARE(m_db.scalar(QStringLiteral("select number from yousekucun where ") + where).toDouble(), 33.0);
        QCOMPARE(quantityOf("80g"), 75.0);
    }

    void searchAndRefreshStoreTheTypedRowFirst_data()
    {
        QTest::addColumn<QString>("command");
        QTest::newRow("查询") << "SpeedButton1";
        QTest::newRow("刷新") << "SpeedButton2";
    }
    void searchAndRefreshStoreTheTypedRowFirst()
    {
        QFETCH(QString, command);
        choose("RadioButton1");
        combo("ComboBox2")->setEditText(QString());
        combo("ComboBox3")->setEditText(QString());
        QAbstractItemModel *model = m_window->grid()->model();
        QVERIFY(model->setData(model->index(rowOf("80g"), QuantityColumn), QStringLiteral("75"), Qt::EditRole));
        m_window->button(command)->click();
        QCOMPARE(m_dialogs.shown.size(), 0);
        QCOMPARE(quantityOf("80g"), 75.0);
        QCOMPARE(model->index(rowOf("80g"), QuantityColumn).data().toString(), QStringLiteral("75"));
    }

    // A row the database refuses stays typed and current; nothing that would
    // lose it runs, and the error is shown each time.
    void aRefusedRowKeepsTheGridOnIt()
    {
        choose("RadioButton1");
        combo("ComboBox2")->setEditText(QStringLiteral("网布"));
        combo("ComboBox3")->setEditText(QString());
        const int first = rowOf("80g");
        typeInto(first, QuantityColumn, QStringLiteral("七十五"));
        QTest::keyClick(editorAt(first, QuantityColumn), Qt::Key_Down);
        QCOMPARE(m_dialogs.shown.size(), 1);
        QCOMPARE(m_window->grid()->currentIndex().row(), first);
        QAbstractItemModel *model = m_window->grid()->model();
        QCOMPARE(model->index(first, QuantityColumn).data().toString(), QStringLiteral("七十五"));

        m_window->button(QStringLiteral("SpeedButton1"))->click();
        QCOMPARE(m_dialogs.shown.size(), 2);
        QCOMPARE(m_window->table(Family::ColourFabric).rowCount(), 4);
        m_window->button(QStringLiteral("SpeedButton2"))->click();
        QCOMPARE(m_dialogs.shown.size(), 3);
        choose("RadioButton2");
        QCOMPARE(m_dialogs.shown.size(), 4);
        QCOMPARE(m_window->family(), Family::ColourFabric);
        QVERIFY(m_window->findChild<QRadioButton *>(QStringLiteral("RadioButton1"))->isChecked());
        QCOMPARE(model->index(first, QuantityColumn).data().toString(), QStringLiteral("七十五"));
        QCOMPARE(quantityOf("80g"), 100.0);

        // Corrected, the row is stored and the search runs.
        QVERIFY(model->setData(model->index(first, QuantityColumn), QStringLiteral("75"), Qt::EditRole));
        m_window->button(QStringLiteral("SpeedButton1"))->click();
        QCOMPARE(m_dialogs.shown.size(), 4);
        QCOMPARE(quantityOf("80g"), 75.0);
        QCOMPARE(m_window->table(Family::ColourFabric).rowCount(), 1);
    }

    void deleteAsksWithNoAsTheDefault_data()
    {
        QTest::addColumn<QString>("radio");
        QTest::addColumn<QString>("question");
        QTest::addColumn<QString>("table");
        QTest::newRow("colour fabric") << "RadioButton1" << "确认删除有色材料库存表中的数据!" << "yousekucun";
        QTest::newRow("auxiliary material") << "RadioButton2" << "确认删除幅料库存表中的数据!" << "fuliaokucun";
    }
    void deleteAsksWithNoAsTheDefault()
    {
        QFETCH(QString, radio);
        QFETCH(QString, question);
        QFETCH(QString, table);
        choose(radio);
        m_window->grid()->setCurrentIndex(m_window->grid()->model()->index(0, 0));
        m_window->button(QStringLiteral("SpeedButton3"))->click();
        QCOMPARE(m_dialogs.shown.last().text, question);
        QCOMPARE(m_dialogs.shown.last().caption, QStringLiteral("警告"));
        QVERIFY(m_dialogs.shown.last().noIsDefault);
        QCOMPARE(m_db.scalar(QStringLiteral("select count(*) from %1").arg(table)).toInt(), 4);
        m_dialogs.answer({true});
        m_window->button(QStringLiteral("SpeedButton3"))->click();
        QCOMPARE(m_dialogs.last(), QStringLiteral("成功删除!"));
        QCOMPARE(m_db.scalar(QStringLiteral("select count(*) from %1").arg(table)).toInt(), 3);
    }

    void theDailyReportHoldsTheWholeFamilyAfterASearch()
    {
        choose("RadioButton1");
        combo("ComboBox3")->setEditText(QString());
        combo("ComboBox2")->setEditText(QStringLiteral("网布"));
        m_window->search();
        QCOMPARE(m_window->table(Family::ColourFabric).rowCount(), 1);
        m_dialogs.answer({true});
        m_window->button(QStringLiteral("SpeedButton5"))->click();
        QCOMPARE(m_dialogs.shown.first().text, QStringLiteral("确认打印全部有色材料库存表中的数据!"));
        QCOMPARE(m_dialogs.shown.first().caption, QStringLiteral("警告"));
        QVERIFY(m_dialogs.shown.first().noIsDefault);
        auto *report = m_window->findChild<stock::DailyStockReport *>();
        QVERIFY(report);
        const QStringList texts = report->document().pages().first().texts();
        QStringList lines;
        for (int i = 0; i + 1 < texts.size(); ++i)
            if (texts[i + 1].endsWith(QLatin1Char('"')))
                lines << texts[i] + QLatin1Char(' ') + texts[i + 1];
        // By item name, then width.
        QCOMPARE(lines, (QStringList{"PU革 54\"", "PU革 54\"", "PU革 60\"", "网布 54\""}));
        QVERIFY(texts.contains(QStringLiteral("仓库日报表")));
    }

private:
    void choose(const QString &radio) { m_window->findChild<QRadioButton *>(radio)->click(); }
    QComboBox *combo(const char *name) { return m_window->findChild<QComboBox *>(QLatin1String(name)); }
    QStringList items(const char *name)
    {
        QStringList texts;
        for (int i = 0; i < combo(name)->count(); ++i)
            texts << combo(name)->itemText(i);
        return texts;
    }
    // Typed as the user does: the cell's editor opened on the current cell.
    void typeInto(int row, int column, const QString &text)
    {
        const QModelIndex cell = m_window->grid()->model()->index(row, column);
        m_window->grid()->setCurrentIndex(cell);
        m_window->grid()->edit(cell);
        auto *editor = editorAt(row, column);
        QVERIFY(editor);
        editor->setText(text);
    }
    QLineEdit *editorAt(int row, int column)
    {
        return qobject_cast<QLineEdit *>(m_window->grid()->indexWidget(m_window->grid()->model()->index(row, column)));
    }
    // The condition that finds the stock row the grid shows at that place.
    QString whereOf(int row)
    {
        QAbstractItemModel *model = m_window->grid()->model();
        return QStringLiteral("scale = '%1' and b1 = '%2'")
            .arg(model->index(row, 2).data().toString(), model->index(row, 3).data().toString());
    }
    double quantityOf(const QString &specification)
    {
        return m_db.scalar(QStringLiteral("select number from yousekucun where scale = '%1'").arg(specification)).toDouble();
    }
    int rowOf(const QString &specification)
    {
        QAbstractItemModel *model = m_window->grid()->model();
        for (int r = 0; r < model->rowCount(); ++r)
            if (model->index(r, 2).data().toString() == specification)
                return r;
        return -1;
    }

    TestDatabase m_db;
    ScriptedDialogs m_dialogs;
    std::unique_ptr<StockInquiryWindow> m_window;
};

QTEST_MAIN(KuCunChaTest)
#include "tst_stockinquiry.moc"
