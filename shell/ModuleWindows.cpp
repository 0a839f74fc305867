#include "shell/ModuleWindows.h"

#include <QMdiSubWindow>

#include "reference/ColourEditor.h"
#include "reference/CustomerRegisterWindow.h"
#include "reference/CurrencyEditor.h"
#include "reference/SupplierRegisterWindow.h"
#include "reference/PaymentMethodEditor.h"
#include "reference/DepartmentEditor.h"
#include "reference/SpecificationEditor.h"
#include "reference/ItemCategoryEditor.h"
#include "reference/WidthEditor.h"
#include "production/RequisitionApprovalWindow.h"
#include "sales/CustomerOrderWindow.h"
#include "stock/MonthlyStockWindow.h"
#include "purchasing/PurchaseOrderWindow.h"
#include "stock/StockInquiryWindow.h"
#include "stock/MaterialInspectionWindow.h"
#include "shell/PasswordChangeWindow.h"
#include "shell/AccountRegistrationWindow.h"

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
        {QStringLiteral("TSectionForm"), make<reference::DepartmentEditor>()},
        {QStringLiteral("TTypeF"), make<reference::ItemCategoryEditor>()},
        {QStringLiteral("TColorF"), make<reference::ColourEditor>()},
        {QStringLiteral("TWidthF"), make<reference::WidthEditor>()},
        {QStringLiteral("TStandardF"), make<reference::SpecificationEditor>()},
        {QStringLiteral("TExchangeF"), make<reference::CurrencyEditor>()},
        {QStringLiteral("TPaywayF"), make<reference::PaymentMethodEditor>()},
        {QStringLiteral("TCustomerF"), make<reference::CustomerRegisterWindow>()},
        {QStringLiteral("TFactoryF"), make<reference::SupplierRegisterWindow>()},
        {QStringLiteral("TZhuCheF"), make<AccountRegistrationWindow>()},
        {QStringLiteral("TXiuGaiF"), make<PasswordChangeWindow>()},
        {QStringLiteral("TLinLiaoShenF"), make<production::RequisitionApprovalWindow>()},
        {QStringLiteral("TOrderF"), make<sales::CustomerOrderWindow>()},
        {QStringLiteral("TKuCunBanBiaoF"), make<stock::MonthlyStockWindow>()},
        {QStringLiteral("TStuffCheckF"), make<stock::MaterialInspectionWindow>()},
        {QStringLiteral("TKuCunChaF"), make<stock::StockInquiryWindow>()},
        {QStringLiteral("TdinggoudanF"), make<purchasing::PurchaseOrderWindow>()},
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
