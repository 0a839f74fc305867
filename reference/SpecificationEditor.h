#pragma once

#include "reference/ModuleWindow.h"

namespace reference {

// The specifications editor.
class SpecificationEditor : public ModuleWindow {
    Q_OBJECT
public:
    explicit SpecificationEditor(db::Connection &connection, QWidget *parent = nullptr);
};

} // namespace reference
