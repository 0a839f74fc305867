#include "shell/DesktopCalculator.h"

#include <QProcess>
#include <QStandardPaths>

namespace shell {

QString DesktopCalculator::find()
{
    for (const char *name : {"gnome-calculator", "kcalc", "galculator", "mate-calc", "qalculate-gtk", "qalculate-qt",
                             "speedcrunch", "xcalc"}) {
        const QString path = QStandardPaths::findExecutable(QString::fromLatin1(name));
        if (!path.isEmpty())
            return path;
    }
    return {};
}

void DesktopCalculator::start()
{
    const QString path = find();
    if (!path.isEmpty())
        QProcess::startDetached(path, {});
}

} // namespace shell
