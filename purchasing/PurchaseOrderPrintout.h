#pragma once

#include "report/PrintPreview.h"

namespace db { class TableDataSet; }

namespace purchasing {

// The purchase order "订  购  单" with its running number: the order lines the
// purchase-order window's grid shows, with its filter and order.
class PurchaseOrderPrintout : public report::PrintPreview {
    Q_OBJECT
public:
    static inline const QString FormName = QStringLiteral("TReProcureForm");

    PurchaseOrderPrintout(const db::TableDataSet &lines, const QString &number, QWidget *parent = nullptr);

    static report::ReportDefinition definition(const QString &number);
};

} // namespace purchasing
