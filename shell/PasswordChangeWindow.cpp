#include "shell/PasswordChangeWindow.h"

#include "reference/DialogService.h"
#include "reference/WindowClosing.h"

#include <QLineEdit>

namespace shell {

PasswordChangeWindow::PasswordChangeWindow(db::Connection &connection, QWidget *parent)
    : AccountWindow(connection, FormName, QStringLiteral("密码修改"), parent),
      m_current(addPasswordField(QStringLiteral("旧          码："), QStringLiteral("Edit3"))),
      m_password(addPasswordField(QStringLiteral("密          码："), QStringLiteral("Edit1"))),
      m_confirmation(addPasswordField(QStringLiteral("确认密码："), QStringLiteral("Edit2")))
{
    addButton(QStringLiteral("SpeedButton4"), QStringLiteral("修改"), [this] { changePassword(); });
    addButton(QStringLiteral("SpeedButton7"), QStringLiteral("退出"), [this] { reference::closeModuleWindow(this); });
    setChainEnd([this] { changePassword(); });
    finish();
}

void PasswordChangeWindow::changePassword()
{
    switch (accounts().changePassword(account(), m_current->text(), m_password->text(), m_confirmation->text())) {
    case OperatorAccounts::Outcome::WrongPassword:
        reference::DialogService::message(QStringLiteral("你输入的密码不正确！"));
        m_current->setFocus();
        return;
    case OperatorAccounts::Outcome::PasswordsDiffer:
        reference::DialogService::message(QStringLiteral("密码和确认密码不相符！"));
        return;
    default:
        reference::DialogService::message(QStringLiteral("密码修改成功！"));
    }
}

} // namespace shell
