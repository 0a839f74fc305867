#include "shell/ModuleWindows.h"

#include "reference/TColorF.h"
#include "reference/TExchangeF.h"
#include "reference/TPaywayF.h"
#include "reference/TSectionForm.h"
#include "reference/TStandardF.h"
#include "reference/TTypeF.h"
#include "reference/TWidthF.h"

namespace shell {

namespace {

template <class Window>
WindowFactory make()
{
    return [](db::Connection &connection) -> QWidget * { return new Window(connection); };
}

} // namespace

const QHash<QString, WindowFactory> &ModuleWindows::factories()
{
    static const QHash<QString, WindowFactory> all = {
        {QStringLiteral("TSectionForm"), make<reference::TSectionForm>()},
        {QStringLiteral("TTypeF"), make<reference::TTypeF>()},
        {QStringLiteral("TColorF"), make<reference::TColorF>()},
        {QStringLiteral("TWidthF"), make<reference::TWidthF>()},
        {QStringLiteral("TStandardF"), make<reference::TStandardF>()},
        {QStringLiteral("TExchangeF"), make<reference::TExchangeF>()},
        {QStringLiteral("TPaywayF"), make<reference::TPaywayF>()},
    };
    return all;
}

} // namespace shell
