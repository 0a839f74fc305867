#include "reference/DepartmentEditor.h"

#include "reference/CodeTableEditor.h"

namespace reference {

namespace {

ModuleDeclaration windowDeclaration()
{
    ModuleDeclaration d = codeTableDeclaration(QStringLiteral("TSectionForm"), QStringLiteral("部门基本资料维护"), QStringLiteral("section"));
    d.fields = {
        {QStringLiteral("部门编号："), QStringLiteral("Edit1"), QStringLiteral("section_id")},
        {QStringLiteral("部门名称："), QStringLiteral("Edit2"), QStringLiteral("section_name")},
        {QStringLiteral("备注："), QStringLiteral("memo1"), QStringLiteral("section_memo"), FieldKind::Memo},
    };
    d.grid = {
        {QStringLiteral("section_id"), 10},
        {QStringLiteral("section_name"), 15},
        {QStringLiteral("section_memo"), 15},
    };
    d.search = {
        {QStringLiteral("部门编号"), QStringLiteral("section_id")},
        {QStringLiteral("部门名称"), QStringLiteral("section_name")},
    };
    d.messages.emptyKey = QStringLiteral("部门编号不能为空!");
    d.messages.refused = QStringLiteral("部门编号重复");
    d.fixedSize = true;
    // The highlight covers the four command buttons only; the grid does not reset it.
    d.hoverButtons = {d.commands.add, d.commands.modify, d.commands.remove, d.commands.exit};
    d.hoverResetAreas = {Area::Entry, Area::Commands, Area::Search};
    return d;
}

} // namespace

DepartmentEditor::DepartmentEditor(db::Connection &connection, QWidget *parent)
    : ModuleWindow(connection, windowDeclaration(), parent)
{
}

} // namespace reference
