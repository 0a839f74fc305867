#pragma once

#include "reference/ModuleWindow.h"

namespace reference {

// The currencies editor with their exchange rates.
class TExchangeF : public ModuleWindow {
    Q_OBJECT
public:
    explicit TExchangeF(db::Connection &connection, QWidget *parent = nullptr);
};

} // namespace reference
