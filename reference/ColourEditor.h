#pragma once

#include "reference/ModuleWindow.h"

namespace reference {

// The colours editor.
class ColourEditor : public ModuleWindow {
    Q_OBJECT
public:
    explicit ColourEditor(db::Connection &connection, QWidget *parent = nullptr);
};

} // namespace reference
