#include "reference/SupplierRegisterWindow.h"

#include "reference/EntryPanel.h"
#include "reference/SupplierRegisterPrintout.h"

namespace reference {

namespace {

ModuleDeclaration windowDeclaration()
{
    ModuleDeclaration d;
    d.windowClass = SupplierRegisterWindow::FormName;
    d.caption = QStringLiteral("厂商基本资料维护");
    d.table = QStringLiteral("factory");
    d.fields = {
        {QStringLiteral("厂商编号："), QStringLiteral("Edit1"), QStringLiteral("id")},
        {QStringLiteral("厂商简称："), QStringLiteral("Edit2"), QStringLiteral("name")},
        {QStringLiteral("厂商全称："), QStringLiteral("Edit3"), QStringLiteral("firstname")},
        {QStringLiteral("地          址："), QStringLiteral("Edit4"), QStringLiteral("address")},
        {QStringLiteral("联  系  人："), QStringLiteral("Edit5"), QStringLiteral("people")},
        {QStringLiteral("电          话："), QStringLiteral("Edit11"), QStringLiteral("tel")},
        {QStringLiteral("传          真："), QStringLiteral("Edit12"), QStringLiteral("fax")},
        {QStringLiteral("E-Mail        ："), QStringLiteral("Edit13"), QStringLiteral("email")},
        {QStringLiteral("备注："), QStringLiteral("Memo1"), QStringLiteral("memo"), FieldKind::Memo},
    };
    d.grid = {
        {QStringLiteral("id"), 10},
        {QStringLiteral("name"), 15},
        {QStringLiteral("firstname"), 20},
        {QStringLiteral("address"), 20},
        {QStringLiteral("people"), 12},
        {QStringLiteral("tel"), 15},
        {QStringLiteral("fax"), 15},
        {QStringLiteral("email"), 15},
        {QStringLiteral("memo"), 20},
    };
    d.searchChooser = QStringLiteral("ComboBox8");
    d.search = {
        {QStringLiteral("厂商编号"), QStringLiteral("id")},
        {QStringLiteral("厂商简称"), QStringLiteral("name")},
    };
    d.messages.emptyKey = QStringLiteral("厂商编号不能为空!");
    d.messages.refused = QStringLiteral("厂商编号重复!");
    CommandNames &c = d.commands;
    c.add = QStringLiteral("SpeedButton4");
    c.modify = QStringLiteral("SpeedButton5");
    c.remove = QStringLiteral("SpeedButton6");
    c.exit = QStringLiteral("SpeedButton7");
    d.opening = TableOpening::OnFirstCommand;
    d.closedTableDelete = ClosedTableDelete::Fails;
    d.lastFieldEnter = LastFieldEnter::Adds;
    d.hoverButtons = {c.add, c.modify, c.remove, c.exit, c.refresh, c.search, QStringLiteral("SpeedButton3")};
    d.hoverResetAreas = {Area::Entry, Area::Commands, Area::Grid};
    return d;
}

} // namespace

SupplierRegisterWindow::SupplierRegisterWindow(db::Connection &connection, QWidget *parent)
    : ModuleWindow(connection, windowDeclaration(), parent)
{
    addButton(Area::Search, QStringLiteral("SpeedButton3"), QStringLiteral("打印资料"), [this] { printRegister(); });
}

void SupplierRegisterWindow::prepare()
{
    ModuleWindow::prepare();
    entryPanel()->field(QStringLiteral("Edit1"))->setFocus();
}

// After Add the focus stays where it was, not in the key field.
void SupplierRegisterWindow::rowAdded(int)
{
}

void SupplierRegisterWindow::printRegister()
{
    showPrintout([this] { return new SupplierRegisterPrintout(table(), this); });
}

} // namespace reference
