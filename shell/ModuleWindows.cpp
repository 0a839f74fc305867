#include "shell/ModuleWindows.h"

namespace shell {

const QHash<QString, WindowFactory> &ModuleWindows::factories()
{
    static const QHash<QString, WindowFactory> all;
    return all;
}

} // namespace shell
