#include "purchasing/PurchaseOrderPrintout.h"

#include "reference/FormName.h"
#include "reference/Letterhead.h"
#include "reference/DataSetSource.h"
#include "report/RuledTable.h"

namespace purchasing {

namespace {

using report::Align;
using report::Band;
using report::Element;

constexpr qreal PrintableWidth = reference::LetterWidth;

report::RuledTable orderTable()
{
    return report::RuledTable({
        {QStringLiteral("品        名"), QStringLiteral("pname"), 40},
        {QStringLiteral("规    格"), QStringLiteral("standard"), 28},
        {QStringLiteral("色 别"), QStringLiteral("color"), 20, Align::Center},
        {QStringLiteral("幅  宽"), QStringLiteral("piece"), 18, Align::Center},
        {QStringLiteral("数 量"), QStringLiteral("mount"), 20, Align::Right},
        {QStringLiteral("单位"), QStringLiteral("p_module"), 14, Align::Center},
        {QStringLiteral("单   价"), QStringLiteral("price"), 24, Align::Right},
        {QStringLiteral("总    价"), QStringLiteral("mountprice"), 26, Align::Right},
    });
}

Band columnHeader(const report::RuledTable &table)
{
    Band band = table.columnHeader(8);
    for (Element &e : band.elements)
        if (e.kind == Element::Kind::Label)
            e = e.sized(12);
    return band;
}

Band pageHeader(const QString &number)
{
    const qreal right = 130;
    reference::Letterhead head{QStringLiteral("订  购  单")};
    head.titleSize = 18;
    head.firmSize = 15;
    head.firmBold = true;
    return reference::letterheadBand(head, 44,
                {
                    Element::label({right, 19, 60, 6}, QStringLiteral("NO.") + number).sized(12).bold(),
                    Element::label({right, 25, 60, 4}, QStringLiteral("办事处：临江市工业园区盈丰路 8 号")).sized(9),
                    Element::label({right, 29, 60, 4}, QStringLiteral("盈丰达大厦三楼")).sized(9),
                    Element::label({right, 33, 60, 4}, QStringLiteral("电话：0000-0000000")).sized(9),
                    Element::label({right, 37, 60, 4}, QStringLiteral("传真：0000-0000001")).sized(9),
                    Element::label({0, 37, 10, 6}, QStringLiteral("兹向")),
                    Element::field({10, 37, 60, 6}, QStringLiteral("f_name")).aligned(Align::Center),
                    Element::horizontalRule(10, 43, 60),
                    Element::label({72, 37, 40, 6}, QStringLiteral("公司订货如下")),
                });
}

Band summary()
{
    return Band{30,
                {
                    Element::frame({0, 0, PrintableWidth, 28}),
                    Element::label({2, 1, 20, 6}, QStringLiteral("订货日期")),
                    Element::field({22, 1, 40, 6}, QStringLiteral("d_date")),
                    Element::label({100, 1, 24, 6}, QStringLiteral("预交货日期")),
                    Element::field({124, 1, 40, 6}, QStringLiteral("p_date")),
                    Element::label({2, 9, 186, 6}, QStringLiteral("产品需如附样，如有不符请自行负责。")),
                    Element::label({2, 17, 186, 4}, QStringLiteral("厂址：临江市工业园区盈丰路 8 号")).sized(9),
                    Element::label({2, 22, 186, 4}, QStringLiteral("电话：0000-0000000    传真：0000-0000001")).sized(9),
                }};
}

} // namespace

PurchaseOrderPrintout::PurchaseOrderPrintout(const db::TableDataSet &lines, const QString &number, QWidget *parent)
    : report::PrintPreview(definition(number), reference::DataSetSource(lines), parent)
{
    setObjectName(reference::instanceName(FormName));
}

report::ReportDefinition PurchaseOrderPrintout::definition(const QString &number)
{
    const report::RuledTable table = orderTable();
    report::ReportDefinition d;
    d.name = QStringLiteral("订购单打印");
    d.paper = {210, 150};
    d.margins = {10, 10, 10, 10};
    d.baseFont = {QStringLiteral("Arial"), 10};
    d.pageHeader = pageHeader(number);
    d.columnHeader = columnHeader(table);
    d.detail = table.detail(7);
    d.summary = summary();
    return d;
}

} // namespace purchasing
