#pragma once

#include "stock/ColourFabricAcceptanceSlip.h"

namespace stock {

// The acceptance slip of the auxiliary-material tab: the colour-fabric slip's
// layout over the auxiliary inspections.
class AuxiliaryAcceptanceSlip : public ColourFabricAcceptanceSlip {
    Q_OBJECT
public:
    static inline const QString FormName = QStringLiteral("Tfacyanshoupref2");

    explicit AuxiliaryAcceptanceSlip(const db::TableDataSet &inspections, QWidget *parent = nullptr,
                              const QDate &printDate = QDate::currentDate());
};

} // namespace stock
