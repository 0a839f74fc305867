#include "stock/StockInquiryWindow.h"

#include "reference/FormName.h"
#include "reference/EntryPanel.h"
#include "reference/GridRowPosting.h"
#include "reference/HoverHighlight.h"
#include "reference/ModuleWindow.h"
#include "reference/CommandGuard.h"
#include "reference/DialogService.h"
#include "reference/WindowClosing.h"
#include "report/TableSource.h"
#include "stock/DailyStockReport.h"

#include <QAbstractItemDelegate>
#include <QCloseEvent>
#include <QComboBox>
#include <QCompleter>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTableView>
#include <QVBoxLayout>

namespace stock {

using reference::DialogService;
using reference::runCommand;

namespace {

constexpr int PriceColumn = 6;

const QVector<db::GridColumn> &gridColumns()
{
    static const QVector<db::GridColumn> columns{
        {QStringLiteral("pname"), 16},  {QStringLiteral("color"), 10},
        {QStringLiteral("scale"), 14},  {QStringLiteral("b1"), 8},
        {QStringLiteral("number"), 10}, {QStringLiteral("b2"), 6},
        {QStringLiteral("price"), 10},  {QStringLiteral("money"), 12},
    };
    return columns;
}

struct FamilyTexts {
    QString deleteQuestion;
    QString printQuestion;
};

const FamilyTexts &textsOf(Family family)
{
    static const FamilyTexts colour{QStringLiteral("确认删除有色材料库存表中的数据!"),
                                    QStringLiteral("确认打印全部有色材料库存表中的数据!")};
    static const FamilyTexts auxiliary{QStringLiteral("确认删除幅料库存表中的数据!"),
                                       QStringLiteral("确认打印全部副料库存表中的数据!")};
    return family == Family::ColourFabric ? colour : auxiliary;
}

// A grid that tells whether a cell editor is open in it.
class EditingGrid : public QTableView {
public:
    bool isEditing() const { return state() == EditingState; }
};

bool isEnter(QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const int key = static_cast<QKeyEvent *>(event)->key();
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

QComboBox *conditionList(const QString &name)
{
    auto *combo = new QComboBox;
    combo->setObjectName(name);
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->completer()->setCompletionMode(QCompleter::PopupCompletion);
    combo->setMinimumWidth(160);
    return combo;
}

void fill(QComboBox *combo, const QStringList &texts)
{
    combo->clear();
    combo->addItems(reference::sortedForList(texts));
    combo->setCurrentIndex(combo->count() ? 0 : -1);
}

} // namespace

StockInquiryWindow::StockInquiryWindow(db::Connection &connection, QWidget *parent)
    : QWidget(parent),
      m_connection(connection),
      m_inquiry(connection),
      m_colour(connection, tablesOf(Family::ColourFabric).stock),
      m_auxiliary(connection, tablesOf(Family::AuxiliaryMaterial).stock),
      m_colourModel(new db::DataSetModel(m_colour, gridColumns(), this)),
      m_auxiliaryModel(new db::DataSetModel(m_auxiliary, gridColumns(), this)),
      m_grid(new EditingGrid),
      m_rowPosting(new reference::GridRowPosting(m_grid)),
      m_hover(new reference::HoverHighlight(this))
{
    setObjectName(reference::instanceName(FormName));
    setWindowTitle(QStringLiteral("现有库存查询"));
    auto *top = new QHBoxLayout;
    top->addWidget(buildFamilies());
    top->addWidget(buildConditions(), 1);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addLayout(top);
    layout->addWidget(buildCommands());
    layout->addWidget(m_grid, 1);

    m_grid->setObjectName(QStringLiteral("DBGrid1"));
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed
                            | QAbstractItemView::AnyKeyPressed);
    m_grid->verticalHeader()->setDefaultSectionSize(m_grid->fontMetrics().height() + 8);
    m_grid->installEventFilter(this);
    m_hover->addResetArea(m_grid->viewport());
    // Enter in the price cell's editor stores the price first, then sets the amount.
    connect(m_grid->itemDelegate(), &QAbstractItemDelegate::closeEditor, this,
            [this](QWidget *, QAbstractItemDelegate::EndEditHint hint) {
                if (hint == QAbstractItemDelegate::SubmitModelCache && m_grid->currentIndex().column() == PriceColumn)
                    runCommand([this] { priceEntered(); });
            });
    resize(sizeHint().expandedTo(QSize(860, 560)));
}

QWidget *StockInquiryWindow::buildFamilies()
{
    auto *group = new QGroupBox(QStringLiteral("查询分类"));
    group->setObjectName(QStringLiteral("RadioGroup1"));
    auto *row = new QHBoxLayout(group);
    const QVector<QPair<Family, QString>> families{{Family::ColourFabric, QStringLiteral("有色材料")},
                                                  {Family::AuxiliaryMaterial, QStringLiteral("副料")}};
    for (const auto &[family, caption] : families) {
        auto *choice = new QRadioButton(caption);
        const bool colour = family == Family::ColourFabric;
        choice->setObjectName(colour ? QStringLiteral("RadioButton1") : QStringLiteral("RadioButton2"));
        (colour ? m_colourChoice : m_auxiliaryChoice) = choice;
        // A family that could not be chosen (the typed row was refused) leaves the old one marked.
        connect(choice, &QRadioButton::clicked, this, [this, f = family] {
            runCommand([this, f] { chooseFamily(f); });
            showChosenFamily();
        });
        row->addWidget(choice);
    }
    m_hover->addResetArea(group);
    return group;
}

QWidget *StockInquiryWindow::buildConditions()
{
    auto *group = new QGroupBox(QStringLiteral("请选择查询条件：(条件都为空时将显示全部库存)"));
    group->setObjectName(QStringLiteral("GroupBox1"));
    auto *row = new QHBoxLayout(group);
    m_name = conditionList(QStringLiteral("ComboBox2"));
    m_specification = conditionList(QStringLiteral("ComboBox3"));
    row->addWidget(new QLabel(QStringLiteral("品        名：")));
    row->addWidget(m_name, 1);
    row->addWidget(new QLabel(QStringLiteral("规        格：")));
    row->addWidget(m_specification, 1);
    // Typing a name or picking one from the list, the one that stands in the field too.
    connect(m_name, &QComboBox::currentTextChanged, this, [this] { runCommand([this] { fillSpecifications(); }); });
    connect(m_name, &QComboBox::activated, this, [this] { runCommand([this] { fillSpecifications(); }); });
    m_hover->addResetArea(group);
    return group;
}

QWidget *StockInquiryWindow::buildCommands()
{
    auto *panel = new QFrame;
    panel->setObjectName(QStringLiteral("Panel1"));
    panel->setFrameShape(QFrame::StyledPanel);
    auto *row = new QHBoxLayout(panel);
    addButton(panel, QStringLiteral("SpeedButton1"), QStringLiteral("查询"), [this] { search(); });
    addButton(panel, QStringLiteral("SpeedButton2"), QStringLiteral("刷新"), [this] { refresh(); });
    addButton(panel, QStringLiteral("SpeedButton3"), QStringLiteral("删除"), [this] { deleteRow(); });
    addButton(panel, QStringLiteral("SpeedButton4"), QStringLiteral("修改"), [this] { modifyRow(); });
    addButton(panel, QStringLiteral("SpeedButton5"), QStringLiteral("打印全部库存"), [this] { printAllStock(); });
    addButton(panel, QStringLiteral("SpeedButton6"), QStringLiteral("退出"), [this] { reference::closeModuleWindow(this); });
    row->addStretch();
    m_hover->addResetArea(panel);
    return panel;
}

QAbstractButton *StockInquiryWindow::addButton(QWidget *row, const QString &name, const QString &caption,
                                       const std::function<void()> &command)
{
    auto *b = new QPushButton(caption);
    b->setObjectName(name);
    b->setFlat(true);
    b->setMinimumWidth(72);
    connect(b, &QPushButton::clicked, this, [command] { runCommand(command); });
    row->layout()->addWidget(b);
    m_hover->addButton(b);
    return b;
}

QAbstractButton *StockInquiryWindow::button(const QString &name) const
{
    return findChild<QAbstractButton *>(name);
}

db::DataSetModel *StockInquiryWindow::model() const
{
    return m_family == Family::AuxiliaryMaterial ? m_auxiliaryModel : m_colourModel;
}

int StockInquiryWindow::currentRow() const
{
    const QModelIndex current = m_grid->currentIndex();
    return current.isValid() ? current.row() : -1;
}

void StockInquiryWindow::showTable(int row)
{
    model()->reload();
    m_rowPosting->setCurrentRow(row);
}

void StockInquiryWindow::showChosenFamily()
{
    if (m_family)
        (*m_family == Family::ColourFabric ? m_colourChoice : m_auxiliaryChoice)->setChecked(true);
}

void StockInquiryWindow::chooseFamily(Family family)
{
    m_rowPosting->postPending();
    table(family).open();
    m_family = family;
    m_grid->setModel(model());
    m_rowPosting->followModel();
    reference::sizeColumns(m_grid, gridColumns());
    showTable(0);
    // The first name stands in the field; the specifications stay as they were.
    const QSignalBlocker keepSpecifications(m_name);
    fill(m_name, m_inquiry.itemNames(family));
}

void StockInquiryWindow::fillSpecifications()
{
    fill(m_specification, m_inquiry.specifications(m_family, m_name->currentText()));
}

void StockInquiryWindow::search()
{
    if (!m_family) {
        DialogService::message(QStringLiteral("请先点先类别！"));
        return;
    }
    m_rowPosting->postPending();
    db::TableDataSet &data = table(*m_family);
    data.close();
    data.setFilter(StockInquiry::filter(m_name->currentText(), m_specification->currentText()));
    data.setFiltered(true);
    data.open();
    showTable(0);
}

void StockInquiryWindow::refresh()
{
    m_rowPosting->postPending();
    for (db::TableDataSet *data : {&m_colour, &m_auxiliary}) {
        data->close();
        data->setFiltered(false);
        data->open();
    }
    m_colourModel->reload();
    m_auxiliaryModel->reload();
    if (m_family)
        showTable(0);
}

void StockInquiryWindow::modifyRow()
{
    if (!m_family)
        return;
    m_rowPosting->postPending();
    DialogService::message(QStringLiteral("修改成功!"));
}

void StockInquiryWindow::deleteRow()
{
    if (!m_family)
        return;
    m_rowPosting->postPending();
    if (!DialogService::warning(textsOf(*m_family).deleteQuestion))
        return;
    const int row = currentRow();
    table(*m_family).remove(table(*m_family).loaded(row));
    showTable(qMin(row, table(*m_family).rowCount() - 1));
    DialogService::message(QStringLiteral("成功删除!"));
}

void StockInquiryWindow::printAllStock()
{
    if (!m_family)
        return;
    m_rowPosting->postPending();
    if (!DialogService::warning(textsOf(*m_family).printQuestion))
        return;
    const report::TableSource rows(StockInquiry::dailyReportFields(), m_inquiry.dailyReportRows(*m_family));
    (new DailyStockReport(rows, this))->showMaximized();
}

void StockInquiryWindow::priceEntered()
{
    const int row = currentRow();
    if (!m_family || row < 0)
        return;
    db::DataSetModel *m = model();
    const QVariant price = m->rowValues(row).value(table(*m_family).table().columnIndex(QStringLiteral("price")));
    m_rowPosting->setCurrentRow(m->postWith(row, {StockInquiry::amountAt(price)}));
}

bool StockInquiryWindow::eventFilter(QObject *watched, QEvent *event)
{
    // Enter in an open cell editor reaches the grid too, before the editor has
    // handed its text over; the editor's closing sets the amount then.
    if (watched == m_grid && isEnter(event) && !static_cast<EditingGrid *>(m_grid)->isEditing()
        && m_grid->currentIndex().column() == PriceColumn) {
        runCommand([this] { priceEntered(); });
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void StockInquiryWindow::closeEvent(QCloseEvent *event)
{
    reference::closeAfterPosting(event, [this] { m_rowPosting->postPending(); });
}

} // namespace stock
