#include "PurchaseOrder.h"

#include "report/RuledTable.h"

#include <QDate>
#include <QStringList>

namespace report {

namespace {

constexpr qreal printableWidth = 190;

RuledTable orderTable()
{
    return RuledTable({
        {QStringLiteral("品名"), QStringLiteral("material"), 40},
        {QStringLiteral("规格"), QStringLiteral("model"), 30},
        {QStringLiteral("颜色"), QStringLiteral("color"), 20},
        {QStringLiteral("单位"), QStringLiteral("unit"), 12, Align::Center},
        {QStringLiteral("数量"), QStringLiteral("quantity"), 22, Align::Right, QStringLiteral("#,#.00")},
        {QStringLiteral("单价"), QStringLiteral("price"), 22, Align::Right, QStringLiteral("#,#.000")},
        {QStringLiteral("金额"), QStringLiteral("amount"), 24, Align::Right, QStringLiteral("#,#.00")},
        {QStringLiteral("备注"), QStringLiteral("memo"), 20},
    });
}

Band pageHeader()
{
    return Band{36,
                {
                    Element::label({0, 0, printableWidth, 8}, QStringLiteral("临江盈丰达贴合鞋材有限公司"))
                        .sized(15)
                        .bold()
                        .aligned(Align::Center),
                    Element::label({0, 9, printableWidth, 10}, QStringLiteral("订  购  单"))
                        .sized(18)
                        .bold()
                        .aligned(Align::Center),
                    Element::label({140, 21, 12, 6}, QStringLiteral("NO.")).aligned(Align::Right),
                    Element::field({152, 21, 38, 6}, QStringLiteral("orderno")),
                    Element::label({0, 29, 12, 6}, QStringLiteral("兹向")),
                    Element::field({12, 29, 50, 6}, QStringLiteral("supplier")).underlined().aligned(Align::Center),
                    Element::label({62, 29, 40, 6}, QStringLiteral("公司订货如下：")),
                }};
}

Band summary(const RuledTable &table)
{
    const qreal amountLeft = table.left(6);
    return Band{16,
                {
                    Element::verticalRule(0, 0, 7),
                    Element::label({0, 0, amountLeft, 7}, QStringLiteral("合    计")).aligned(Align::Center),
                    Element::sum({amountLeft, 0, table.left(7) - amountLeft, 7}, QStringLiteral("amount"),
                                 Element::SumScope::Report)
                        .masked(QStringLiteral("#,#.00"))
                        .aligned(Align::Right)
                        .bordered(),
                    Element::horizontalRule(0, 7, printableWidth),
                    Element::verticalRule(printableWidth, 0, 7),
                    Element::label({0, 9, 22, 6}, QStringLiteral("订货日期：")),
                    Element::field({22, 9, 40, 6}, QStringLiteral("orderdate")),
                    Element::label({100, 9, 26, 6}, QStringLiteral("预交货日期：")),
                    Element::field({126, 9, 40, 6}, QStringLiteral("duedate")),
                }};
}

QVariantList orderLine(int index)
{
    static const QStringList suppliers{"晋江华丰化工", "福州永信纺织", "温州金利皮革", "东莞宏达胶粘"};
    static const QStringList materials{"PU 合成革", "超纤贴合布", "EVA 中底片", "热熔胶膜", "网布", "无纺布"};
    static const QStringList models{"1.2mm", "0.8mm×54\"", "3mm 高弹", "HM-205", "三明治网", "80g"};
    static const QStringList colors{"黑色", "白色", "米黄", "深灰", "宝蓝"};
    static const QStringList units{"米", "码", "张", "公斤"};

    const int order = index / 10;
    const double quantity = 50 + index * 37 % 450 + (index % 4) * 0.25;
    const double price = 3.5 + index * 13 % 40 * 0.125;
    const QDate ordered = QDate(2024, 3, 1).addDays(order);
    return {
        QStringLiteral("PO2403%1").arg(order + 1, 4, 10, QLatin1Char('0')),
        suppliers.at(order % suppliers.size()),
        materials.at(index % materials.size()),
        models.at(index % models.size()),
        colors.at(index % colors.size()),
        units.at(index % units.size()),
        quantity,
        price,
        quantity * price,
        index % 3 == 0 ? QStringLiteral("急") : QString(),
        ordered,
        ordered.addDays(15),
    };
}

}

ReportDefinition PurchaseOrder::definition()
{
    const RuledTable table = orderTable();
    ReportDefinition definition;
    definition.name = QStringLiteral("订购单");
    definition.paper = {210, 150};
    definition.margins = {10, 10, 10, 10};
    definition.baseFont = {QStringLiteral("Arial"), 10};
    definition.pageHeader = pageHeader();
    definition.columnHeader = table.columnHeader(8);
    definition.detail = table.detail(6);
    definition.summary = summary(table);
    return definition;
}

TableSource PurchaseOrder::sampleData(int rows)
{
    TableSource source({"orderno", "supplier", "material", "model", "color", "unit", "quantity", "price",
                        "amount", "memo", "orderdate", "duedate"});
    for (int index = 0; index < rows; ++index)
        source.append(orderLine(index));
    return source;
}

}
