#include "stock/MonthlyStockWindow.h"

#include "db/TextForms.h"
#include "reference/HoverHighlight.h"
#include "report/PrintPreview.h"
#include "report/TableSource.h"
#include "shell/CommandGuard.h"
#include "shell/DialogService.h"
#include "shell/ModuleWindows.h"
#include "stock/MonthlyStockFigures.h"
#include "stock/MonthlyStockReport.h"

#include <QDateEdit>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace stock {

namespace {

QDateEdit *todayPicker(const QString &name)
{
    auto *picker = new QDateEdit(QDate::currentDate());
    picker->setObjectName(name);
    picker->setCalendarPopup(true);
    picker->setDisplayFormat(QLatin1String(db::ShortDateForm));
    return picker;
}

QPushButton *commandButton(const QString &name, const QString &caption)
{
    auto *b = new QPushButton(caption);
    b->setObjectName(name);
    b->setMinimumWidth(72);
    return b;
}

} // namespace

MonthlyStockWindow::MonthlyStockWindow(db::Connection &connection, QWidget *parent)
    : QWidget(parent),
      m_connection(connection),
      m_colourFabric(new QRadioButton(QStringLiteral("有色材料"))),
      m_auxiliary(new QRadioButton(QStringLiteral("副料"))),
      m_from(todayPicker(QStringLiteral("DateTimePicker1"))),
      m_to(todayPicker(QStringLiteral("DateTimePicker2"))),
      m_search(commandButton(QStringLiteral("BitBtn1"), QStringLiteral("查询"))),
      m_print(commandButton(QStringLiteral("BitBtn2"), QStringLiteral("打印"))),
      m_exit(commandButton(QStringLiteral("BitBtn3"), QStringLiteral("退出"))),
      m_grid(new QTableWidget(0, int(MonthlyStockFigures::headers().size())))
{
    setObjectName(QStringLiteral("KuCunBanBiaoF"));
    setWindowTitle(QStringLiteral("库存月报表"));

    auto *families = new QGroupBox(QStringLiteral("原料倉庫月報表表單類別："));
    families->setObjectName(QStringLiteral("RadioGroup1"));
    auto *familyRow = new QHBoxLayout(families);
    familyRow->addWidget(m_colourFabric);
    familyRow->addWidget(m_auxiliary);

    auto *controls = new QHBoxLayout;
    controls->addWidget(families);
    controls->addWidget(new QLabel(QStringLiteral("从：")));
    controls->addWidget(m_from);
    controls->addWidget(new QLabel(QStringLiteral("到：")));
    controls->addWidget(m_to);
    controls->addStretch();
    controls->addWidget(m_search);
    controls->addWidget(m_print);
    controls->addWidget(m_exit);

    m_grid->setObjectName(QStringLiteral("StringGrid1"));
    // The header row stays empty until the first 查询 writes its texts.
    m_grid->setHorizontalHeaderLabels(QStringList(m_grid->columnCount(), QString()));
    m_grid->verticalHeader()->setDefaultSectionSize(m_grid->fontMetrics().height() + 8);
    m_grid->horizontalHeader()->setDefaultSectionSize(m_grid->fontMetrics().averageCharWidth() * 12);
    m_grid->setColumnWidth(0, m_grid->fontMetrics().averageCharWidth() * 24);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addLayout(controls);
    layout->addWidget(m_grid, 1);

    m_print->setEnabled(false);
    connect(m_search, &QPushButton::clicked, this, [this] { shell::runCommand([this] { search(); }); });
    connect(m_print, &QPushButton::clicked, this, [this] { shell::runCommand([this] { print(); }); });
    connect(m_exit, &QPushButton::clicked, this, [this] { shell::ModuleWindows::close(this); });

    auto *hover = new reference::HoverHighlight(this);
    for (QPushButton *b : {m_search, m_print, m_exit})
        hover->addButton(b);
    hover->addResetArea(families);
    hover->addResetArea(m_grid->viewport());
    resize(sizeHint().expandedTo(QSize(960, 560)));
}

const stock::FamilyTables *MonthlyStockWindow::chosenFamily() const
{
    if (m_colourFabric->isChecked())
        return &stock::tablesOf(stock::Family::ColourFabric);
    if (m_auxiliary->isChecked())
        return &stock::tablesOf(stock::Family::AuxiliaryMaterial);
    return nullptr;
}

void MonthlyStockWindow::writeCell(int row, int column, const QString &text)
{
    if (QTableWidgetItem *item = m_grid->item(row, column))
        item->setText(text);
    else
        m_grid->setItem(row, column, new QTableWidgetItem(text));
}

void MonthlyStockWindow::search()
{
    const stock::FamilyTables *family = chosenFamily();
    if (!family) {
        shell::DialogService::message(QStringLiteral("请先点选查找类别!"));
        return;
    }
    m_print->setEnabled(true);
    m_grid->setHorizontalHeaderLabels(MonthlyStockFigures::headers());
    const QVector<MonthlyStockRow> rows =
        MonthlyStockFigures::compute(m_connection, *family, m_from->date(), m_to->date());
    m_shownFrom = m_from->date();
    m_shownTo = m_to->date();
    // 单价 and 金额 keep what the user typed into them.
    m_grid->setRowCount(int(rows.size()));
    for (int r = 0; r < rows.size(); ++r) {
        const MonthlyStockRow &row = rows[r];
        const QStringList cells{row.pname,
                                row.width,
                                row.scale,
                                row.color,
                                db::plainNumber(row.opening),
                                db::plainNumber(row.received),
                                db::plainNumber(row.issued),
                                db::plainNumber(row.closing)};
        for (int c = 0; c < cells.size(); ++c)
            writeCell(r, c, cells[c]);
    }
}

void MonthlyStockWindow::print()
{
    QVector<QStringList> rows;
    for (int r = 0; r < m_grid->rowCount(); ++r) {
        QStringList cells;
        for (int c = 0; c < m_grid->columnCount(); ++c)
            cells << (m_grid->item(r, c) ? m_grid->item(r, c)->text() : QString());
        rows << cells;
    }
    const report::TableSource printed = MonthlyStockFigures::throughScratchTable(m_connection, rows);
    m_print->setEnabled(false);
    auto *preview = new report::PrintPreview(MonthlyStockReport::definition(m_shownFrom, m_shownTo), printed, this);
    preview->setAttribute(Qt::WA_DeleteOnClose);
    preview->showMaximized();
}

} // namespace stock
