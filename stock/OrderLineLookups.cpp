#include "stock/OrderLineLookups.h"

#include "db/Query.h"

namespace stock {

QStringList OrderLineLookups::orderNumbers() const
{
    return db::Query::texts(m_connection, QStringLiteral("select distinct id from procureform"));
}

QString OrderLineLookups::supplierOf(const QString &order) const
{
    return db::Query::texts(m_connection, QStringLiteral("select f_name from procureform where id=:Q1"),
                            {{QStringLiteral("Q1"), order}})
        .value(0);
}

QStringList OrderLineLookups::itemsOf(const QString &order) const
{
    return db::Query::texts(m_connection, QStringLiteral("select distinct pname from procureform where id=:Q1"),
                            {{QStringLiteral("Q1"), order}});
}

QStringList OrderLineLookups::widthsOf(const QString &item) const
{
    return db::Query::texts(m_connection, QStringLiteral("select distinct piece from procureform where pname=:Q1"),
                            {{QStringLiteral("Q1"), item}});
}

QStringList OrderLineLookups::specificationsOf(const QString &item, const QString &width) const
{
    return db::Query::texts(
        m_connection, QStringLiteral("select distinct standard from procureform where pname=:Q1 and piece=:Q2"),
        {{QStringLiteral("Q1"), item}, {QStringLiteral("Q2"), width}});
}

QStringList OrderLineLookups::coloursOf(const QString &item, const QString &width,
                                        const QString &specification) const
{
    return db::Query::texts(
        m_connection,
        QStringLiteral("select distinct color from procureform where pname=:Q1 and piece=:Q2 and standard=:Q3"),
        {{QStringLiteral("Q1"), item}, {QStringLiteral("Q2"), width}, {QStringLiteral("Q3"), specification}});
}

QString OrderLineLookups::unitOf(const QString &item, const QString &width, const QString &specification,
                                 const QString &colour) const
{
    return db::Query::texts(m_connection,
                            QStringLiteral("select  p_module from procureform where pname=:Q1 and piece=:Q2 and "
                                           "standard=:Q3 and color=:Q4"),
                            {{QStringLiteral("Q1"), item},
                             {QStringLiteral("Q2"), width},
                             {QStringLiteral("Q3"), specification},
                             {QStringLiteral("Q4"), colour}})
        .value(0);
}

} // namespace stock
