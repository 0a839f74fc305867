#include "reference/CodeTableEditors.h"

#include <QRegularExpression>

namespace reference {

namespace {

// One column of a code table: its entry field and its grid column.
struct CodeColumn {
    const char *label;      // the entry field's label, as the panel shows it
    const char *control;
    const char *column;
    int width;              // the grid column's display width in characters
};

// The title of a label's column: the label without its padding and colon.
QString titleOf(const QString &label)
{
    static const QRegularExpression padding(QStringLiteral("[\\s：]"));
    return QString(label).remove(padding);
}

// What every code table shares: the entry fields in table order, the key
// first and the remark memo last; the grid under the schema's captions; the search
// by the key and by the name; messages that name the key; the highlight over
// all six buttons, reset over every panel and the grid.
ModuleDeclaration codeTable(const QString &form, const QString &caption, const QString &table,
                            const QVector<CodeColumn> &columns)
{
    ModuleDeclaration d;
    d.windowClass = form;
    d.caption = caption;
    d.table = table;
    for (const CodeColumn &c : columns) {
        const bool isRemark = &c == &columns.last();
        const QString label = QString::fromUtf8(c.label);
        const QString column = QString::fromLatin1(c.column);
        d.fields.append({label, QString::fromLatin1(c.control), column, isRemark ? FieldKind::Memo : FieldKind::Line});
        d.grid.append({column, c.width});
    }
    const QString key = titleOf(d.fields[0].label);
    d.search = {{key, d.fields[0].column}, {titleOf(d.fields[1].label), d.fields[1].column}};
    d.messages.emptyKey = key + QStringLiteral("不能为空!");
    d.messages.refused = key + QStringLiteral("重复");
    const CommandNames &b = d.commands;
    d.hoverButtons = {b.add, b.modify, b.remove, b.exit, b.refresh, b.search};
    d.hoverResetAreas = {Area::Entry, Area::Commands, Area::Search, Area::Grid};
    return d;
}

ModuleDeclaration departments()
{
    ModuleDeclaration d = codeTable(DepartmentEditorForm, QStringLiteral("部门基本资料维护"), QStringLiteral("section"),
                                    {{"部门编号：", "Edit1", "section_id", 10},
                                     {"部门名称：", "Edit2", "section_name", 15},
                                     {"备注：", "memo1", "section_memo", 15}});
    d.sizing = WindowSizing::Fixed;
    // The highlight covers the four command buttons only; the grid does not reset it.
    const CommandNames &b = d.commands;
    d.hoverButtons = {b.add, b.modify, b.remove, b.exit};
    d.hoverResetAreas.removeOne(Area::Grid);
    return d;
}

ModuleDeclaration itemCategories()
{
    ModuleDeclaration d = codeTable(ItemCategoryEditorForm, QStringLiteral("物品类别基本资料维护"), QStringLiteral("ptype"),
                                    {{"物品代号：", "Edit1", "ptype_id", 10}, {"物品名称：", "Edit2", "ptype_name", 15},
                                     {"统计方式：", "Edit3", "ptype_count", 15}, {"计量单位：", "Edit4", "ptype_module", 10},
                                     {"总分类     ：", "Edit5", "ptype_parent", 15}, {"备注：", "Memo1", "ptype_memo", 100}});
    // A refused row is told in the database's own words.
    d.messages.refused.clear();
    return d;
}

ModuleDeclaration colours()
{
    return codeTable(ColourEditorForm, QStringLiteral("颜色基本资料维护"), QStringLiteral("color"),
                     {{"颜色代号：", "Edit1", "color_id", 5}, {"颜色名称：", "Edit2", "color_name", 15},
                      {"备注：", "Memo1", "color_memo", 50}});
}

ModuleDeclaration widths()
{
    ModuleDeclaration d = codeTable(WidthEditorForm, QStringLiteral("幅宽基本资料维护"), QStringLiteral("width"),
                                    {{"幅宽代号：", "Edit1", "width_id", 5}, {"名           称：", "Edit2", "width_standard", 15},
                                     {"备注：", "Memo1", "width_memo", 50}});
    d.opening = TableOpening::OnFirstCommand;
    return d;
}

ModuleDeclaration specifications()
{
    ModuleDeclaration d = codeTable(SpecificationEditorForm, QStringLiteral("规格基本资料维护"), QStringLiteral("standard"),
                                    {{"规格代号：", "Edit1", "standard_id", 5}, {"规格名称：", "Edit2", "standard", 15},
                                     {"备注：", "Memo1", "standard_memo", 50}});
    d.valueListBlanks = Blanks::Trimmed;
    d.hoverButtons.removeOne(d.commands.search);
    return d;
}

ModuleDeclaration currencies()
{
    ModuleDeclaration d = codeTable(CurrencyEditorForm, QStringLiteral("汇率基本资料维护"), QStringLiteral("exchange"),
                                    {{"汇率代号：", "Edit1", "exchange_id", 5}, {"币    别：", "Edit2", "piece", 10},
                                     {"汇    率：", "Edit3", "exchange", 10}, {"备注：", "Memo1", "exchange_memo", 15}});
    // The remark is stored as typed; only the button row turns the captions back.
    d.fields.last().keepingBlanks();
    d.hoverResetAreas = {Area::Commands};
    return d;
}

ModuleDeclaration paymentMethods()
{
    ModuleDeclaration d = codeTable(PaymentMethodEditorForm, QStringLiteral("付款方式基本资料维护"), QStringLiteral("payway"),
                                    {{"编           号：", "Edit1", "payway_id", 5}, {"付款方式：", "Edit2", "payway_name", 15},
                                     {"付款日期：", "Edit3", "payway_date", 12}, {"备注：", "Memo1", "payway_memo", 50}});
    // The payment date is a text with a calendar button beside it.
    d.fields[2].kind = FieldKind::DateText;
    d.fields[2].calendar = QStringLiteral("DateTimePicker1");
    return d;
}

} // namespace

QVector<ModuleDeclaration> codeTableEditors()
{
    return {departments(), itemCategories(), colours(), widths(), specifications(), currencies(), paymentMethods()};
}

} // namespace reference
