#include "PanelCaptions.h"
#include "ScriptedDialogs.h"
#include "TestDatabase.h"

#include "reference/EntryPanel.h"
#include "reference/HoverHighlight.h"
#include "sales/CustomerOrderWindow.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDateEdit>
#include <QLayout>
#include <QtTest>

using sales::CustomerOrderWindow;

namespace {

const QDate Today = QDate::currentDate();

} // namespace

// The customer orders: what Add and Modify store, and the four search modes.
class OrderTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init()
    {
        m_db.reset();
        m_dialogs.clear();
        m_window = std::make_unique<CustomerOrderWindow>(m_db.connection());
        m_window->show();
    }
    void cleanup() { m_window.reset(); }

    void addStoresTheCutCustomerAndNumberAndAnEmptySpecification()
    {
        addOrder(QStringLiteral(" 晋江华丰鞋业有限公司 "), QStringLiteral("2024-0301-AB"), Today);
        QCOMPARE(m_dialogs.last(), QStringLiteral("添加资料成功!"));
        QCOMPARE(m_db.scalar(QStringLiteral("select c_id from indent")).toString().trimmed(), QStringLiteral("晋江华丰鞋"));
        QCOMPARE(m_db.scalar(QStringLiteral("select num from indent")).toString(), QStringLiteral("2024-0301-"));
        QCOMPARE(m_db.scalar(QStringLiteral("select standard from indent")).toString(), QString());
        QVERIFY(!m_db.scalar(QStringLiteral("select standard from indent")).isNull());
        QCOMPARE(m_db.scalar(QStringLiteral("select i_count from indent")).toDouble(), 1200.0);
    }

    void searchModes_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QStringList>("numbers");
        // Orders: A1 of 华丰 today, A2 of 华丰 last month, B1 of 东升 today.
        QTest::newRow("客户名称 today") << 0 << "华丰" << QStringList{"A1"};
        QTest::newRow("订单号码 ignores dates") << 1 << "A2" << QStringList{"A2"};
        QTest::newRow("订单日期") << 2 << "" << QStringList{"A1", "B1"};
        QTest::newRow("预交日期 tests the order date") << 3 << "" << QStringList{"A1", "B1"};
    }
    void searchModes()
    {
        QFETCH(int, mode);
        QFETCH(QString, value);
        QFETCH(QStringList, numbers);
        addOrder(QStringLiteral("华丰"), QStringLiteral("A1"), Today);
        addOrder(QStringLiteral("华丰"), QStringLiteral("A2"), Today.addMonths(-1));
        addOrder(QStringLiteral("东升"), QStringLiteral("B1"), Today, Today.addMonths(-1));
        combo(QStringLiteral("ComboBox8"))->setCurrentIndex(mode);
        if (!value.isEmpty()) {
            QComboBox *values = combo(QStringLiteral("ComboBox6"));
            const int found = values->findText(value, Qt::MatchStartsWith);
            QVERIFY2(found >= 0, "the value list holds the stored values");
            values->setCurrentIndex(found);
        }
        m_window->findChild<QAbstractButton *>(QStringLiteral("SpeedButton1"))->click();
        QStringList shown;
        for (int r = 0; r < m_window->table().rowCount(); ++r)
            shown << m_window->table().value(r, QStringLiteral("num")).toString().trimmed();
        shown.sort();
        QCOMPARE(shown, numbers);
    }

    // 客户名称 and 订单号码 keep 10 bytes: two long values that share their
    // first 10 bytes are stored alike, the value list holds the stored value
    // once, and searching by it finds both rows but not the short one.
    void searchListsAndMatchesTheCutValues_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("column");
        QTest::addColumn<QStringList>("typed");
        QTest::addColumn<QString>("stored");
        QTest::newRow("客户名称") << 0 << "c_id" << QStringList{"晋江华丰鞋业有限公司", "晋江华丰鞋材厂", "东升"}
                              << "晋江华丰鞋";
        QTest::newRow("订单号码") << 1 << "num" << QStringList{"2024-0301-AB", "2024-0301-CD", "2024-0302"}
                              << "2024-0301-";
    }
    void searchListsAndMatchesTheCutValues()
    {
        QFETCH(int, mode);
        QFETCH(QString, column);
        QFETCH(QStringList, typed);
        QFETCH(QString, stored);
        for (int i = 0; i < typed.size(); ++i) {
            if (mode == 0)
                addOrder(typed[i], QStringLiteral("A%1").arg(i), Today);
            else
                addOrder(QStringLiteral("华丰"), typed[i], Today);
        }
        combo(QStringLiteral("ComboBox8"))->setCurrentIndex(mode);
        QComboBox *values = combo(QStringLiteral("ComboBox6"));
        QStringList listed;
        for (int i = 0; i < values->count(); ++i)
            listed << values->itemText(i).trimmed();
        listed.sort();
        QStringList expected{stored, typed.last()};
        expected.sort();
        QCOMPARE(listed, expected);
        const int found = values->findText(stored);
        QVERIFY2(found >= 0, "the cut value fills the column and is listed without blanks");
        values->setCurrentIndex(found);
        m_window->findChild<QAbstractButton *>(QStringLiteral("SpeedButton1"))->click();
        QStringList shown;
        for (int r = 0; r < m_window->table().rowCount(); ++r)
            shown << m_window->table().value(r, column).toString();
        QCOMPARE(shown, (QStringList{stored, stored}));
    }

    void theSearchRowShowsWhatTheModeTests_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<bool>("values");
        QTest::addColumn<bool>("dates");
        QTest::newRow("none chosen") << -1 << false << false;
        QTest::newRow("客户名称") << 0 << true << true;
        QTest::newRow("订单号码") << 1 << true << false;
        QTest::newRow("订单日期") << 2 << false << true;
    }
    void theSearchRowShowsWhatTheModeTests()
    {
        QFETCH(int, mode);
        QFETCH(bool, values);
        QFETCH(bool, dates);
        combo(QStringLiteral("ComboBox8"))->setCurrentIndex(mode);
        QCOMPARE(combo(QStringLiteral("ComboBox6"))->isVisible(), values);
        QCOMPARE(m_window->findChild<QDateEdit *>(QStringLiteral("DateTimePicker3"))->isVisible(), dates);
        QCOMPARE(m_window->findChild<QDateEdit *>(QStringLiteral("DateTimePicker4"))->isVisible(), dates);
    }

    void modifyAfterARowPickWritesTheShownCustomerMaterial()
    {
        m_window->entryPanel()->setText(QStringLiteral("ComboBox7"), QStringLiteral("客供PU"));
        addOrder(QStringLiteral("华丰"), QStringLiteral("A1"), Today);
        m_window->entryPanel()->setText(QStringLiteral("ComboBox7"), QStringLiteral("客供EVA"));
        m_db.connection().run(QStringLiteral("update indent set standard = 'old'"));
        m_window->table().reopen();
        m_window->pickRow(0);
        QCOMPARE(m_window->entryPanel()->text(QStringLiteral("ComboBox7")), QStringLiteral("客供EVA"));
        QCOMPARE(m_window->entryPanel()->text(QStringLiteral("Edit4")).trimmed(), QStringLiteral("A1"));
        m_dialogs.answer({true});
        m_window->findChild<QAbstractButton *>(QStringLiteral("SpeedButton5"))->click();
        QCOMPARE(m_dialogs.last(), QStringLiteral("资料修改成功!"));
        QCOMPARE(m_db.scalar(QStringLiteral("select c_order from indent")).toString(), QStringLiteral("客供EVA"));
        QCOMPARE(m_db.scalar(QStringLiteral("select standard from indent")).toString(), QString());
    }

    // The grid stays empty until 刷新, 查询 or Add: Modify and Delete before
    // that end in the general error handler and leave the stored order alone.
    void commandsBeforeTheTableOpens_data()
    {
        QTest::addColumn<QString>("button");
        QTest::newRow("修改") << "SpeedButton5";
        QTest::newRow("删除") << "SpeedButton6";
    }
    void commandsBeforeTheTableOpens()
    {
        QFETCH(QString, button);
        m_db.connection().run(QStringLiteral("insert into indent (c_id, num, c_order) values ('华丰', 'A1', '客供PU')"));
        m_window->entryPanel()->setText(QStringLiteral("ComboBox7"), QStringLiteral("客供EVA"));
        m_dialogs.answer({true});
        m_window->findChild<QAbstractButton *>(button)->click();
        QCOMPARE(m_dialogs.shown.size(), 2);
        QCOMPARE(m_dialogs.shown.last().icon, QMessageBox::Critical);
        QCOMPARE(m_db.scalar(QStringLiteral("select count(*) from indent")).toInt(), 1);
        QCOMPARE(m_db.scalar(QStringLiteral("select c_order from indent")).toString(), QStringLiteral("客供PU"));
    }

    // 刷新 stands with the commands, before 退出; the search group holds 查询 alone.
    void theButtonsStandInTheirPanels()
    {
        QCOMPARE(panelCaptions(m_window.get(), QStringLiteral("Panel2")),
                 (QStringList{"确定", "修改", "删除", "刷新", "退出"}));
        QCOMPARE(panelCaptions(m_window.get(), QStringLiteral("Panel3")), QStringList{"查询"});
    }

    void aQuantityThatIsNoNumberStoresNothing()
    {
        m_window->entryPanel()->setText(QStringLiteral("Edit2"), QStringLiteral("一千"));
        m_dialogs.answer({true});
        m_window->findChild<QAbstractButton *>(QStringLiteral("SpeedButton4"))->click();
        QVERIFY(m_dialogs.last().contains(QStringLiteral("一千")));
        QCOMPARE(m_db.scalar(QStringLiteral("select count(*) from indent")).toInt(), 0);
    }

    void theTitleStripsOfTheFramedPanelsTurnTheCaptionsBack_data()
    {
        QTest::addColumn<QString>("group");
        QTest::newRow("订单信息") << "GroupBox1";
        QTest::newRow("查找设定") << "GroupBox2";
    }
    void theTitleStripsOfTheFramedPanelsTurnTheCaptionsBack()
    {
        QFETCH(QString, group);
        auto *add = m_window->findChild<QAbstractButton *>(QStringLiteral("SpeedButton4"));
        QTest::mouseMove(add);
        QVERIFY(reference::HoverHighlight::isHighlighted(add));
        auto *box = m_window->findChild<QWidget *>(group);
        QMouseEvent move(QEvent::MouseMove, QPointF(4, 2), box->mapToGlobal(QPointF(4, 2)), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(box, &move);
        QVERIFY(!reference::HoverHighlight::isHighlighted(add));
    }

private:
    QComboBox *combo(const QString &name) { return m_window->findChild<QComboBox *>(name); }

    void addOrder(const QString &customer, const QString &number, const QDate &ordered, const QDate &due = Today)
    {
        reference::EntryPanel *entry = m_window->entryPanel();
        entry->setText(QStringLiteral("ComboBox5"), customer);
        entry->setText(QStringLiteral("Edit4"), number);
        entry->setText(QStringLiteral("ComboBox1"), QStringLiteral("PU贴合布"));
        entry->setText(QStringLiteral("Edit2"), QStringLiteral("1200"));
        entry->setText(QStringLiteral("Edit3"), QStringLiteral("0.92"));
        m_window->findChild<QDateEdit *>(QStringLiteral("DateTimePicker1"))->setDate(ordered);
        m_window->findChild<QDateEdit *>(QStringLiteral("DateTimePicker2"))->setDate(due);
        m_dialogs.answer({true});
        m_window->findChild<QAbstractButton *>(QStringLiteral("SpeedButton4"))->click();
    }

    TestDatabase m_db;
    ScriptedDialogs m_dialogs;
    std::unique_ptr<CustomerOrderWindow> m_window;
};

QTEST_MAIN(OrderTest)
#include "tst_order.moc"
