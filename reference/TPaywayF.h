#pragma once

#include "reference/ModuleWindow.h"

namespace reference {

// The payment-methods editor. Its payment date is a text field with a calendar
// button beside it.
class TPaywayF : public ModuleWindow {
    Q_OBJECT
public:
    explicit TPaywayF(db::Connection &connection, QWidget *parent = nullptr);
};

} // namespace reference
