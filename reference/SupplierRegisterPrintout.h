#pragma once

#include "report/PrintPreview.h"

namespace db { class TableDataSet; }

namespace reference {

// The supplier printout: the suppliers of a register window's table, in the
// order and with the filter its grid shows, in the print preview.
class SupplierRegisterPrintout : public report::PrintPreview {
    Q_OBJECT
public:
    static inline const QString FormName = QStringLiteral("TReFactoryF");

    SupplierRegisterPrintout(const db::TableDataSet &suppliers, QWidget *parent = nullptr,
                const QDate &printDate = QDate::currentDate());

    static report::ReportDefinition definition();
};

} // namespace reference
