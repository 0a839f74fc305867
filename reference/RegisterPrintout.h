#pragma once

#include "report/Column.h"
#include "report/ReportDefinition.h"

#include <QList>
#include <QString>

namespace reference {

// The layout both partner registers print: A4 landscape; on every page a
// large title underlined by two rules with the print date at its right, then
// a ruled row of column titles; one ruled line per partner below it.
report::ReportDefinition registerPrintout(const QString &name, const QString &title,
                                          const QList<report::Column> &columns);

} // namespace reference
