#include "reference/PaymentMethodEditor.h"

#include "reference/CodeTableEditor.h"

namespace reference {

namespace {

ModuleDeclaration windowDeclaration()
{
    ModuleDeclaration d = codeTableDeclaration(QStringLiteral("TPaywayF"), QStringLiteral("付款方式基本资料维护"), QStringLiteral("payway"));
    d.fields = {
        {QStringLiteral("编           号："), QStringLiteral("Edit1"), QStringLiteral("payway_id")},
        {QStringLiteral("付款方式："), QStringLiteral("Edit2"), QStringLiteral("payway_name")},
        {QStringLiteral("付款日期："), QStringLiteral("Edit3"), QStringLiteral("payway_date"), FieldKind::DateText},
        {QStringLiteral("备注："), QStringLiteral("Memo1"), QStringLiteral("payway_memo"), FieldKind::Memo},
    };
    d.grid = {
        {QStringLiteral("payway_id"), 5},
        {QStringLiteral("payway_name"), 15},
        {QStringLiteral("payway_date"), 12},
        {QStringLiteral("payway_memo"), 50},
    };
    d.search = {
        {QStringLiteral("编号"), QStringLiteral("payway_id")},
        {QStringLiteral("付款方式"), QStringLiteral("payway_name")},
    };
    d.fields[2].calendar = QStringLiteral("DateTimePicker1");
    d.messages.emptyKey = QStringLiteral("编号不能为空!");
    d.messages.refused = QStringLiteral("编号重复");
    return d;
}

} // namespace

PaymentMethodEditor::PaymentMethodEditor(db::Connection &connection, QWidget *parent)
    : ModuleWindow(connection, windowDeclaration(), parent)
{
}

} // namespace reference
