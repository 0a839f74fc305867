#include "purchasing/PurchaseOrderNumbers.h"

#include "db/TextForms.h"

namespace purchasing {

db::DocumentCounter purchaseOrderNumbers(db::Connection &connection)
{
    return db::DocumentCounter(connection, QStringLiteral("2"), QStringLiteral("订购单"));
}

std::optional<QString> lineTotal(const QString &quantity, const QString &price)
{
    bool whole = false;
    const int count = quantity.trimmed().toInt(&whole);
    const auto each = db::parseNumber(price.trimmed());
    if (!whole || !each)
        return std::nullopt;
    return db::plainNumber(count * *each);
}

} // namespace purchasing
