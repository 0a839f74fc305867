#include "production/RequisitionLists.h"

#include "db/DistinctValues.h"

namespace production {

namespace {

db::RowFilter itemIs(const QString &item)
{
    return db::RowFilter::equals(QStringLiteral("pname"), item);
}

db::RowFilter widthIs(const QString &width)
{
    return db::RowFilter::equals(QStringLiteral("b1"), width);
}

} // namespace

QStringList RequisitionLists::customers() const
{
    return db::distinctValues(m_connection, QStringLiteral("indent"), QStringLiteral("c_id"));
}

QStringList RequisitionLists::processingOrders(const QString &customer) const
{
    return db::distinctValues(m_connection, QStringLiteral("indent"), QStringLiteral("num"),
                              db::RowFilter::equals(QStringLiteral("c_id"), customer));
}

QStringList RequisitionLists::items(const stock::FamilyTables &family) const
{
    return db::distinctValues(m_connection, family.stock, QStringLiteral("pname"));
}

QStringList RequisitionLists::widths(const stock::FamilyTables &family, const QString &item) const
{
    return db::distinctValues(m_connection, family.stock, QStringLiteral("b1"), itemIs(item));
}

QStringList RequisitionLists::specifications(const stock::FamilyTables &family, const QString &item,
                                             const QString &width) const
{
    return db::distinctValues(m_connection, family.stock, QStringLiteral("scale"), itemIs(item) && widthIs(width));
}

QStringList RequisitionLists::colours(const stock::FamilyTables &family, const QString &item, const QString &width,
                                      const QString &specification) const
{
    return db::distinctValues(m_connection, family.stock, QStringLiteral("color"),
                              itemIs(item) && widthIs(width)
                                  && db::RowFilter::equals(QStringLiteral("scale"), specification));
}

} // namespace production
