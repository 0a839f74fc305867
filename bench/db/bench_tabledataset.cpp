// Opens a table data set over a million inspection rows on SQLite and filters
// it to one item in a hundred, then shows a query's grid over every row;
// prints the times and the peak memory.

#include "db/Connection.h"
#include "db/Query.h"
#include "db/QueryModel.h"
#include "db/RowFilter.h"
#include "db/SchemaBuilder.h"
#include "db/TableDataSet.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <cstdio>
#include <sys/resource.h>

namespace {

constexpr int Rows = 1000000;
constexpr int Items = 100;
constexpr int RowsShown = 40;

void fill(db::Connection &connection)
{
    connection.transaction([&] {
        QSqlQuery insert = connection.prepare(QStringLiteral(
            "insert into youseyan (memo, f_name, pname, color, scale, jianshu, yanshu, date, b1, b2) "
            "values (?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
        for (int i = 0; i < Rows; ++i) {
            insert.bindValue(0, QStringLiteral("PO%1").arg(i / 20));
            insert.bindValue(1, QStringLiteral("厂商%1").arg(i % 37));
            insert.bindValue(2, QStringLiteral("材料%1").arg(i % Items));
            insert.bindValue(3, QStringLiteral("颜色%1").arg(i % 13));
            insert.bindValue(4, QStringLiteral("0.%1MM").arg(i % 7));
            insert.bindValue(5, 3.0);
            insert.bindValue(6, 120.5);
            insert.bindValue(7, QDate(2024, 1, 1).addDays(i % 1000).toString(Qt::ISODate));
            insert.bindValue(8, QStringLiteral("54''"));
            insert.bindValue(9, QStringLiteral("Y"));
            connection.run(insert);
        }
    });
}

double showFirstRows(db::TableDataSet &data)
{
    QElapsedTimer timer;
    timer.start();
    data.reopen();
    for (int i = 0; i < RowsShown && i < data.rowCount(); ++i)
        data.row(i);
    return timer.nsecsElapsed() / 1e9;
}

long peakMegabytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir folder;
    db::Connection connection(db::DatabaseUrl::parse(folder.filePath(QStringLiteral("bench.sqlite"))));
    connection.open();
    db::SchemaBuilder(connection).createMissing();
    QElapsedTimer filling;
    filling.start();
    fill(connection);
    std::printf("filled %d rows in %.1f s\n", Rows, filling.elapsed() / 1000.0);

    db::TableDataSet inspections(connection, QStringLiteral("youseyan"));
    std::printf("open and show the first %d rows: %.3f s\n", RowsShown, showFirstRows(inspections));
    inspections.setFilter(db::RowFilter::equals(QStringLiteral("pname"), QStringLiteral("材料42")));
    inspections.setFiltered(true);
    const double filtered = showFirstRows(inspections);
    std::printf("filter to one item in %d (%d rows): %.3f s\n", Items, inspections.rowCount(), filtered);
    inspections.row(inspections.rowCount() - 1);

    db::Query query(connection);
    query.setText(QStringLiteral("select pname 品名,scale 规格,yanshu 验收数量 from youseyan order by date"));
    db::QueryModel grid(connection);
    QElapsedTimer gridTimer;
    gridTimer.start();
    grid.open(query);
    std::printf("query grid over every row, first %d rows shown: %.3f s\n", grid.rowCount(),
                gridTimer.nsecsElapsed() / 1e9);
    std::printf("peak memory: %ld MB\n", peakMegabytes());
    return 0;
}
