#pragma once

#include "reference/ModuleWindow.h"

namespace reference {

// The departments editor: the code table of the departments that requisitions name.
class DepartmentEditor : public ModuleWindow {
    Q_OBJECT
public:
    explicit DepartmentEditor(db::Connection &connection, QWidget *parent = nullptr);
};

} // namespace reference
