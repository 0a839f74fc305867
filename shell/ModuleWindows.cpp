#include "shell/ModuleWindows.h"

#include <QMdiSubWindow>

#include "reference/TColorF.h"
#include "reference/TCustomerF.h"
#include "reference/TExchangeF.h"
#include "reference/TFactoryF.h"
#include "reference/TPaywayF.h"
#include "reference/TSectionForm.h"
#include "reference/TStandardF.h"
#include "reference/TTypeF.h"
#include "reference/TWidthF.h"
#include "production/TLinLiaoShenF.h"
#include "sales/TOrderF.h"
#include "stock/TKuCunBanBiaoF.h"
#include "purchasing/TdinggoudanF.h"
#include "stock/TKuCunChaF.h"
#include "stock/TStuffCheckF.h"
#include "shell/TXiuGaiF.h"
#include "shell/TZhuCheF.h"

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
        {QStringLiteral("TCustomerF"), make<reference::TCustomerF>()},
        {QStringLiteral("TFactoryF"), make<reference::TFactoryF>()},
        {QStringLiteral("TZhuCheF"), make<TZhuCheF>()},
        {QStringLiteral("TXiuGaiF"), make<TXiuGaiF>()},
        {QStringLiteral("TLinLiaoShenF"), make<production::TLinLiaoShenF>()},
        {QStringLiteral("TOrderF"), make<sales::TOrderF>()},
        {QStringLiteral("TKuCunBanBiaoF"), make<stock::TKuCunBanBiaoF>()},
        {QStringLiteral("TStuffCheckF"), make<stock::TStuffCheckF>()},
        {QStringLiteral("TKuCunChaF"), make<stock::TKuCunChaF>()},
        {QStringLiteral("TdinggoudanF"), make<purchasing::TdinggoudanF>()},
    };
    return all;
}

void ModuleWindows::close(QWidget *window)
{
    if (auto *frame = qobject_cast<QMdiSubWindow *>(window->parentWidget()))
        frame->close();
    else
        window->close();
}

} // namespace shell
