#pragma once

#include "report/ReportDefinition.h"

#include <QDate>

namespace stock {

// The printout "仓库月报表": the monthly stock report's rows as the scratch
// table kucuntemp holds them, one ruled line per stock row, A4 portrait. The
// page header prints the period the figures cover beside the printing date,
// so that one printed month is told from another.
class MonthlyStockReport {
public:
    static inline const QString FormName = QStringLiteral("TKuCunYueBaoBiaoPreF");

    static report::ReportDefinition definition(const QDate &from, const QDate &to);
};

} // namespace stock
