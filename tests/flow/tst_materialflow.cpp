#include "ScriptedDialogs.h"
#include "TestDatabase.h"

#include "db/ColumnValue.h"
#include "db/Schema.h"
#include "production/RequisitionApprovalWindow.h"
#include "purchasing/PurchaseOrderWindow.h"
#include "reference/EntryPanel.h"
#include "reference/CustomerRegisterWindow.h"
#include "reference/SupplierRegisterWindow.h"
#include "sales/CustomerOrderWindow.h"
#include "stock/MonthlyStockWindow.h"
#include "stock/StockInquiryWindow.h"
#include "stock/MaterialInspectionWindow.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDateEdit>
#include <QRadioButton>
#include <QSqlQuery>
#include <QTableView>
#include <QTableWidget>
#include <QtTest>

using stock::Family;

namespace {

// What the factory buys and keeps: one stock item.
struct Item {
    QString name;
    QString width;
    QString specification;
    QString colour;
    QString unit;
};

const Item Nylon{"尼龙布", "54\"", "1.2mm", "黑色", "Y"};
const Item ThinNylon{"尼龙布", "54\"", "0.8mm", "黑色", "Y"};
const Item Zip{"拉链", "3cm", "5#", "红", "PC"};

// The customer whose processing order the requisitions name.
const QString Customer = QStringLiteral("盈达");
const QString CustomerOrder = QStringLiteral("D001");

const QString Opened = QStringLiteral("添加资料成功!");
const QString AddedToStock = QStringLiteral("修改原有库存量成功!");

const QDate MonthStart(2024, 3, 1);
const QDate MonthEnd(2024, 3, 31);

using Entries = QVector<QPair<QString, QString>>;

void fill(reference::EntryPanel &panel, const Entries &entries)
{
    for (const auto &[control, text] : entries)
        panel.setText(control, text);
}

QComboBox *listField(const reference::EntryPanel &panel, const QString &control)
{
    return qobject_cast<QComboBox *>(panel.field(control));
}

QStringList itemsOf(const QComboBox *box)
{
    QStringList items;
    for (int i = 0; i < box->count(); ++i)
        items << box->itemText(i);
    return items;
}

// Picks the text from the list, as the user does, once the list offers it.
bool pick(QComboBox *box, const QString &text)
{
    const int index = box->findText(text);
    if (index < 0) {
        qWarning() << box->objectName() << "offers" << itemsOf(box) << "but not" << text;
        return false;
    }
    box->setCurrentIndex(index);
    emit box->textActivated(text);
    return true;
}

// A customer or order number as the order table's fixed-width columns hold it.
QString asStoredInOrders(const QString &text)
{
    return db::ColumnValue::toStored(db::Schema::table(QStringLiteral("indent")).column(QStringLiteral("c_id")), text)
        .toString();
}

QString cellText(const QAbstractItemModel *model, int row, int column)
{
    return model->index(row, column).data().toString();
}

} // namespace

