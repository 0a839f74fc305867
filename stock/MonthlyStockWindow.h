#pragma once

#include <QDate>
#include <QWidget>

class QDateEdit;
class QPushButton;
class QRadioButton;
class QTableWidget;

namespace db { class Connection; }
namespace stock { struct FamilyTables; }

namespace stock {

// The monthly stock report: for every stock row of the chosen family the
// balance before the period, the period's receipts and issues and the closing
// balance, in a grid whose every cell may be typed into (单价 and 金额 are
// filled by hand), printed as "仓库月报表".
class MonthlyStockWindow : public QWidget {
    Q_OBJECT
public:
    explicit MonthlyStockWindow(db::Connection &connection, QWidget *parent = nullptr);

    QTableWidget *grid() const { return m_grid; }

    void search();
    void print();

private:
    const stock::FamilyTables *chosenFamily() const;
    void writeCell(int row, int column, const QString &text);

    db::Connection &m_connection;
    QRadioButton *m_colourFabric;
    QRadioButton *m_auxiliary;
    QDateEdit *m_from;
    QDateEdit *m_to;
    QPushButton *m_search;
    QPushButton *m_print;
    QPushButton *m_exit;
    QTableWidget *m_grid;
    // The period of the figures the grid shows, which the printout names.
    QDate m_shownFrom;
    QDate m_shownTo;
};

} // namespace stock
