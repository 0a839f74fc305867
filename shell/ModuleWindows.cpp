#include "shell/ModuleWindows.h"

#include "production/RequisitionApprovalWindow.h"
#include "purchasing/PurchaseOrderWindow.h"
#include "reference/CodeTableEditors.h"
#include "reference/CustomerRegisterWindow.h"
#include "reference/SupplierRegisterWindow.h"
#include "sales/CustomerOrderWindow.h"
#include "shell/AccountRegistrationWindow.h"
#include "shell/PasswordChangeWindow.h"
#include "stock/MaterialInspectionWindow.h"
#include "stock/MonthlyStockWindow.h"
#include "stock/StockInquiryWindow.h"

namespace shell {

namespace {

template <class Window>
std::pair<QString, WindowFactory> made()
{
    return {Window::FormName, [](db::Connection &connection) -> QWidget * { return new Window(connection); }};
}

WindowFactory declared(const reference::ModuleDeclaration &declaration)
{
    return [declaration](db::Connection &connection) -> QWidget * {
        return new reference::ModuleWindow(connection, declaration);
    };
}

QHash<QString, WindowFactory> allFactories()
{
    QHash<QString, WindowFactory> all{
        made<reference::CustomerRegisterWindow>(),
        made<reference::SupplierRegisterWindow>(),
        made<AccountRegistrationWindow>(),
        made<PasswordChangeWindow>(),
        made<production::RequisitionApprovalWindow>(),
        made<sales::CustomerOrderWindow>(),
        made<stock::MonthlyStockWindow>(),
        made<stock::MaterialInspectionWindow>(),
        made<stock::StockInquiryWindow>(),
        made<purchasing::PurchaseOrderWindow>(),
    };
    for (const reference::ModuleDeclaration &editor : reference::codeTableEditors())
        all.insert(editor.windowClass, declared(editor));
    return all;
}

} // namespace

const QHash<QString, WindowFactory> &ModuleWindows::factories()
{
    static const QHash<QString, WindowFactory> all = allFactories();
    return all;
}

} // namespace shell
