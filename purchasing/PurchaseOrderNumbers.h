#pragma once

#include <QString>
#include <optional>

namespace db { class Connection; }

namespace purchasing {

// The running number of purchase-order printouts, kept in the counter row of
// table inc whose id is "2". Taking a number reads and advances the counter in
// one transaction that keeps other workstations out meanwhile, so two prints
// at the same moment never show the same number.
class PurchaseOrderNumbers {
public:
    explicit PurchaseOrderNumbers(db::Connection &connection) : m_connection(connection) {}

    // The counter's value before the step. A missing row or one that does not
    // hold a whole number raises an AppError and leaves the counter as it was.
    QString take();

private:
    db::Connection &m_connection;
};

// The line total of the entry: quantity, a whole number, times the price; in
// the plain number form. Nothing when either text is not such a number.
std::optional<QString> lineTotal(const QString &quantity, const QString &price);

} // namespace purchasing
