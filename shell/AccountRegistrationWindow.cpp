#include "shell/AccountRegistrationWindow.h"

#include "reference/DialogService.h"
#include "reference/WindowClosing.h"

#include <QLineEdit>

namespace shell {

AccountRegistrationWindow::AccountRegistrationWindow(db::Connection &connection, QWidget *parent)
    : AccountWindow(connection, FormName, QStringLiteral("注册/注销操作员"), parent),
      m_password(addPasswordField(QStringLiteral("密          码："), QStringLiteral("Edit1"))),
      m_confirmation(addPasswordField(QStringLiteral("确认密码："), QStringLiteral("Edit2")))
{
    addButton(QStringLiteral("SpeedButton4"), QStringLiteral("注册"), [this] { registerAccount(); });
    addButton(QStringLiteral("SpeedButton2"), QStringLiteral("注销"), [this] { deregisterAccount(); });
    addButton(QStringLiteral("SpeedButton7"), QStringLiteral("退出"), [this] { reference::closeModuleWindow(this); });
    setChainEnd([this] { registerAccount(); });
    finish();
}

void AccountRegistrationWindow::registerAccount()
{
    switch (accounts().registerAccount(account(), m_password->text(), m_confirmation->text())) {
    case OperatorAccounts::Outcome::PasswordsDiffer:
        reference::DialogService::message(QStringLiteral("密码和确认密码不相符！"));
        return;
    case OperatorAccounts::Outcome::Duplicate:
        reference::DialogService::message(QStringLiteral("操作员帐号重复！"));
        return;
    default:
        reference::DialogService::message(QStringLiteral("注册成功！"));
        fillAccounts();
    }
}

void AccountRegistrationWindow::deregisterAccount()
{
    if (!reference::DialogService::informationQuestion(QStringLiteral("确认注销此操作员帐号吗？")))
        return;
    switch (accounts().deregister(account())) {
    case OperatorAccounts::Outcome::NoSuchAccount:
        reference::DialogService::message(QStringLiteral("没有这个操作员帐号，没有注销。"));
        return;
    case OperatorAccounts::Outcome::LastAccount:
        reference::DialogService::message(QStringLiteral("这是最后一个操作员帐号，不能注销。"));
        return;
    default:
        reference::DialogService::message(QStringLiteral("注销成功!"));
        fillAccounts();
    }
}

} // namespace shell
