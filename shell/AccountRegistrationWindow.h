#pragma once

#include "shell/AccountWindow.h"

namespace shell {

// Registers and deregisters operator accounts.
class AccountRegistrationWindow : public AccountWindow {
    Q_OBJECT
public:
    static inline const QString FormName = QStringLiteral("TZhuCheF");

    explicit AccountRegistrationWindow(db::Connection &connection, QWidget *parent = nullptr);

    void registerAccount();     // "注册"
    void deregisterAccount();   // "注销"

private:
    QLineEdit *m_password;
    QLineEdit *m_confirmation;
};

} // namespace shell
