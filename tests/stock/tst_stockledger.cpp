#include "TestDatabase.h"

#include "db/AppError.h"
#include "stock/StockLedger.h"

#include <QSqlQuery>
#include <QtTest>
#include <thread>

using stock::Family;
using stock::Receipt;
using stock::StockLedger;

Q_DECLARE_METATYPE(stock::Family)
Q_DECLARE_METATYPE(stock::Receipt)

namespace {

Receipt receipt(const QString &supplier, const QString &pieces, const QString &quantity)
{
    return {supplier, QStringLiteral("PU革"), QStringLiteral("黑色"), QStringLiteral("1.2mm"),
            QStringLiteral("54\""), QStringLiteral("Y"), pieces, quantity};
}

// Every stock row of the family as "supplier|pieces|quantity|unit", in stored order.
QStringList stockRows(db::Connection &connection, Family family)
{
    QSqlQuery q = connection.run(QStringLiteral("select f_name, jian, number, b2 from %1 order by rowid")
                                     .arg(stock::tablesOf(family).stock));
    QStringList rows;
    while (q.next())
        rows << QStringLiteral("%1|%2|%3|%4")
                    .arg(q.value(0).toString(), q.value(1).toString(), q.value(2).toString(), q.value(3).toString());
    return rows;
}

} // namespace

