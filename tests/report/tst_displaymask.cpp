#include "report/DisplayMask.h"

#include <QDate>
#include <QDateTime>
#include <QTest>

using report::DisplayMask;

class TestDisplayMask : public QObject {
    Q_OBJECT

private slots:
    void format_data();
    void format();
};

void TestDisplayMask::format_data()
{
    QTest::addColumn<QString>("mask");
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<QString>("expected");

    const QString money = QStringLiteral("#,#.00");
    const QString decimal = QStringLiteral("#.00");
    const QString weight = QStringLiteral("#,#.000");
    const QString whole = QStringLiteral("#,#");

    QTest::newRow("money thousands") << money << QVariant(1234.5) << "1,234.50";
    QTest::newRow("money millions") << money << QVariant(1234567.891) << "1,234,567.89";
    QTest::newRow("money below one") << money << QVariant(0.5) << ".50";
    QTest::newRow("money zero") << money << QVariant(0.0) << ".00";
    QTest::newRow("money negative") << money << QVariant(-9876.544) << "-9,876.54";
    QTest::newRow("money integer value") << money << QVariant(1000) << "1,000.00";
    QTest::newRow("money half away from zero") << money << QVariant(2.675) << "2.68";
    QTest::newRow("money negative half") << money << QVariant(-1.005) << "-1.01";
    QTest::newRow("money carry into thousands") << money << QVariant(999.995) << "1,000.00";
    QTest::newRow("money numeric text") << money << QVariant(QStringLiteral("1234.5")) << "1,234.50";

    QTest::newRow("decimal no separators") << decimal << QVariant(1234.5) << "1234.50";
    QTest::newRow("decimal zero") << decimal << QVariant(0) << ".00";
    QTest::newRow("decimal half") << decimal << QVariant(0.5) << ".50";
    QTest::newRow("decimal negative half") << decimal << QVariant(-0.5) << "-.50";
    QTest::newRow("decimal rounds to zero unsigned") << decimal << QVariant(-0.004) << ".00";
    QTest::newRow("decimal rounds up to one") << decimal << QVariant(0.995) << "1.00";

    QTest::newRow("weight") << weight << QVariant(2.5) << "2.500";
    QTest::newRow("weight thousands") << weight << QVariant(12345.6785) << "12,345.679";
    QTest::newRow("weight float value") << weight << QVariant(0.1f) << ".100";

    QTest::newRow("whole rounds") << whole << QVariant(1234.6) << "1,235";
    QTest::newRow("whole zero prints nothing") << whole << QVariant(0) << "";
    QTest::newRow("whole below half prints nothing") << whole << QVariant(0.4) << "";
    QTest::newRow("whole half rounds up") << whole << QVariant(0.5) << "1";
    QTest::newRow("whole negative") << whole << QVariant(-1234567) << "-1,234,567";
    QTest::newRow("whole large") << whole << QVariant(123456789012.0) << "123,456,789,012";

    for (const QString &mask : {money, decimal, weight, whole, QString()}) {
        const QByteArray name = mask.isEmpty() ? QByteArray("plain") : mask.toLatin1();
        QTest::newRow(name + " null") << mask << QVariant() << "";
        QTest::newRow(name + " SQL null") << mask << QVariant(QMetaType::fromType<double>()) << "";
    }
    QTest::newRow("text under a mask") << money << QVariant(QStringLiteral("另议")) << "另议";
    QTest::newRow("empty text under a mask") << money << QVariant(QString()) << "";
    QTest::newRow("date under a mask") << money << QVariant(QDate(2024, 3, 5)) << "2024-03-05";

    QTest::newRow("plain integer") << QString() << QVariant(1234) << "1234";
    QTest::newRow("plain fraction") << QString() << QVariant(1234.5) << "1234.5";
    QTest::newRow("plain sum noise") << QString() << QVariant(0.1 + 0.2) << "0.3";
    QTest::newRow("plain no trailing zeros") << QString() << QVariant(2.50) << "2.5";
    QTest::newRow("plain no exponent") << QString() << QVariant(123456789012.25) << "123456789012.25";
    QTest::newRow("plain negative zero") << QString() << QVariant(-0.0) << "0";
    QTest::newRow("plain text") << QString() << QVariant(QStringLiteral("晋江华丰")) << "晋江华丰";
    QTest::newRow("plain date") << QString() << QVariant(QDate(2024, 3, 5)) << "2024-03-05";
    QTest::newRow("plain midnight") << QString() << QVariant(QDateTime(QDate(2024, 3, 5), QTime(0, 0)))
                                    << "2024-03-05";
    QTest::newRow("plain date and time") << QString() << QVariant(QDateTime(QDate(2024, 3, 5), QTime(8, 30)))
                                         << "2024-03-05 08:30:00";
}

void TestDisplayMask::format()
{
    QFETCH(QString, mask);
    QFETCH(QVariant, value);
    QFETCH(QString, expected);

    QCOMPARE(DisplayMask(mask).format(value), expected);
}

QTEST_APPLESS_MAIN(TestDisplayMask)
#include "tst_displaymask.moc"
