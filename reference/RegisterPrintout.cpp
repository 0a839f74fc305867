#include "reference/RegisterPrintout.h"

#include "report/RuledTable.h"

#include <QRegularExpression>

namespace reference {

using report::Align;
using report::Band;
using report::Element;

namespace {

constexpr qreal TitleRuleLength = 60;

Band pageHeader(const QString &title, qreal width)
{
    const qreal ruleLeft = (width - TitleRuleLength) / 2;
    return Band{24,
                {
                    Element::label({0, 1, width, 11}, title).sized(20).bold().aligned(Align::Center),
                    Element::horizontalRule(ruleLeft, 12.6, TitleRuleLength).thick(0.4),
                    Element::horizontalRule(ruleLeft, 13.6, TitleRuleLength).thick(0.2),
                    Element::label({width - 52, 17, 22, 6}, QStringLiteral("制表日：")).aligned(Align::Right),
                    Element::printDate({width - 30, 17, 30, 6}),
                }};
}

} // namespace

QVariant RegisterSource::value(int row, const QString &field) const
{
    const QVariant value = DataSetSource::value(row, field);
    if (value.typeId() != QMetaType::QString)
        return value;
    static const QRegularExpression lineBreak(QStringLiteral("\\r\\n|[\\r\\n\\x{2028}\\x{2029}]"));
    return value.toString().replace(lineBreak, QStringLiteral(" "));
}

report::ReportDefinition registerPrintout(const QString &name, const QString &title,
                                          const QList<report::Column> &columns)
{
    const report::RuledTable table(columns);
    report::ReportDefinition definition;
    definition.name = name;
    definition.paper = report::Paper::a4Landscape();
    definition.margins = {10, 10, 10, 10};
    definition.baseFont = {QStringLiteral("宋体"), 9};
    definition.pageHeader = pageHeader(title, table.width());
    definition.columnHeader = table.columnHeader(8);
    definition.detail = table.detail(6);
    return definition;
}

} // namespace reference
