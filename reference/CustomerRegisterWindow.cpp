#include "reference/CustomerRegisterWindow.h"

#include "reference/CustomerRegisterPrintout.h"

namespace reference {

namespace {

ModuleDeclaration windowDeclaration()
{
    ModuleDeclaration d;
    d.windowClass = CustomerRegisterWindow::FormName;
    d.caption = QStringLiteral("客户基本资料维护");
    d.table = QStringLiteral("customer");
    d.fields = {
        {QStringLiteral("客户编号："), QStringLiteral("Edit1"), QStringLiteral("id")},
        {QStringLiteral("客户名称："), QStringLiteral("Edit2"), QStringLiteral("name")},
        {QStringLiteral("客户全称："), QStringLiteral("Edit3"), QStringLiteral("firstname")},
        {QStringLiteral("地           址："), QStringLiteral("Edit4"), QStringLiteral("address")},
        {QStringLiteral("联  系  人 ："), QStringLiteral("Edit5"), QStringLiteral("people")},
        {QStringLiteral("电           话："), QStringLiteral("Edit11"), QStringLiteral("tel")},
        {QStringLiteral("传           真："), QStringLiteral("Edit12"), QStringLiteral("fax")},
        {QStringLiteral("E-Mail:       ："), QStringLiteral("Edit13"), QStringLiteral("email")},
        {QStringLiteral("会           计："), QStringLiteral("Edit14"), QStringLiteral("manager")},
        {QStringLiteral("备           注："), QStringLiteral("Memo1"), QStringLiteral("memo"), FieldKind::Memo},
    };
    d.grid = {
        {QStringLiteral("id"), 10},
        {QStringLiteral("name"), 15},
        {QStringLiteral("firstname"), 15},
        {QStringLiteral("address"), 20},
        {QStringLiteral("people"), 10},
        {QStringLiteral("tel"), 15},
        {QStringLiteral("fax"), 15},
        {QStringLiteral("email"), 15},
        {QStringLiteral("manager"), 15},
        {QStringLiteral("memo"), 50},
    };
    d.search = {
        {QStringLiteral("客户编号"), QStringLiteral("id")},
        {QStringLiteral("客户名称"), QStringLiteral("name")},
    };
    d.messages.emptyKey = QStringLiteral("客户编号不能为空!");
    d.messages.refused = QStringLiteral("客户编号 重复!");
    const CommandNames &c = d.commands;
    d.hoverButtons = {c.add, c.modify, c.remove, c.exit, c.refresh, c.search, QStringLiteral("SpeedButton3")};
    d.hoverResetAreas = {Area::Entry, Area::Commands, Area::Search, Area::Grid};
    return d;
}

} // namespace

CustomerRegisterWindow::CustomerRegisterWindow(db::Connection &connection, QWidget *parent)
    : ModuleWindow(connection, windowDeclaration(), parent)
{
    addButton(Area::Search, QStringLiteral("SpeedButton3"), QStringLiteral("打印资料"), [this] { printRegister(); });
}

void CustomerRegisterWindow::printRegister()
{
    showPrintout([this] { return new CustomerRegisterPrintout(table(), this); });
}

} // namespace reference
