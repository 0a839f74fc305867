#include "stock/StockInquiry.h"

#include "db/Query.h"

namespace stock {

QStringList StockInquiry::itemNames(Family family) const
{
    return db::Query::texts(m_connection, QStringLiteral("select distinct pname from %1").arg(tablesOf(family).stock));
}

QStringList StockInquiry::specifications(std::optional<Family> family, const QString &itemName) const
{
    const QString table = tablesOf(family.value_or(Family::AuxiliaryMaterial)).stock;
    return db::Query::texts(m_connection, QStringLiteral("select distinct scale from %1 where pname=:Q1").arg(table),
                            {{QStringLiteral("Q1"), itemName}});
}

db::RowFilter StockInquiry::filter(const QString &itemName, const QString &specification)
{
    db::RowFilter f;
    if (!itemName.isEmpty())
        f = f && db::RowFilter::equals(QStringLiteral("pname"), itemName);
    if (!specification.isEmpty())
        f = f && db::RowFilter::equals(QStringLiteral("scale"), specification);
    return f;
}

db::ColumnWrite StockInquiry::amountAt(const QVariant &price)
{
    return {QStringLiteral("money"), price, QStringLiteral("? * number")};
}

const QStringList &StockInquiry::dailyReportFields()
{
    static const QStringList fields{"pname", "b1", "scale", "color", "number", "b2", "price", "money"};
    return fields;
}

QList<QVariantList> StockInquiry::dailyReportRows(Family family) const
{
    const QStringList &fields = dailyReportFields();
    db::Query query(m_connection);
    query.setText(QStringLiteral("select %1 from %2 order by pname,b1").arg(fields.join(QLatin1Char(',')), tablesOf(family).stock));
    query.open();
    QList<QVariantList> rows;
    while (query.next()) {
        QVariantList row;
        for (int c = 0; c < fields.size(); ++c)
            row << query.value(c);
        rows.append(row);
    }
    return rows;
}

} // namespace stock
