#pragma once

#include <QString>

namespace production {

// One of the two stock families that receipts and issues move: its stock
// table (the item list), its inspection table (receipts) and its table of
// approved requisition lines (issues). Greige fabric keeps its own books.
struct MaterialFamily {
    QString stock;
    QString receipts;
    QString issues;

    static const MaterialFamily &colourFabric();
    static const MaterialFamily &auxiliary();
};

inline const MaterialFamily &MaterialFamily::colourFabric()
{
    static const MaterialFamily family{QStringLiteral("yousekucun"), QStringLiteral("youseyan"),
                                       QStringLiteral("linliaoshen")};
    return family;
}

inline const MaterialFamily &MaterialFamily::auxiliary()
{
    static const MaterialFamily family{QStringLiteral("fuliaokucun"), QStringLiteral("fuliaoyan"),
                                       QStringLiteral("linliaoshenfu")};
    return family;
}

} // namespace production
