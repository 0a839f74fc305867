#include "shell/ChineseInterface.h"
#include "reference/DialogService.h"

#include <QAbstractButton>
#include <QCalendarWidget>
#include <QRegularExpression>
#include <QtTest>

using namespace reference;

namespace {

// A button's text without its mnemonic: "是(&Y)" reads 是.
QString readText(const QAbstractButton *button)
{
    static const QRegularExpression mnemonic(QStringLiteral("\\(&.\\)|&"));
    return button->text().remove(mnemonic);
}

QStringList buttonTexts(QMessageBox &box)
{
    QStringList texts;
    for (QAbstractButton *b : box.buttons())
        texts << readText(b);
    texts.sort();
    return texts;
}

} // namespace

// The real message boxes in the Chinese interface the program starts with.
class DialogsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { shell::useChineseInterface(*QCoreApplication::instance()); }

    void boxes_data()
    {
        QTest::addColumn<bool>("question");
        QTest::addColumn<QStringList>("buttons");
        QTest::newRow("question") << true << QStringList{QStringLiteral("否"), QStringLiteral("是")};
        QTest::newRow("message") << false << QStringList{QStringLiteral("确定")};
    }
    void boxes()
    {
        QFETCH(bool, question);
        QFETCH(QStringList, buttons);
        const std::unique_ptr<QMessageBox> box =
            MessageBoxDialogs::build({ProgramTitle, QStringLiteral("好"), QMessageBox::NoIcon, question, false});
        QCOMPARE(buttonTexts(*box), buttons);
        QVERIFY(!box->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
        QVERIFY(!box->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
        QVERIFY(box->windowFlags().testFlag(Qt::WindowCloseButtonHint));
        box->show();
        QVERIFY(box->width() > box->fontMetrics().horizontalAdvance(ProgramTitle) + 2 * box->fontMetrics().height());
    }

    void theCalendarNamesItsMonthsInChinese()
    {
        QCalendarWidget calendar;
        QCOMPARE(calendar.locale().language(), QLocale::Chinese);
        QCOMPARE(calendar.locale().monthName(3), QStringLiteral("三月"));
    }
};

QTEST_MAIN(DialogsTest)
#include "tst_dialogs.moc"
