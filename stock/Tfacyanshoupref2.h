#pragma once

#include "stock/TFacYanShouPreF.h"

namespace stock {

// The acceptance slip of the auxiliary-material tab: the colour-fabric slip's
// layout over the auxiliary inspections.
class Tfacyanshoupref2 : public TFacYanShouPreF {
    Q_OBJECT
public:
    explicit Tfacyanshoupref2(const db::TableDataSet &inspections, QWidget *parent = nullptr,
                              const QDate &printDate = QDate::currentDate());
};

} // namespace stock
