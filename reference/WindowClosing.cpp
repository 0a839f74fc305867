#include "reference/WindowClosing.h"

#include <QMdiSubWindow>

namespace reference {

void closeModuleWindow(QWidget *window)
{
    if (auto *frame = qobject_cast<QMdiSubWindow *>(window->parentWidget()))
        frame->close();
    else
        window->close();
}

} // namespace reference
