#include "stock/AuxiliaryAcceptanceSlip.h"

namespace stock {

AuxiliaryAcceptanceSlip::AuxiliaryAcceptanceSlip(const db::TableDataSet &inspections, QWidget *parent, const QDate &printDate)
    : ColourFabricAcceptanceSlip(inspections, parent, printDate)
{
    setObjectName(QStringLiteral("facyanshoupref2"));
}

} // namespace stock
