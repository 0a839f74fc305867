#pragma once

#include <QString>

namespace reference {

// A window or printout is known by its form name ("TKuCunChaF"), its key in
// the window factory. Its one instance carries the form name without the
// leading T ("KuCunChaF") as objectName, the way the forms name their instances.
inline QString instanceName(const QString &formName)
{
    return formName.mid(1);
}

} // namespace reference
