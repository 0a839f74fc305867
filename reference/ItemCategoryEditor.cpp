#include "reference/ItemCategoryEditor.h"

#include "reference/CodeTableEditor.h"

namespace reference {

namespace {

ModuleDeclaration windowDeclaration()
{
    ModuleDeclaration d = codeTableDeclaration(QStringLiteral("TTypeF"), QStringLiteral("物品类别基本资料维护"), QStringLiteral("ptype"));
    d.fields = {
        {QStringLiteral("物品代号："), QStringLiteral("Edit1"), QStringLiteral("ptype_id")},
        {QStringLiteral("物品名称："), QStringLiteral("Edit2"), QStringLiteral("ptype_name")},
        {QStringLiteral("统计方式："), QStringLiteral("Edit3"), QStringLiteral("ptype_count")},
        {QStringLiteral("计量单位："), QStringLiteral("Edit4"), QStringLiteral("ptype_module")},
        {QStringLiteral("总分类     ："), QStringLiteral("Edit5"), QStringLiteral("ptype_parent")},
        {QStringLiteral("备注："), QStringLiteral("Memo1"), QStringLiteral("ptype_memo"), FieldKind::Memo},
    };
    d.grid = {
        {QStringLiteral("ptype_id"), 10},
        {QStringLiteral("ptype_name"), 15},
        {QStringLiteral("ptype_count"), 15},
        {QStringLiteral("ptype_module"), 10},
        {QStringLiteral("ptype_parent"), 15},
        {QStringLiteral("ptype_memo"), 100},
    };
    d.search = {
        {QStringLiteral("物品代号"), QStringLiteral("ptype_id")},
        {QStringLiteral("物品名称"), QStringLiteral("ptype_name")},
    };
    d.messages.emptyKey = QStringLiteral("物品代号不能为空!");
    return d;
}

} // namespace

ItemCategoryEditor::ItemCategoryEditor(db::Connection &connection, QWidget *parent)
    : ModuleWindow(connection, windowDeclaration(), parent)
{
}

} // namespace reference
