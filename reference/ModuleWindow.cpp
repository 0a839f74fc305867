#include "reference/ModuleWindow.h"

#include "reference/FormName.h"
#include "db/AppError.h"
#include "db/DistinctValues.h"
#include "db/TextForms.h"
#include "reference/EntryPanel.h"
#include "reference/GridRowPosting.h"
#include "reference/HoverHighlight.h"
#include "reference/CommandGuard.h"
#include "reference/DialogService.h"
#include "reference/TabbedModuleWindow.h"
#include "reference/WindowClosing.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QCompleter>
#include <QDateEdit>
#include <QDialog>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace reference {

namespace {

const QString SearchPrompt = QStringLiteral("请选择方式:         ");

QFrame *panel(const QString &name)
{
    auto *frame = new QFrame;
    frame->setObjectName(name);
    frame->setFrameShape(QFrame::StyledPanel);
    return frame;
}

} // namespace

QWidget *framedPanel(QFrame *panel, const QString &caption, const QString &name)
{
    if (caption.isEmpty())
        return panel;
    auto *group = new QGroupBox(caption);
    group->setObjectName(name);
    panel->setFrameShape(QFrame::NoFrame);
    auto *layout = new QVBoxLayout(group);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(panel);
    return group;
}

ModuleWindow::ModuleWindow(db::Connection &connection, const ModuleDeclaration &declaration, QWidget *parent)
    : ModuleWindow(connection, declaration, nullptr, nullptr, parent)
{
}

ModuleWindow::ModuleWindow(db::Connection &connection, const ModuleDeclaration &declaration,
                           TabbedModuleWindow &owner)
    : ModuleWindow(connection, declaration, owner.entryPanel(), &owner, nullptr)
{
}

ModuleWindow::ModuleWindow(db::Connection &connection, const ModuleDeclaration &declaration,
                           EntryPanel *sharedEntry, QWidget *owner, QWidget *parent)
    : QWidget(parent),
      m_connection(connection),
      m_declaration(declaration),
      m_table(connection, declaration.table),
      m_model(new db::DataSetModel(m_table, declaration.grid, this)),
      m_entry(sharedEntry ? sharedEntry : new EntryPanel(declaration.fields, m_table.table())),
      m_commandRow(panel(QStringLiteral("Panel2"))),
      m_searchRow(panel(QStringLiteral("Panel3"))),
      m_commandLayout(new QHBoxLayout(m_commandRow)),
      m_searchLayout(new QHBoxLayout(m_searchRow)),
      m_grid(new QTableView),
      m_hover(new HoverHighlight(this)),
      m_closedByExit(owner ? owner : this),
      m_ownsEntry(!sharedEntry)
{
    setObjectName(instanceName(declaration.windowClass));
    setWindowTitle(declaration.caption);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    if (m_ownsEntry)
        layout->addWidget(framedPanel(m_entry, declaration.entryCaption, QStringLiteral("GroupBox1")));
    layout->addWidget(m_commandRow);
    layout->addWidget(framedPanel(m_searchRow, declaration.searchCaption, QStringLiteral("GroupBox2")));
    layout->addWidget(m_grid, 1);

    buildCommandRow();
    buildSearchRow();
    buildGrid();
    buildHoverHighlight();
    if (m_ownsEntry)
        m_entry->setChainEnd([this] {
            if (m_declaration.lastFieldEnter == LastFieldEnter::Adds)
                runCommand([this] { addRow(); });
            else
                button(m_declaration.commands.add)->setFocus();
        }, m_declaration.lastFieldEnter == LastFieldEnter::Adds);

    if (m_declaration.opening == TableOpening::AtStart) {
        m_table.open();
        showTable(0);
    }
    if (m_declaration.sizing == WindowSizing::Fixed)
        setFixedSize(sizeHint().expandedTo(QSize(640, 480)));
    else
        resize(sizeHint().expandedTo(QSize(760, 520)));
}

