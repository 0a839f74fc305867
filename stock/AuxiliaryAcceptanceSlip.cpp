#include "stock/AuxiliaryAcceptanceSlip.h"

#include "reference/FormName.h"
namespace stock {

AuxiliaryAcceptanceSlip::AuxiliaryAcceptanceSlip(const db::TableDataSet &inspections, QWidget *parent, const QDate &printDate)
    : ColourFabricAcceptanceSlip(inspections, parent, printDate)
{
    setObjectName(reference::instanceName(FormName));
}

} // namespace stock
