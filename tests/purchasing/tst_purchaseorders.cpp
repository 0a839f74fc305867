#include "ScriptedDialogs.h"
#include "TestDatabase.h"

#include "db/TextForms.h"
#include "purchasing/PurchaseOrderPrintout.h"
#include "purchasing/PurchaseOrderWindow.h"
#include "reference/EntryPanel.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QTableView>
#include <QtTest>

using purchasing::PurchaseOrderWindow;

namespace {

constexpr int MountColumn = 10;

} // namespace

// The purchase-order window: the order number it needs, the line total, the
// search and the numbered printout.
class DinggoudanTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init()
    {
        m_db.reset();
        m_dialogs.clear();
        m_window = std::make_unique<PurchaseOrderWindow>(m_db.connection());
        m_window->show();
        m_window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    }
    void cleanup() { m_window.reset(); }

    void anOrderLineNeedsItsNumber_data()
    {
        QTest::addColumn<bool>("byEnter");
        QTest::newRow("确定") << false;
        QTest::newRow("Enter in 备注") << true;
    }
    void anOrderLineNeedsItsNumber()
    {
        QFETCH(bool, byEnter);
        panel().setText("Edit7", "  ");
        if (byEnter)
            QTest::keyClick(panel().field("Edit2"), Qt::Key_Return);
        else
            m_window->button("SpeedButton4")->click();
        QCOMPARE(m_dialogs.texts(), QStringList{"订购单号不能为空"});
        QCOMPARE(m_db.scalar("select count(*) from procureform").toInt(), 0);
    }

    void addStoresTheLineTrimmed()
    {
        enterLine("PO-7", " 5 ", "2.5");
        panel().setText("ComboBox5", " 华丰 ");
        panel().setText("DateTimePicker1", "2024-03-05");
        m_dialogs.answer({true});
        QTest::keyClick(panel().field("Edit2"), Qt::Key_Return);
        QCOMPARE(m_dialogs.texts(), (QStringList{"确定加入到下面表格中吗？", "添加资料成功!"}));
        QCOMPARE(m_db.scalar("select f_name from procureform").toString(), QStringLiteral("华丰"));
        QCOMPARE(m_db.scalar("select mount from procureform").toDouble(), 5.0);
        QCOMPARE(db::shortDate(m_window->table().value(0, "d_date").toDateTime()), QStringLiteral("2024-03-05"));
    }

    void lineTotal_data()
    {
        QTest::addColumn<QString>("quantity");
        QTest::addColumn<QString>("price");
        QTest::addColumn<QString>("total");     // empty: the message, 总价 unchanged
        QTest::newRow("whole times decimal") << "3" << "2.5" << "7.5";
        QTest::newRow("no trailing zeros") << "4" << "2.5" << "10";
        QTest::newRow("decimal quantity") << "1.5" << "2" << "";
        QTest::newRow("empty price") << "3" << "" << "";
        QTest::newRow("letters") << "三" << "2" << "";
    }
    void lineTotal()
    {
        QFETCH(QString, quantity);
        QFETCH(QString, price);
        QFETCH(QString, total);
        panel().setText("Edit3", quantity);
        panel().setText("Edit4", price);
        panel().setText("Edit5", "old");
        panel().field("Edit4")->setFocus();
        QTest::keyClick(panel().field("Edit4"), Qt::Key_Return);
        if (total.isEmpty()) {
            QCOMPARE(m_dialogs.texts(), QStringList{"请检查送货数量和本位单价是否是整数和实数值!"});
            QCOMPARE(panel().text("Edit5"), QStringLiteral("old"));
            QCOMPARE(QApplication::focusWidget(), panel().field("Edit4"));
        } else {
            QCOMPARE(panel().text("Edit5"), total);
            QCOMPARE(QApplication::focusWidget(), panel().field("Edit5"));
        }
    }

    void searchModes_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("value");
        QTest::addColumn<int>("rows");
        QTest::newRow("order number, dated today") << 1 << "PO1" << 1;
        QTest::newRow("supplier, dated today") << 0 << "华丰" << 2;
        QTest::newRow("订货日期") << 2 << "" << 2;
        QTest::newRow("预交日期 tests the order date too") << 3 << "" << 2;
    }
    void searchModes()
    {
        QFETCH(int, mode);
        QFETCH(QString, value);
        QFETCH(int, rows);
        const QDate today = QDate::currentDate();
        for (const auto &[order, date, due] : {std::tuple{"PO1", today, today.addDays(30)},
                                               std::tuple{"PO1", today.addDays(-3), today},
                                               std::tuple{"PO2", today, today.addDays(-9)}})
            m_db.connection().run("insert into procureform (f_name, id, d_date, p_date) values ('华丰', ?, ?, ?)",
                                  {QString::fromUtf8(order), QDateTime(date, QTime(0, 0)), QDateTime(due, QTime(0, 0))});
        auto *chooser = m_window->findChild<QComboBox *>("ComboBox8");
        QVERIFY(!m_window->rangeFrom()->isVisibleTo(m_window.get()));
        chooser->setCurrentIndex(mode);
        QVERIFY(m_window->rangeFrom()->isVisibleTo(m_window.get()));
        if (!value.isEmpty())
            m_window->findChild<QComboBox *>("ComboBox6")->setEditText(value);
        m_window->search();
        QCOMPARE(m_window->table().rowCount(), rows);
    }

    void consecutivePrintsShowConsecutiveNumbers()
    {
        m_db.connection().run("update inc set linid = '41' where id = '2'");
        m_window->button("SpeedButton3")->click();
        m_window->button("SpeedButton3")->click();
        const auto previews = m_window->findChildren<purchasing::PurchaseOrderPrintout *>();
        QCOMPARE(previews.size(), 2);
        QVERIFY(previews[0]->document().pages().first().texts().contains("NO.41"));
        QVERIFY(previews[1]->document().pages().first().texts().contains("NO.42"));
        QCOMPARE(m_db.scalar("select linid from inc where id = '2'").toString(), QStringLiteral("43"));
    }

    void aBadCounterShowsNoPreview_data()
    {
        QTest::addColumn<QString>("statement");
        QTest::newRow("not a whole number") << "update inc set linid = '4a' where id = '2'";
        QTest::newRow("missing") << "delete from inc where id = '2'";
    }
    void aBadCounterShowsNoPreview()
    {
        QFETCH(QString, statement);
        m_db.connection().run(statement);
        const QVariant before = m_db.scalar("select linid from inc where id = '2'");
        m_window->button("SpeedButton3")->click();
        QCOMPARE(m_dialogs.shown.size(), 1);
        QVERIFY2(m_dialogs.last().contains(QStringLiteral("订购单计数")), qPrintable(m_dialogs.last()));
        QVERIFY(m_window->findChildren<purchasing::PurchaseOrderPrintout *>().isEmpty());
        QCOMPARE(m_db.scalar("select linid from inc where id = '2'"), before);
    }

    void aRefusedGridRowTakesNoNumber()
    {
        m_db.connection().run("insert into procureform (id, f_name, pname, mount) values ('PO-7', '华丰', '网布', 5)");
        m_db.connection().run("update inc set linid = '41' where id = '2'");
        m_window->refresh();
        QAbstractItemModel *grid = m_window->grid()->model();
        QVERIFY(grid->setData(grid->index(0, MountColumn), QStringLiteral("五"), Qt::EditRole));
        m_window->button("SpeedButton3")->click();
        QCOMPARE(m_dialogs.shown.size(), 1);
        QVERIFY(m_window->findChildren<purchasing::PurchaseOrderPrintout *>().isEmpty());
        QCOMPARE(m_db.scalar("select linid from inc where id = '2'").toString(), QStringLiteral("41"));
        // Corrected, the row is stored and the print takes the number the counter held.
        QVERIFY(grid->setData(grid->index(0, MountColumn), QStringLiteral("6"), Qt::EditRole));
        m_window->button("SpeedButton3")->click();
        const auto previews = m_window->findChildren<purchasing::PurchaseOrderPrintout *>();
        QCOMPARE(previews.size(), 1);
        QVERIFY(previews[0]->document().pages().first().texts().contains("NO.41"));
        QCOMPARE(m_db.scalar("select mount from procureform").toDouble(), 6.0);
    }

    void aPrintoutWithoutRowsKeepsItsBands()
    {
        m_window->button("SpeedButton3")->click();
        const QStringList texts =
            m_window->findChild<purchasing::PurchaseOrderPrintout *>()->document().pages().first().texts();
        for (const char *text : {"订  购  单", "品        名", "产品需如附样，如有不符请自行负责。"})
            QVERIFY2(texts.contains(QString::fromUtf8(text)), text);
    }

private:
    reference::EntryPanel &panel() { return *m_window->entryPanel(); }
    void enterLine(const QString &order, const QString &quantity, const QString &price)
    {
        panel().setText("Edit7", order);
        panel().setText("Edit3", quantity);
        panel().setText("Edit4", price);
    }

    TestDatabase m_db;
    ScriptedDialogs m_dialogs;
    std::unique_ptr<PurchaseOrderWindow> m_window;
};

QTEST_MAIN(DinggoudanTest)
#include "tst_purchaseorders.moc"
