#pragma once

#include "reference/ModuleWindow.h"

namespace reference {

// The specifications editor.
class TStandardF : public ModuleWindow {
    Q_OBJECT
public:
    explicit TStandardF(db::Connection &connection, QWidget *parent = nullptr);
};

} // namespace reference
