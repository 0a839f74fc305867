#include "production/RequisitionLists.h"

#include "db/Query.h"

namespace production {

QStringList RequisitionLists::processingOrders(const QString &customer) const
{
    return db::Query::texts(m_connection, QStringLiteral("select distinct num from indent where c_id=:Q1"),
                            {{QStringLiteral("Q1"), customer}});
}

QStringList RequisitionLists::items(const stock::FamilyTables &family) const
{
    return db::Query::texts(m_connection, QStringLiteral("select distinct pname from %1 ").arg(family.stock));
}

QStringList RequisitionLists::widths(const stock::FamilyTables &family, const QString &item) const
{
    return db::Query::texts(m_connection, QStringLiteral("select distinct b1 from %1 where pname=:Q1").arg(family.stock),
                            {{QStringLiteral("Q1"), item}});
}

QStringList RequisitionLists::specifications(const stock::FamilyTables &family, const QString &item,
                                             const QString &width) const
{
    return db::Query::texts(
        m_connection, QStringLiteral("select distinct scale from %1 where pname=:Q1 and b1=:Q2").arg(family.stock),
        {{QStringLiteral("Q1"), item}, {QStringLiteral("Q2"), width}});
}

QStringList RequisitionLists::colours(const stock::FamilyTables &family, const QString &item, const QString &width,
                                      const QString &specification) const
{
    return db::Query::texts(
        m_connection,
        QStringLiteral("select distinct color from %1 where pname=:Q1 and b1=:Q2 and scale=:Q3").arg(family.stock),
        {{QStringLiteral("Q1"), item}, {QStringLiteral("Q2"), width}, {QStringLiteral("Q3"), specification}});
}

} // namespace production
