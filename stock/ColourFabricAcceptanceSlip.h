#pragma once

#include "report/PrintPreview.h"

namespace db { class TableDataSet; }

namespace stock {

// The acceptance slip "材 料 验 收 单" over an inspection tab's table, with the
// rows, order and filter its grid shows. Both families print this layout.
class ColourFabricAcceptanceSlip : public report::PrintPreview {
    Q_OBJECT
public:
    static inline const QString FormName = QStringLiteral("TFacYanShouPreF");

    ColourFabricAcceptanceSlip(const db::TableDataSet &inspections, QWidget *parent = nullptr,
                    const QDate &printDate = QDate::currentDate());

    static report::ReportDefinition definition();
};

} // namespace stock
