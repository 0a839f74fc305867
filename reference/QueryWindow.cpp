#include "reference/QueryWindow.h"

#include "db/Query.h"
#include "db/QueryModel.h"
#include "db/TableDataSet.h"
#include "db/TextForms.h"
#include "reference/EntryPanel.h"
#include "reference/GridRowPosting.h"
#include "reference/HoverHighlight.h"
#include "reference/ModuleWindow.h"
#include "report/TableSource.h"
#include "reference/CommandGuard.h"
#include "reference/DialogService.h"
#include "reference/WindowClosing.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QCompleter>
#include <QDateEdit>
#include <QDialog>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QVBoxLayout>

namespace reference {

using reference::runCommand;

namespace {

// A label and its field, laid out as one widget.
QWidget *labelled(const QString &label, QWidget *field)
{
    auto *pair = new QWidget;
    auto *row = new QHBoxLayout(pair);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(new QLabel(label));
    row->addWidget(field, 1);
    return pair;
}

} // namespace

struct QueryWindow::Table {
    Table(db::Connection &connection, const QString &name, const QVector<db::GridColumn> &columns, QObject *owner)
        : data(connection, name), model(new db::DataSetModel(data, columns, owner))
    {
    }
    db::TableDataSet data;
    db::DataSetModel *model;
};

QueryWindow::QueryWindow(db::Connection &connection, const QueryDeclaration &declaration, QWidget *parent)
    : QWidget(parent), m_connection(connection), m_declaration(declaration), m_hover(new HoverHighlight(this))
{
    setObjectName(declaration.windowClass.mid(1));
    setWindowTitle(declaration.caption);
    auto *conditions = new QHBoxLayout;
    buildConditions(conditions);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addLayout(conditions);
    QWidget *commands = buildCommands();
    if (m_declaration.placement == CommandPlacement::BesideConditions) {
        conditions->addStretch();
        conditions->addWidget(commands);
    } else {
        layout->addWidget(commands);
    }
    buildGrid();
    layout->addWidget(m_grid, 1);
    if (m_printButton && m_declaration.printing == PrintAvailability::OncePerSearch)
        m_printButton->setEnabled(false);
    resize(sizeHint().expandedTo(m_declaration.size));
}

// The grid goes first: closing the window repaints it, and its models read
// the data sets that the members below hold.
QueryWindow::~QueryWindow()
{
    delete m_grid;
}

void QueryWindow::buildConditions(QBoxLayout *row)
{
    auto *others = new QHBoxLayout;
    for (const Condition &c : m_declaration.conditions) {
        switch (c.kind) {
        case Condition::Kind::Options: row->addWidget(buildOptions(c)); break;
        case Condition::Kind::List: others->addWidget(buildList(c), 1); break;
        case Condition::Kind::Date: others->addWidget(buildPicker(c)); break;
        }
    }
    if (m_declaration.conditionsCaption.isEmpty()) {
        others->setContentsMargins(0, 0, 0, 0);
        row->addLayout(others);
        return;
    }
    auto *group = new QGroupBox(m_declaration.conditionsCaption);
    group->setObjectName(m_declaration.conditionsName);
    group->setLayout(others);
    m_hover->addResetArea(group);
    row->addWidget(group, 1);
}

QGroupBox *QueryWindow::buildOptions(const Condition &condition)
{
    auto *group = new QGroupBox(condition.label);
    group->setObjectName(condition.control);
    auto *row = new QHBoxLayout(group);
    for (int i = 0; i < condition.options.size(); ++i) {
        auto *choice = new QRadioButton(condition.options[i].caption);
        choice->setObjectName(condition.options[i].control);
        m_options[condition.control] << choice;
        connect(choice, &QRadioButton::clicked, this, [this, condition, i] {
            runCommand([&] { chooseOption(condition, i); });
            markChosenOption(condition);
        });
        row->addWidget(choice);
    }
    m_hover->addResetArea(group);
    return group;
}

QWidget *QueryWindow::buildList(const Condition &condition)
{
    auto *combo = new QComboBox;
    combo->setObjectName(condition.control);
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->completer()->setCompletionMode(QCompleter::PopupCompletion);
    combo->setMinimumWidth(160);
    m_lists.insert(condition.control, combo);
    // Typing, or picking from the list, the value that already stands in the field too.
    const QString control = condition.control;
    auto changed = [this, control] {
        runCommand([&] {
            refillListsAfter(control);
            conditionChanged(control);
        });
    };
    connect(combo, &QComboBox::currentTextChanged, this, changed);
    connect(combo, &QComboBox::activated, this, changed);
    return labelled(condition.label, combo);
}

QWidget *QueryWindow::buildPicker(const Condition &condition)
{
    auto *picker = new QDateEdit(QDate::currentDate());
    picker->setObjectName(condition.control);
    picker->setCalendarPopup(true);
    picker->setDisplayFormat(QLatin1String(db::ShortDateForm));
    m_pickers.insert(condition.control, picker);
    return labelled(condition.label, picker);
}

QWidget *QueryWindow::buildCommands()
{
    auto *panel = new QFrame;
    panel->setObjectName(m_declaration.commandRowName);
    auto *row = new QHBoxLayout(panel);
    for (const QueryCommand &command : m_declaration.commands) {
        auto *b = new QPushButton(command.caption);
        b->setObjectName(command.control);
        b->setFlat(command.control.startsWith(QLatin1String("SpeedButton")));
        b->setMinimumWidth(72);
        m_hover->addButton(b);
        row->addWidget(b);
        switch (command.role) {
        case CommandRole::Search: connect(b, &QPushButton::clicked, this, [this] { runCommand([this] { search(); }); }); break;
        case CommandRole::Refresh: connect(b, &QPushButton::clicked, this, [this] { runCommand([this] { refresh(); }); }); break;
        case CommandRole::Print:
            m_printButton = b;
            connect(b, &QPushButton::clicked, this, [this] { runCommand([this] { print(); }); });
            break;
        case CommandRole::Exit: connect(b, &QPushButton::clicked, this, [this] { closeWindow(); }); break;
        case CommandRole::Own:
            connect(b, &QPushButton::clicked, this, [this, name = command.control] {
                if (const auto own = m_ownCommands.value(name))
                    runCommand(own);
            });
            break;
        }
    }
    if (m_declaration.placement == CommandPlacement::BesideConditions) {
        row->setContentsMargins(0, 0, 0, 0);
        return panel;
    }
    panel->setFrameShape(QFrame::StyledPanel);
    row->addStretch();
    m_hover->addResetArea(panel);
    return panel;
}

void QueryWindow::buildGrid()
{
    const QueryGrid &g = m_declaration.grid;
    if (g.kind == QueryGrid::Kind::Texts) {
        auto *texts = new QTableWidget(0, int(g.columns.size()));
        // The titles stay empty until the first search writes them.
        texts->setHorizontalHeaderLabels(QStringList(texts->columnCount(), QString()));
        m_grid = texts;
    } else {
        m_grid = new QTableView;
        m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    }
    m_grid->setObjectName(g.control);
    m_grid->verticalHeader()->setDefaultSectionSize(m_grid->fontMetrics().height() + 8);
    m_hover->addResetArea(m_grid->viewport());
    connect(m_grid, &QTableView::clicked, this,
            [this](const QModelIndex &index) { runCommand([this, index] { rowPicked(index.row()); }); });
    switch (g.kind) {
    case QueryGrid::Kind::Texts:
        sizeColumns(m_grid, g.columns);
        break;
    case QueryGrid::Kind::Query:
        m_queryModel = new db::QueryModel(m_connection, this);
        connect(m_queryModel, &db::QueryModel::readFailed, this, &reference::DialogService::error);
        m_grid->setModel(m_queryModel);
        break;
    case QueryGrid::Kind::Table:
        m_grid->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed
                                | QAbstractItemView::AnyKeyPressed);
        m_rowPosting = new GridRowPosting(m_grid);
        buildTables();
        break;
    }
}

