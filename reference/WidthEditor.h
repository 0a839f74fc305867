#pragma once

#include "reference/ModuleWindow.h"

namespace reference {

// The widths editor. Its table opens only when asked for (刷新, 查询 or Add).
class WidthEditor : public ModuleWindow {
    Q_OBJECT
public:
    explicit WidthEditor(db::Connection &connection, QWidget *parent = nullptr);
};

} // namespace reference
