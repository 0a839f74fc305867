#include "production/StockIssue.h"

#include "db/AppError.h"
#include "db/Query.h"
#include "db/TableDataSet.h"
#include "db/TextForms.h"

namespace production {

namespace {

QString lineText(const db::Table &table, const QVector<QVariant> &line, const QString &column)
{
    return db::displayText(line.value(table.columnIndex(column))).trimmed();
}

StockItem itemOf(const db::Table &table, const QVector<QVariant> &line)
{
    return {lineText(table, line, QStringLiteral("pname")), lineText(table, line, QStringLiteral("width")),
            lineText(table, line, QStringLiteral("scale")), lineText(table, line, QStringLiteral("color"))};
}

// The stock row an issue takes from and the colour message reports: of
// several rows of one item (auxiliary material keeps one per supplier) the
// first in stored order, the one that intake adds to first as well.
QString firstStockRow(const QString &stockTable)
{
    return QStringLiteral("rowid = (select min(rowid) from %1 where pname=:Q1 and color=:Q2 and scale=:Q3 and b1=:Q4)")
        .arg(stockTable);
}

void bindItem(db::Query &query, const StockItem &item)
{
    query.setParam(QStringLiteral("Q1"), item.pname);
    query.setParam(QStringLiteral("Q2"), item.color);
    query.setParam(QStringLiteral("Q3"), item.scale);
    query.setParam(QStringLiteral("Q4"), item.width);
}

QString itemDescription(const StockItem &item)
{
    return QStringLiteral("品名为：%1   幅宽为：%2   规格为：%3   颜色为：%4")
        .arg(item.pname, item.width, item.scale, item.color);
}

} // namespace

StockIssue::StockIssue(db::Connection &connection, const stock::FamilyTables &family)
    : m_connection(connection), m_family(family)
{
}

int StockIssue::approve(db::TableDataSet &lines, const QVector<QVariant> &line)
{
    const db::Table &table = lines.table();
    const QString issued = lineText(table, line, QStringLiteral("shinumber"));
    if (issued.isEmpty())
        throw AppError(QStringLiteral("实发数量不能为空!这一行没有加入，库存没有改变。"));
    int row = -1;
    try {
        m_connection.transaction([&] {
            row = lines.append(line);
            subtract(itemOf(table, line), *db::parseNumber(issued));
        });
    } catch (const AppError &) {
        // The data set counted the withdrawn line: show the table as it is.
        lines.reopen();
        throw;
    }
    return row;
}

void StockIssue::subtract(const StockItem &item, double quantity)
{
    db::Query update(m_connection);
    update.add(QStringLiteral("update %1 set number = coalesce(number, 0) - :Q5").arg(m_family.stock));
    update.add(QStringLiteral("where ") + firstStockRow(m_family.stock));
    bindItem(update, item);
    update.setParam(QStringLiteral("Q5"), quantity);
    update.exec();
    if (update.rowsAffected() == 0)
        throw AppError(QStringLiteral("库存中没有%1的材料，这一行没有加入，库存没有改变。").arg(itemDescription(item)));
}

std::optional<double> StockIssue::onHand(const StockItem &item) const
{
    db::Query stock(m_connection);
    stock.add(QStringLiteral("select number from %1 where ").arg(m_family.stock) + firstStockRow(m_family.stock));
    bindItem(stock, item);
    stock.open();
    if (!stock.next() || stock.value(0).isNull())
        return std::nullopt;
    return stock.value(0).toDouble();
}

} // namespace production
