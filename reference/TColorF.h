#pragma once

#include "reference/ModuleWindow.h"

namespace reference {

// The colours editor.
class TColorF : public ModuleWindow {
    Q_OBJECT
public:
    explicit TColorF(db::Connection &connection, QWidget *parent = nullptr);
};

} // namespace reference