// A day of the factory through its windows: the partners registered, a
// purchase order, its deliveries inspected and taken into stock, the stock
// inquiry, a requisition that issues material and the monthly stock report,
// each window reading what the one before it wrote.
class MaterialFlowTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init()
    {
        m_db.reset();
        m_dialogs.clear();
    }

    void aColourFabricFromOrderToMonthlyReport()
    {
        registerSupplier(QStringLiteral("F01"), QStringLiteral("华丰"));
        registerCustomerWithOrder(QStringLiteral("C01"));
        orderLine(QStringLiteral("华丰"), QStringLiteral("PO1"), Nylon, QStringLiteral("500"), QStringLiteral("2.5"),
                  QStringLiteral("1250"));
        orderLine(QStringLiteral("华丰"), QStringLiteral("PO1"), ThinNylon, QStringLiteral("200"), QStringLiteral("3"),
                  QStringLiteral("600"));

        // The first delivery before the month, the second within it, adding to the same row.
        QCOMPARE(receive(Family::ColourFabric, QStringLiteral("PO1"), Nylon, "2", "100", "2024-02-20"), Opened);
        QCOMPARE(receive(Family::ColourFabric, QStringLiteral("PO1"), Nylon, "3", "120.5", "2024-03-05"), AddedToStock);
        QCOMPARE(receive(Family::ColourFabric, QStringLiteral("PO1"), ThinNylon, "1", "50", "2024-03-06"), Opened);
        QCOMPARE(stockRows(QStringLiteral("yousekucun")),
                 (QStringList{"华丰|尼龙布|54\"|0.8mm|黑色|Y|1|50", "华丰|尼龙布|54\"|1.2mm|黑色|Y|5|220.5"}));

        QCOMPARE(inquiry(Family::ColourFabric, Nylon.name, Nylon.specification),
                 QStringList{"尼龙布|54\"|1.2mm|黑色|220.5"});
        QCOMPARE(inquiry(Family::ColourFabric, Nylon.name, QString()).size(), 2);

        QCOMPARE(approve(Family::ColourFabric, Nylon, QStringLiteral("30"), "2024-03-20"),
                 QStringLiteral("你选择的材料品名为：尼龙布   幅宽为：54\"   规格为：1.2mm   颜色为：黑色  这种材料的库存为:   220.5"));
        QCOMPARE(m_db.scalar(QStringLiteral("select cname from linliaoshen")).toString(), Customer);
        QCOMPARE(m_db.scalar(QStringLiteral("select corder from linliaoshen")).toString(), CustomerOrder);
        QCOMPARE(inquiry(Family::ColourFabric, Nylon.name, Nylon.specification),
                 QStringList{"尼龙布|54\"|1.2mm|黑色|190.5"});
        QCOMPARE(stockRows(QStringLiteral("yousekucun")).first(), QStringLiteral("华丰|尼龙布|54\"|0.8mm|黑色|Y|1|50"));

        // Opening, received, issued, closing; the closing is what the stock row holds.
        QCOMPARE(monthlyFigures(Family::ColourFabric),
                 (QStringList{"尼龙布|54\"|0.8mm|黑色|0|50|0|50", "尼龙布|54\"|1.2mm|黑色|100|120.5|30|190.5"}));
    }

    void anAuxiliaryMaterialKeepsOneStockRowPerSupplier()
    {
        registerSupplier(QStringLiteral("F01"), QStringLiteral("华丰"));
        registerSupplier(QStringLiteral("F02"), QStringLiteral("永信"));
        registerCustomerWithOrder(QStringLiteral("C01"));
        orderLine(QStringLiteral("华丰"), QStringLiteral("PO1"), Zip, QStringLiteral("100"), QStringLiteral("0.5"),
                  QStringLiteral("50"));
        orderLine(QStringLiteral("永信"), QStringLiteral("PO2"), Zip, QStringLiteral("100"), QStringLiteral("0.4"),
                  QStringLiteral("40"));

        QCOMPARE(receive(Family::AuxiliaryMaterial, QStringLiteral("PO1"), Zip, "1", "40", "2024-02-25"), Opened);
        QCOMPARE(receive(Family::AuxiliaryMaterial, QStringLiteral("PO2"), Zip, "2", "60", "2024-03-02"), Opened);
        QCOMPARE(receive(Family::AuxiliaryMaterial, QStringLiteral("PO1"), Zip, "1", "25", "2024-03-04"), AddedToStock);
        QCOMPARE(stockRows(QStringLiteral("fuliaokucun")),
                 (QStringList{"华丰|拉链|3cm|5#|红|PC|2|65", "永信|拉链|3cm|5#|红|PC|2|60"}));
        QCOMPARE(inquiry(Family::AuxiliaryMaterial, Zip.name, Zip.specification),
                 (QStringList{"拉链|3cm|5#|红|65", "拉链|3cm|5#|红|60"}));

        // The colour reports the stock of the row the issue takes from: the
        // first supplier's; the total falls by exactly the issue.
        QCOMPARE(approve(Family::AuxiliaryMaterial, Zip, QStringLiteral("30"), "2024-03-20"),
                 QStringLiteral("你选择的材料品名为：拉链   幅宽为：3cm   规格为：5#   颜色为：红  这种材料的库存为:   65"));
        QCOMPARE(stockRows(QStringLiteral("fuliaokucun")),
                 (QStringList{"华丰|拉链|3cm|5#|红|PC|2|35", "永信|拉链|3cm|5#|红|PC|2|60"}));
        QCOMPARE(m_db.scalar(QStringLiteral("select count(*) from linliaoshenfu")).toInt(), 1);
        QCOMPARE(m_db.scalar(QStringLiteral("select count(*) from linliaoshen")).toInt(), 0);

        // The report counts the item, whoever supplied it: each of its rows
        // shows the item's figures, closing at the sum of the rows.
        const QString itemFigures = QStringLiteral("拉链|3cm|5#|红|40|85|30|95");
        QCOMPARE(monthlyFigures(Family::AuxiliaryMaterial), (QStringList{itemFigures, itemFigures}));
        QCOMPARE(m_db.scalar(QStringLiteral("select sum(number) from fuliaokucun")).toDouble(), 95.0);
    }

