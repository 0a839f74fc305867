#include "stock/Tfacyanshoupref2.h"

namespace stock {

Tfacyanshoupref2::Tfacyanshoupref2(const db::TableDataSet &inspections, QWidget *parent, const QDate &printDate)
    : TFacYanShouPreF(inspections, parent, printDate)
{
    setObjectName(QStringLiteral("facyanshoupref2"));
}

} // namespace stock
