#pragma once

#include "db/DocumentCounter.h"

#include <QString>
#include <optional>

namespace purchasing {

// The running number of purchase-order printouts: the counter row of table
// inc whose id is "2".
db::DocumentCounter purchaseOrderNumbers(db::Connection &connection);

// The line total of the entry: quantity, a whole number, times the price; in
// the plain number form. Nothing when either text is not such a number.
std::optional<QString> lineTotal(const QString &quantity, const QString &price);

} // namespace purchasing