private:
    void registerSupplier(const QString &id, const QString &name)
    {
        reference::SupplierRegisterWindow window(m_db.connection());
        window.show();
        fill(*window.entryPanel(), {{"Edit1", id}, {"Edit2", name}});
        pressAdd(window);
    }

    void registerCustomerWithOrder(const QString &id)
    {
        {
            reference::CustomerRegisterWindow window(m_db.connection());
            window.show();
            fill(*window.entryPanel(), {{"Edit1", id}, {"Edit2", Customer}});
            pressAdd(window);
        }
        sales::CustomerOrderWindow window(m_db.connection());
        window.show();
        QVERIFY(pick(listField(*window.entryPanel(), "ComboBox5"), Customer));
        fill(*window.entryPanel(), {{"Edit4", CustomerOrder}, {"ComboBox1", "贴合加工"}, {"Edit2", "1000"},
                                    {"DateTimePicker1", "2024-02-15"}});
        pressAdd(window);
    }

    // One line of a purchase order; Enter in 单价 works out 总价.
    void orderLine(const QString &supplier, const QString &order, const Item &item, const QString &quantity,
                   const QString &price, const QString &total)
    {
        purchasing::PurchaseOrderWindow window(m_db.connection());
        window.show();
        reference::EntryPanel &panel = *window.entryPanel();
        QVERIFY(pick(listField(panel, "ComboBox5"), supplier));
        fill(panel, {{"Edit7", order}, {"DateTimePicker1", "2024-02-10"}, {"ComboBox1", item.name},
                     {"ComboBox4", item.width}, {"ComboBox3", item.specification}, {"ComboBox7", item.colour},
                     {"ComboBox2", item.unit}, {"Edit3", quantity}, {"Edit4", price}});
        panel.field("Edit4")->setFocus();
        QTest::keyClick(panel.field("Edit4"), Qt::Key_Return);
        QCOMPARE(panel.text("Edit5"), total);
        pressAdd(window);
    }

    // One delivery: the inspection picked from the order's lines, written to
    // the inspection table and then to stock. Returns the stock write's message.
    QString receive(Family family, const QString &order, const Item &item, const char *pieces, const char *quantity,
                    const char *date)
    {
        stock::MaterialInspectionWindow window(m_db.connection());
        window.show();
        reference::EntryPanel &panel = *window.entryPanel();
        if (!pick(listField(panel, "ComboBox1"), order) || !pick(listField(panel, "ComboBox2"), item.name)
            || !pick(listField(panel, "ComboBox9"), item.width)
            || !pick(listField(panel, "ComboBox4"), item.specification)
            || !pick(listField(panel, "ComboBox3"), item.colour))
            return QStringLiteral("the order's lines do not offer the item");
        if (panel.text("ComboBox10") != item.unit)
            return QStringLiteral("unit %1 instead of %2").arg(panel.text("ComboBox10"), item.unit);
        fill(panel, {{"Edit22", pieces}, {"Edit23", quantity}, {"DateTimePicker1", date}});
        stock::InspectionPage *page =
            family == Family::ColourFabric ? window.colourFabric() : window.auxiliaryMaterial();
        m_dialogs.clear();
        m_dialogs.answer({true, true});
        page->button(page->declaration().commands.add)->click();
        page->stockButton()->click();
        return m_dialogs.last();
    }

    // The stock inquiry of the family narrowed by item and specification:
    // item, width, specification, colour and quantity of each row shown (the
    // grid shows item, colour, specification, width, quantity).
    QStringList inquiry(Family family, const QString &name, const QString &specification)
    {
        stock::StockInquiryWindow window(m_db.connection());
        window.show();
        window.findChild<QRadioButton *>(family == Family::ColourFabric ? "RadioButton1" : "RadioButton2")->click();
        auto *names = window.findChild<QComboBox *>("ComboBox2");
        if (!name.isEmpty() && !pick(names, name))
            return {};
        window.findChild<QComboBox *>("ComboBox3")->setEditText(specification);
        window.button(QStringLiteral("SpeedButton1"))->click();
        const QAbstractItemModel *grid = window.grid()->model();
        QStringList rows;
        for (int r = 0; r < grid->rowCount(); ++r)
            rows << QStringList{cellText(grid, r, 0), cellText(grid, r, 3), cellText(grid, r, 2), cellText(grid, r, 1),
                                cellText(grid, r, 4)}
                        .join(QLatin1Char('|'));
        return rows;
    }

    // A requisition line for the customer's processing order, the item picked through the
    // lists of its material class, approved on the family's tab. Returns what
    // the window said of the stock when the colour was picked.
    QString approve(Family family, const Item &item, const QString &issued, const char *date)
    {
        production::RequisitionApprovalWindow window(m_db.connection());
        window.show();
        reference::EntryPanel &panel = *window.entryPanel();
        const bool colour = family == Family::ColourFabric;
        fill(panel, {{"Edit1", "LL0001"}, {"DateTimePicker2", date}});
        // The customers and their orders come from the fixed-width order
        // columns and are offered as stored; the line keeps them trimmed.
        if (!pick(listField(panel, "ComboBox5"), asStoredInOrders(Customer))
            || !pick(listField(panel, "ComboBox10"), asStoredInOrders(CustomerOrder)))
            return QStringLiteral("the customer's order is not offered");
        m_dialogs.clear();
        if (!pick(listField(panel, "ComboBox11"), colour ? QStringLiteral("有色材料") : QStringLiteral("幅料"))
            || !pick(listField(panel, "ComboBox1"), item.name) || !pick(listField(panel, "ComboBox4"), item.width)
            || !pick(listField(panel, "ComboBox3"), item.specification)
            || !pick(listField(panel, "ComboBox7"), item.colour))
            return QStringLiteral("the stock lists do not offer the item");
        const QString stockShown = m_dialogs.last();
        fill(panel, {{"ComboBox2", item.unit}, {"Edit2", issued}, {"Edit3", issued}});
        m_dialogs.clear();
        m_dialogs.answer({true});
        window.findChild<QAbstractButton *>(colour ? "SpeedButton4" : "SpeedButton8")->click();
        if (m_dialogs.last() != AddedToStock)
            return m_dialogs.last();
        return stockShown;
    }

    // The monthly stock report of the family for the month: item, width,
    // specification, colour, opening, received, issued and closing per row.
    QStringList monthlyFigures(Family family)
    {
        stock::MonthlyStockWindow window(m_db.connection());
        window.show();
        for (QRadioButton *choice : window.findChildren<QRadioButton *>())
            if (choice->text() == (family == Family::ColourFabric ? QStringLiteral("有色材料") : QStringLiteral("副料")))
                choice->click();
        window.findChild<QDateEdit *>("DateTimePicker1")->setDate(MonthStart);
        window.findChild<QDateEdit *>("DateTimePicker2")->setDate(MonthEnd);
        window.findChild<QAbstractButton *>("BitBtn1")->click();
        QStringList rows;
        for (int r = 0; r < window.grid()->rowCount(); ++r) {
            QStringList cells;
            for (int c = 0; c < 8; ++c)
                cells << window.grid()->item(r, c)->text();
            rows << cells.join(QLatin1Char('|'));
        }
        return rows;
    }

    // The family's stock rows as stored, by supplier and specification.
    QStringList stockRows(const QString &table)
    {
        QSqlQuery q = m_db.connection().run(
            QStringLiteral("select f_name, pname, b1, scale, color, b2, jian, number from %1 order by f_name, scale").arg(table));
        QStringList rows;
        while (q.next()) {
            QStringList cells;
            for (int c = 0; c < 8; ++c)
                cells << (c < 6 ? q.value(c).toString() : QString::number(q.value(c).toDouble()));
            rows << cells.join(QLatin1Char('|'));
        }
        return rows;
    }

    void pressAdd(reference::ModuleWindow &window)
    {
        m_dialogs.clear();
        m_dialogs.answer({true});
        window.button(window.declaration().commands.add)->click();
        QCOMPARE(m_dialogs.texts(), (QStringList{"确定加入到下面表格中吗？", Opened}));
    }

    TestDatabase m_db;
    ScriptedDialogs m_dialogs;
};

QTEST_MAIN(MaterialFlowTest)
#include "tst_materialflow.moc"
