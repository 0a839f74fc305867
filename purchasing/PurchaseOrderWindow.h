#pragma once

#include "reference/ModuleWindow.h"

namespace purchasing {

// The purchase-order window: the order lines of procureform, one purchase
// order being the lines that share an order number, and its numbered printout.
class PurchaseOrderWindow : public reference::ModuleWindow {
    Q_OBJECT
public:
    static inline const QString FormName = QStringLiteral("TdinggoudanF");

    explicit PurchaseOrderWindow(db::Connection &connection, QWidget *parent = nullptr);

    // 确定: an order line needs its order number.
    void addOrderLine();
    // 打印: takes the next document number and previews the lines shown.
    void printOrder();
    // Enter in 单价: the line total; false keeps the focus in 单价.
    bool computeTotal();
};

} // namespace purchasing
