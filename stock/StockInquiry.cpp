#include "stock/StockInquiry.h"

#include "db/AppError.h"
#include "db/Query.h"
#include "db/TextForms.h"

namespace stock {

namespace {

double numberOf(const QString &caption, const QVariant &value)
{
    const QString text = db::displayText(value).trimmed();
    const auto number = db::parseNumber(text);
    if (!number)
        throw AppError(QStringLiteral("%1“%2”不是有效的数字").arg(caption, text));
    return *number;
}

} // namespace

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

double StockInquiry::amount(const QVariant &number, const QVariant &price)
{
    return numberOf(QStringLiteral("库存数量"), number) * numberOf(QStringLiteral("单价"), price);
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
