// The inspection window, the stock inquiry and the daily stock report on
// SQLite: a million colour-fabric inspections over three years, 100,000
// colour-fabric stock rows and 20,000 auxiliary-material stock rows. Times
// opening each window on its table, its searches and the report's layout and
// PDF.

#include "db/Connection.h"
#include "db/SchemaBuilder.h"
#include "report/ReportEngine.h"
#include "report/TableSource.h"
#include "stock/StockInquiry.h"
#include "stock/StockInquiryWindow.h"
#include "stock/DailyStockReport.h"
#include "stock/MaterialInspectionWindow.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QElapsedTimer>
#include <QTableView>
#include <QTemporaryDir>
#include <cstdio>
#include <functional>

namespace {

constexpr int Inspections = 1000000;
constexpr int StockRows = 100000;
constexpr int ReportRows = 20000;
// 1,000 item names, 10 colours, 10 specifications: each name has a thousand
// inspections and a hundred stock rows.
const QString SearchedName = QStringLiteral("材料421");
const QString SearchedSpecification = QStringLiteral("0.3MM");
const QDate From(2024, 6, 1);
const QDate To(2024, 6, 30);

QString itemColumns(const QString &k)
{
    return QStringLiteral("'材料' || (%1 % 1000), '颜色' || ((%1 / 1000) % 10), '0.' || ((%1 / 10000) % 10) || 'MM', "
                          "'54''''', 'Y'")
        .arg(k);
}

void fill(db::Connection &connection)
{
    const QString numbers = QStringLiteral("with recursive n(i) as (select 0 union all select i + 1 from n where i < %1) ");
    connection.transaction([&] {
        connection.run(QStringLiteral("insert into youseyan (pname, color, scale, b1, b2, memo, f_name, jianshu, "
                                      "yanshu, chouscale, chouresult, date) ")
                       + numbers.arg(Inspections - 1)
                       + QStringLiteral("select %1, 'PO' || (i / 20), '厂商' || (i % 37), 3, 120.5, '10%', '合格', "
                                        "date('2022-01-01', '+' || (i % 1096) || ' days') from n")
                             .arg(itemColumns(QStringLiteral("(i * 7919 % %1)").arg(StockRows))));
        connection.run(QStringLiteral("insert into yousekucun (pname, color, scale, b1, b2, f_name, jian, number, "
                                      "price, money) ")
                       + numbers.arg(StockRows - 1)
                       + QStringLiteral("select %1, '厂商', 2, 100, 12.5, 1250 from n").arg(itemColumns(QStringLiteral("i"))));
        connection.run(QStringLiteral("insert into fuliaokucun (pname, color, scale, b1, b2, f_name, jian, number, "
                                      "price, money) ")
                       + numbers.arg(ReportRows - 1)
                       + QStringLiteral("select %1, '厂商', 2, 100, 12.5, 1250 from n").arg(itemColumns(QStringLiteral("i"))));
    });
}

double seconds(const std::function<void()> &work)
{
    QElapsedTimer timer;
    timer.start();
    work();
    QApplication::processEvents();
    return timer.nsecsElapsed() / 1e9;
}

void inspectionWindow(db::Connection &connection)
{
    std::unique_ptr<stock::MaterialInspectionWindow> window;
    const auto open = [&] {
        window = std::make_unique<stock::MaterialInspectionWindow>(connection);
        window->show();
    };
    // The first window of the process also pays for Qt's fonts and style.
    std::printf("inspection window, first open on %d rows: %.3f s\n", Inspections, seconds(open));
    window.reset();
    std::printf("inspection window, open again: %.3f s\n", seconds(open));
    stock::InspectionPage *page = window->colourFabric();
    auto *chooser = page->findChild<QComboBox *>(QStringLiteral("ComboBox7"));
    auto *values = page->findChild<QComboBox *>(QStringLiteral("ComboBox5"));
    std::printf("  choose 品名 (fills the value list): %.3f s\n", seconds([&] { chooser->setCurrentIndex(1); }));
    values->setEditText(SearchedName);
    page->rangeFrom()->setDate(From);
    page->rangeTo()->setDate(To);
    const double month = seconds([&] { page->search(); });
    std::printf("  查询 by 品名 over one month: %.3f s, %d rows\n", month, page->table().rowCount());
    page->rangeFrom()->setDate(QDate(2022, 1, 1));
    page->rangeTo()->setDate(QDate(2024, 12, 31));
    const double years = seconds([&] { page->search(); });
    std::printf("  查询 by 品名 over three years: %.3f s, %d rows\n", years, page->table().rowCount());
}

void stockInquiry(db::Connection &connection)
{
    std::unique_ptr<stock::StockInquiryWindow> window;
    std::printf("stock inquiry, open: %.3f s\n", seconds([&] {
                    window = std::make_unique<stock::StockInquiryWindow>(connection);
                    window->show();
                }));
    std::printf("  有色材料 on %d rows: %.3f s\n", StockRows,
                seconds([&] { window->findChild<QAbstractButton *>(QStringLiteral("RadioButton1"))->click(); }));
    auto *name = window->findChild<QComboBox *>(QStringLiteral("ComboBox2"));
    auto *specification = window->findChild<QComboBox *>(QStringLiteral("ComboBox3"));
    std::printf("  品名 (fills the specifications): %.3f s\n", seconds([&] { name->setEditText(SearchedName); }));
    specification->setEditText(SearchedSpecification);
    const double search = seconds([&] { window->search(); });
    std::printf("  查询 by 品名 and 规格: %.3f s, %d rows\n", search, window->table(stock::Family::ColourFabric).rowCount());
}

void dailyReport(db::Connection &connection, const QString &pdf)
{
    std::optional<report::TableSource> rows;
    const double read = seconds([&] { rows.emplace(stock::StockInquiry::dailyReportFields(),
                                                       stock::StockInquiry(connection).dailyReportRows(stock::Family::AuxiliaryMaterial)); });
    std::optional<report::Document> document;
    const double layout = seconds([&] {
        document = report::ReportEngine::layout(stock::DailyStockReport::definition(), *rows, QDate(2024, 6, 30));
    });
    const double written = seconds([&] { document->writePdf(pdf); });
    std::printf("daily stock report of %d rows, %d pages: read %.3f s, layout %.3f s, pdf %.3f s, total %.3f s\n",
                rows->rowCount(), document->pageCount(), read, layout, written, read + layout + written);
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir folder;
    db::Connection connection(db::DatabaseUrl::parse(folder.filePath(QStringLiteral("bench.sqlite"))));
    connection.open();
    db::SchemaBuilder(connection).createMissing();
    std::printf("filled %d inspections, %d + %d stock rows in %.1f s\n", Inspections, StockRows, ReportRows,
                seconds([&] { fill(connection); }));
    inspectionWindow(connection);
    stockInquiry(connection);
    dailyReport(connection, folder.filePath(QStringLiteral("daily.pdf")));
    return 0;
}
