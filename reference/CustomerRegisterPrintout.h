#pragma once

#include "report/PrintPreview.h"

namespace db { class TableDataSet; }

namespace reference {

// The customer printout: the customers of a register window's table, in the
// order and with the filter its grid shows, in the print preview.
class CustomerRegisterPrintout : public report::PrintPreview {
    Q_OBJECT
public:
    static inline const QString FormName = QStringLiteral("TReCustomerForm");

    CustomerRegisterPrintout(const db::TableDataSet &customers, QWidget *parent = nullptr,
                    const QDate &printDate = QDate::currentDate());

    static report::ReportDefinition definition();
};

} // namespace reference
