#include "stock/MonthlyStockFigures.h"

#include "db/AppError.h"
#include "db/Query.h"
#include "db/Schema.h"
#include "db/ScratchRows.h"
#include "db/TextForms.h"

#include <QHash>

namespace stock {

namespace {

struct Sums {
    double before = 0;
    double within = 0;
};

QString keyOf(const QString &pname, const QString &width, const QString &scale, const QString &color)
{
    return QStringList{pname, width, scale, color}.join(QChar(0x1f));
}

// The movements of the table by item: the sum before the period and the sum
// within it. An item column that holds nothing never equals an item's text,
// so such records count for no stock row.
QHash<QString, Sums> sumsByItem(db::Connection &connection, const QString &table, const QString &quantity,
                                const QString &widthColumn, const QDate &from, const QDate &to)
{
    db::Query query(connection);
    query.add(QStringLiteral("select pname, %1, scale, color,").arg(widthColumn));
    query.add(QStringLiteral("sum(case when date < :Q5 then %1 end),").arg(quantity));
    query.add(QStringLiteral("sum(case when date >= :Q5 and date < :Q6 then %1 end)").arg(quantity));
    query.add(QStringLiteral("from %1 where date < :Q7").arg(table));
    query.add(QStringLiteral("group by pname, %1, scale, color").arg(widthColumn));
    // Records of the whole end date count, whatever their time of day; a
    // start after the end still counts everything before the start.
    const QDate afterEnd = to.addDays(1);
    query.setParam(QStringLiteral("Q5"), from);
    query.setParam(QStringLiteral("Q6"), afterEnd);
    query.setParam(QStringLiteral("Q7"), qMax(from, afterEnd));
    query.open();
    QHash<QString, Sums> sums;
    while (query.next()) {
        if (query.value(0).isNull() || query.value(1).isNull() || query.value(2).isNull() || query.value(3).isNull())
            continue;
        sums.insert(keyOf(query.value(0).toString(), query.value(1).toString(), query.value(2).toString(),
                          query.value(3).toString()),
                    {query.value(4).toDouble(), query.value(5).toDouble()});
    }
    return sums;
}

} // namespace

const QStringList &MonthlyStockFigures::headers()
{
    static const QStringList texts{"品名", "幅宽", "规格", "颜色", "上月结余", "本月进入", "本月发出", "本月结余", "单价", "金额"};
    return texts;
}

QVector<MonthlyStockRow> MonthlyStockFigures::compute(db::Connection &connection, const FamilyTables &family,
                                                      const QDate &from, const QDate &to)
{
    const QHash<QString, Sums> receipts =
        sumsByItem(connection, family.inspection, QStringLiteral("yanshu"), QStringLiteral("b1"), from, to);
    const QHash<QString, Sums> issues =
        sumsByItem(connection, family.issues, QStringLiteral("shinumber"), QStringLiteral("width"), from, to);

    db::Query items(connection);
    items.add(QStringLiteral("select pname,b1,scale,color from %1  order by pname,b1").arg(family.stock));
    items.open();
    QVector<MonthlyStockRow> rows;
    while (items.next()) {
        MonthlyStockRow row{items.valueText(0), items.valueText(1), items.valueText(2), items.valueText(3)};
        const QString key = keyOf(row.pname, row.width, row.scale, row.color);
        const Sums in = receipts.value(key);
        const Sums out = issues.value(key);
        row.opening = in.before - out.before;
        row.received = in.within;
        row.issued = out.within;
        row.closing = row.opening + row.received - row.issued;
        rows.append(row);
    }
    return rows;
}

const QStringList &MonthlyStockFigures::printedFields()
{
    static const QStringList fields{"pname", "width", "scale", "color", "beforesave",
                                    "thisin", "thisout", "thissave", "price", "money"};
    return fields;
}

QList<QVariantList> MonthlyStockFigures::throughScratchTable(db::Connection &connection,
                                                             const QVector<QStringList> &rows)
{
    db::ScratchRows scratch(connection, QStringLiteral("kucuntemp"), printedFields());
    const db::Table &table = db::Schema::table(QStringLiteral("kucuntemp"));
    // Every cell is checked before anything is written, so that the message
    // names the grid's row and column.
    QList<QVariantList> cells;
    for (int r = 0; r < rows.size(); ++r) {
        QVariantList values;
        for (int c = 0; c < scratch.fields().size(); ++c) {
            const QString cell = rows[r].value(c);
            if (table.column(scratch.fields()[c]).isNumber() && !cell.trimmed().isEmpty() && !db::parseNumber(cell))
                throw AppError(QStringLiteral("第 %1 行“%2”的“%3”不是数字，没有打印。").arg(r + 1).arg(headers()[c], cell));
            values << cell;
        }
        cells << values;
    }
    return scratch.fill(cells);
}

} // namespace stock