// Stock intake: the receipt's pieces and quantity go into its family's stock row.
class StockLedgerTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init() { m_db.reset(); }

    void families_data()
    {
        QTest::addColumn<Family>("family");
        QTest::newRow("colour fabric") << Family::ColourFabric;
        QTest::newRow("auxiliary material") << Family::AuxiliaryMaterial;
    }

    void firstIntakeCreatesTheRowAndTheNextAddsToIt_data() { families_data(); }
    void firstIntakeCreatesTheRowAndTheNextAddsToIt()
    {
        QFETCH(Family, family);
        StockLedger ledger(m_db.connection());
        QCOMPARE(ledger.intake(family, receipt("华丰", "2", "100")), StockLedger::Outcome::NewRow);
        QCOMPARE(stockRows(m_db.connection(), family), QStringList{"华丰|2|100|Y"});
        QCOMPARE(ledger.intake(family, receipt("华丰", " 3 ", "120.5")), StockLedger::Outcome::AddedToRow);
        QCOMPARE(stockRows(m_db.connection(), family), QStringList{"华丰|5|220.5|Y"});
    }

    void aSecondSupplier_data()
    {
        QTest::addColumn<Family>("family");
        QTest::addColumn<QStringList>("rows");
        QTest::newRow("colour fabric: one row, the first supplier's")
            << Family::ColourFabric << QStringList{"华丰|5|220.5|Y"};
        QTest::newRow("auxiliary material: a row per supplier")
            << Family::AuxiliaryMaterial << QStringList{"华丰|2|100|Y", "永信|3|120.5|Y"};
    }
    void aSecondSupplier()
    {
        QFETCH(Family, family);
        QFETCH(QStringList, rows);
        StockLedger ledger(m_db.connection());
        ledger.intake(family, receipt("华丰", "2", "100"));
        ledger.intake(family, receipt("永信", "3", "120.5"));
        QCOMPARE(stockRows(m_db.connection(), family), rows);
    }

    void anotherItemGetsARowOfItsOwn_data()
    {
        QTest::addColumn<Receipt>("other");
        const Receipt same = receipt("华丰", "1", "1");
        Receipt r = same;
        r.item = QStringLiteral("超纤革");
        QTest::newRow("item") << r;
        r = same;
        r.colour = QStringLiteral("白色");
        QTest::newRow("colour") << r;
        r = same;
        r.specification = QStringLiteral("0.8mm");
        QTest::newRow("specification") << r;
        r = same;
        r.width = QStringLiteral("44\"");
        QTest::newRow("width") << r;
    }
    void anotherItemGetsARowOfItsOwn()
    {
        QFETCH(Receipt, other);
        StockLedger ledger(m_db.connection());
        ledger.intake(Family::ColourFabric, receipt("华丰", "2", "100"));
        QCOMPARE(ledger.intake(Family::ColourFabric, other), StockLedger::Outcome::NewRow);
        QCOMPARE(stockRows(m_db.connection(), Family::ColourFabric), (QStringList{"华丰|2|100|Y", "华丰|1|1|Y"}));
    }

    void anEmptyKeyPartStillFindsItsRow_data()
    {
        QTest::addColumn<Family>("family");
        QTest::addColumn<QString>("colour");
        QTest::newRow("colour fabric, no text") << Family::ColourFabric << QString();
        QTest::newRow("colour fabric, blanks") << Family::ColourFabric << QStringLiteral("  ");
        QTest::newRow("auxiliary material, no text") << Family::AuxiliaryMaterial << QString();
        QTest::newRow("auxiliary material, empty text") << Family::AuxiliaryMaterial << QStringLiteral("");
    }
    void anEmptyKeyPartStillFindsItsRow()
    {
        QFETCH(Family, family);
        QFETCH(QString, colour);
        Receipt r = receipt("华丰", "2", "100");
        r.colour = colour;
        StockLedger ledger(m_db.connection());
        ledger.intake(family, r);
        QCOMPARE(ledger.intake(family, r), StockLedger::Outcome::AddedToRow);
        QCOMPARE(stockRows(m_db.connection(), family), QStringList{"华丰|4|200|Y"});
    }

    void aStockRowWithoutPiecesCountsThemAsNothing()
    {
        // A stocktaking import leaves the pieces empty.
        m_db.connection().run(QStringLiteral("insert into yousekucun (f_name, pname, color, scale, number, b1, b2) "
                                             "values ('华丰', 'PU革', '黑色', '1.2mm', 40, '54\"', 'Y')"));
        StockLedger(m_db.connection()).intake(Family::ColourFabric, receipt("华丰", "3", "120.5"));
        QCOMPARE(stockRows(m_db.connection(), Family::ColourFabric), QStringList{"华丰|3|160.5|Y"});
    }

    void severalMatchingRowsGiveTheReceiptToTheFirst()
    {
        for (int i = 0; i < 2; ++i)
            m_db.connection().run(QStringLiteral("insert into yousekucun (f_name, pname, color, scale, jian, number, "
                                                 "b1, b2) values ('华丰', 'PU革', '黑色', '1.2mm', 1, 10, '54\"', 'Y')"));
        StockLedger(m_db.connection()).intake(Family::ColourFabric, receipt("华丰", "3", "5"));
        QCOMPARE(stockRows(m_db.connection(), Family::ColourFabric), (QStringList{"华丰|4|15|Y", "华丰|1|10|Y"}));
    }

    void anUnreadableNumberWritesNothing_data()
    {
        QTest::addColumn<QString>("pieces");
        QTest::addColumn<QString>("quantity");
        QTest::addColumn<QString>("named");
        QTest::newRow("empty pieces") << "" << "120.5" << "材料件数";
        QTest::newRow("letters in pieces") << "三" << "120.5" << "材料件数";
        QTest::newRow("empty quantity") << "3" << "  " << "验收数量";
        QTest::newRow("letters in quantity") << "3" << "12O" << "验收数量";
    }
    void anUnreadableNumberWritesNothing()
    {
        QFETCH(QString, pieces);
        QFETCH(QString, quantity);
        QFETCH(QString, named);
        StockLedger ledger(m_db.connection());
        ledger.intake(Family::ColourFabric, receipt("华丰", "2", "100"));
        try {
            ledger.intake(Family::ColourFabric, receipt("华丰", pieces, quantity));
            QFAIL("the intake went through");
        } catch (const AppError &e) {
            QVERIFY2(e.message().contains(named), qPrintable(e.message()));
        }
        QCOMPARE(stockRows(m_db.connection(), Family::ColourFabric), QStringList{"华丰|2|100|Y"});
    }

    void twoWorkstationsAtOnceBothCount_data() { families_data(); }
    void twoWorkstationsAtOnceBothCount()
    {
        if (!m_db.isPostgreSQL())
            QSKIP("two writers at the same moment are a PostgreSQL matter; SQLite serialises them by its file lock");
        QFETCH(Family, family);
        constexpr int Intakes = 500;
        QString errors[2];
        auto workstation = [&](QString &error) {
            try {
                db::Connection connection(m_db.url());
                connection.open();
                StockLedger ledger(connection);
                for (int i = 0; i < Intakes; ++i)
                    ledger.intake(family, receipt("华丰", "1", "0.5"));
            } catch (const AppError &e) {
                error = e.message();
            }
        };
        std::thread first(workstation, std::ref(errors[0]));
        std::thread second(workstation, std::ref(errors[1]));
        first.join();
        second.join();
        QCOMPARE(errors[0] + errors[1], QString());
        QCOMPARE(stockRows(m_db.connection(), family), QStringList{"华丰|1000|500|Y"});
    }

private:
    TestDatabase m_db;
};

QTEST_GUILESS_MAIN(StockLedgerTest)
#include "tst_stockledger.moc"
