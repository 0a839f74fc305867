#pragma once

#include "reference/DataSetSource.h"
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

// The rows of a register window as its printout reads them. Every field
// prints in a one-line cell, so the line breaks of a remark print as blanks
// instead of pushing its second line half out of the cell.
class RegisterSource : public DataSetSource {
public:
    using DataSetSource::DataSetSource;
    QVariant value(int row, const QString &field) const override;
};

} // namespace reference
