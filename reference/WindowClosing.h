#pragma once

class QWidget;

namespace reference {

// Closes a module window, with the frame the main window gave it.
void closeModuleWindow(QWidget *window);

} // namespace reference
