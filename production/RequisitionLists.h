#pragma once

#include "stock/MaterialFamily.h"

#include <QStringList>

namespace db { class Connection; }

namespace production {

// The chained choice lists of a requisition line: the customers and a
// customer's processing orders, then the family's items, and per item its widths, per width its
// specifications, per specification its colours, as the stock rows hold them.
class RequisitionLists {
public:
    explicit RequisitionLists(db::Connection &connection) : m_connection(connection) {}

    QStringList customers() const;
    QStringList processingOrders(const QString &customer) const;
    QStringList items(const stock::FamilyTables &family) const;
    QStringList widths(const stock::FamilyTables &family, const QString &item) const;
    QStringList specifications(const stock::FamilyTables &family, const QString &item, const QString &width) const;
    QStringList colours(const stock::FamilyTables &family, const QString &item, const QString &width,
                        const QString &specification) const;

private:
    db::Connection &m_connection;
};

} // namespace production
