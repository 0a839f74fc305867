#include "stock/MonthlyStockReport.h"

#include "db/TextForms.h"
#include "reference/Letterhead.h"
#include "report/RuledTable.h"

namespace stock {

using report::Align;
using report::Band;
using report::Element;

namespace {

report::RuledTable reportTable()
{
    return report::RuledTable({
        {QStringLiteral("幅宽"), QStringLiteral("width"), 16, Align::Center},
        {QStringLiteral("规   格"), QStringLiteral("scale"), 22, Align::Center},
        {QStringLiteral("颜  色"), QStringLiteral("color"), 16, Align::Center},
        {QStringLiteral("品  名"), QStringLiteral("pname"), 30, Align::Center},
        {QStringLiteral("上月结余"), QStringLiteral("beforesave"), 18, Align::Center},
        {QStringLiteral("本月进入"), QStringLiteral("thisin"), 18, Align::Center},
        {QStringLiteral("本月发出"), QStringLiteral("thisout"), 18, Align::Center},
        {QStringLiteral("本月结余"), QStringLiteral("thissave"), 18, Align::Center},
        {QStringLiteral("单价"), QStringLiteral("price"), 16, Align::Right, QStringLiteral("#,#.000")},
        {QStringLiteral("金额"), QStringLiteral("money"), 18, Align::Right, QStringLiteral("#,#.00")},
    });
}

Band pageHeader(qreal width, const QDate &from, const QDate &to)
{
    const QString period = QStringLiteral("从 %1 到 %2").arg(db::shortDate(from), db::shortDate(to));
    reference::Letterhead head{QStringLiteral("仓库月报表")};
    head.titleHeight = 8;
    head.width = width;
    return reference::letterheadBand(head, 26,
                {
                    Element::label({0, 19, 14, 6}, QStringLiteral("日期：")),
                    Element::printDate({14, 19, 40, 6}),
                    Element::label({58, 19, 70, 6}, period),
                    Element::label({width - 34, 19, 14, 6}, QStringLiteral("页码：")),
                    Element::pageNumber({width - 20, 19, 20, 6}),
                });
}

Band pageFooter(qreal width)
{
    return Band{10,
                {
                    Element::horizontalRule(0, 1, width),
                    Element::label({10, 3, 40, 6}, QStringLiteral("主管：")),
                    Element::label({width / 2 + 10, 3, 40, 6}, QStringLiteral("制表：")),
                }};
}

} // namespace

report::ReportDefinition MonthlyStockReport::definition(const QDate &from, const QDate &to)
{
    const report::RuledTable table = reportTable();
    report::ReportDefinition definition;
    definition.name = QStringLiteral("仓库月报表");
    definition.paper = report::Paper::a4Portrait();
    definition.margins = reference::LetterMargins;
    definition.baseFont = {QStringLiteral("宋体"), 9};
    definition.pageHeader = pageHeader(table.width(), from, to);
    definition.columnHeader = table.columnHeader(7);
    definition.detail = table.detail(6);
    definition.pageFooter = pageFooter(table.width());
    return definition;
}

} // namespace stock
