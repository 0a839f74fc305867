#pragma once

#include <QHash>
#include <QString>
#include <QWidget>
#include <functional>

namespace db { class Connection; }

namespace shell {

// Builds a module window on the workstation's connection.
using WindowFactory = std::function<QWidget *(db::Connection &connection)>;

// The module windows the main window can open, by form name: the window
// classes and the windows built from a declaration alone. A menu item whose
// window is not listed here does nothing.
class ModuleWindows {
public:
    static const QHash<QString, WindowFactory> &factories();
};

} // namespace shell
