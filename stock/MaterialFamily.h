#pragma once

#include <QString>

namespace stock {

// The two material families that receipts and issues move. Greige fabric
// keeps its own books.
enum class Family { ColourFabric, AuxiliaryMaterial };

// A family's tables: its inspection records (receipts), its stock rows (the
// item list) and its approved requisition lines (issues).
struct FamilyTables {
    QString inspection;
    QString stock;
    QString issues;
    // Auxiliary material keeps one stock row per supplier; colour fabric one
    // row per item whoever supplied it.
    bool supplierInKey;
};

const FamilyTables &tablesOf(Family family);

} // namespace stock
