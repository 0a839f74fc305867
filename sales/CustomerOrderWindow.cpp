#include "sales/CustomerOrderWindow.h"

#include "db/Schema.h"

namespace sales {

using reference::Area;
using reference::EntryField;
using reference::FieldKind;
using reference::SearchTest;
using reference::ModuleDeclaration;

namespace {

ModuleDeclaration windowDeclaration()
{
    ModuleDeclaration d;
    d.windowClass = CustomerOrderWindow::FormName;
    d.caption = QStringLiteral("客戶訂單管理");
    d.table = QStringLiteral("indent");
    d.entryCaption = QStringLiteral("订单信息：");
    d.searchCaption = QStringLiteral("查找设定");
    // In the order Enter walks through them; Enter in 备注 adds the row.
    d.fields = {
        EntryField{QStringLiteral("客户名称："), QStringLiteral("ComboBox5"), QStringLiteral("c_id"), FieldKind::Choice}
            .listing(QStringLiteral("customer"), QStringLiteral("name")),
        {QStringLiteral("订单号码："), QStringLiteral("Edit4"), QStringLiteral("num")},
        EntryField{QStringLiteral("规格及名称："), QStringLiteral("ComboBox1"), QStringLiteral("pname"), FieldKind::Choice}
            .listing(QStringLiteral("indent"), QStringLiteral("pname")),
        EntryField{QStringLiteral("单        位："), QStringLiteral("ComboBox2"), QStringLiteral("p_module"), FieldKind::Choice}
            .offering(reference::Units),
        {QStringLiteral("订  单  量："), QStringLiteral("Edit2"), QStringLiteral("i_count")},
        EntryField{QStringLiteral("币        别："), QStringLiteral("ComboBox4"), QStringLiteral("piece"), FieldKind::Choice}
            .offering(reference::Currencies),
        {QStringLiteral("汇        率："), QStringLiteral("Edit3"), QStringLiteral("exchange")},
        {QStringLiteral("订单日期："), QStringLiteral("DateTimePicker1"), QStringLiteral("i_date"), FieldKind::Date},
        {QStringLiteral("预交日期："), QStringLiteral("DateTimePicker2"), QStringLiteral("pdate"), FieldKind::Date},
        // The row pick leaves 代料名称 as it is: a following Modify writes what it shows.
        EntryField{QStringLiteral("代料名称："), QStringLiteral("ComboBox7"), QStringLiteral("c_order"), FieldKind::Choice}
            .listing(QStringLiteral("indent"), QStringLiteral("c_order"))
            .leftByRowPick(),
        {QStringLiteral("备　　注："), QStringLiteral("Edit7"), QStringLiteral("memo")},
    };
    d.grid = {
        {QStringLiteral("c_id"), 10},
        {QStringLiteral("num"), 10},
        {QStringLiteral("pname"), 30},
        {QStringLiteral("p_module"), 8},
        {QStringLiteral("standard"), 15},
        {QStringLiteral("i_count"), 8},
        {QStringLiteral("piece"), 8},
        {QStringLiteral("exchange"), 8},
        {QStringLiteral("i_date"), 10},
        {QStringLiteral("pdate"), 10},
        {QStringLiteral("memo"), 20},
        {QStringLiteral("c_order"), 50},
    };
    d.commands.add = QStringLiteral("SpeedButton4");
    d.commands.modify = QStringLiteral("SpeedButton5");
    d.commands.remove = QStringLiteral("SpeedButton6");
    d.commands.refresh = QStringLiteral("SpeedButton2");
    d.commands.exit = QStringLiteral("SpeedButton7");
    d.commands.search = QStringLiteral("SpeedButton1");
    d.searchChooser = QStringLiteral("ComboBox8");
    d.searchValues = QStringLiteral("ComboBox6");
    d.search = {
        {QStringLiteral("客户名称"), QStringLiteral("c_id")},
        {QStringLiteral("订单号码"), QStringLiteral("num"), SearchTest::ValueOnly},
        {QStringLiteral("订单日期"), QStringLiteral("i_date"), SearchTest::RangeOnly},
        // Tests the order date as well, not the delivery date.
        {QStringLiteral("预交日期"), QStringLiteral("i_date"), SearchTest::RangeOnly},
    };
    d.dateRange.column = QStringLiteral("i_date");
    d.dateRange.from = QStringLiteral("DateTimePicker3");
    d.dateRange.to = QStringLiteral("DateTimePicker4");
    d.dateRange.hidden = reference::HiddenUntilChosen::RangeAndValues;
    // The grid stays empty until 刷新, 查询 or Add; Modify and Delete before
    // that have no table to work on and end in the general error handler.
    d.opening = reference::TableOpening::OnFirstCommand;
    d.closedTableDelete = reference::ClosedTableDelete::Fails;
    d.lastFieldEnter = reference::LastFieldEnter::Adds;
    d.refreshButton = reference::RefreshButton::AmongCommands;
    d.hoverButtons = {d.commands.add, d.commands.modify, d.commands.remove, d.commands.refresh, d.commands.exit,
                      d.commands.search};
    d.hoverResetAreas = {Area::Entry, Area::Commands, Area::Search, Area::Grid};
    return d;
}

} // namespace

CustomerOrderWindow::CustomerOrderWindow(db::Connection &connection, QWidget *parent)
    : ModuleWindow(connection, windowDeclaration(), parent)
{
}

QVector<QVariant> CustomerOrderWindow::enteredRow(const QVector<QVariant> &row) const
{
    QVector<QVariant> values = ModuleWindow::enteredRow(row);
    // The window has no field for 规格: every row it writes holds `standard` empty.
    values[db::Schema::table(QStringLiteral("indent")).columnIndex(QStringLiteral("standard"))] = QStringLiteral("");
    return values;
}

} // namespace sales
