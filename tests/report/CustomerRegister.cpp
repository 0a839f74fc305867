#include "CustomerRegister.h"

#include "report/RuledTable.h"

#include <QStringList>

namespace report {

namespace {

RuledTable customerTable()
{
    return RuledTable({
        {QStringLiteral("客户编号"), QStringLiteral("id"), 16},
        {QStringLiteral("客户名称"), QStringLiteral("name"), 24},
        {QStringLiteral("客户全称"), QStringLiteral("firstname"), 38},
        {QStringLiteral("地址"), QStringLiteral("address"), 50},
        {QStringLiteral("联系人"), QStringLiteral("people"), 15},
        {QStringLiteral("电话"), QStringLiteral("tel"), 25},
        {QStringLiteral("传真"), QStringLiteral("fax"), 25},
        {QStringLiteral("E-Mail"), QStringLiteral("email"), 38},
        {QStringLiteral("会计"), QStringLiteral("manager"), 14},
        {QStringLiteral("备注"), QStringLiteral("memo"), 32},
    });
}

Band pageHeader(qreal width)
{
    const qreal centre = width / 2;
    return Band{24,
                {
                    Element::label({0, 1, width, 11}, QStringLiteral("客  户  资  料"))
                        .sized(20)
                        .bold()
                        .aligned(Align::Center),
                    Element::horizontalRule(centre - 27, 12.6, 54).thick(0.4),
                    Element::horizontalRule(centre - 27, 13.6, 54).thick(0.2),
                    Element::label({width - 50, 17, 22, 6}, QStringLiteral("制表日：")).aligned(Align::Right),
                    Element::printDate({width - 28, 17, 28, 6}),
                }};
}

QString pick(const QStringList &choices, int index)
{
    return choices.at(index % choices.size());
}

QVariantList customer(int index)
{
    static const QStringList places{"福州", "晋江", "莆田", "温州", "东莞", "泉州", "惠安", "石狮", "南安", "厦门", "漳州"};
    static const QStringList trades{"鞋业", "鞋材", "皮革", "制鞋", "贸易", "橡塑", "布业"};
    static const QStringList surnames{"陈", "林", "黄", "张", "李", "王", "吴", "刘", "蔡", "郑", "许", "洪", "苏"};
    static const QStringList given{"志明", "美玲", "建华", "秀英", "国强", "丽华", "文斌", "春生", "雅婷", "海峰"};
    static const QStringList roads{"工业路", "鞋都大道", "长安路", "滨江路", "金山路", "青阳街"};
    static const QStringList memos{"", "月结 30 天", "", "现金", "", "月结 60 天，开增值税票"};

    const QString place = pick(places, index);
    const QString name = place + pick(given, index / int(places.size())).left(1) + pick(trades, index);
    const QString number = QString::number(10000000 + index * 7919 % 9000000);
    return {
        QStringLiteral("C%1").arg(index + 1, 5, 10, QLatin1Char('0')),
        name,
        name + QStringLiteral("有限公司"),
        QStringLiteral("福建省%1市%2%3号").arg(place, pick(roads, index)).arg(index % 300 + 1),
        pick(surnames, index) + pick(given, index / 3),
        QStringLiteral("0595-%1").arg(number.right(8)),
        QStringLiteral("0595-%1").arg(QString::number(number.toInt() + 1).right(8)),
        QStringLiteral("sales%1@example.com").arg(index + 1),
        pick(surnames, index + 5) + pick(given, index + 2).left(1),
        pick(memos, index),
    };
}

}

ReportDefinition CustomerRegister::definition()
{
    const RuledTable table = customerTable();
    ReportDefinition definition;
    definition.name = QStringLiteral("客户资料");
    definition.paper = Paper::a4Landscape();
    definition.margins = {10, 10, 10, 10};
    definition.baseFont = {QStringLiteral("宋体"), 9};
    definition.pageHeader = pageHeader(table.width());
    definition.columnHeader = table.columnHeader(8);
    definition.detail = table.detail(6);
    return definition;
}

TableSource CustomerRegister::sampleData(int rows)
{
    TableSource source({"id", "name", "firstname", "address", "people", "tel", "fax", "email", "manager", "memo"});
    for (int index = 0; index < rows; ++index)
        source.append(customer(index));
    return source;
}

}
