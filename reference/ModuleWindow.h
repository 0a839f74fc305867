#pragma once

#include "db/DataSetModel.h"
#include "db/TableDataSet.h"
#include "reference/ModuleDeclaration.h"

#include <QWidget>
#include <functional>

class QAbstractButton;
class QCloseEvent;
class QComboBox;
class QDateEdit;
class QDialog;
class QFrame;
class QHBoxLayout;
class QTableView;

namespace db { class Connection; }

namespace reference {

class EntryPanel;
class GridRowPosting;
class HoverHighlight;
class TabbedModuleWindow;

// A window's close: post stores what was typed into its grid, under the
// general error handler; when it fails the window stays open.
void closeAfterPosting(QCloseEvent *event, const std::function<void()> &post);
// Sets each grid column to its display width in characters.
void sizeColumns(QTableView *grid, const QVector<db::GridColumn> &columns);
// The panel framed in a group box of that title and name; the panel itself
// when the title is empty.
QWidget *framedPanel(QFrame *panel, const QString &caption, const QString &name);

// The window every module follows: an entry panel at the top, a row of
// command buttons, a search row and a grid over the window's table. The
// declaration says what the window holds; the commands are the common ones:
// Add, Modify, Delete, Exit, Refresh, Search, the row pick and the Enter chain.
// A window class adds only what it does differently: it overrides the command
// it changes, and may call the common one from there. The buttons and the
// Enter chain run the commands under the general error handler.
class ModuleWindow : public QWidget {
    Q_OBJECT
public:
    ModuleWindow(db::Connection &connection, const ModuleDeclaration &declaration, QWidget *parent = nullptr);
    // A page of a tabbed window: the window's entry panel serves it, the
    // window fills the panel's lists, and Exit closes the window.
    ModuleWindow(db::Connection &connection, const ModuleDeclaration &declaration, TabbedModuleWindow &owner);

    const ModuleDeclaration &declaration() const { return m_declaration; }
    db::Connection &connection() const { return m_connection; }
    db::TableDataSet &table() { return m_table; }
    db::DataSetModel &model() { return *m_model; }
    QTableView *grid() const { return m_grid; }
    EntryPanel *entryPanel() const { return m_entry; }
    QAbstractButton *button(const QString &name) const;

    // The commands.
    virtual void addRow();
    virtual void modifyRow();
    virtual void deleteRow();
    virtual void refresh();
    virtual void search();
    virtual void closeWindow();
    void pickRow(int row);
    // Choosing a search column fills the value list.
    void chooseSearchColumn(int index);
    // The pickers of the date range; nullptr when the search row has none.
    QDateEdit *rangeFrom() const { return m_rangeFrom; }
    QDateEdit *rangeTo() const { return m_rangeTo; }

    // The grid's current row, -1 when there is none.
    int currentRow() const;
    void setCurrentRow(int row);

protected:
    // What the window does when it is shown the first time: fills its lists.
    virtual void prepare();
    // The values Add and Modify store, in column order, over the given row.
    virtual QVector<QVariant> enteredRow(const QVector<QVariant> &row) const;
    // The row test of the Search command.
    virtual db::RowFilter searchFilter() const;
    // Runs when a grid cell is clicked, after the fields are filled.
    virtual void rowPicked(int row);
    // Runs after Add has stored a row and shown its message: puts the focus
    // into the key field.
    virtual void rowAdded(int row);
    // A further button of the command row or the search row.
    QAbstractButton *addButton(Area area, const QString &name, const QString &caption,
                               const std::function<void()> &command);
    // A printout of the rows the grid shows: a typed grid row is posted first,
    // then the printout is built, owned by the window, and shown in its preview.
    void showPrintout(const std::function<QDialog *()> &build);

    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // owner: the tabbed window the page belongs to, nullptr for a window of its own.
    ModuleWindow(db::Connection &connection, const ModuleDeclaration &declaration, EntryPanel *sharedEntry,
                 QWidget *owner, QWidget *parent);
    void buildCommandRow();
    void buildSearchRow();
    void addRefreshButton(Area area);
    void buildDateRange();
    void showDateRange(bool shown);
    void buildGrid();
    void buildHoverHighlight();
    void addResetPanel(QWidget *panel);
    void postGridEdit();
    void deleteGridRow();
    void showTable(int currentRow);
    void fillValueList(const SearchChoice &choice);
    QString keyText() const;
    db::LoadedRow loadedRow(int row) const;
    void keepStored(int row);
    void showStoredNow(const db::LoadedRow &loaded, int row);

    db::Connection &m_connection;
    ModuleDeclaration m_declaration;
    db::TableDataSet m_table;
    db::DataSetModel *m_model;
    EntryPanel *m_entry;
    QFrame *m_commandRow;
    QFrame *m_searchRow;
    QHBoxLayout *m_commandLayout;
    QHBoxLayout *m_searchLayout;
    QComboBox *m_chooser = nullptr;
    QComboBox *m_values = nullptr;
    QDateEdit *m_rangeFrom = nullptr;
    QDateEdit *m_rangeTo = nullptr;
    QWidget *m_rangeToLabel = nullptr;
    QWidget *m_rangeFromLabel = nullptr;
    QTableView *m_grid;
    HoverHighlight *m_hover;
    QWidget *m_closedByExit;
    GridRowPosting *m_rowPosting = nullptr;
    // The row as the window read it when the user picked it: what Modify and
    // Delete check the stored row against.
    db::LoadedRow m_picked;
    bool m_prepared = false;
    bool m_ownsEntry = true;
};

} // namespace reference
