#include "purchasing/PurchaseOrderWindow.h"

#include "purchasing/PurchaseOrderNumbers.h"
#include "purchasing/PurchaseOrderPrintout.h"
#include "reference/EntryPanel.h"
#include "reference/CommandGuard.h"
#include "reference/DialogService.h"


namespace purchasing {

using reference::Area;
using reference::EntryField;
using reference::FieldKind;
using reference::DialogService;
using reference::SearchTest;

namespace {

reference::ModuleDeclaration windowDeclaration()
{
    reference::ModuleDeclaration d;
    d.windowClass = PurchaseOrderWindow::FormName;
    d.caption = QStringLiteral("订购单管理");
    d.table = QStringLiteral("procureform");
    d.entryCaption = QStringLiteral("订购单信息：");
    d.searchCaption = QStringLiteral("查找设定");
    d.fields = {
        EntryField{QStringLiteral("厂商名称："), QStringLiteral("ComboBox5"), QStringLiteral("f_name"), FieldKind::Choice}
            .listing(QStringLiteral("factory"), QStringLiteral("name")),
        {QStringLiteral("订购单号："), QStringLiteral("Edit7"), QStringLiteral("id")},
        {QStringLiteral("采购主管："), QStringLiteral("Edit1"), QStringLiteral("manager")},
        {QStringLiteral("订货日期："), QStringLiteral("DateTimePicker1"), QStringLiteral("d_date"), FieldKind::Date},
        {QStringLiteral("预交日期："), QStringLiteral("DateTimePicker2"), QStringLiteral("p_date"), FieldKind::Date},
        EntryField{QStringLiteral("品        名："), QStringLiteral("ComboBox1"), QStringLiteral("pname"), FieldKind::Choice}
            .listing(QStringLiteral("ptype"), QStringLiteral("ptype_name")),
        EntryField{QStringLiteral("幅       宽："), QStringLiteral("ComboBox4"), QStringLiteral("piece"), FieldKind::Choice}
            .listing(QStringLiteral("width"), QStringLiteral("width_standard")),
        EntryField{QStringLiteral("规        格："), QStringLiteral("ComboBox3"), QStringLiteral("standard"), FieldKind::Choice}
            .listing(QStringLiteral("standard"), QStringLiteral("standard")),
        EntryField{QStringLiteral("色        别："), QStringLiteral("ComboBox7"), QStringLiteral("color"), FieldKind::Choice}
            .listing(QStringLiteral("color"), QStringLiteral("color_name")),
        EntryField{QStringLiteral("单        位："), QStringLiteral("ComboBox2"), QStringLiteral("p_module"), FieldKind::Choice}
            .offering(reference::Units),
        {QStringLiteral("数        量："), QStringLiteral("Edit3"), QStringLiteral("mount")},
        {QStringLiteral("单        价："), QStringLiteral("Edit4"), QStringLiteral("price")},
        {QStringLiteral("总        价："), QStringLiteral("Edit5"), QStringLiteral("mountprice")},
        {QStringLiteral("备        注："), QStringLiteral("Edit2"), QStringLiteral("memo")},
    };
    d.grid = {
        {QStringLiteral("f_name"), 8},  {QStringLiteral("id"), 10},
        {QStringLiteral("manager"), 8}, {QStringLiteral("d_date"), 10},
        {QStringLiteral("p_date"), 10}, {QStringLiteral("pname"), 15},
        {QStringLiteral("piece"), 6},       {QStringLiteral("standard"), 15},
        {QStringLiteral("color"), 10},      {QStringLiteral("p_module"), 6},
        {QStringLiteral("mount"), 8},       {QStringLiteral("price"), 8},
        {QStringLiteral("mountprice"), 8},  {QStringLiteral("memo"), 15},
    };
    d.searchChooser = QStringLiteral("ComboBox8");
    d.searchValues = QStringLiteral("ComboBox6");
    d.search = {
        {QStringLiteral("厂商名称"), QStringLiteral("f_name")},
        {QStringLiteral("订购单号"), QStringLiteral("id")},
        {QStringLiteral("订货日期"), QStringLiteral("d_date"), SearchTest::RangeOnly},
        {QStringLiteral("预交日期"), QStringLiteral("d_date"), SearchTest::RangeOnly},
    };
    d.dateRange = {QStringLiteral("d_date"), QStringLiteral("DateTimePicker3"), QStringLiteral("DateTimePicker4"),
                   reference::HiddenUntilChosen::Range};
    d.commands.add = QStringLiteral("SpeedButton4");
    d.commands.modify = QStringLiteral("SpeedButton5");
    d.commands.remove = QStringLiteral("SpeedButton6");
    d.commands.refresh = QStringLiteral("SpeedButton2");
    d.commands.exit = QStringLiteral("SpeedButton7");
    d.commands.search = QStringLiteral("SpeedButton1");
    d.hoverButtons = {QStringLiteral("SpeedButton1"), QStringLiteral("SpeedButton2"), QStringLiteral("SpeedButton3"),
                      QStringLiteral("SpeedButton4"), QStringLiteral("SpeedButton5"), QStringLiteral("SpeedButton6"),
                      QStringLiteral("SpeedButton7")};
    d.hoverResetAreas = {Area::Entry, Area::Commands, Area::Search, Area::Grid};
    d.refreshButton = reference::RefreshButton::AmongCommands;
    d.lastFieldEnter = reference::LastFieldEnter::Adds;
    return d;
}

} // namespace

PurchaseOrderWindow::PurchaseOrderWindow(db::Connection &connection, QWidget *parent)
    : ModuleWindow(connection, windowDeclaration(), parent)
{
    entryPanel()->setEnterHandler(QStringLiteral("Edit4"), [this] { return computeTotal(); });
    addButton(Area::Search, QStringLiteral("SpeedButton3"), QStringLiteral("打印"), [this] { printOrder(); });
    // Fourteen grid columns: room for most of them and a screenful of lines.
    resize(size().expandedTo(QSize(980, 640)));
}

void PurchaseOrderWindow::addRow()
{
    if (entryPanel()->text(QStringLiteral("Edit7")).trimmed().isEmpty()) {
        DialogService::message(QStringLiteral("订购单号不能为空"));
        return;
    }
    ModuleWindow::addRow();
}

bool PurchaseOrderWindow::computeTotal()
{
    const auto total = lineTotal(entryPanel()->text(QStringLiteral("Edit3")), entryPanel()->text(QStringLiteral("Edit4")));
    if (!total) {
        DialogService::message(QStringLiteral("请检查送货数量和本位单价是否是整数和实数值!"));
        return false;
    }
    entryPanel()->setText(QStringLiteral("Edit5"), *total);
    return true;
}

void PurchaseOrderWindow::printOrder()
{
    // The number is taken once the typed grid row is stored: a refused row takes none.
    showPrintout([this] { return new PurchaseOrderPrintout(table(), purchaseOrderNumbers(connection()).take(), this); });
}

} // namespace purchasing
