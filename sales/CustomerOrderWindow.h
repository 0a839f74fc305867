#pragma once

#include "reference/ModuleWindow.h"

namespace sales {

// The customer orders: one indent row per ordered item; the rows of one
// customer and order number form an order. Other windows take their customers,
// order numbers, items and customer materials from this table.
class CustomerOrderWindow : public reference::ModuleWindow {
    Q_OBJECT
public:
    static inline const QString FormName = QStringLiteral("TOrderF");

    explicit CustomerOrderWindow(db::Connection &connection, QWidget *parent = nullptr);

protected:
    QVector<QVariant> enteredRow(const QVector<QVariant> &row) const override;
};

} // namespace sales
