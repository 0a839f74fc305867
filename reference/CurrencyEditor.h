#pragma once

#include "reference/ModuleWindow.h"

namespace reference {

// The currencies editor with their exchange rates.
class CurrencyEditor : public ModuleWindow {
    Q_OBJECT
public:
    explicit CurrencyEditor(db::Connection &connection, QWidget *parent = nullptr);
};

} // namespace reference
