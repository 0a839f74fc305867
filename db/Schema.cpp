#include "db/Schema.h"

#include "db/AppError.h"

#include <QHash>

namespace db {

namespace {

Column text(const char *name, int width, const char *label = "") { return {name, ColumnType::Text, width, QString::fromUtf8(label)}; }
Column fixedText(const char *name, int width, const char *label = "") { return {name, ColumnType::FixedText, width, QString::fromUtf8(label)}; }
Column wideText(const char *name, int width, const char *label = "") { return {name, ColumnType::WideText, width, QString::fromUtf8(label)}; }
Column real(const char *name, const char *label = "") { return {name, ColumnType::Real, 0, QString::fromUtf8(label)}; }
Column integer(const char *name, const char *label = "") { return {name, ColumnType::Integer, 0, QString::fromUtf8(label)}; }
Column dateTime(const char *name, const char *label = "") { return {name, ColumnType::DateTime, 0, QString::fromUtf8(label)}; }

QVector<Table> allTables()
{
    return {
        {"inc", {}, {}, {
            wideText("id", 50),
            wideText("linid", 50),
            wideText("sa", 50),
        }},
        {"section", "section_id", {}, {
            fixedText("section_id", 10, "部门编号"),
            text("section_name", 50, "部门名称"),
            text("section_memo", 50, "备注"),
        }},
        {"ptype", "ptype_id", {}, {
            fixedText("ptype_id", 10, "物品代号"),
            text("ptype_name", 50, "物品名称"),
            text("ptype_count", 50, "统计方式"),
            text("ptype_module", 50, "计量单位"),
            text("ptype_parent", 50, "总分类"),
            text("ptype_memo", 100, "备注"),
        }},
        {"color", "color_id", {}, {
            fixedText("color_id", 10, "颜色代号"),
            text("color_name", 50, "颜色名称"),
            text("color_memo", 100, "备注"),
        }},
        {"width", "width_id", {}, {
            fixedText("width_id", 10, "幅宽代号"),
            text("width_standard", 50, "名称"),
            text("width_memo", 100, "备注"),
        }},
        {"standard", "standard_id", {}, {
            fixedText("standard_id", 10, "规格代号"),
            text("standard", 50, "规格名称"),
            text("standard_memo", 100, "备注"),
        }},
        {"exchange", "exchange_id", {}, {
            fixedText("exchange_id", 10, "汇率代号"),
            text("piece", 50, "币别"),
            real("exchange", "汇率"),
            text("exchange_memo", 100, "备注"),
        }},
        {"payway", "payway_id", {}, {
            fixedText("payway_id", 10, "编号"),
            text("payway_name", 50, "付款方式"),
            wideText("payway_date", 12, "付款日期"),
            text("payway_memo", 100, "备注"),
        }},
        {"customer", "id", {{"name"}}, {
            fixedText("id", 10, "客户编号"),
            text("name", 50, "客户名称"),
            text("firstname", 50, "客户全称"),
            text("address", 100, "地址"),
            text("people", 50, "联系人"),
            text("tel", 50, "电话"),
            text("fax", 50, "传真"),
            text("email", 50, "E- mail"),
            text("manager", 50, "会计"),
            text("memo", 100, "备注"),
        }},
        {"factory", "id", {{"name"}}, {
            fixedText("id", 10, "厂商编号"),
            text("name", 50, "厂商名称"),
            text("firstname", 50, "厂商全称"),
            text("address", 100, "地址"),
            text("people", 50, "联系人"),
            text("tel", 50, "电话"),
            text("fax", 50, "传真"),
            text("email", 50, "E－Mail"),
            text("memo", 100, "备注"),
        }},
        {"cpriceform", {}, {{"c_name"}, {"pname"}, {"c_date"}}, {
            text("c_name", 50, "客户名称"),
            text("c_tel", 50, "客户电话"),
            text("c_fax", 50, "客户传真"),
            text("manager", 50, "客户主管"),
            wideText("startdate", 12, "起始日期"),
            text("color", 50, "颜色"),
            text("standard", 50, "规格"),
            wideText("c_date", 12, "报价日期"),
            text("pname", 50, "品名"),
            text("p_module", 50, "单位"),
            text("piece", 50, "报价币别"),
            real("price_36", "36''单价"),
            real("thick_36", "36''MM"),
            real("price_44", "44''单价"),
            real("thick_44", "44''MM"),
            real("price_54", "54''单价"),
            real("thick_54", "54''MM"),
            real("price_60", "60''单价"),
            real("thick_60", "60''MM"),
            text("memo", 100, "备注"),
        }},
        {"baojialinshi", {}, {}, {
            wideText("cname", 50, "客户名称"),
            wideText("bibie", 50, "报价币别"),
            wideText("pname", 50, "品名"),
            wideText("unit", 50, "单位"),
            real("36", "36''单价"),
            real("44", "44''单价"),
            real("54", "54‘’单价"),
            real("60", "60‘’单价"),
            dateTime("date", "报价日期"),
        }},
        {"indent", {}, {{"c_id"}, {"num"}, {"i_date"}}, {
            fixedText("c_id", 10, "客户名称"),
            fixedText("num", 10, "订单号码"),
            text("pname", 50, "规格及名称"),
            text("p_module", 50, "单位"),
            text("standard", 50, "规格"),
            real("i_count", "订单量"),
            text("piece", 50, "币别"),
            real("exchange", "汇率"),
            dateTime("i_date", "订单日期"),
            dateTime("pdate", "预交日期"),
            text("memo", 100, "备注"),
            wideText("c_order", 50, "代料名称"),
        }},
        {"p_detail", {}, {{"c_name"}, {"c_order"}}, {
            text("c_name", 50, "客户名称"),
            dateTime("p_date", "加工日期"),
            text("c_order", 50, "生产指令"),
            text("detail", 50, "加工明细"),
            integer("mount", "加工数量"),
            text("r_name", 50, "代料名称"),
            integer("r_mount", "实完成量"),
            text("memo", 100, "备注"),
        }},
        {"fpriceform", {}, {{"f_name"}, {"pname"}}, {
            text("f_name", 50, "厂商名称"),
            text("f_tel", 50, "厂商电话"),
            text("f_fax", 50, "厂商传真"),
            text("pname", 50, "品名"),
            text("p_module", 50, "单位"),
            text("standard", 50, "规格"),
            dateTime("f_date", "报价日期"),
            dateTime("startdate", "起始日期"),
            text("piece", 50, "报价币别"),
            real("price_36", "36''单价"),
            real("price_44", "44\"单价"),
            real("price_54", "54\"单价"),
            real("price_60", "60''单价"),
            text("memo", 100, "备注"),
        }},
        {"procureform", {}, {{"id"}, {"f_name"}, {"pname"}, {"d_date"}}, {
            text("f_name", 50, "厂商名称"),
            wideText("id", 50, "订购单号"),
            text("manager", 50, "采购主管"),
            dateTime("d_date", "订货日期"),
            dateTime("p_date", "预交日期"),
            text("pname", 50, "品名"),
            wideText("piece", 50, "幅宽"),
            text("standard", 50, "规格"),
            text("color", 50, "色别"),
            text("p_module", 50, "单位 "),
            real("mount", "数量"),
            real("price", "单价"),
            real("mountprice", "总价"),
            text("memo", 100, "备注"),
        }},
        {"fsendform", {}, {{"f_id"}, {"f_name"}, {"pname"}, {"s_date"}}, {
            fixedText("f_id", 10, "订购单号"),
            wideText("f_name", 50, "厂商名称"),
            wideText("pname", 50, "品名"),
            wideText("color", 50, "颜色"),
            wideText("standard", 50, "规格"),
            fixedText("ischecked", 10, "幅宽"),
            real("p_count", "材料件数"),
            real("s_count", "送货数量"),
            real("price", "单价"),
            real("mountprice", "金额合计"),
            dateTime("s_date", "送货日期"),
        }},
        {"youseyan", {}, {{"pname", "b1", "scale", "color", "date", "yanshu"}, {"date"}, {"f_name"}, {"scale"}, {"color"}}, {
            wideText("memo", 50, "订购单号"),
            wideText("f_name", 50, "厂商名称"),
            wideText("pname", 50, "品名"),
            wideText("color", 50, "颜色"),
            wideText("scale", 50, "规格"),
            real("jianshu", "材料件数"),
            real("yanshu", "验收数量"),
            wideText("chouscale", 50, "抽验比例"),
            wideText("chouresult", 50, "抽验结果"),
            dateTime("date", "送货日期"),
            wideText("b1", 50, "幅宽"),
            wideText("b2", 50, "单位"),
            real("dingnumber", "订购数量"),
        }},
        {"fuliaoyan", {}, {{"pname", "b1", "scale", "color", "date", "yanshu"}, {"date"}, {"f_name"}, {"scale"}, {"color"}}, {
            wideText("memo", 50, "订购单号"),
            wideText("f_name", 50, "厂商名称"),
            wideText("pname", 50, "品名"),
            wideText("color", 50, "颜色"),
            wideText("scale", 50, "规格"),
            real("jianshu", "材料件数"),
            real("yanshu", "验收数量"),
            wideText("chouscale", 50, "抽验比例"),
            wideText("chouresult", 50, "抽验结果"),
            dateTime("date", "送货日期"),
            wideText("b1", 50, "幅宽"),
            wideText("b2", 50, "单位"),
            real("dingnumber", "订购数量"),
        }},
        {"yousekucun", {}, {{"pname", "color", "scale", "b1"}}, {
            wideText("f_name", 50),
            wideText("pname", 50, "品名"),
            wideText("color", 50, "颜色"),
            wideText("scale", 50, "规格"),
            real("jian"),
            real("number", "库存数量"),
            wideText("b1", 50, "幅宽"),
            wideText("b2", 50, "单位"),
            real("price", "单价"),
            real("money", "金额"),
        }},
        {"fuliaokucun", {}, {{"pname", "color", "scale", "b1"}}, {
            wideText("f_name", 50),
            wideText("pname", 50, "品名"),
            wideText("color", 50, "颜色"),
            wideText("scale", 50, "规格"),
            real("jian"),
            real("number", "库存数量"),
            wideText("b1", 50, "幅宽"),
            wideText("b2", 50, "单位"),
            real("price", "单价"),
            real("money", "金额"),
        }},
        {"peijin", {}, {{"pname"}, {"date"}}, {
            wideText("pname", 50, "品名"),
            wideText("scale", 50, "规格"),
            real("number", "进料数量"),
            dateTime("date", "进料日期"),
        }},
        {"peichu", {}, {{"pname"}, {"facname"}, {"date"}}, {
            wideText("pname", 50, "品名"),
            wideText("scale", 50, "规格"),
            wideText("facname", 50, "厂商名称"),
            real("number", "发料数量"),
            dateTime("date", "发料日期"),
        }},
        {"peicun", {}, {{"pname", "scale"}}, {
            wideText("pname", 50),
            wideText("scale", 50),
            real("number"),
            dateTime("date"),
        }},
        {"zaziliao", {}, {{"facname"}, {"pname"}}, {
            wideText("facname", 50, "厂商名称"),
            wideText("pname", 50, "品名"),
            wideText("scale", 50, "规格"),
            wideText("color", 50, "颜色"),
            wideText("width", 50, "幅宽"),
        }},
        {"pandiancun", {}, {{"pname"}, {"facname"}, {"date"}}, {
            wideText("facname", 50, "厂商名称"),
            wideText("pname", 50, "品名"),
            wideText("scale", 50, "规格"),
            wideText("color", 50, "颜色"),
            wideText("width", 50, "幅宽"),
            wideText("b1", 50, "单位"),
            real("kucun", "帐面库存"),
            real("pancun", "盘点库存"),
            real("yingkui", "盘点盈亏"),
            real("price", "材料单价"),
            dateTime("date", "盘点日期"),
            wideText("memo", 50, "备注"),
        }},
        {"pandiancunfuliao", {}, {{"pname"}, {"date"}}, {
            wideText("facname", 50, "厂商名称"),
            wideText("pname", 50, "品名"),
            wideText("scale", 50, "规格"),
            wideText("color", 50, "颜色"),
            wideText("width", 50, "幅宽"),
            wideText("b1", 50, "单位"),
            real("kucun", "帐面库存"),
            real("pancun", "盘点库存"),
            real("yingkui", "盘点盈亏"),
            real("price", "材料单价"),
            dateTime("date", "盘点日期"),
            wideText("memo", 50, "备注"),
        }},
        {"kucuntemp", {}, {}, {
            wideText("pname", 50),
            wideText("width", 50),
            wideText("scale", 50),
            wideText("color", 50),
            real("beforesave"),
            real("thisin"),
            real("thisout"),
            real("thissave"),
            real("price"),
            real("money"),
            wideText("b1", 50),
            real("b2"),
        }},
        {"linliaodantemp", {}, {}, {
            wideText("secname", 50),
            wideText("liaolei", 50),
            dateTime("date"),
            wideText("cname", 50),
            wideText("corder", 50),
            wideText("pname", 50),
            fixedText("scale", 10),
            wideText("color", 50),
            wideText("width", 50),
            wideText("unit", 50),
            real("qingnumber"),
            real("shinumber"),
            wideText("manager", 50),
            wideText("memo", 50),
        }},
        {"linliaoshen", {}, {{"pname", "width", "scale", "color", "date", "shinumber"}, {"date"}}, {
            fixedText("id", 10, "领料单号"),
            wideText("secname", 50, "领料部门"),
            wideText("b1", 50, "物料类别"),
            dateTime("date", "领料日期"),
            wideText("cname", 50, "客户名称"),
            wideText("corder", 50, "加工单号"),
            wideText("pname", 50, "品名"),
            wideText("width", 50, "幅宽"),
            wideText("scale", 50, "规格"),
            wideText("color", 50, "颜色"),
            wideText("unit", 50, "单位"),
            real("qingnumber", "请领数量"),
            real("shinumber", "实发数量"),
            wideText("cap", 50, "机长"),
            wideText("memo", 50, "备注"),
        }},
        {"linliaoshenfu", {}, {{"pname", "width", "scale", "color", "date", "shinumber"}, {"date"}}, {
            wideText("id", 50, "领料单号"),
            wideText("secname", 50, "领料部门"),
            wideText("b1", 50, "物料类别"),
            dateTime("date", "领料日期"),
            wideText("cname", 50, "客户名称"),
            wideText("corder", 50, "加工单号"),
            wideText("pname", 50, "品名"),
            wideText("width", 50, "幅宽"),
            wideText("scale", 50, "规格"),
            wideText("color", 50, "颜色"),
            wideText("unit", 50, "单位"),
            real("qingnumber", "请领数量"),
            real("shinumber", "实发数量"),
            wideText("cap", 50, "机长"),
            wideText("memo", 50, "备注"),
        }},
        {"stuffreport", {}, {{"cname"}, {"date"}}, {
            wideText("cname", 50, "客户名称"),
            wideText("bname", 50, "布类名称"),
            wideText("scale", 50, "规格"),
            dateTime("jindate", "进料日期"),
            real("manumber", "进料码数"),
            real("jiannumber", "件数"),
            real("yannumber", "检验码数"),
            wideText("buzhu", 50, "来料不足"),
            wideText("bulian", 50, "原料不良"),
            real("sunhao", "加工损耗"),
            real("sunhaosum", "损耗合计"),
            real("shimanumber", "实际码数"),
            dateTime("date", "录入日期"),
            wideText("memo", 50, "备注"),
        }},
        {"jiaribaobiao", {}, {{"cname"}, {"date"}}, {
            wideText("cname", 50, "客户名称"),
            dateTime("date", "加工日期"),
            wideText("ordno", 100, "生产指令"),
            wideText("detail", 100, "加工明细"),
            wideText("dname", 100, "代料名称"),
            real("number", "数量"),
            real("shinumber", "实完成量"),
            wideText("state", 50, "状态"),
            wideText("memo", 50, "备注"),
        }},
        {"jiaribaobiaotemp", {}, {}, {
            wideText("cname", 50),
            wideText("date", 50),
            wideText("ordno", 100),
            wideText("detail", 100),
            wideText("dname", 100),
            real("number"),
            real("shinumber"),
            wideText("memo", 50),
        }},
        {"chuhuo", {}, {{"cname"}, {"accessid"}, {"ordno"}, {"pname"}, {"date"}}, {
            wideText("Accessid", 50, "凭证号码"),
            wideText("cname", 50, "客户名称"),
            wideText("ordno", 50, "订单号码"),
            wideText("date", 50, "出货日期"),
            wideText("pname", 50, "品名"),
            wideText("scale", 50, "支数"),
            real("number", "码数"),
            real("weight", "重量"),
            wideText("dnane", 50, "代料名称"),
            real("price", "单价"),
            real("memo", "金额"),
            wideText("b1", 50, "状态"),
            wideText("b2", 50, "标记"),
        }},
        {"chuhuodailiao", {}, {{"accessid"}, {"pname"}, {"date"}}, {
            wideText("Accessid", 50, "凭证号码"),
            wideText("cname", 50, "客户名称"),
            wideText("ordno", 50, "订单号码"),
            wideText("date", 50, "出货日期"),
            wideText("prename", 50, "所属品名"),
            wideText("pname", 50, "代料品名"),
            wideText("scale", 50, "支数"),
            real("number", "码数"),
            real("weight", "重量"),
            wideText("dname", 50, "代料名称"),
            real("price", "单价"),
            fixedText("money", 10, "金额"),
            wideText("b1", 50, "状态"),
        }},
        {"backform", {}, {{"c_name"}, {"pname"}, {"date"}}, {
            wideText("c_name", 50, "客户名称"),
            dateTime("date", "退料日期"),
            wideText("pname", 50, "材料名称"),
            wideText("scale", 50, "规格"),
            real("number", "数量"),
            wideText("result", 50, "退料原因"),
        }},
        {"qingkuanlinshi", {}, {}, {
            wideText("cname", 50, "客户名称"),
            wideText("accessid", 50, "出货单号"),
            wideText("ordno", 50, "客户订单/指令"),
            wideText("pname", 100, "材料品名规格"),
            real("number", "出货数量"),
            real("price", "单价"),
            real("memo", "金额"),
            wideText("date", 50, "出货日期"),
            wideText("dname", 50, "代料名称"),
        }},
        {"yingshou", {}, {{"cname"}, {"date"}}, {
            wideText("cname", 50, "客户名称"),
            dateTime("date", "结帐日期"),
            fixedText("bibie", 10, "币别"),
            real("exchange", "汇率"),
            real("yingshou", "应收金额"),
            real("shishou", "实收金额"),
            wideText("memo", 50, "备注"),
            wideText("state", 50, "状态"),
        }},
        {"yingfu", {}, {{"fname"}, {"date"}}, {
            wideText("fname", 50, "厂商名称"),
            dateTime("date", "结帐日期"),
            wideText("bibie", 50, "币别"),
            real("exchange", "汇率"),
            real("yingshou", "应付金额"),
            real("shishou", "实付金额"),
            wideText("memo", 50, "备注"),
            wideText("state", 50, "状态"),
        }},
    };
}

} // namespace

int Table::columnIndex(const QString &column) const
{
    for (int i = 0; i < columns.size(); ++i)
        if (columns[i].name.compare(column, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

const Column &Table::column(const QString &column) const
{
    const int i = columnIndex(column);
    if (i < 0)
        throw AppError(QStringLiteral("表 %1 没有列 %2").arg(name, column));
    return columns[i];
}

const QVector<Table> &Schema::tables()
{
    static const QVector<Table> all = allTables();
    return all;
}

const Table *Schema::find(const QString &name)
{
    static const QHash<QString, const Table *> byName = [] {
        QHash<QString, const Table *> map;
        for (const Table &t : tables())
            map.insert(t.name.toLower(), &t);
        return map;
    }();
    return byName.value(name.toLower(), nullptr);
}

const Table &Schema::table(const QString &name)
{
    if (const Table *t = find(name))
        return *t;
    throw AppError(QStringLiteral("数据库中没有表 %1").arg(name));
}

} // namespace db
