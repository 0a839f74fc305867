#pragma once

#include "shell/AccountWindow.h"

namespace shell {

// Changes an operator's password.
class PasswordChangeWindow : public AccountWindow {
    Q_OBJECT
public:
    static inline const QString FormName = QStringLiteral("TXiuGaiF");

    explicit PasswordChangeWindow(db::Connection &connection, QWidget *parent = nullptr);

    void changePassword();      // "修改"

private:
    QLineEdit *m_current;
    QLineEdit *m_password;
    QLineEdit *m_confirmation;
};

} // namespace shell
