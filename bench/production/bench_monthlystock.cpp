// The monthly stock report on SQLite: 20,000 stock rows of one family, a
// million inspections and a million approved requisition lines over three
// years. Times 查询 for one month against the same figures read with four
// statements per stock row, and against one grouped query run by the sqlite3
// shell, which is as fast as the database answers.

#include "db/Connection.h"
#include "db/SchemaBuilder.h"
#include "production/MonthlyStockFigures.h"
#include "stock/TKuCunBanBiaoF.h"

#include <QApplication>
#include <QDateEdit>
#include <QElapsedTimer>
#include <QProcess>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSqlQuery>
#include <QTableWidget>
#include <QTemporaryDir>
#include <cstdio>

namespace {

constexpr int StockRows = 20000;
constexpr int Movements = 1000000;
const QDate From(2024, 6, 1);
const QDate To(2024, 6, 30);

// The item key of number k: 400 names, 10 colours, 5 specifications.
QString itemColumns(const QString &k)
{
    return QStringLiteral("'材料' || (%1 / 50), '颜色' || (%1 % 10), '0.' || ((%1 / 10) % 5) || 'MM', '54cm'").arg(k);
}

void fill(db::Connection &connection)
{
    const QString numbers = QStringLiteral("with recursive n(i) as (select 0 union all select i + 1 from n where i < %1) ");
    connection.transaction([&] {
        connection.run(QStringLiteral("insert into yousekucun (pname, color, scale, b1, f_name, number) ")
                       + numbers.arg(StockRows - 1)
                       + QStringLiteral("select %1, '厂商', 0 from n").arg(itemColumns(QStringLiteral("i"))));
        const QString moment = QStringLiteral("date('2022-01-01', '+' || (i % 1096) || ' days')");
        connection.run(QStringLiteral("insert into youseyan (pname, color, scale, b1, yanshu, date) ")
                       + numbers.arg(Movements - 1)
                       + QStringLiteral("select %1, i % 50 + 1, %2 from n")
                             .arg(itemColumns(QStringLiteral("(i * 7919 % %1)").arg(StockRows)), moment));
        connection.run(QStringLiteral("insert into linliaoshen (pname, color, scale, width, shinumber, date) ")
                       + numbers.arg(Movements - 1)
                       + QStringLiteral("select %1, i % 20 + 1, %2 from n")
                             .arg(itemColumns(QStringLiteral("(i * 104729 % %1)").arg(StockRows)), moment));
    });
}

double seconds(const std::function<void()> &work)
{
    QElapsedTimer timer;
    timer.start();
    work();
    return timer.nsecsElapsed() / 1e9;
}

// The figures as four statements per stock row read them.
double fourStatementsPerRow(db::Connection &connection)
{
    QSqlQuery items = connection.run(QStringLiteral("select pname,b1,scale,color from yousekucun  order by pname,b1"));
    QSqlQuery sums[] = {
        connection.prepare(QStringLiteral("select sum(yanshu) from youseyan where pname=? and b1=? and scale=? and color=? and date<?")),
        connection.prepare(QStringLiteral("select sum(shinumber) from linliaoshen where pname=? and width=? and scale=? and color=? and date<?")),
        connection.prepare(QStringLiteral("select sum(yanshu) from youseyan where pname=? and b1=? and scale=? and color=? and date>=? and date<=?")),
        connection.prepare(QStringLiteral("select sum(shinumber) from linliaoshen where pname=? and width=? and scale=? and color=? and date>=? and date<=?")),
    };
    double total = 0;
    while (items.next()) {
        for (int s = 0; s < 4; ++s) {
            for (int c = 0; c < 4; ++c)
                sums[s].bindValue(c, items.value(c));
            sums[s].bindValue(4, From.toString(Qt::ISODate));
            if (s >= 2)
                sums[s].bindValue(5, To.toString(Qt::ISODate));
            connection.run(sums[s]);
            if (sums[s].next())
                total += sums[s].value(0).toDouble();
        }
    }
    return total;
}

const char *FloorQuery = R"(
select s.pname, s.b1, s.scale, s.color,
       coalesce(r.before, 0) - coalesce(o.before, 0), coalesce(r.within, 0), coalesce(o.within, 0)
from yousekucun s
left join (select pname, b1, scale, color, sum(case when date < '2024-06-01' then yanshu end) before,
                  sum(case when date >= '2024-06-01' then yanshu end) within
           from youseyan where date < '2024-07-01' group by pname, b1, scale, color) r
       on r.pname = s.pname and r.b1 = s.b1 and r.scale = s.scale and r.color = s.color
left join (select pname, width, scale, color, sum(case when date < '2024-06-01' then shinumber end) before,
                  sum(case when date >= '2024-06-01' then shinumber end) within
           from linliaoshen where date < '2024-07-01' group by pname, width, scale, color) o
       on o.pname = s.pname and o.width = s.b1 and o.scale = s.scale and o.color = s.color
order by s.pname, s.b1;
)";

// The sqlite3 shell's own timing of the grouped query, or -1 when it did not run.
double floorSeconds(const QString &file)
{
    QProcess shell;
    shell.start(QStringLiteral("sqlite3"), {file});
    shell.write(QByteArray(".output /dev/null\n.timer on\n") + FloorQuery);
    shell.closeWriteChannel();
    if (!shell.waitForFinished(120000))
        return -1;
    const QString out = QString::fromUtf8(shell.readAllStandardOutput() + shell.readAllStandardError());
    const auto match = QRegularExpression(QStringLiteral("Run Time: real ([0-9.]+)")).match(out);
    return match.hasMatch() ? match.captured(1).toDouble() : -1;
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("bench.sqlite"));
    db::Connection connection(db::DatabaseUrl::parse(file));
    connection.open();
    db::SchemaBuilder(connection).createMissing();
    std::printf("filled %d stock rows, %d inspections and %d approved lines in %.1f s\n", StockRows, Movements,
                Movements, seconds([&] { fill(connection); }));

    stock::TKuCunBanBiaoF window(connection);
    window.findChild<QRadioButton *>()->setChecked(true);
    window.findChild<QDateEdit *>(QStringLiteral("DateTimePicker1"))->setDate(From);
    window.findChild<QDateEdit *>(QStringLiteral("DateTimePicker2"))->setDate(To);
    // The first run reads the tables into the page cache, as the shell's run does below.
    window.search();
    const double search = seconds([&] { window.search(); });
    std::printf("查询 of one month, %d grid rows: %.3f s\n", window.grid()->rowCount(), search);
    const double grouped = seconds([&] {
        production::MonthlyStockFigures::compute(connection, stock::tablesOf(stock::Family::ColourFabric), From, To);
    });
    std::printf("  of which the figures: %.3f s\n", grouped);
    std::printf("four statements per stock row: %.3f s\n", seconds([&] { fourStatementsPerRow(connection); }));
    connection.close();
    const double floor = floorSeconds(file);
    std::printf("one grouped query in the sqlite3 shell: %.3f s (查询 / floor: %.2f)\n", floor, search / floor);
    return 0;
}
