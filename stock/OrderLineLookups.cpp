#include "stock/OrderLineLookups.h"

#include "db/DistinctValues.h"
#include "db/Query.h"

namespace stock {

namespace {

const QString OrderLines = QStringLiteral("procureform");

} // namespace

QStringList OrderLineLookups::orderNumbers() const
{
    return db::distinctValues(m_connection, OrderLines, QStringLiteral("id"));
}

QString OrderLineLookups::supplierOf(const QString &order) const
{
    return db::Query::texts(m_connection, QStringLiteral("select f_name from procureform where id=:Q1"),
                            {{QStringLiteral("Q1"), order}})
        .value(0);
}

QStringList OrderLineLookups::itemsOf(const QString &order) const
{
    return db::distinctValues(m_connection, OrderLines, QStringLiteral("pname"),
                              db::RowFilter::equals(QStringLiteral("id"), order));
}

QStringList OrderLineLookups::widthsOf(const QString &item) const
{
    return db::distinctValues(m_connection, OrderLines, QStringLiteral("piece"),
                              db::RowFilter::equals(QStringLiteral("pname"), item));
}

QStringList OrderLineLookups::specificationsOf(const QString &item, const QString &width) const
{
    return db::distinctValues(m_connection, OrderLines, QStringLiteral("standard"),
                              db::RowFilter::equals(QStringLiteral("pname"), item)
                                  && db::RowFilter::equals(QStringLiteral("piece"), width));
}

QStringList OrderLineLookups::coloursOf(const QString &item, const QString &width,
                                        const QString &specification) const
{
    return db::distinctValues(m_connection, OrderLines, QStringLiteral("color"),
                              db::RowFilter::equals(QStringLiteral("pname"), item)
                                  && db::RowFilter::equals(QStringLiteral("piece"), width)
                                  && db::RowFilter::equals(QStringLiteral("standard"), specification));
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
