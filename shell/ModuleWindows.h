#pragma once

#include <QHash>
#include <QString>
#include <QWidget>
#include <functional>

namespace db { class Connection; }

namespace shell {

// Builds a module window of one class on the workstation's connection.
using WindowFactory = std::function<QWidget *(db::Connection &connection)>;

// The module windows the main window can open, by class name. A menu item
// whose window is not listed here does nothing.
class ModuleWindows {
public:
    static const QHash<QString, WindowFactory> &factories();
    // Closes a module window, with the frame the main window gave it.
    static void close(QWidget *window);
};

} // namespace shell
