#pragma once

#include "reference/QueryWindow.h"
#include "stock/StockInquiry.h"

#include <optional>

namespace stock {

// The current-stock inquiry: the stock rows of one family, narrowed by item
// name and specification, where each row's price and amount are kept and a
// row is corrected or deleted by hand; it prints the family's daily report.
class StockInquiryWindow : public reference::QueryWindow {
    Q_OBJECT
public:
    static inline const QString FormName = QStringLiteral("TKuCunChaF");

    explicit StockInquiryWindow(db::Connection &connection, QWidget *parent = nullptr);

    std::optional<Family> family() const;
    db::TableDataSet &table(Family family) const { return dataSet(tablesOf(family).stock); }

    // The commands, each run under the general error handler.
    void modifyRow();
    void deleteRow();
    // Asks first, then prints every stock row of the family.
    void print() override;
    // Enter in the price column: the typed price is kept, the amount set, the row posted.
    void priceEntered();

protected:
    bool isEditingCell() const;
    bool eventFilter(QObject *watched, QEvent *event) override;
};

} // namespace stock
