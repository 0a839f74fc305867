#pragma once

#include "reference/QueryWindow.h"

namespace stock {

// The monthly stock report: for every stock row of the chosen family the
// balance before the period, the period's receipts and issues and the closing
// balance, in a grid whose every cell may be typed into (单价 and 金额 are
// filled by hand), printed as "仓库月报表".
class MonthlyStockWindow : public reference::QueryWindow {
    Q_OBJECT
public:
    static inline const QString FormName = QStringLiteral("TKuCunBanBiaoF");

    explicit MonthlyStockWindow(db::Connection &connection, QWidget *parent = nullptr);

    QTableWidget *grid() const { return textGrid(); }
};

} // namespace stock
