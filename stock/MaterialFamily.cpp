#include "stock/MaterialFamily.h"

namespace stock {

const FamilyTables &tablesOf(Family family)
{
    static const FamilyTables colour{QStringLiteral("youseyan"), QStringLiteral("yousekucun"),
                                     QStringLiteral("linliaoshen"), false};
    static const FamilyTables auxiliary{QStringLiteral("fuliaoyan"), QStringLiteral("fuliaokucun"),
                                        QStringLiteral("linliaoshenfu"), true};
    return family == Family::ColourFabric ? colour : auxiliary;
}

} // namespace stock
