#pragma once

#include "reference/ModuleWindow.h"

namespace reference {

// The item categories editor: the item names every window that picks items lists.
class ItemCategoryEditor : public ModuleWindow {
    Q_OBJECT
public:
    explicit ItemCategoryEditor(db::Connection &connection, QWidget *parent = nullptr);
};

} // namespace reference
