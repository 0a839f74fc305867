#include "ScriptedDialogs.h"
#include "TestDatabase.h"

#include "db/SchemaBuilder.h"
#include "shell/OperatorAccounts.h"
#include "shell/PasswordHash.h"
#include "shell/LoginWindow.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

using namespace shell;

// Signing in: the account list, the password check, the first account of a
// new installation, and passwords kept as hashes.
class LoginTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init()
    {
        m_db.reset();
        m_dialogs.clear();
        for (const auto &[id, password] : {std::pair{"张三", "Abc"}, std::pair{"李四", ""}, std::pair{"王五", "pw "}})
            m_db.scalar(QStringLiteral("insert into inc (id, linid, sa) values (?, ?, 'sa')"),
                        {QString::fromUtf8(id), QString::fromUtf8(password)});
    }

    void theListHoldsTheAccountsWithTheFirstChosen()
    {
        auto [login, main] = openLogin();
        auto *accounts = login->findChild<QComboBox *>(QStringLiteral("ComboBox1"));
        QCOMPARE(accounts->count(), 3);
        QCOMPARE(accounts->currentIndex(), 0);
        QCOMPARE(accounts->findText(QStringLiteral("1")), -1);
        QCOMPARE(accounts->findText(QStringLiteral("2")), -1);
        QVERIFY(m_dialogs.shown.isEmpty());
        QVERIFY(!login->findChild<QLineEdit *>(QStringLiteral("ConfirmEdit"))->isVisible());
    }

    void passwordCheck_data()
    {
        QTest::addColumn<QString>("account");
        QTest::addColumn<QString>("password");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("exact") << "张三" << "Abc" << true;
        QTest::newRow("account trimmed") << "  张三 " << "Abc" << true;
        QTest::newRow("password not trimmed") << "张三" << "Abc " << false;
        QTest::newRow("case-sensitive") << "张三" << "abc" << false;
        QTest::newRow("empty stored password") << "李四" << "" << true;
        QTest::newRow("trailing blank kept") << "王五" << "pw " << true;
        QTest::newRow("trailing blank needed") << "王五" << "pw" << false;
        QTest::newRow("no such account") << "赵六" << "" << false;
        QTest::newRow("a counter is no account") << "1" << "1" << false;
    }
    void passwordCheck()
    {
        QFETCH(QString, account);
        QFETCH(QString, password);
        QFETCH(bool, accepted);
        auto [login, main] = openLogin();
        QSignalSpy signedIn(login.get(), &LoginWindow::signedIn);
        signIn(login.get(), account, password);
        QCOMPARE(main->isEnabled(), accepted);
        QCOMPARE(signedIn.count(), accepted ? 1 : 0);
        if (accepted)
            QCOMPARE(signedIn.first().first().toString(), account.trimmed());
        QCOMPARE(login->isVisible(), !accepted);
        if (!accepted) {
            QCOMPARE(m_dialogs.texts(), QStringList{QStringLiteral("口令不正确！")});
            QCOMPARE(login->findChild<QLineEdit *>(QStringLiteral("Edit1"))->text(), password);
            signIn(login.get(), account, password);
            QCOMPARE(m_dialogs.shown.size(), 2);
        }
    }

    void thePasswordShowsAnAsteriskPerCharacter()
    {
        auto [login, main] = openLogin();
        for (const char *name : {"Edit1", "ConfirmEdit"}) {
            auto *field = login->findChild<QLineEdit *>(QLatin1String(name));
            QCOMPARE(field->echoMode(), QLineEdit::Password);
            field->setText(QStringLiteral("Abc"));
            QCOMPARE(field->displayText(), QStringLiteral("***"));
        }
    }

    void enterInThePasswordOnlyMovesToTheButton()
    {
        auto [login, main] = openLogin();
        auto *password = login->findChild<QLineEdit *>(QStringLiteral("Edit1"));
        auto *button = login->findChild<QPushButton *>(QStringLiteral("BitBtn1"));
        login->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(login.get()));
        password->setFocus();
        password->setText(QStringLiteral("Abc"));
        QTest::keyClick(password, Qt::Key_Return);
        QVERIFY(button->hasFocus());
        QVERIFY(!main->isEnabled());
        QTest::keyClick(button, Qt::Key_Return);
        QVERIFY(main->isEnabled());
    }

    void aPlainTextPasswordIsHashedAtItsFirstSignIn()
    {
        {
            auto [login, main] = openLogin();
            signIn(login.get(), QStringLiteral("张三"), QStringLiteral("Abc"));
            QVERIFY(main->isEnabled());
        }
        const QString stored = m_db.scalar(QStringLiteral("select linid from inc where id=?"), {QStringLiteral("张三")}).toString();
        QVERIFY(PasswordHash::isHash(stored));
        QVERIFY(stored.size() <= 50);
        QCOMPARE(m_db.scalar(QStringLiteral("select linid from inc where id=?"), {QStringLiteral("王五")}).toString(),
                 QStringLiteral("pw "));
        for (const auto &[password, accepted] : {std::pair{QStringLiteral("Abc"), true},
                                                 std::pair{QStringLiteral("abc"), false}, std::pair{stored, false}}) {
            auto [login, main] = openLogin();
            signIn(login.get(), QStringLiteral("张三"), password);
            QVERIFY2(main->isEnabled() == accepted, qPrintable(password));
        }
    }

    void theFirstAccountOfANewInstallation()
    {
        m_db.reset();
        auto [login, main] = openLogin();
        auto *confirm = login->findChild<QLineEdit *>(QStringLiteral("ConfirmEdit"));
        QVERIFY(confirm->isVisible());
        QCOMPARE(login->findChild<QComboBox *>(QStringLiteral("ComboBox1"))->currentText(), QString());

        confirm->setText(QStringLiteral("other"));
        signIn(login.get(), QStringLiteral("管理员"), QStringLiteral("secret"));
        QCOMPARE(m_dialogs.last(), QStringLiteral("密码和确认密码不相符！"));

        confirm->setText(QStringLiteral("secret"));
        signIn(login.get(), QStringLiteral("2"), QStringLiteral("secret"));
        QVERIFY(m_dialogs.last().contains(QStringLiteral("单据编号")));
        QVERIFY(!main->isEnabled());

        signIn(login.get(), QStringLiteral(" 管理员 "), QStringLiteral("secret"));
        QVERIFY(main->isEnabled());
        QCOMPARE(OperatorAccounts(m_db.connection()).accounts(), QStringList{QStringLiteral("管理员")});
        QVERIFY(PasswordHash::isHash(m_db.scalar(QStringLiteral("select linid from inc where sa=sa")).toString()));
        QCOMPARE(m_db.scalar(QStringLiteral("select count(*) from inc")).toInt(), 3);
    }

    void exitEndsTheProgram()
    {
        auto [login, main] = openLogin();
        QSignalSpy exit(login.get(), &LoginWindow::exitRequested);
        login->findChild<QPushButton *>(QStringLiteral("BitBtn2"))->click();
        QCOMPARE(exit.count(), 1);
        login->close();
        QCOMPARE(exit.count(), 2);
    }

    void databaseFailuresAreShownAndNothingOpens()
    {
        auto [login, main] = openLogin();
        m_db.connection().run(QStringLiteral("drop table inc"));
        signIn(login.get(), QStringLiteral("张三"), QStringLiteral("Abc"));
        QCOMPARE(m_dialogs.shown.size(), 1);
        QCOMPARE(m_dialogs.shown[0].icon, QMessageBox::Critical);
        QVERIFY(!main->isEnabled());

        login->hide();
        m_dialogs.clear();
        login->show();
        QCOMPARE(m_dialogs.texts(), QStringList{QStringLiteral("请检查数据库连接是否正确！")});
        db::SchemaBuilder(m_db.connection()).createMissing();
    }

private:
    struct Opened {
        std::unique_ptr<LoginWindow> login;
        std::unique_ptr<QWidget> main;
    };
    Opened openLogin()
    {
        auto main = std::make_unique<QWidget>();
        main->setEnabled(false);
        auto login = std::make_unique<LoginWindow>(m_db.connection(), main.get());
        login->show();
        return {std::move(login), std::move(main)};
    }
    static void signIn(LoginWindow *login, const QString &account, const QString &password)
    {
        login->findChild<QComboBox *>(QStringLiteral("ComboBox1"))->setEditText(account);
        login->findChild<QLineEdit *>(QStringLiteral("Edit1"))->setText(password);
        login->findChild<QPushButton *>(QStringLiteral("BitBtn1"))->click();
    }

    TestDatabase m_db;
    ScriptedDialogs m_dialogs;
};

QTEST_MAIN(LoginTest)
#include "tst_login.moc"
