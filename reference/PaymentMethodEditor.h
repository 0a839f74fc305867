#pragma once

#include "reference/ModuleWindow.h"

namespace reference {

// The payment-methods editor. Its payment date is a text field with a calendar
// button beside it.
class PaymentMethodEditor : public ModuleWindow {
    Q_OBJECT
public:
    explicit PaymentMethodEditor(db::Connection &connection, QWidget *parent = nullptr);
};

} // namespace reference