void QueryWindow::buildTables()
{
    for (const QString &name : m_declaration.grid.tables)
        m_tables[name] = std::make_unique<Table>(m_connection, name, m_declaration.grid.columns, this);
}

QTableWidget *QueryWindow::textGrid() const
{
    return qobject_cast<QTableWidget *>(m_grid);
}

QAbstractButton *QueryWindow::button(const QString &name) const
{
    return findChild<QAbstractButton *>(name);
}

db::TableDataSet &QueryWindow::dataSet(const QString &table) const
{
    return m_tables.at(table)->data;
}

db::DataSetModel *QueryWindow::shownModel() const
{
    const auto found = m_tables.find(m_shownTable);
    return found == m_tables.end() ? nullptr : found->second->model;
}

void QueryWindow::setCommand(const QString &control, const std::function<void()> &command)
{
    m_ownCommands.insert(control, command);
}

SearchValues QueryWindow::searchValues() const
{
    SearchValues values;
    for (auto it = m_lists.begin(); it != m_lists.end(); ++it)
        values.setText(it.key(), it.value()->currentText());
    for (auto it = m_pickers.begin(); it != m_pickers.end(); ++it)
        values.setDate(it.key(), it.value()->date());
    for (auto it = m_options.begin(); it != m_options.end(); ++it)
        for (int i = 0; i < it.value().size(); ++i)
            if (it.value()[i]->isChecked())
                values.setChoice(it.key(), i);
    return values;
}

