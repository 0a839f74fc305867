#include "purchasing/PurchaseOrderWindow.h"

#include "purchasing/PurchaseOrderNumbers.h"
#include "purchasing/PurchaseOrderPrintout.h"
#include "reference/EntryPanel.h"
#include "shell/CommandGuard.h"
#include "shell/DialogService.h"

#include <QAbstractButton>

namespace purchasing {

using reference::Area;
using reference::FieldKind;
using shell::DialogService;

namespace {

reference::ModuleDeclaration windowDeclaration()
{
    reference::EntryField unit{QStringLiteral("单        位："), QStringLiteral("ComboBox2"), QStringLiteral("p_module"),
                               FieldKind::Choice};
    unit.fixedList = reference::Units;
    reference::ModuleDeclaration d;
    d.windowClass = QStringLiteral("TdinggoudanF");
    d.caption = QStringLiteral("订购单管理");
    d.table = QStringLiteral("procureform");
    d.entryCaption = QStringLiteral("订购单信息：");
    d.searchCaption = QStringLiteral("查找设定");
    d.fields = {
        {QStringLiteral("厂商名称："), QStringLiteral("ComboBox5"), QStringLiteral("f_name"), FieldKind::Choice, true,
         QStringLiteral("select distinct name from factory")},
        {QStringLiteral("订购单号："), QStringLiteral("Edit7"), QStringLiteral("id")},
        {QStringLiteral("采购主管："), QStringLiteral("Edit1"), QStringLiteral("manager")},
        {QStringLiteral("订货日期："), QStringLiteral("DateTimePicker1"), QStringLiteral("d_date"), FieldKind::Date},
        {QStringLiteral("预交日期："), QStringLiteral("DateTimePicker2"), QStringLiteral("p_date"), FieldKind::Date},
        {QStringLiteral("品        名："), QStringLiteral("ComboBox1"), QStringLiteral("pname"), FieldKind::Choice, true,
         QStringLiteral("select distinct ptype_name from ptype")},
        {QStringLiteral("幅       宽："), QStringLiteral("ComboBox4"), QStringLiteral("piece"), FieldKind::Choice, true,
         QStringLiteral("select distinct width_standard from width")},
        {QStringLiteral("规        格："), QStringLiteral("ComboBox3"), QStringLiteral("standard"), FieldKind::Choice,
         true, QStringLiteral("select distinct standard from standard")},
        {QStringLiteral("色        别："), QStringLiteral("ComboBox7"), QStringLiteral("color"), FieldKind::Choice, true,
         QStringLiteral("select distinct color_name from color")},
        unit,
        {QStringLiteral("数        量："), QStringLiteral("Edit3"), QStringLiteral("mount")},
        {QStringLiteral("单        价："), QStringLiteral("Edit4"), QStringLiteral("price")},
        {QStringLiteral("总        价："), QStringLiteral("Edit5"), QStringLiteral("mountprice")},
        {QStringLiteral("备        注："), QStringLiteral("Edit2"), QStringLiteral("memo")},
    };
    d.grid = {
        {QStringLiteral("f_name"), QStringLiteral("厂商名称"), 8},  {QStringLiteral("id"), QStringLiteral("订购单号"), 10},
        {QStringLiteral("manager"), QStringLiteral("采购主管"), 8}, {QStringLiteral("d_date"), QStringLiteral("订货日期"), 10},
        {QStringLiteral("p_date"), QStringLiteral("预交日期"), 10}, {QStringLiteral("pname"), QStringLiteral("品名"), 15},
        {QStringLiteral("piece"), QStringLiteral("幅宽"), 6},       {QStringLiteral("standard"), QStringLiteral("规格"), 15},
        {QStringLiteral("color"), QStringLiteral("色别"), 10},      {QStringLiteral("p_module"), QStringLiteral("单位 "), 6},
        {QStringLiteral("mount"), QStringLiteral("数量"), 8},       {QStringLiteral("price"), QStringLiteral("单价"), 8},
        {QStringLiteral("mountprice"), QStringLiteral("总价"), 8},  {QStringLiteral("memo"), QStringLiteral("备注"), 15},
    };
    d.searchChooser = QStringLiteral("ComboBox8");
    d.searchValues = QStringLiteral("ComboBox6");
    d.search = {
        {QStringLiteral("厂商名称"), QStringLiteral("f_name")},
        {QStringLiteral("订购单号"), QStringLiteral("id")},
        {QStringLiteral("订货日期"), QStringLiteral("d_date"), true},
        {QStringLiteral("预交日期"), QStringLiteral("d_date"), true},
    };
    d.dateRange = {QStringLiteral("d_date"), QStringLiteral("DateTimePicker3"), QStringLiteral("DateTimePicker4"), true};
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
    d.refreshAmongCommands = true;
    return d;
}

} // namespace

PurchaseOrderWindow::PurchaseOrderWindow(db::Connection &connection, QWidget *parent)
    : ModuleWindow(connection, windowDeclaration(), parent)
{
    QAbstractButton *add = button(declaration().commands.add);
    add->disconnect(this);
    connect(add, &QAbstractButton::clicked, this, [this] { shell::runCommand([this] { SpeedButton4Click(); }); });
    entryPanel()->setChainEnd([this] { shell::runCommand([this] { SpeedButton4Click(); }); });
    entryPanel()->setEnterHandler(QStringLiteral("Edit4"), [this] { return computeTotal(); });
    addButton(Area::Search, QStringLiteral("SpeedButton3"), QStringLiteral("打印"), [this] { SpeedButton3Click(); });
    // Fourteen grid columns: room for most of them and a screenful of lines.
    resize(size().expandedTo(QSize(980, 640)));
}

void PurchaseOrderWindow::SpeedButton4Click()
{
    if (entryPanel()->text(QStringLiteral("Edit7")).trimmed().isEmpty()) {
        DialogService::message(QStringLiteral("订购单号不能为空"));
        return;
    }
    addRow();
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

void PurchaseOrderWindow::SpeedButton3Click()
{
    // The number is taken once the typed grid row is stored: a refused row takes none.
    showPrintout([this] { return new PurchaseOrderPrintout(table(), purchaseOrderNumbers(connection()).take(), this); });
}

} // namespace purchasing
