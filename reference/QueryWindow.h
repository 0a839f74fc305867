#pragma once

#include "reference/QueryDeclaration.h"

#include <QWidget>
#include <map>
#include <memory>

class QAbstractButton;
class QBoxLayout;
class QComboBox;
class QDateEdit;
class QGroupBox;
class QRadioButton;
class QTableView;
class QTableWidget;

namespace db {
class QueryModel;
class TableDataSet;
}
namespace report { class TableSource; }

namespace reference {

class GridRowPosting;
class HoverHighlight;

// The window that the inquiries, reports and statements follow: search
// conditions with their lists at the top, a row of commands, and a grid that
// 查询 fills. The declaration says what the window holds and runs; a window
// class overrides the hooks only where it does something different.
class QueryWindow : public QWidget {
    Q_OBJECT
public:
    QueryWindow(db::Connection &connection, const QueryDeclaration &declaration, QWidget *parent = nullptr);
    ~QueryWindow() override;

    const QueryDeclaration &declaration() const { return m_declaration; }
    db::Connection &connection() const { return m_connection; }
    QTableView *grid() const { return m_grid; }
    // The grid of a window whose search computes texts; nullptr otherwise.
    QTableWidget *textGrid() const;
    QAbstractButton *button(const QString &name) const;
    // A table grid's data set of the table, whether shown or not.
    db::TableDataSet &dataSet(const QString &table) const;
    // The table a table grid shows, empty before one is chosen.
    QString shownTable() const { return m_shownTable; }

    // What the conditions hold now.
    SearchValues searchValues() const;
    // The rows the grid shows, every one of them: the fields of a statement's
    // result are its column names, of a table its column names, of computed
    // texts the column titles.
    report::TableSource shownRows() const;

    // The commands, each run under the general error handler.
    void search();
    void refresh();
    virtual void print();
    void closeWindow();

protected:
    // Before 查询 runs, after the required choices are made; false ends it.
    virtual bool beforeSearch();
    // After 查询 has filled the grid.
    virtual void afterSearch();
    // After the user changed a condition and the lists after it were refilled.
    virtual void conditionChanged(const QString &control);
    // A grid cell was clicked.
    virtual void rowPicked(int row);

    // A command of role Own runs this.
    void setCommand(const QString &control, const std::function<void()> &command);
    // Stores what was typed into a table grid's current row; an AppError
    // leaves it typed.
    void postGridRow();
    // The table grid's model of the table shown; nullptr before one is chosen.
    db::DataSetModel *shownModel() const;
    // Makes the row the current one, or none when out of range.
    void setCurrentRow(int row);
    int currentRow() const;

    void closeEvent(QCloseEvent *event) override;

private:
    struct Table;

    void buildConditions(QBoxLayout *row);
    QGroupBox *buildOptions(const Condition &condition);
    QWidget *buildList(const Condition &condition);
    QWidget *buildPicker(const Condition &condition);
    QWidget *buildCommands();
    void buildGrid();
    void buildTables();
    void chooseOption(const Condition &group, int option);
    void markChosenOption(const Condition &group);
    void refillListsAfter(const QString &control);
    void fill(const Condition &list);
    bool requiredChoicesMade();
    void showTable(const QString &table);
    void showComputedRows(const QVector<QStringList> &rows);

    db::Connection &m_connection;
    QueryDeclaration m_declaration;
    HoverHighlight *m_hover;
    QTableView *m_grid = nullptr;
    db::QueryModel *m_queryModel = nullptr;
    std::map<QString, std::unique_ptr<Table>> m_tables;
    QString m_shownTable;
    GridRowPosting *m_rowPosting = nullptr;
    QHash<QString, QComboBox *> m_lists;
    QHash<QString, QDateEdit *> m_pickers;
    QHash<QString, QVector<QRadioButton *>> m_options;
    QHash<QString, int> m_appliedOptions;
    QHash<QString, std::function<void()>> m_ownCommands;
    QAbstractButton *m_printButton = nullptr;
};

} // namespace reference
