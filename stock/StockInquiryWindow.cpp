#include "stock/StockInquiryWindow.h"

#include "db/TableDataSet.h"
#include "reference/CommandGuard.h"
#include "reference/DialogService.h"
#include "report/TableSource.h"
#include "stock/DailyStockReport.h"
#include "stock/FamilyChoice.h"

#include <QAbstractItemDelegate>
#include <QKeyEvent>
#include <QTableView>

#include <algorithm>

namespace stock {

using reference::CommandRole;
using reference::Condition;
using reference::SearchValues;
using reference::DialogService;
using reference::runCommand;

namespace {

constexpr int PriceColumn = 6;

const QString NameList = QStringLiteral("ComboBox2");
const QString SpecificationList = QStringLiteral("ComboBox3");

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

bool isEnter(QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const int key = static_cast<QKeyEvent *>(event)->key();
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

reference::QueryDeclaration stockInquiryWindow()
{
    reference::QueryDeclaration d;
    d.windowClass = StockInquiryWindow::FormName;
    d.caption = QStringLiteral("现有库存查询");
    d.conditions = {
        familyChoice(QStringLiteral("查询分类"), QStringLiteral("请先点先类别！")),
        // The family fills the names only; a name fills the specifications.
        Condition::list(NameList, QStringLiteral("品        名："))
            .filledBy([](db::Connection &c, const SearchValues &v) { return StockInquiry(c).itemNames(*chosenFamily(v)); },
                      FamilyGroup),
        Condition::list(SpecificationList, QStringLiteral("规        格："))
            .filledBy([](db::Connection &c, const SearchValues &v) {
                return StockInquiry(c).specifications(chosenFamily(v), v.text(NameList));
            }, NameList),
    };
    d.conditionsCaption = QStringLiteral("请选择查询条件：(条件都为空时将显示全部库存)");
    d.grid = reference::QueryGrid::ofTables(
        {tablesOf(Family::ColourFabric).stock, tablesOf(Family::AuxiliaryMaterial).stock}, FamilyGroup,
        {
            {QStringLiteral("pname"), 16},  {QStringLiteral("color"), 10},
            {QStringLiteral("scale"), 14},  {QStringLiteral("b1"), 8},
            {QStringLiteral("number"), 10}, {QStringLiteral("b2"), 6},
            {QStringLiteral("price"), 10},  {QStringLiteral("money"), 12},
        },
        [](const SearchValues &v) { return StockInquiry::filter(v.text(NameList), v.text(SpecificationList)); });
    d.commands = {
        {CommandRole::Search, QStringLiteral("SpeedButton1"), QStringLiteral("查询")},
        {CommandRole::Refresh, QStringLiteral("SpeedButton2"), QStringLiteral("刷新")},
        {CommandRole::Own, QStringLiteral("SpeedButton3"), QStringLiteral("删除")},
        {CommandRole::Own, QStringLiteral("SpeedButton4"), QStringLiteral("修改")},
        {CommandRole::Print, QStringLiteral("SpeedButton5"), QStringLiteral("打印全部库存")},
        {CommandRole::Exit, QStringLiteral("SpeedButton6"), QStringLiteral("退出")},
    };
    // The daily report ignores the search: it lists every row of the family.
    d.printout = [](db::Connection &c, const SearchValues &v, const report::TableSource &, QWidget *parent) {
        const report::TableSource rows(StockInquiry::dailyReportFields(), StockInquiry(c).dailyReportRows(*chosenFamily(v)));
        return new DailyStockReport(rows, parent);
    };
    return d;
}

} // namespace

StockInquiryWindow::StockInquiryWindow(db::Connection &connection, QWidget *parent)
    : QueryWindow(connection, stockInquiryWindow(), parent)
{
    setCommand(QStringLiteral("SpeedButton3"), [this] { deleteRow(); });
    setCommand(QStringLiteral("SpeedButton4"), [this] { modifyRow(); });
    grid()->installEventFilter(this);
    // Enter in the price cell's editor stores the price first, then sets the amount.
    connect(grid()->itemDelegate(), &QAbstractItemDelegate::closeEditor, this,
            [this](QWidget *, QAbstractItemDelegate::EndEditHint hint) {
                if (hint == QAbstractItemDelegate::SubmitModelCache && grid()->currentIndex().column() == PriceColumn)
                    runCommand([this] { priceEntered(); });
            });
}

std::optional<Family> StockInquiryWindow::family() const
{
    if (shownTable().isEmpty())
        return std::nullopt;
    return shownTable() == tablesOf(Family::ColourFabric).stock ? Family::ColourFabric : Family::AuxiliaryMaterial;
}

void StockInquiryWindow::modifyRow()
{
    if (!family())
        return;
    postGridRow();
    DialogService::message(QStringLiteral("修改成功!"));
}

void StockInquiryWindow::deleteRow()
{
    if (!family())
        return;
    postGridRow();
    if (!DialogService::warning(textsOf(*family()).deleteQuestion))
        return;
    const int row = currentRow();
    db::TableDataSet &data = table(*family());
    data.remove(data.loaded(row));
    shownModel()->reload();
    setCurrentRow(qMin(row, data.rowCount() - 1));
    DialogService::message(QStringLiteral("成功删除!"));
}

void StockInquiryWindow::print()
{
    if (!family())
        return;
    postGridRow();
    if (!DialogService::warning(textsOf(*family()).printQuestion))
        return;
    QueryWindow::print();
}

void StockInquiryWindow::priceEntered()
{
    const int row = currentRow();
    if (!family() || row < 0)
        return;
    db::DataSetModel *m = shownModel();
    const QVariant price = m->rowValues(row).value(table(*family()).table().columnIndex(QStringLiteral("price")));
    setCurrentRow(m->postWith(row, {StockInquiry::amountAt(price)}));
}

// A cell editor is a child of the grid's viewport while it is open; closing
// it hides it before it is deleted.
bool StockInquiryWindow::isEditingCell() const
{
    const QList<QWidget *> editors = grid()->viewport()->findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
    return std::any_of(editors.begin(), editors.end(), [](const QWidget *w) { return !w->isHidden(); });
}

bool StockInquiryWindow::eventFilter(QObject *watched, QEvent *event)
{
    // Enter in an open cell editor reaches the grid too, before the editor has
    // handed its text over; the editor's closing sets the amount then.
    if (watched == grid() && isEnter(event) && !isEditingCell() && grid()->currentIndex().column() == PriceColumn) {
        runCommand([this] { priceEntered(); });
        return true;
    }
    return QueryWindow::eventFilter(watched, event);
}

} // namespace stock
