#include "stock/DailyStockReport.h"

#include "reference/FormName.h"
#include "reference/Letterhead.h"
#include "report/RuledTable.h"

namespace stock {

namespace {

using report::Align;
using report::Band;
using report::Element;

constexpr qreal PrintableWidth = reference::LetterWidth;

report::RuledTable reportTable()
{
    return report::RuledTable({
        {QStringLiteral("品  名"), QStringLiteral("pname"), 40},
        {QStringLiteral("幅宽"), QStringLiteral("b1"), 16},
        {QStringLiteral("规   格"), QStringLiteral("scale"), 28},
        {QStringLiteral("颜  色"), QStringLiteral("color"), 20, Align::Center},
        {QStringLiteral("单位"), QStringLiteral("b2"), 12, Align::Center},
        {QStringLiteral("库存量"), QStringLiteral("number"), 22, Align::Center},
        {QStringLiteral("单价"), QStringLiteral("price"), 24, Align::Right, QStringLiteral("#,#.000")},
        {QStringLiteral("金额"), QStringLiteral("money"), 28, Align::Right, QStringLiteral("#,#.00")},
    });
}

Band detail(const report::RuledTable &table)
{
    Band band = table.detail(7);
    for (Element &e : band.elements)
        if (e.kind == Element::Kind::Field && e.text == QLatin1String("number"))
            e = e.bold();
    return band;
}

Band pageHeader()
{
    reference::Letterhead head{QStringLiteral("仓库日报表")};
    head.titleHeight = 9;
    return reference::letterheadBand(head, 26,
                {
                    Element::label({0, 19, 14, 6}, QStringLiteral("日期：")),
                    Element::printDate({14, 19, 40, 6}),
                    Element::label({150, 19, 14, 6}, QStringLiteral("页码：")),
                    Element::pageNumber({164, 19, 26, 6}),
                });
}

Band pageFooter()
{
    return Band{10,
                {
                    Element::horizontalRule(0, 1, PrintableWidth),
                    Element::label({0, 3, 40, 6}, QStringLiteral("主管：")),
                    Element::label({110, 3, 40, 6}, QStringLiteral("制表：")),
                }};
}

} // namespace

DailyStockReport::DailyStockReport(const report::DataSource &stockRows, QWidget *parent, const QDate &printDate)
    : report::PrintPreview(definition(), stockRows, parent, printDate)
{
    setObjectName(reference::instanceName(FormName));
}

report::ReportDefinition DailyStockReport::definition()
{
    const report::RuledTable table = reportTable();
    report::ReportDefinition d;
    d.name = QStringLiteral("仓库日报表");
    d.margins = reference::LetterMargins;
    d.pageHeader = pageHeader();
    d.columnHeader = table.columnHeader(8);
    d.detail = detail(table);
    d.pageFooter = pageFooter();
    return d;
}

} // namespace stock
