#include "stock/ColourFabricAcceptanceSlip.h"

#include "reference/FormName.h"
#include "reference/Letterhead.h"
#include "reference/DataSetSource.h"
#include "report/RuledTable.h"

namespace stock {

namespace {

using report::Align;
using report::Band;
using report::Element;

constexpr qreal PrintableWidth = reference::LetterWidth;

report::RuledTable slipTable()
{
    return report::RuledTable({
        {QStringLiteral("订单号"), QStringLiteral("memo"), 22, Align::Center},
        {QStringLiteral("材料名称"), QStringLiteral("pname"), 28, Align::Center},
        {QStringLiteral("规   格"), QStringLiteral("scale"), 22, Align::Center},
        {QStringLiteral("单位"), QStringLiteral("b2"), 12, Align::Center},
        {QStringLiteral("定购\n数量"), QStringLiteral("dingnumber"), 16, Align::Center},
        {QStringLiteral("送货\n数量"), QStringLiteral("yanshu"), 16, Align::Center},
        {QStringLiteral("抽验\n比例"), QStringLiteral("chouscale"), 16, Align::Center},
        {QStringLiteral("检  验  结  果"), QStringLiteral("chouresult"), 24, Align::Center},
        {QStringLiteral("入库\n数量"), QStringLiteral("yanshu"), 16, Align::Center},
        {QStringLiteral("备  注"), QStringLiteral("memo"), 18, Align::Center},
    });
}

Band pageHeader()
{
    return reference::letterheadBand({QStringLiteral("材 料 验 收 单")}, 30,
                {
                    Element::label({0, 22, 12, 6}, QStringLiteral("厂商")),
                    Element::field({12, 22, 70, 6}, QStringLiteral("f_name")).aligned(Align::Center),
                    Element::horizontalRule(12, 28, 70),
                    Element::label({130, 22, 14, 6}, QStringLiteral("日期：")),
                    Element::printDate({144, 22, 46, 6}),
                });
}

Band pageFooter()
{
    Band band{12, {Element::horizontalRule(0, 1, PrintableWidth)}};
    const QStringList signatures{QStringLiteral("经理"), QStringLiteral("仓库"), QStringLiteral("验收"),
                                 QStringLiteral("送货")};
    for (int i = 0; i < signatures.size(); ++i)
        band.elements.append(Element::label({i * PrintableWidth / 4, 3, 20, 6}, signatures[i]));
    return band;
}

} // namespace

ColourFabricAcceptanceSlip::ColourFabricAcceptanceSlip(const db::TableDataSet &inspections, QWidget *parent, const QDate &printDate)
    : report::PrintPreview(definition(), reference::DataSetSource(inspections), parent, printDate)
{
    setObjectName(reference::instanceName(FormName));
}

report::ReportDefinition ColourFabricAcceptanceSlip::definition()
{
    const report::RuledTable table = slipTable();
    report::ReportDefinition d;
    d.name = QStringLiteral("材料验收单");
    d.paper = {210, 150};
    d.margins = reference::LetterMargins;
    d.pageHeader = pageHeader();
    d.columnHeader = table.columnHeader(11);
    d.detail = table.detail(7);
    d.pageFooter = pageFooter();
    return d;
}

} // namespace stock
