#include "reference/SpecificationEditor.h"

#include "reference/CodeTableEditor.h"

namespace reference {

namespace {

ModuleDeclaration windowDeclaration()
{
    ModuleDeclaration d = codeTableDeclaration(QStringLiteral("TStandardF"), QStringLiteral("规格基本资料维护"), QStringLiteral("standard"));
    d.fields = {
        {QStringLiteral("规格代号："), QStringLiteral("Edit1"), QStringLiteral("standard_id")},
        {QStringLiteral("规格名称："), QStringLiteral("Edit2"), QStringLiteral("standard")},
        {QStringLiteral("备注："), QStringLiteral("Memo1"), QStringLiteral("standard_memo"), FieldKind::Memo},
    };
    d.grid = {
        {QStringLiteral("standard_id"), 5},
        {QStringLiteral("standard"), 15},
        {QStringLiteral("standard_memo"), 50},
    };
    d.search = {
        {QStringLiteral("规格代号"), QStringLiteral("standard_id")},
        {QStringLiteral("规格名称"), QStringLiteral("standard")},
    };
    d.messages.emptyKey = QStringLiteral("规格代号不能为空!");
    d.messages.refused = QStringLiteral("规格代号重复");
    d.searchValuesTrimmed = true;
    d.hoverButtons.removeOne(d.commands.search);
    return d;
}

} // namespace

SpecificationEditor::SpecificationEditor(db::Connection &connection, QWidget *parent)
    : ModuleWindow(connection, windowDeclaration(), parent)
{
}

} // namespace reference
