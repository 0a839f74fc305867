#pragma once

#include "db/DataSetModel.h"
#include "db/TableDataSet.h"
#include "stock/StockInquiry.h"

#include <QWidget>
#include <optional>

class QAbstractButton;
class QComboBox;
class QRadioButton;
class QTableView;

namespace reference {
class GridRowPosting;
class HoverHighlight;
}

namespace stock {

// The current-stock inquiry: the stock rows of one family, narrowed by item
// name and specification, where each row's price and amount are kept and a
// row is corrected or deleted by hand; it prints the family's daily report.
class StockInquiryWindow : public QWidget {
    Q_OBJECT
public:
    static inline const QString FormName = QStringLiteral("TKuCunChaF");

    explicit StockInquiryWindow(db::Connection &connection, QWidget *parent = nullptr);

    std::optional<Family> family() const { return m_family; }
    db::TableDataSet &table(Family family) { return family == Family::ColourFabric ? m_colour : m_auxiliary; }
    QTableView *grid() const { return m_grid; }
    QAbstractButton *button(const QString &name) const;

    // The commands, each run under the general error handler.
    void chooseFamily(Family family);
    void fillSpecifications();
    void search();
    void refresh();
    void modifyRow();
    void deleteRow();
    void printAllStock();
    // Enter in the price column: the typed price is kept, the amount set, the row posted.
    void priceEntered();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    QWidget *buildFamilies();
    QWidget *buildConditions();
    QWidget *buildCommands();
    QAbstractButton *addButton(QWidget *row, const QString &name, const QString &caption,
                               const std::function<void()> &command);
    db::DataSetModel *model() const;
    int currentRow() const;
    void showTable(int row);
    void showChosenFamily();

    db::Connection &m_connection;
    StockInquiry m_inquiry;
    db::TableDataSet m_colour;
    db::TableDataSet m_auxiliary;
    db::DataSetModel *m_colourModel;
    db::DataSetModel *m_auxiliaryModel;
    std::optional<Family> m_family;
    QComboBox *m_name = nullptr;
    QComboBox *m_specification = nullptr;
    QRadioButton *m_colourChoice = nullptr;
    QRadioButton *m_auxiliaryChoice = nullptr;
    QTableView *m_grid;
    reference::GridRowPosting *m_rowPosting;
    reference::HoverHighlight *m_hover;
};

} // namespace stock
