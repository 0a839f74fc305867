#include "reference/ColourEditor.h"

#include "reference/CodeTableEditor.h"

namespace reference {

namespace {

ModuleDeclaration windowDeclaration()
{
    ModuleDeclaration d = codeTableDeclaration(QStringLiteral("TColorF"), QStringLiteral("颜色基本资料维护"), QStringLiteral("color"));
    d.fields = {
        {QStringLiteral("颜色代号："), QStringLiteral("Edit1"), QStringLiteral("color_id")},
        {QStringLiteral("颜色名称："), QStringLiteral("Edit2"), QStringLiteral("color_name")},
        {QStringLiteral("备注："), QStringLiteral("Memo1"), QStringLiteral("color_memo"), FieldKind::Memo},
    };
    d.grid = {
        {QStringLiteral("color_id"), 5},
        {QStringLiteral("color_name"), 15},
        {QStringLiteral("color_memo"), 50},
    };
    d.search = {
        {QStringLiteral("颜色代号"), QStringLiteral("color_id")},
        {QStringLiteral("颜色名称"), QStringLiteral("color_name")},
    };
    d.messages.emptyKey = QStringLiteral("颜色代号不能为空!");
    d.messages.refused = QStringLiteral("颜色代号重复");
    return d;
}

} // namespace

ColourEditor::ColourEditor(db::Connection &connection, QWidget *parent)
    : ModuleWindow(connection, windowDeclaration(), parent)
{
}

} // namespace reference