QAbstractButton *ModuleWindow::button(const QString &name) const
{
    return findChild<QAbstractButton *>(name);
}

QAbstractButton *ModuleWindow::addButton(Area area, const QString &name, const QString &caption,
                                         const std::function<void()> &command)
{
    auto *b = new QPushButton(caption);
    b->setObjectName(name);
    b->setFlat(name.startsWith(QLatin1String("SpeedButton")));
    b->setMinimumWidth(72);
    // Enter on a focused button runs it, as Space does: the Enter chain ends on 确定.
    b->setAutoDefault(true);
    connect(b, &QPushButton::clicked, this, [command] { runCommand(command); });
    if (m_declaration.hoverButtons.contains(name))
        m_hover->addButton(b);
    QHBoxLayout *row = area == Area::Search ? m_searchLayout : m_commandLayout;
    row->insertWidget(row->count() - 1, b);
    return b;
}

void ModuleWindow::buildCommandRow()
{
    m_commandLayout->addStretch();
    const CommandNames &names = m_declaration.commands;
    addButton(Area::Commands, names.add, QStringLiteral("确定"), [this] { addRow(); });
    addButton(Area::Commands, names.modify, QStringLiteral("修改"), [this] { modifyRow(); });
    addButton(Area::Commands, names.remove, QStringLiteral("删除"), [this] { deleteRow(); });
    if (m_declaration.refreshButton == RefreshButton::AmongCommands)
        addRefreshButton(Area::Commands);
    addButton(Area::Commands, names.exit, QStringLiteral("退出"), [this] { closeWindow(); });
}

void ModuleWindow::buildSearchRow()
{
    m_searchLayout->addStretch();
    if (!m_declaration.search.isEmpty()) {
        m_chooser = new QComboBox;
        m_chooser->setObjectName(m_declaration.searchChooser);
        m_chooser->setPlaceholderText(SearchPrompt);
        m_chooser->setMinimumWidth(150);
        for (const SearchChoice &choice : m_declaration.search)
            m_chooser->addItem(choice.caption);
        m_chooser->setCurrentIndex(-1);
        connect(m_chooser, &QComboBox::currentIndexChanged, this,
                [this](int index) { runCommand([this, index] { chooseSearchColumn(index); }); });
        m_values = new QComboBox;
        m_values->setObjectName(m_declaration.searchValues);
        m_values->setEditable(true);
        m_values->setInsertPolicy(QComboBox::NoInsert);
        m_values->completer()->setCompletionMode(QCompleter::PopupCompletion);
        m_values->setMinimumWidth(180);
        m_searchLayout->insertWidget(0, m_chooser);
        m_searchLayout->insertWidget(1, m_values);
    }
    buildDateRange();
    if (m_declaration.refreshButton == RefreshButton::InSearchRow)
        addRefreshButton(Area::Search);
    addButton(Area::Search, m_declaration.commands.search, QStringLiteral("查询"), [this] { search(); });
}

void ModuleWindow::addRefreshButton(Area area)
{
    addButton(area, m_declaration.commands.refresh, QStringLiteral("刷新"), [this] { refresh(); });
}

void ModuleWindow::buildDateRange()
{
    const DateRangeSearch &range = m_declaration.dateRange;
    if (range.column.isEmpty())
        return;
    auto picker = [](const QString &name) {
        auto *p = new QDateEdit(QDate::currentDate());
        p->setObjectName(name);
        p->setCalendarPopup(true);
        p->setDisplayFormat(QLatin1String(db::ShortDateForm));
        return p;
    };
    m_rangeFrom = picker(range.from);
    m_rangeTo = picker(range.to);
    m_rangeToLabel = new QLabel(QStringLiteral("到："));
    const int at = m_values ? m_searchLayout->indexOf(m_values) + 1 : 0;
    m_rangeFromLabel = new QLabel(QStringLiteral("从："));
    m_searchLayout->insertWidget(at, m_rangeFromLabel);
    m_searchLayout->insertWidget(at + 1, m_rangeFrom);
    m_searchLayout->insertWidget(at + 2, m_rangeToLabel);
    m_searchLayout->insertWidget(at + 3, m_rangeTo);
    showDateRange(range.hidden == HiddenUntilChosen::Nothing);
    if (range.hidden == HiddenUntilChosen::RangeAndValues && m_values)
        m_values->hide();
}