// A choice that could not be made (the typed grid row was refused) leaves the
// one made before marked.
void QueryWindow::markChosenOption(const Condition &group)
{
    const int applied = m_appliedOptions.value(group.control, -1);
    if (applied >= 0)
        m_options[group.control][applied]->setChecked(true);
}

void QueryWindow::chooseOption(const Condition &group, int option)
{
    const QueryGrid &g = m_declaration.grid;
    if (g.kind == QueryGrid::Kind::Table && g.chooserGroup == group.control)
        showTable(g.tables.value(option));
    m_appliedOptions.insert(group.control, option);
    refillListsAfter(group.control);
    conditionChanged(group.control);
}

void QueryWindow::refillListsAfter(const QString &control)
{
    for (const Condition &c : m_declaration.conditions)
        if (c.kind == Condition::Kind::List && c.filledAfter == control)
            fill(c);
}

void QueryWindow::fill(const Condition &list)
{
    QComboBox *combo = m_lists.value(list.control);
    const QStringList texts = sortedForList(list.values(m_connection, searchValues()));
    const QSignalBlocker noRefills(combo);
    combo->clear();
    combo->addItems(texts);
    combo->setCurrentIndex(combo->count() ? 0 : -1);
}

void QueryWindow::showTable(const QString &table)
{
    postGridRow();
    Table &shown = *m_tables.at(table);
    shown.data.open();
    m_shownTable = table;
    m_grid->setModel(shown.model);
    m_rowPosting->followModel();
    sizeColumns(m_grid, m_declaration.grid.columns);
    shown.model->reload();
    setCurrentRow(0);
}

bool QueryWindow::requiredChoicesMade()
{
    const SearchValues values = searchValues();
    for (const Condition &c : m_declaration.conditions) {
        if (!c.requiredMessage.isEmpty() && values.choice(c.control) < 0) {
            reference::DialogService::message(c.requiredMessage);
            return false;
        }
    }
    return true;
}

