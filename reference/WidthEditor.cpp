#include "reference/WidthEditor.h"

#include "reference/CodeTableEditor.h"

namespace reference {

namespace {

ModuleDeclaration windowDeclaration()
{
    ModuleDeclaration d = codeTableDeclaration(QStringLiteral("TWidthF"), QStringLiteral("幅宽基本资料维护"), QStringLiteral("width"));
    d.fields = {
        {QStringLiteral("幅宽代号："), QStringLiteral("Edit1"), QStringLiteral("width_id")},
        {QStringLiteral("名           称："), QStringLiteral("Edit2"), QStringLiteral("width_standard")},
        {QStringLiteral("备注："), QStringLiteral("Memo1"), QStringLiteral("width_memo"), FieldKind::Memo},
    };
    d.grid = {
        {QStringLiteral("width_id"), 5},
        {QStringLiteral("width_standard"), 15},
        {QStringLiteral("width_memo"), 50},
    };
    d.search = {
        {QStringLiteral("幅宽代号"), QStringLiteral("width_id")},
        {QStringLiteral("名称"), QStringLiteral("width_standard")},
    };
    d.messages.emptyKey = QStringLiteral("幅宽代号不能为空!");
    d.messages.refused = QStringLiteral("幅宽代号重复");
    d.opensTable = false;
    return d;
}

} // namespace

WidthEditor::WidthEditor(db::Connection &connection, QWidget *parent)
    : ModuleWindow(connection, windowDeclaration(), parent)
{
}

} // namespace reference