void ModuleWindow::showDateRange(bool shown)
{
    if (!m_rangeFrom)
        return;
    m_rangeFrom->setVisible(shown);
    m_rangeTo->setVisible(shown);
    m_rangeToLabel->setVisible(shown);
    if (m_declaration.dateRange.hidden == HiddenUntilChosen::RangeAndValues)
        m_rangeFromLabel->setVisible(shown);
}

void sizeColumns(QTableView *grid, const QVector<db::GridColumn> &columns)
{
    // A character of a display width is as wide as a digit; the average
    // character of a Chinese font is a full-width one and twice as wide.
    const int charWidth = grid->fontMetrics().horizontalAdvance(QLatin1Char('0'));
    for (int c = 0; c < columns.size(); ++c)
        grid->setColumnWidth(c, columns[c].width * charWidth + 12);
}

void ModuleWindow::buildGrid()
{
    m_grid->setObjectName(QStringLiteral("DBGrid1"));
    m_grid->setModel(m_model);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed
                            | QAbstractItemView::AnyKeyPressed);
    m_grid->verticalHeader()->setDefaultSectionSize(m_grid->fontMetrics().height() + 8);
    m_grid->verticalHeader()->setFixedWidth(18);
    sizeColumns(m_grid, m_declaration.grid);
    m_grid->installEventFilter(this);
    connect(m_grid, &QTableView::clicked, this,
            [this](const QModelIndex &index) { runCommand([this, index] { pickRow(index.row()); }); });
    connect(m_model, &db::DataSetModel::rowStored, this, [this](int row) { keepStored(row); });
    m_rowPosting = new GridRowPosting(m_grid);
}

// The buttons join the highlight as they are added, a window's own ones too.
void ModuleWindow::buildHoverHighlight()
{
    for (Area area : m_declaration.hoverResetAreas) {
        switch (area) {
        case Area::Entry: addResetPanel(m_entry); break;
        case Area::Commands: addResetPanel(m_commandRow); break;
        case Area::Search: addResetPanel(m_searchRow); break;
        case Area::Grid: m_hover->addResetArea(m_grid->viewport()); break;
        }
    }
}

// A panel framed in a titled group box resets over its title strip too.
void ModuleWindow::addResetPanel(QWidget *panel)
{
    m_hover->addResetArea(panel);
    if (auto *group = qobject_cast<QGroupBox *>(panel->parentWidget()))
        m_hover->addResetArea(group);
}

void ModuleWindow::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (!m_prepared) {
        m_prepared = true;
        runCommand([this] { prepare(); });
    }
}

void ModuleWindow::prepare()
{
    if (m_ownsEntry)
        m_entry->fillLists(m_connection);
}

void closeAfterPosting(QCloseEvent *event, const std::function<void()> &post)
{
    bool posted = false;
    runCommand([&] {
        post();
        posted = true;
    });
    if (posted)
        event->accept();
    else
        event->ignore();
}

void ModuleWindow::closeEvent(QCloseEvent *event)
{
    closeAfterPosting(event, [this] { postGridEdit(); });
}

void ModuleWindow::closeWindow()
{
    closeModuleWindow(m_closedByExit);
}

