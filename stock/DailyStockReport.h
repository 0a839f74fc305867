#pragma once

#include "report/PrintPreview.h"

namespace stock {

// The warehouse daily report "仓库日报表": every stock row of a family, by
// item name and width, with its price and amount.
class DailyStockReport : public report::PrintPreview {
    Q_OBJECT
public:
    static inline const QString FormName = QStringLiteral("TKuCunRiBaoPreF");

    DailyStockReport(const report::DataSource &stockRows, QWidget *parent = nullptr,
                    const QDate &printDate = QDate::currentDate());

    static report::ReportDefinition definition();
};

} // namespace stock