void QueryWindow::search()
{
    if (!requiredChoicesMade() || !beforeSearch())
        return;
    if (m_printButton && m_declaration.printing == PrintAvailability::OncePerSearch)
        m_printButton->setEnabled(true);
    postGridRow();
    const SearchValues values = searchValues();
    const QueryGrid &g = m_declaration.grid;
    switch (g.kind) {
    case QueryGrid::Kind::Query: {
        db::Query query(m_connection);
        g.statement(query, values);
        m_queryModel->open(query);
        break;
    }
    case QueryGrid::Kind::Table: {
        db::DataSetModel *model = shownModel();
        if (!model)
            return;
        db::TableDataSet &data = model->dataSet();
        data.close();
        data.setFilter(g.rowTest(values));
        data.setFiltered(true);
        data.open();
        model->reload();
        setCurrentRow(0);
        break;
    }
    case QueryGrid::Kind::Texts:
        showComputedRows(g.compute(m_connection, values));
        break;
    }
    afterSearch();
}

void QueryWindow::showComputedRows(const QVector<QStringList> &rows)
{
    QTableWidget *texts = textGrid();
    texts->setHorizontalHeaderLabels(m_declaration.grid.titles);
    texts->setRowCount(int(rows.size()));
    for (int r = 0; r < rows.size(); ++r) {
        for (int c = 0; c < rows[r].size(); ++c) {
            if (QTableWidgetItem *item = texts->item(r, c))
                item->setText(rows[r][c]);
            else
                texts->setItem(r, c, new QTableWidgetItem(rows[r][c]));
        }
    }
}

void QueryWindow::refresh()
{
    postGridRow();
    for (auto &[name, table] : m_tables) {
        table->data.close();
        table->data.setFiltered(false);
        table->data.open();
        table->model->reload();
    }
    if (shownModel())
        setCurrentRow(0);
}

report::TableSource QueryWindow::shownRows() const
{
    const QueryGrid &g = m_declaration.grid;
    if (g.kind == QueryGrid::Kind::Table) {
        db::DataSetModel *model = shownModel();
        QStringList fields;
        if (!model)
            return report::TableSource(fields);
        for (const db::Column &c : model->dataSet().table().columns)
            fields << c.name;
        report::TableSource rows(fields);
        for (int r = 0; r < model->rowCount(); ++r)
            rows.append(model->rowValues(r).toList());
        return rows;
    }
    QAbstractItemModel *model = m_grid->model();
    while (model->canFetchMore({}))
        model->fetchMore({});
    QStringList fields;
    for (int c = 0; c < model->columnCount(); ++c)
        fields << (g.kind == QueryGrid::Kind::Texts ? g.columns.value(c).column
                                                    : model->headerData(c, Qt::Horizontal).toString());
    report::TableSource rows(fields);
    for (int r = 0; r < model->rowCount(); ++r) {
        QVariantList values;
        for (int c = 0; c < model->columnCount(); ++c)
            values << model->index(r, c).data().toString();
        rows.append(values);
    }
    return rows;
}

void QueryWindow::print()
{
    postGridRow();
    QDialog *printout = m_declaration.printout(m_connection, searchValues(), shownRows(), this);
    if (m_printButton && m_declaration.printing == PrintAvailability::OncePerSearch)
        m_printButton->setEnabled(false);
    printout->setAttribute(Qt::WA_DeleteOnClose);
    printout->showMaximized();
}

void QueryWindow::closeWindow()
{
    reference::closeModuleWindow(this);
}

bool QueryWindow::beforeSearch()
{
    return true;
}

void QueryWindow::afterSearch()
{
}

void QueryWindow::conditionChanged(const QString &)
{
}

void QueryWindow::rowPicked(int)
{
}

void QueryWindow::postGridRow()
{
    if (m_rowPosting)
        m_rowPosting->postPending();
}

int QueryWindow::currentRow() const
{
    const QModelIndex current = m_grid->currentIndex();
    return current.isValid() ? current.row() : -1;
}

void QueryWindow::setCurrentRow(int row)
{
    if (m_rowPosting)
        m_rowPosting->setCurrentRow(row);
}

void QueryWindow::closeEvent(QCloseEvent *event)
{
    closeAfterPosting(event, [this] { postGridRow(); });
}

} // namespace reference
