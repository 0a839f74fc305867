#include "reference/CurrencyEditor.h"

#include "reference/CodeTableEditor.h"

namespace reference {

namespace {

ModuleDeclaration windowDeclaration()
{
    ModuleDeclaration d = codeTableDeclaration(QStringLiteral("TExchangeF"), QStringLiteral("汇率基本资料维护"), QStringLiteral("exchange"));
    d.fields = {
        {QStringLiteral("汇率代号："), QStringLiteral("Edit1"), QStringLiteral("exchange_id")},
        {QStringLiteral("币    别："), QStringLiteral("Edit2"), QStringLiteral("piece")},
        {QStringLiteral("汇    率："), QStringLiteral("Edit3"), QStringLiteral("exchange")},
        {QStringLiteral("备注："), QStringLiteral("Memo1"), QStringLiteral("exchange_memo"), FieldKind::Memo, false},
    };
    d.grid = {
        {QStringLiteral("exchange_id"), 5},
        {QStringLiteral("piece"), 10},
        {QStringLiteral("exchange"), 10},
        {QStringLiteral("exchange_memo"), 15},
    };
    d.search = {
        {QStringLiteral("汇率代号"), QStringLiteral("exchange_id")},
        {QStringLiteral("币别"), QStringLiteral("piece")},
    };
    d.messages.emptyKey = QStringLiteral("汇率代号不能为空!");
    d.messages.refused = QStringLiteral("汇率代号重复");
    // Only the button row turns the captions back.
    d.hoverResetAreas = {Area::Commands};
    return d;
}

} // namespace

CurrencyEditor::CurrencyEditor(db::Connection &connection, QWidget *parent)
    : ModuleWindow(connection, windowDeclaration(), parent)
{
}

} // namespace reference
