#include "ScriptedDialogs.h"
#include "TestDatabase.h"

#include "shell/OperatorAccounts.h"
#include "shell/PasswordHash.h"
#include "shell/LoginWindow.h"
#include "shell/PasswordChangeWindow.h"
#include "shell/AccountRegistrationWindow.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

using namespace shell;

namespace {

void type(QWidget *window, const QString &name, const QString &text)
{
    if (auto *combo = window->findChild<QComboBox *>(name))
        combo->setEditText(text);
    else
        window->findChild<QLineEdit *>(name)->setText(text);
}

void click(QWidget *window, const QString &name)
{
    window->findChild<QPushButton *>(name)->click();
}

// Signs in through the login window over a disabled main window; true when
// the main window was released.
bool signInThroughLogin(db::Connection &connection, const QString &account, const QString &password)
{
    QWidget main;
    main.setEnabled(false);
    LoginWindow login(connection, &main);
    login.show();
    type(&login, QStringLiteral("ComboBox1"), account);
    type(&login, QStringLiteral("Edit1"), password);
    click(&login, QStringLiteral("BitBtn1"));
    return main.isEnabled();
}

} // namespace

// Registering, deregistering and changing operator accounts through their
// windows, beside the two document counters that share the table.
class AccountsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init()
    {
        m_db.reset();
        m_dialogs.clear();
        m_db.scalar(QStringLiteral("insert into inc (id, linid, sa) values ('张三', 'Abc', 'sa')"));
    }

    void cleanup()
    {
        if (m_db.isPostgreSQL()) {
            m_db.connection().run(QStringLiteral("drop trigger if exists inc_changed_elsewhere on inc"));
            m_db.connection().run(QStringLiteral("drop function if exists inc_changed_elsewhere()"));
        } else {
            m_db.connection().run(QStringLiteral("drop trigger if exists inc_changed_elsewhere"));
        }
    }

    void registration_data()
    {
        QTest::addColumn<QString>("account");
        QTest::addColumn<QString>("password");
        QTest::addColumn<QString>("confirmation");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("stored");   // the id of the new row, or none
        QTest::newRow("new account trimmed") << " 李四 " << "pw" << "pw" << "注册成功！" << "李四";
        QTest::newRow("duplicate with blanks") << "  张三 " << "pw" << "pw" << "操作员帐号重复！" << "";
        QTest::newRow("names are case-sensitive") << "abc" << "x" << "x" << "注册成功！" << "abc";
        QTest::newRow("passwords differ") << "李四" << "pw" << "pw " << "密码和确认密码不相符！" << "";
        QTest::newRow("empty account") << "" << "" << "" << "操作员帐号不能为空！" << "";
        QTest::newRow("account of blanks") << "   " << "pw" << "pw" << "操作员帐号不能为空！" << "";
    }
    void registration()
    {
        QFETCH(QString, account);
        QFETCH(QString, password);
        QFETCH(QString, confirmation);
        QFETCH(QString, message);
        QFETCH(QString, stored);
        if (QTest::currentDataTag() == QLatin1String("names are case-sensitive"))
            m_db.scalar(QStringLiteral("insert into inc (id, linid, sa) values ('ABC', 'x', 'sa')"));
        const QVariant before = m_db.scalar(QStringLiteral("select count(*) from inc"));
        AccountRegistrationWindow window(m_db.connection());
        window.show();
        type(&window, QStringLiteral("ComboBox1"), account);
        type(&window, QStringLiteral("Edit1"), password);
        type(&window, QStringLiteral("Edit2"), confirmation);
        click(&window, QStringLiteral("SpeedButton4"));
        QCOMPARE(m_dialogs.texts(), QStringList{message});
        const bool added = message == QStringLiteral("注册成功！");
        QCOMPARE(m_db.scalar(QStringLiteral("select count(*) from inc")).toInt(), before.toInt() + (added ? 1 : 0));
        if (added) {
            const QString hash = m_db.scalar(QStringLiteral("select linid from inc where id = ?"), {stored}).toString();
            QVERIFY(PasswordHash::isHash(hash));
            QVERIFY(PasswordHash::matches(hash, password));
            QCOMPARE(window.accountList()->findText(stored) >= 0, true);
            QCOMPARE(window.findChild<QLineEdit *>(QStringLiteral("Edit1"))->text(), password);
        }
    }

    void theCounterIdsAreNoAccounts_data()
    {
        QTest::addColumn<QString>("account");
        QTest::addColumn<bool>("marked");   // the counters' marker filled as an account's is
        QTest::newRow("1") << "1" << false;
        QTest::newRow("2 with blanks") << " 2 " << false;
        QTest::newRow("1, counters marked") << "1" << true;
        QTest::newRow("2, counters marked") << "2" << true;
    }
    void theCounterIdsAreNoAccounts()
    {
        QFETCH(QString, account);
        QFETCH(bool, marked);
        if (marked)
            m_db.scalar(QStringLiteral("update inc set sa = 'sa' where id in ('1', '2')"));
        auto countersKept = [this] {
            return m_db.scalar(QStringLiteral("select count(*) from inc where id in ('1', '2') and linid = '1'")).toInt() == 2;
        };
        AccountRegistrationWindow window(m_db.connection());
        window.show();
        QCOMPARE(window.accountList()->count(), 1);
        type(&window, QStringLiteral("ComboBox1"), account);
        type(&window, QStringLiteral("Edit1"), QStringLiteral("pw"));
        type(&window, QStringLiteral("Edit2"), QStringLiteral("pw"));
        click(&window, QStringLiteral("SpeedButton4"));
        QCOMPARE(m_dialogs.shown.size(), 1);
        QCOMPARE(m_dialogs.shown[0].icon, QMessageBox::Critical);
        QVERIFY(m_dialogs.last().contains(account.trimmed()));
        m_dialogs.clear();
        m_dialogs.answer({true});
        click(&window, QStringLiteral("SpeedButton2"));
        QCOMPARE(m_dialogs.last(), QStringLiteral("没有这个操作员帐号，没有注销。"));
        QCOMPARE(window.accountList()->count(), 1);
        QVERIFY(countersKept());

        m_dialogs.clear();
        PasswordChangeWindow change(m_db.connection());
        change.show();
        QCOMPARE(change.accountList()->count(), 1);
        type(&change, QStringLiteral("ComboBox1"), account);
        type(&change, QStringLiteral("Edit3"), QStringLiteral("1"));
        type(&change, QStringLiteral("Edit1"), QStringLiteral("new"));
        type(&change, QStringLiteral("Edit2"), QStringLiteral("new"));
        click(&change, QStringLiteral("SpeedButton4"));
        QCOMPARE(m_dialogs.texts(), QStringList{QStringLiteral("你输入的密码不正确！")});
        QVERIFY(countersKept());

        QVERIFY(!signInThroughLogin(m_db.connection(), account, QStringLiteral("1")));
        QCOMPARE(m_dialogs.last(), QStringLiteral("口令不正确！"));
        QVERIFY(countersKept());
    }

    void deregistering()
    {
        AccountRegistrationWindow window(m_db.connection());
        window.show();
        type(&window, QStringLiteral("ComboBox1"), QStringLiteral("张三"));
        click(&window, QStringLiteral("SpeedButton2"));
        QCOMPARE(m_dialogs.shown.size(), 1);
        QCOMPARE(m_dialogs.shown[0].text, QStringLiteral("确认注销此操作员帐号吗？"));
        QCOMPARE(m_dialogs.shown[0].icon, QMessageBox::Information);
        QCOMPARE(OperatorAccounts(m_db.connection()).accounts(), QStringList{QStringLiteral("张三")});

        m_dialogs.clear();
        m_dialogs.answer({true});
        type(&window, QStringLiteral("ComboBox1"), QStringLiteral("没有此人"));
        click(&window, QStringLiteral("SpeedButton2"));
        QCOMPARE(m_dialogs.last(), QStringLiteral("没有这个操作员帐号，没有注销。"));
        QCOMPARE(OperatorAccounts(m_db.connection()).accounts(), QStringList{QStringLiteral("张三")});

        // The last account stays, or anyone could create a first one anew.
        m_dialogs.clear();
        m_dialogs.answer({true});
        type(&window, QStringLiteral("ComboBox1"), QStringLiteral("张三"));
        click(&window, QStringLiteral("SpeedButton2"));
        QCOMPARE(m_dialogs.last(), QStringLiteral("这是最后一个操作员帐号，不能注销。"));
        QCOMPARE(OperatorAccounts(m_db.connection()).accounts(), QStringList{QStringLiteral("张三")});

        m_db.scalar(QStringLiteral("insert into inc (id, linid, sa) values ('李四', 'x', 'sa')"));
        m_dialogs.clear();
        m_dialogs.answer({true});
        type(&window, QStringLiteral("ComboBox1"), QStringLiteral("张三"));
        click(&window, QStringLiteral("SpeedButton2"));
        QCOMPARE(m_dialogs.last(), QStringLiteral("注销成功!"));
        QCOMPARE(OperatorAccounts(m_db.connection()).accounts(), QStringList{QStringLiteral("李四")});
        QCOMPARE(window.accountList()->count(), 1);
        QCOMPARE(m_db.scalar(QStringLiteral("select count(*) from inc")).toInt(), 3);
    }

    void passwordChange_data()
    {
        QTest::addColumn<QString>("account");
        QTest::addColumn<QString>("current");
        QTest::addColumn<QString>("password");
        QTest::addColumn<QString>("confirmation");
        QTest::addColumn<QString>("message");
        QTest::newRow("changed") << "张三" << "Abc" << "new " << "new " << "密码修改成功！";
        QTest::newRow("wrong current password") << "张三" << "abc" << "new" << "new" << "你输入的密码不正确！";
        QTest::newRow("current password untrimmed") << "张三" << "Abc " << "new" << "new" << "你输入的密码不正确！";
        QTest::newRow("account without a row") << "赵六" << "" << "new" << "new" << "你输入的密码不正确！";
        QTest::newRow("a counter has no password") << "1" << "1" << "new" << "new" << "你输入的密码不正确！";
        QTest::newRow("confirmation differs") << "张三" << "Abc" << "new" << "New" << "密码和确认密码不相符！";
    }
    void passwordChange()
    {
        QFETCH(QString, account);
        QFETCH(QString, current);
        QFETCH(QString, password);
        QFETCH(QString, confirmation);
        QFETCH(QString, message);
        PasswordChangeWindow window(m_db.connection());
        window.show();
        type(&window, QStringLiteral("ComboBox1"), account);
        type(&window, QStringLiteral("Edit3"), current);
        type(&window, QStringLiteral("Edit1"), password);
        type(&window, QStringLiteral("Edit2"), confirmation);
        click(&window, QStringLiteral("SpeedButton4"));
        QCOMPARE(m_dialogs.texts(), QStringList{message});
        OperatorAccounts accounts(m_db.connection());
        const bool changed = message == QStringLiteral("密码修改成功！");
        QCOMPARE(accounts.signIn(QStringLiteral("张三"), QStringLiteral("Abc")), !changed);
        if (changed) {
            QVERIFY(accounts.signIn(QStringLiteral("张三"), password.trimmed()));
            QVERIFY(!accounts.signIn(QStringLiteral("张三"), password));
        }
        QCOMPARE(m_db.scalar(QStringLiteral("select linid from inc where id = '1'")).toString(), QStringLiteral("1"));
        QCOMPARE(m_db.scalar(QStringLiteral("select count(*) from inc")).toInt(), 3);
    }

    void aTrailingBlankIsKeptAtRegistrationAndDroppedByAChange()
    {
        AccountRegistrationWindow registration(m_db.connection());
        registration.show();
        type(&registration, QStringLiteral("ComboBox1"), QStringLiteral("李四"));
        type(&registration, QStringLiteral("Edit1"), QStringLiteral("pw "));
        type(&registration, QStringLiteral("Edit2"), QStringLiteral("pw "));
        click(&registration, QStringLiteral("SpeedButton4"));
        QCOMPARE(m_dialogs.texts(), QStringList{QStringLiteral("注册成功！")});
        QVERIFY(signInThroughLogin(m_db.connection(), QStringLiteral("李四"), QStringLiteral("pw ")));
        QVERIFY(!signInThroughLogin(m_db.connection(), QStringLiteral("李四"), QStringLiteral("pw")));

        m_dialogs.clear();
        PasswordChangeWindow change(m_db.connection());
        change.show();
        type(&change, QStringLiteral("ComboBox1"), QStringLiteral("李四"));
        for (const char *field : {"Edit3", "Edit1", "Edit2"})
            type(&change, QString::fromLatin1(field), QStringLiteral("pw "));
        click(&change, QStringLiteral("SpeedButton4"));
        QCOMPARE(m_dialogs.texts(), QStringList{QStringLiteral("密码修改成功！")});
        QVERIFY(signInThroughLogin(m_db.connection(), QStringLiteral("李四"), QStringLiteral("pw")));
        QVERIFY(!signInThroughLogin(m_db.connection(), QStringLiteral("李四"), QStringLiteral("pw ")));
    }

    void aChangeMeetingAnAccountChangedElsewhereIsRefused()
    {
        // The update finds no row any more, as when another workstation changed
        // or removed the account after this one read its password.
        if (m_db.isPostgreSQL()) {
            m_db.connection().run(QStringLiteral("create or replace function inc_changed_elsewhere() returns trigger "
                                                 "language plpgsql as $$ begin return null; end $$"));
            m_db.connection().run(QStringLiteral("create trigger inc_changed_elsewhere before update on inc "
                                                 "for each row execute function inc_changed_elsewhere()"));
        } else {
            m_db.connection().run(QStringLiteral("create trigger inc_changed_elsewhere before update on inc "
                                                 "begin select raise(ignore); end"));
        }
        PasswordChangeWindow window(m_db.connection());
        window.show();
        type(&window, QStringLiteral("ComboBox1"), QStringLiteral("张三"));
        type(&window, QStringLiteral("Edit3"), QStringLiteral("Abc"));
        type(&window, QStringLiteral("Edit1"), QStringLiteral("new"));
        type(&window, QStringLiteral("Edit2"), QStringLiteral("new"));
        click(&window, QStringLiteral("SpeedButton4"));
        QCOMPARE(m_dialogs.texts(), QStringList{QStringLiteral("你输入的密码不正确！")});
    }

    void passwordFieldsShowAnAsteriskPerCharacter()
    {
        AccountRegistrationWindow registration(m_db.connection());
        PasswordChangeWindow change(m_db.connection());
        const QList<QLineEdit *> fields = registration.findChildren<QLineEdit *>(QRegularExpression(QStringLiteral("^Edit")))
                                          + change.findChildren<QLineEdit *>(QRegularExpression(QStringLiteral("^Edit")));
        QCOMPARE(fields.size(), 5);
        for (QLineEdit *field : fields) {
            field->setText(QStringLiteral("a 中b"));
            QCOMPARE(field->displayText(), QStringLiteral("****"));
        }
    }

    void enterWalksTheChainAndRunsTheCommand()
    {
        PasswordChangeWindow window(m_db.connection());
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(window.accountList()->currentText(), QStringLiteral("张三"));
        window.accountList()->lineEdit()->setFocus();
        QStringList order;
        for (const char *text : {"", "Abc", "n", "n"}) {
            QWidget *focused = QApplication::focusWidget();
            order << (focused == window.accountList()->lineEdit() ? QStringLiteral("ComboBox1") : focused->objectName());
            QTest::keyClicks(focused, QString::fromLatin1(text));
            QTest::keyClick(focused, Qt::Key_Return);
        }
        QCOMPARE(order, (QStringList{QStringLiteral("ComboBox1"), QStringLiteral("Edit3"), QStringLiteral("Edit1"),
                                     QStringLiteral("Edit2")}));
        QCOMPARE(m_dialogs.texts(), QStringList{QStringLiteral("密码修改成功！")});
    }

private:
    TestDatabase m_db;
    ScriptedDialogs m_dialogs;
};

QTEST_MAIN(AccountsTest)
#include "tst_accounts.moc"
