#pragma once

#include "report/ReportDefinition.h"

namespace stock {

// The printout "仓库月报表": the monthly stock report's rows as the scratch
// table kucuntemp holds them, one ruled line per stock row, A4 portrait.
class MonthlyStockReport {
public:
    static inline const QString FormName = QStringLiteral("TKuCunYueBaoBiaoPreF");

    static report::ReportDefinition definition();
};

} // namespace stock
