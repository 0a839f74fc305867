#include "reference/CommandGuard.h"

#include "db/AppError.h"
#include "reference/DialogService.h"

namespace reference {

void runCommand(const std::function<void()> &command)
{
    try {
        command();
    } catch (const AppError &e) {
        DialogService::error(e.message());
    } catch (const std::exception &e) {
        DialogService::error(QString::fromUtf8(e.what()));
    }
}

} // namespace reference