bool ModuleWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_grid && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        const int row = currentRow();
        if (key->key() == Qt::Key_Down && m_table.isOpen() && row == m_model->rowCount() - 1
            && m_model->pendingRow() < 0) {
            setCurrentRow(m_model->appendBlankRow());
            return true;
        }
        if (key->key() == Qt::Key_Escape && m_model->pendingRow() >= 0) {
            m_model->cancel();
            setCurrentRow(qMin(row, m_model->rowCount() - 1));
            return true;
        }
        if (key->key() == Qt::Key_Delete && key->modifiers() == Qt::ControlModifier) {
            runCommand([this] { deleteGridRow(); });
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

int ModuleWindow::currentRow() const
{
    const QModelIndex current = m_grid->currentIndex();
    return current.isValid() ? current.row() : -1;
}

void ModuleWindow::setCurrentRow(int row)
{
    if (row < 0 || row >= m_model->rowCount()) {
        m_grid->setCurrentIndex({});
        return;
    }
    const int column = qMax(0, m_grid->currentIndex().column());
    m_grid->setCurrentIndex(m_model->index(row, column));
}

void ModuleWindow::showTable(int row)
{
    m_model->reload();
    setCurrentRow(row);
}

// Ctrl+Delete in the grid deletes the current row after the Delete command's
// question: a key pressed by mistake must not lose a row. The data set deletes
// exactly that row even where another row holds the same values.
void ModuleWindow::deleteGridRow()
{
    const int row = currentRow();
    if (row < 0 || !DialogService::question(m_declaration.messages.deleteQuestion) || !m_model->remove(row))
        return;
    setCurrentRow(qMin(row, m_model->rowCount() - 1));
}

void ModuleWindow::showPrintout(const std::function<QDialog *()> &build)
{
    postGridEdit();
    build()->showMaximized();
}

void ModuleWindow::postGridEdit()
{
    m_rowPosting->postPending();
}

// The key as typed: a key of blanks passes the empty-key test and is stored
// as an empty key.
QString ModuleWindow::keyText() const
{
    return m_entry->text(m_declaration.fields.first().control);
}

QVector<QVariant> ModuleWindow::enteredRow(const QVector<QVariant> &row) const
{
    return m_entry->valuesInto(row);
}

void ModuleWindow::addRow()
{
    postGridEdit();
    const ModuleMessages &m = m_declaration.messages;
    if (!DialogService::question(m.addQuestion))
        return;
    if (!m.emptyKey.isEmpty() && keyText().isEmpty()) {
        DialogService::message(m.emptyKey);
        return;
    }
    int row = -1;
    try {
        m_table.open();
        row = m_table.append(enteredRow(QVector<QVariant>(m_table.table().columns.size())));
    } catch (const AppError &e) {
        showTable(currentRow());
        if (m.refused.isEmpty() || !e.isDuplicateKey())
            throw;
        DialogService::message(m.refused);
        return;
    }
    showTable(row);
    DialogService::message(m.added);
    rowAdded(row);
}

void ModuleWindow::rowAdded(int)
{
    m_entry->field(m_declaration.fields.first().control)->setFocus();
}

// The picked row is checked against what the window read when it was picked;
// another current row against what the grid shows of it.
db::LoadedRow ModuleWindow::loadedRow(int row) const
{
    const db::LoadedRow shown = m_table.loaded(row);
    return shown.id == m_picked.id ? m_picked : shown;
}

// What this window itself stored in the picked row is no change of another
// workstation's.
void ModuleWindow::keepStored(int row)
{
    if (row >= 0 && m_picked.isValid() && m_table.loaded(row).id == m_picked.id)
        m_picked = m_table.loaded(row);
}

// After a refused change: the grid as the table now holds it, and the row, if
// it is still there, picked again into the fields, so that the change can be
// made anew on the current values.
void ModuleWindow::showStoredNow(const db::LoadedRow &loaded, int row)
{
    m_picked = {};
    m_table.reopen();
    const int now = m_table.indexOf(loaded);
    showTable(now >= 0 ? now : qMin(row, m_table.rowCount() - 1));
    if (now >= 0)
        pickRow(now);
}

void ModuleWindow::modifyRow()
{
    postGridEdit();
    if (!DialogService::question(m_declaration.messages.modifyQuestion))
        return;
    const int row = currentRow();
    const db::LoadedRow loaded = loadedRow(row);
    int moved = -1;
    try {
        moved = m_table.update(loaded, enteredRow(m_table.values(loaded)));
    } catch (const db::StaleRowError &stale) {
        DialogService::message(stale.message());
        showStoredNow(loaded, row);
        return;
    }
    m_picked = moved >= 0 ? m_table.loaded(moved) : db::LoadedRow{};
    showTable(moved);
    DialogService::message(m_declaration.messages.modified);
}

void ModuleWindow::deleteRow()
{
    postGridEdit();
    const ModuleMessages &m = m_declaration.messages;
    if (!DialogService::question(m.deleteQuestion))
        return;
    const bool closed =
        !m_table.isOpen() && m_declaration.closedTableDelete == ClosedTableDelete::NothingToDelete;
    if (closed || m_table.rowCount() == 0) {
        DialogService::message(m.nothingToDelete);
        return;
    }
    const int row = currentRow();
    const db::LoadedRow loaded = loadedRow(row);
    try {
        m_table.remove(loaded);
    } catch (const db::StaleRowError &stale) {
        DialogService::message(stale.message());
        showStoredNow(loaded, row);
        return;
    }
    m_picked = {};
    showTable(qMin(row, m_table.rowCount() - 1));
    DialogService::message(m.deleted);
}

void ModuleWindow::refresh()
{
    postGridEdit();
    m_table.close();
    m_table.setFiltered(false);
    m_table.open();
    showTable(0);
}

void ModuleWindow::search()
{
    postGridEdit();
    m_table.close();
    m_table.setFilter(searchFilter());
    m_table.setFiltered(true);
    m_table.open();
    showTable(0);
}

db::RowFilter ModuleWindow::searchFilter() const
{
    const int index = m_chooser ? m_chooser->currentIndex() : -1;
    if (index < 0 || index >= m_declaration.search.size())
        return {};
    const SearchChoice &choice = m_declaration.search[index];
    if (!m_rangeFrom || choice.test == SearchTest::ValueOnly)
        return db::RowFilter::equals(choice.column, m_values->currentText());
    const db::RowFilter inRange =
        db::RowFilter::dateBetween(m_declaration.dateRange.column, m_rangeFrom->date(), m_rangeTo->date());
    if (choice.test == SearchTest::RangeOnly)
        return inRange;
    return db::RowFilter::equals(choice.column, m_values->currentText()) && inRange;
}

void ModuleWindow::chooseSearchColumn(int index)
{
    if (index < 0 || index >= m_declaration.search.size())
        return;
    const SearchChoice &choice = m_declaration.search[index];
    showDateRange(choice.test != SearchTest::ValueOnly);
    m_values->setVisible(choice.test != SearchTest::RangeOnly);
    if (choice.test != SearchTest::RangeOnly)
        fillValueList(choice);
}

void ModuleWindow::fillValueList(const SearchChoice &choice)
{
    QStringList values = db::distinctValues(m_connection, m_declaration.table, choice.column);
    if (m_declaration.valueListBlanks == Blanks::Trimmed) {
        for (QString &v : values)
            v = v.trimmed();
        values.removeDuplicates();
    }
    m_values->clear();
    m_values->addItems(sortedForList(values));
    m_values->setCurrentIndex(m_values->count() ? 0 : -1);
}

void ModuleWindow::pickRow(int row)
{
    m_picked = row < m_table.rowCount() ? m_table.loaded(row) : db::LoadedRow{};
    m_entry->pick(*m_model, row);
    rowPicked(row);
}

void ModuleWindow::rowPicked(int)
{
}

} // namespace reference
