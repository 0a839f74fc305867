#pragma once

#include <QString>
#include <QStringList>

namespace db { class Connection; }

namespace stock {

// What the purchase-order lines offer the inspection entry, step by step:
// the order's supplier and items, then by item (whatever order holds it) its
// widths, specifications, colours and unit.
class OrderLineLookups {
public:
    explicit OrderLineLookups(db::Connection &connection) : m_connection(connection) {}

    QStringList orderNumbers() const;
    // The supplier of the order's first line; empty when the order has none.
    QString supplierOf(const QString &order) const;
    QStringList itemsOf(const QString &order) const;
    QStringList widthsOf(const QString &item) const;
    QStringList specificationsOf(const QString &item, const QString &width) const;
    QStringList coloursOf(const QString &item, const QString &width, const QString &specification) const;
    // The unit of the first matching line; empty when none matches.
    QString unitOf(const QString &item, const QString &width, const QString &specification,
                   const QString &colour) const;

private:
    db::Connection &m_connection;
};

} // namespace stock
