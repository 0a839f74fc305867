// The monthly stock report on SQLite: 20,000 stock rows of one family, a
// million inspections and a million approved requisition lines over three
// years. Times 查询 for one month against the same figures read with four
// statements per stock row, and against one grouped query run by the sqlite3
// shell, which is as fast as the database answers; then checks that the three
// give every stock row the same four figures.
//
// Usage: bench_monthlystock [stock rows [movements per table]]

#include "db/Connection.h"
#include "db/SchemaBuilder.h"
#include "stock/MonthlyStockFigures.h"
#include "stock/MonthlyStockWindow.h"

#include <QApplication>
#include <QDateEdit>
#include <QElapsedTimer>
#include <QProcess>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSqlQuery>
#include <QTableWidget>
#include <QTemporaryDir>
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <functional>

namespace {

int StockRows = 20000;
int Movements = 1000000;
const QDate From(2024, 6, 1);
const QDate To(2024, 6, 30);

// One stock row's item key and its four figures: opening balance, receipts,
// issues, closing balance.
struct RowFigures {
    QString key;
    std::array<double, 4> figures{};
};

QString keyOf(const QString &pname, const QString &width, const QString &scale, const QString &color)
{
    return QStringList{pname, width, scale, color}.join(QLatin1Char('|'));
}

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

QVector<RowFigures> groupedFigures(db::Connection &connection)
{
    QVector<RowFigures> rows;
    for (const stock::MonthlyStockRow &r :
         stock::MonthlyStockFigures::compute(connection, stock::tablesOf(stock::Family::ColourFabric), From, To))
        rows.append({keyOf(r.pname, r.width, r.scale, r.color), {r.opening, r.received, r.issued, r.closing}});
    return rows;
}

// The figures as four statements per stock row read them.
QVector<RowFigures> fourStatementsPerRow(db::Connection &connection)
{
    QSqlQuery items = connection.run(QStringLiteral("select pname,b1,scale,color from yousekucun  order by pname,b1"));
    QSqlQuery sums[] = {
        connection.prepare(QStringLiteral("select sum(yanshu) from youseyan where pname=? and b1=? and scale=? and color=? and date<?")),
        connection.prepare(QStringLiteral("select sum(shinumber) from linliaoshen where pname=? and width=? and scale=? and color=? and date<?")),
        connection.prepare(QStringLiteral("select sum(yanshu) from youseyan where pname=? and b1=? and scale=? and color=? and date>=? and date<=?")),
        connection.prepare(QStringLiteral("select sum(shinumber) from linliaoshen where pname=? and width=? and scale=? and color=? and date>=? and date<=?")),
    };
    QVector<RowFigures> rows;
    while (items.next()) {
        double sum[4] = {};
        for (int s = 0; s < 4; ++s) {
            for (int c = 0; c < 4; ++c)
                sums[s].bindValue(c, items.value(c));
            sums[s].bindValue(4, From.toString(Qt::ISODate));
            if (s >= 2)
                sums[s].bindValue(5, To.toString(Qt::ISODate));
            connection.run(sums[s]);
            if (sums[s].next())
                sum[s] = sums[s].value(0).toDouble();
        }
        const double opening = sum[0] - sum[1];
        rows.append({keyOf(items.value(0).toString(), items.value(1).toString(), items.value(2).toString(),
                           items.value(3).toString()),
                     {opening, sum[2], sum[3], opening + sum[2] - sum[3]}});
    }
    return rows;
}

// The report's figures in one hand-written grouped query, for the period From to To.
QByteArray floorQuery()
{
    return QString::fromLatin1(R"(
select s.pname, s.b1, s.scale, s.color,
       coalesce(r.before, 0) - coalesce(o.before, 0), coalesce(r.within, 0), coalesce(o.within, 0),
       coalesce(r.before, 0) - coalesce(o.before, 0) + coalesce(r.within, 0) - coalesce(o.within, 0)
from yousekucun s
left join (select pname, b1, scale, color, sum(case when date < '%1' then yanshu end) before,
                  sum(case when date >= '%1' then yanshu end) within
           from youseyan where date < '%2' group by pname, b1, scale, color) r
       on r.pname = s.pname and r.b1 = s.b1 and r.scale = s.scale and r.color = s.color
left join (select pname, width, scale, color, sum(case when date < '%1' then shinumber end) before,
                  sum(case when date >= '%1' then shinumber end) within
           from linliaoshen where date < '%2' group by pname, width, scale, color) o
       on o.pname = s.pname and o.width = s.b1 and o.scale = s.scale and o.color = s.color
order by s.pname, s.b1;
)")
        .arg(From.toString(Qt::ISODate), To.addDays(1).toString(Qt::ISODate))
        .toUtf8();
}

// Runs the script in the sqlite3 shell and returns what it printed, or a null
// array when the shell did not run to the end.
QByteArray sqliteShell(const QString &file, const QByteArray &script)
{
    QProcess shell;
    shell.start(QStringLiteral("sqlite3"), {file});
    shell.write(script);
    shell.closeWriteChannel();
    if (!shell.waitForFinished(120000) || shell.exitStatus() != QProcess::NormalExit)
        return {};
    return shell.readAllStandardOutput() + shell.readAllStandardError();
}

// The sqlite3 shell's own timing of the grouped query, or -1 when it did not run.
double floorSeconds(const QString &file)
{
    const QString out = QString::fromUtf8(sqliteShell(file, ".output /dev/null\n.timer on\n" + floorQuery()));
    const auto match = QRegularExpression(QStringLiteral("Run Time: real ([0-9.]+)")).match(out);
    return match.hasMatch() ? match.captured(1).toDouble() : -1;
}

// The grouped query's rows as the sqlite3 shell prints them, one line a row,
// fields separated by "|" (no item text of the bench holds one).
QVector<RowFigures> floorFigures(const QString &file)
{
    QVector<RowFigures> rows;
    const QStringList lines =
        QString::fromUtf8(sqliteShell(file, ".mode list\n.separator |\n" + floorQuery())).split(QLatin1Char('\n'));
    for (const QString &line : lines) {
        const QStringList fields = line.split(QLatin1Char('|'));
        if (fields.size() != 8)
            continue;
        rows.append({keyOf(fields[0], fields[1], fields[2], fields[3]),
                     {fields[4].toDouble(), fields[5].toDouble(), fields[6].toDouble(), fields[7].toDouble()}});
    }
    return rows;
}

// Whether the two methods give every stock row the same figures, compared
// row by row in the order of their item keys (rows of equal name and width
// may come in either order). Prints the first difference.
bool sameFigures(const char *name, QVector<RowFigures> rows, QVector<RowFigures> reference)
{
    const auto byKey = [](const RowFigures &a, const RowFigures &b) {
        return a.key != b.key ? a.key < b.key : a.figures < b.figures;
    };
    std::sort(rows.begin(), rows.end(), byKey);
    std::sort(reference.begin(), reference.end(), byKey);
    if (rows.size() != reference.size()) {
        std::printf("  %s: %lld rows, the grouped computation %lld\n", name, qint64(rows.size()), qint64(reference.size()));
        return false;
    }
    int differing = 0;
    for (int r = 0; r < rows.size(); ++r) {
        bool same = rows[r].key == reference[r].key;
        for (int f = 0; same && f < 4; ++f)
            same = std::abs(rows[r].figures[f] - reference[r].figures[f])
                <= 1e-9 * std::max(1.0, std::abs(reference[r].figures[f]));
        if (same)
            continue;
        if (differing++ == 0)
            std::printf("  %s differs first at %s: %g %g %g %g against %s: %g %g %g %g\n", name,
                        qPrintable(rows[r].key), rows[r].figures[0], rows[r].figures[1], rows[r].figures[2],
                        rows[r].figures[3], qPrintable(reference[r].key), reference[r].figures[0],
                        reference[r].figures[1], reference[r].figures[2], reference[r].figures[3]);
    }
    if (differing)
        std::printf("  %s: %d of %lld rows differ\n", name, differing, qint64(rows.size()));
    return differing == 0;
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() > 1)
        StockRows = std::max(1, arguments[1].toInt());
    if (arguments.size() > 2)
        Movements = std::max(1, arguments[2].toInt());
    QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("bench.sqlite"));
    db::Connection connection(db::DatabaseUrl::parse(file));
    connection.open();
    db::SchemaBuilder(connection).createMissing();
    std::printf("filled %d stock rows, %d inspections and %d approved lines in %.1f s\n", StockRows, Movements,
                Movements, seconds([&] { fill(connection); }));

    stock::MonthlyStockWindow window(connection);
    window.findChild<QRadioButton *>()->setChecked(true);
    window.findChild<QDateEdit *>(QStringLiteral("DateTimePicker1"))->setDate(From);
    window.findChild<QDateEdit *>(QStringLiteral("DateTimePicker2"))->setDate(To);
    // The first run reads the tables into the page cache, as the shell's run does below.
    window.search();
    const double search = seconds([&] { window.search(); });
    std::printf("查询 of one month, %d grid rows: %.3f s\n", window.grid()->rowCount(), search);
    QVector<RowFigures> grouped;
    std::printf("  of which the figures: %.3f s\n", seconds([&] { grouped = groupedFigures(connection); }));
    QVector<RowFigures> perRow;
    std::printf("four statements per stock row: %.3f s\n", seconds([&] { perRow = fourStatementsPerRow(connection); }));
    connection.close();
    const double floor = floorSeconds(file);
    std::printf("one grouped query in the sqlite3 shell: %.3f s (查询 / floor: %.2f)\n", floor, search / floor);

    // Both comparisons run, so that each prints its own differences.
    const bool perRowAgrees = sameFigures("four statements per row", perRow, grouped);
    const bool floorAgrees = sameFigures("the sqlite3 shell's query", floorFigures(file), grouped);
    const bool agree = perRowAgrees && floorAgrees;
    std::printf("the three methods give the same figures for all %lld stock rows: %s\n", qint64(grouped.size()),
                agree ? "yes" : "NO");
    return agree ? 0 : 1;
}
