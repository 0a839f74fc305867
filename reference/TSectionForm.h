#pragma once

#include "reference/ModuleWindow.h"

namespace reference {

// The departments editor: the code table of the departments that requisitions name.
class TSectionForm : public ModuleWindow {
    Q_OBJECT
public:
    explicit TSectionForm(db::Connection &connection, QWidget *parent = nullptr);
};

} // namespace reference
