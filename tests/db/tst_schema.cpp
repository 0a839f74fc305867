#include "TestDatabase.h"

#include "db/AppError.h"
#include "db/Query.h"
#include "db/Schema.h"
#include "db/SchemaBuilder.h"
#include "db/SqlDialect.h"
#include "db/TableDataSet.h"

#include <QSqlField>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QtTest>

using namespace db;

// The schema as the database holds it, on the engine of the test run: every
// table and column in order, the width rules, the keys, the counters, and
// keyless tables that hold identical rows.
class SchemaTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init() { m_db.reset(); }

    void everyTableHasItsColumnsInOrder()
    {
        for (const Table &table : Schema::tables()) {
            QSqlQuery query = m_db.connection().run(QStringLiteral("select * from %1 where 1=0").arg(table.name));
            const QSqlRecord record = query.record();
            QVERIFY2(record.count() >= table.columns.size(), qPrintable(table.name));
            for (int c = 0; c < table.columns.size(); ++c)
                QCOMPARE(record.fieldName(c).toLower(), table.columns[c].sqlName());
        }
    }

    void initialisingTwiceChangesNothing()
    {
        TableDataSet section(m_db.connection(), QStringLiteral("section"));
        section.open();
        section.append({QStringLiteral("01"), QStringLiteral("裁断")});
        QVERIFY(SchemaBuilder(m_db.connection()).missingTables().isEmpty());
        QCOMPARE(SchemaBuilder(m_db.connection()).createMissing(), QStringList());
        QCOMPARE(m_db.scalar(QStringLiteral("select count(*) from section")).toInt(), 1);
    }

    // On start only a database without any of the tables gets the schema; a
    // database that holds some of them keeps exactly the tables it has.
    void startCreatesTheSchemaOnlyOnANewDatabase_data()
    {
        QTest::addColumn<QStringList>("dropped");
        QTest::addColumn<bool>("created");
        QStringList all;
        for (const Table &t : Schema::tables())
            all << t.name;
        QTest::newRow("every table there") << QStringList() << false;
        QTest::newRow("two tables missing") << QStringList{"section", "color"} << false;
        QTest::newRow("all but one missing") << all.mid(1) << false;
        QTest::newRow("new database") << all << true;
    }

    void startCreatesTheSchemaOnlyOnANewDatabase()
    {
        QFETCH(QStringList, dropped);
        QFETCH(bool, created);
        for (const QString &table : dropped)
            m_db.connection().run(QStringLiteral("drop table %1").arg(SqlDialect::quoted(table)));
        SchemaBuilder schema(m_db.connection());
        const QStringList made = schema.createIfNew();
        QStringList stillMissing = schema.missingTables();
        schema.createMissing();
        QCOMPARE(made, created ? dropped : QStringList());
        stillMissing.sort();
        dropped.sort();
        QCOMPARE(stillMissing, created ? QStringList() : dropped);
    }

    void countersStartAtOneAndStayOutOfTheAccounts()
    {
        QCOMPARE(m_db.scalar(QStringLiteral("select linid from inc where id='1'")).toString(), QStringLiteral("1"));
        QCOMPARE(m_db.scalar(QStringLiteral("select linid from inc where id='2'")).toString(), QStringLiteral("1"));
        QCOMPARE(Query::texts(m_db.connection(), QStringLiteral("select distinct id from inc where sa=sa")), QStringList());
    }

    void textsAreStoredByTheirWidthRules()
    {
        TableDataSet customer(m_db.connection(), QStringLiteral("customer"));
        customer.open();
        const QString longName = QStringLiteral("临江盈丰达贴合鞋材有限公司临江盈丰达贴合鞋材有限公司临江盈丰达");
        customer.append({QStringLiteral("C1"), longName});
        QCOMPARE(m_db.scalar(QStringLiteral("select id from customer")).toString(), QStringLiteral("C1        "));
        QCOMPARE(m_db.scalar(QStringLiteral("select name from customer")).toString(), longName.left(25));

        TableDataSet inspection(m_db.connection(), QStringLiteral("youseyan"));
        inspection.open();
        inspection.append({QString(51, QLatin1Char('x')), QString(60, QChar(0x5BA2))});
        QCOMPARE(m_db.scalar(QStringLiteral("select memo from youseyan")).toString().size(), 50);
        QCOMPARE(m_db.scalar(QStringLiteral("select f_name from youseyan")).toString().size(), 50);
    }

    // Every text column of the schema, by its own type and width: an
    // over-long Chinese text that starts with a letter (so that a cut at an
    // even number of GBK bytes would fall inside a character) and an
    // over-long ASCII text come back cut, fixed-width ones padded.
    void everyTextColumnKeepsItsWidth_data()
    {
        QTest::addColumn<QString>("table");
        QTest::addColumn<QString>("column");
        for (const Table &t : Schema::tables())
            for (const Column &c : t.columns)
                if (c.isText())
                    QTest::addRow("%s.%s", qPrintable(t.name), qPrintable(c.name)) << t.name << c.name;
    }
    void everyTextColumnKeepsItsWidth()
    {
        QFETCH(QString, table);
        QFETCH(QString, column);
        const Table &t = Schema::table(table);
        const int target = t.columnIndex(column);
        const Column &c = t.columns[target];
        const QChar cloth(0x5E03);   // 布, two bytes in GBK

        const QString chinese = QLatin1Char('x') + QString(c.width, cloth);
        const QString ascii(c.width + 5, QLatin1Char('a'));
        QString chineseKept;
        QString asciiKept(c.width, QLatin1Char('a'));
        if (c.type == ColumnType::WideText) {
            chineseKept = QLatin1Char('x') + QString(c.width - 1, cloth);
        } else {
            const int characters = (c.width - 1) / 2;
            chineseKept = QLatin1Char('x') + QString(characters, cloth);
            if (c.type == ColumnType::FixedText)
                chineseKept += QString(c.width - 1 - 2 * characters, QLatin1Char(' '));
        }

        const QString name = SqlDialect::quoted(t.name);
        for (const auto &[typed, kept] : {std::pair{chinese, chineseKept}, std::pair{ascii, asciiKept}}) {
            m_db.connection().run(QStringLiteral("delete from %1").arg(name));
            TableDataSet data(m_db.connection(), table);
            data.open();
            QVector<QVariant> row(t.columns.size());
            if (t.hasKey() && t.key != c.name)
                row[t.columnIndex(t.key)] = QStringLiteral("K");
            row[target] = typed;
            data.append(row);
            data.reopen();
            QCOMPARE(data.rowCount(), 1);
            QCOMPARE(data.value(0, target).toString(), kept);
        }
    }

    void aBadNumberWritesNothingOfTheRow()
    {
        TableDataSet exchange(m_db.connection(), QStringLiteral("exchange"));
        exchange.open();
        try {
            exchange.append({QStringLiteral("01"), QStringLiteral("HKD"), QStringLiteral("abc")});
            QFAIL("a rate of letters was stored");
        } catch (const AppError &e) {
            QVERIFY(e.message().contains(QStringLiteral("汇率")));
        }
        QCOMPARE(m_db.scalar(QStringLiteral("select count(*) from exchange")).toInt(), 0);
        exchange.append({QStringLiteral("01"), QStringLiteral("HKD"), QString()});
        QVERIFY(m_db.scalar(QStringLiteral("select exchange from exchange")).isNull());
    }

    void keyedTablesRefuseADuplicate_data()
    {
        QTest::addColumn<QString>("table");
        for (const char *t : {"section", "ptype", "color", "width", "standard", "exchange", "payway", "customer", "factory"})
            QTest::newRow(t) << QString::fromLatin1(t);
    }
    void keyedTablesRefuseADuplicate()
    {
        QFETCH(QString, table);
        TableDataSet data(m_db.connection(), table);
        data.open();
        data.append({QStringLiteral("01"), QStringLiteral("甲")});
        QVERIFY_THROWS_EXCEPTION(AppError, data.append({QStringLiteral("01"), QStringLiteral("乙")}));
        // Blanks only and empty are the same key once padded.
        data.append({QStringLiteral("")});
        QVERIFY_THROWS_EXCEPTION(AppError, data.append({QStringLiteral("")}));
        QCOMPARE(data.rowCount(), 2);
    }

    void identicalRowsInAKeylessTable()
    {
        TableDataSet stock(m_db.connection(), QStringLiteral("yousekucun"));
        stock.open();
        const QVector<QVariant> row{QStringLiteral("甲厂"), QStringLiteral("尼龙布"), QStringLiteral("黑"),
                                    QStringLiteral("0.5MM"), 2.0, 100.0, QStringLiteral("54''"), QStringLiteral("Y")};
        stock.append(row);
        stock.append(row);
        QCOMPARE(stock.rowCount(), 2);

        QVector<QVariant> changed = row;
        changed[5] = 70.0;
        stock.update(stock.loaded(1), changed);
        QCOMPARE(m_db.scalar(QStringLiteral("select count(*) from yousekucun where number = 100")).toInt(), 1);
        QCOMPARE(m_db.scalar(QStringLiteral("select count(*) from yousekucun where number = 70")).toInt(), 1);

        stock.append(row);
        stock.remove(stock.loaded(0));
        QCOMPARE(m_db.scalar(QStringLiteral("select count(*) from yousekucun where number = 100")).toInt(), 1);
        QCOMPARE(m_db.scalar(QStringLiteral("select count(*) from yousekucun")).toInt(), 2);
    }

    void bareNumberColumnsHoldValues()
    {
        TableDataSet sheet(m_db.connection(), QStringLiteral("baojialinshi"));
        sheet.open();
        sheet.append({QStringLiteral("客户"), QStringLiteral("HKD"), QStringLiteral("品名"), QStringLiteral("Y"),
                      1.5, 2.5, 3.5, 4.5, QDate(2026, 3, 1)});
        QCOMPARE(sheet.value(0, QStringLiteral("54")).toDouble(), 3.5);
        QSqlQuery q = m_db.connection().run(QStringLiteral("select %1, %2 from baojialinshi")
                                                .arg(SqlDialect::quoted(QStringLiteral("36")),
                                                     SqlDialect::quoted(QStringLiteral("60"))));
        QVERIFY(q.next());
        QCOMPARE(q.value(0).toDouble(), 1.5);
        QCOMPARE(q.value(1).toDouble(), 4.5);
        QCOMPARE(sheet.value(0, QStringLiteral("date")).toDateTime().date(), QDate(2026, 3, 1));
    }

private:
    TestDatabase m_db;
};

QTEST_GUILESS_MAIN(SchemaTest)
#include "tst_schema.moc"
