#include "stock/MonthlyStockWindow.h"

#include "db/TextForms.h"
#include "report/PrintPreview.h"
#include "report/TableSource.h"
#include "reference/FormName.h"
#include "stock/FamilyChoice.h"
#include "stock/MonthlyStockFigures.h"
#include "stock/MonthlyStockReport.h"

namespace stock {

using reference::CommandRole;
using reference::Condition;
using reference::SearchValues;

namespace {

const QString From = QStringLiteral("DateTimePicker1");
const QString To = QStringLiteral("DateTimePicker2");

// The grid's columns are the scratch table's, under the report's headers.
QVector<db::GridColumn> gridColumns()
{
    const QStringList &fields = MonthlyStockFigures::printedFields();
    QVector<db::GridColumn> columns;
    for (int c = 0; c < fields.size(); ++c)
        columns.append({fields[c], c == 0 ? 24 : 12});
    return columns;
}

// The figures as the grid shows them; 单价 and 金额 are left to the user.
QVector<QStringList> figureTexts(db::Connection &connection, const SearchValues &values)
{
    QVector<QStringList> texts;
    for (const MonthlyStockRow &row :
         MonthlyStockFigures::compute(connection, tablesOf(*chosenFamily(values)), values.date(From), values.date(To)))
        texts.append({row.pname, row.width, row.scale, row.color, db::plainNumber(row.opening),
                      db::plainNumber(row.received), db::plainNumber(row.issued), db::plainNumber(row.closing)});
    return texts;
}

QDialog *monthlyReport(db::Connection &connection, const SearchValues &values, const report::TableSource &shown,
                       QWidget *parent)
{
    const QVector<db::GridColumn> columns = gridColumns();
    QVector<QStringList> rows;
    for (int r = 0; r < shown.rowCount(); ++r) {
        QStringList cells;
        for (const db::GridColumn &c : columns)
            cells << shown.value(r, c.column).toString();
        rows << cells;
    }
    const report::TableSource printed(MonthlyStockFigures::printedFields(),
                                      MonthlyStockFigures::throughScratchTable(connection, rows));
    auto *preview = new report::PrintPreview(MonthlyStockReport::definition(values.date(From), values.date(To)), printed, parent);
    preview->setObjectName(reference::instanceName(MonthlyStockReport::FormName));
    return preview;
}

reference::QueryDeclaration monthlyReportWindow()
{
    reference::QueryDeclaration d;
    d.windowClass = MonthlyStockWindow::FormName;
    d.caption = QStringLiteral("库存月报表");
    d.conditions = {
        familyChoice(QStringLiteral("原料倉庫月報表表單類別："), QStringLiteral("请先点选查找类别!")),
        Condition::date(From, QStringLiteral("从：")),
        Condition::date(To, QStringLiteral("到：")),
    };
    d.grid = reference::QueryGrid::ofTexts(gridColumns(), MonthlyStockFigures::headers(), figureTexts).named(QStringLiteral("StringGrid1"));
    d.commands = {
        {CommandRole::Search, QStringLiteral("BitBtn1"), QStringLiteral("查询")},
        {CommandRole::Print, QStringLiteral("BitBtn2"), QStringLiteral("打印")},
        {CommandRole::Exit, QStringLiteral("BitBtn3"), QStringLiteral("退出")},
    };
    d.placement = reference::CommandPlacement::BesideConditions;
    d.printout = monthlyReport;
    d.printing = reference::PrintAvailability::OncePerSearch;
    d.size = {960, 560};
    return d;
}

} // namespace

MonthlyStockWindow::MonthlyStockWindow(db::Connection &connection, QWidget *parent)
    : QueryWindow(connection, monthlyReportWindow(), parent)
{
}

} // namespace stock
