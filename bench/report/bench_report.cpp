// Times the customer printout over 10,000 customers as the customer register
// prints them: from the register's table data set on SQLite, laying out every
// page, then writing the PDF. Run a Release build; pass a row count to change it.
// Wall-clock and processor times are both given: on a shared machine the first
// also counts the time other programs held the processor.

#include "db/Connection.h"
#include "db/SchemaBuilder.h"
#include "db/TableDataSet.h"
#include "reference/DataSetSource.h"
#include "reference/CustomerRegisterPrintout.h"
#include "report/ReportEngine.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QSqlQuery>
#include <QStringList>
#include <QTemporaryDir>

#include <cstdio>
#include <ctime>

namespace {

QString pick(const QStringList &choices, int index)
{
    return choices.at(index % choices.size());
}

// Made-up customers with Chinese names, addresses and people; row i is always
// the same, and its id is "C" followed by i + 1 in five digits.
QVariantList customer(int index)
{
    static const QStringList places{"福州", "晋江", "莆田", "温州", "东莞", "泉州", "惠安", "石狮", "南安", "厦门", "漳州"};
    static const QStringList trades{"鞋业", "鞋材", "皮革", "制鞋", "贸易", "橡塑", "布业"};
    static const QStringList surnames{"陈", "林", "黄", "张", "李", "王", "吴", "刘", "蔡", "郑", "许", "洪", "苏"};
    static const QStringList given{"志明", "美玲", "建华", "秀英", "国强", "丽华", "文斌", "春生", "雅婷", "海峰"};
    static const QStringList roads{"工业路", "鞋都大道", "长安路", "滨江路", "金山路", "青阳街"};
    static const QStringList memos{"", "月结 30 天", "", "现金", "", "月结 60 天，开增值税票"};

    const QString place = pick(places, index);
    const QString name = place + pick(given, index / int(places.size())).left(1) + pick(trades, index);
    const QString number = QString::number(10000000 + index * 7919 % 9000000);
    return {
        QStringLiteral("C%1").arg(index + 1, 5, 10, QLatin1Char('0')),
        name,
        name + QStringLiteral("有限公司"),
        QStringLiteral("福建省%1市%2%3号").arg(place, pick(roads, index)).arg(index % 300 + 1),
        pick(surnames, index) + pick(given, index / 3),
        QStringLiteral("0595-%1").arg(number.right(8)),
        QStringLiteral("0595-%1").arg(QString::number(number.toInt() + 1).right(8)),
        QStringLiteral("sales%1@example.com").arg(index + 1),
        pick(surnames, index + 5) + pick(given, index + 2).left(1),
        pick(memos, index),
    };
}

void fill(db::Connection &connection, int rows)
{
    connection.transaction([&] {
        QSqlQuery insert = connection.prepare(QStringLiteral(
            "insert into customer (id, name, firstname, address, people, tel, fax, email, manager, memo) "
            "values (?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
        for (int i = 0; i < rows; ++i) {
            const QVariantList values = customer(i);
            for (int c = 0; c < values.size(); ++c)
                insert.bindValue(c, values[c]);
            connection.run(insert);
        }
    });
}

qint64 processorMs()
{
    return qint64(std::clock()) * 1000 / CLOCKS_PER_SEC;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const int rows = argc > 1 ? QByteArray(argv[1]).toInt() : 10000;
    QTemporaryDir dir;
    db::Connection connection(db::DatabaseUrl::parse(dir.filePath(QStringLiteral("bench.sqlite"))));
    connection.open();
    db::SchemaBuilder(connection).createMissing();
    fill(connection, rows);
    db::TableDataSet customers(connection, QStringLiteral("customer"));
    customers.open();
    const report::ReportDefinition definition = reference::CustomerRegisterPrintout::definition();

    QElapsedTimer timer;
    timer.start();
    const qint64 startCpu = processorMs();
    const report::Document document =
        report::ReportEngine::layout(definition, reference::DataSetSource(customers), QDate(2024, 3, 5));
    const qint64 layoutMs = timer.restart();
    const qint64 layoutCpu = processorMs() - startCpu;
    const bool written = document.writePdf(dir.filePath(QStringLiteral("customers.pdf")));
    const qint64 pdfMs = timer.elapsed();
    const qint64 pdfCpu = processorMs() - startCpu - layoutCpu;
    if (!written) {
        std::fprintf(stderr, "could not write the PDF\n");
        return 1;
    }

    std::printf("rows:   %d\npages:  %d\n            wall  processor\nlayout: %6lld ms %6lld ms\n"
                "pdf:    %6lld ms %6lld ms\ntotal:  %6lld ms %6lld ms\n",
                rows, document.pageCount(), layoutMs, layoutCpu, pdfMs, pdfCpu, layoutMs + pdfMs,
                layoutCpu + pdfCpu);
    return 0;
}
