#pragma once

#include "shell/OperatorAccounts.h"

#include <QWidget>
#include <functional>

class QComboBox;
class QFormLayout;
class QHBoxLayout;
class QLineEdit;
class QPushButton;

namespace shell {

// The small fixed-size windows over the operator accounts: the account list,
// password fields and a row of flat buttons. Enter walks from the account
// list through the fields; Enter in the last field runs the window's command.
class AccountWindow : public QWidget {
    Q_OBJECT
public:
    AccountWindow(db::Connection &connection, const QString &windowClass, const QString &caption,
                  QWidget *parent = nullptr);

    QComboBox *accountList() const { return m_accounts; }
    QString account() const;
    // Fills the list with the accounts and selects the first one.
    void fillAccounts();

protected:
    OperatorAccounts &accounts() { return m_operatorAccounts; }
    QLineEdit *addPasswordField(const QString &label, const QString &name);
    QPushButton *addButton(const QString &name, const QString &caption, const std::function<void()> &command);
    // Enter in the last password field runs this.
    void setChainEnd(const std::function<void()> &command) { m_chainEnd = command; }
    // Call once every field and button is in place.
    void finish();

    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    OperatorAccounts m_operatorAccounts;
    QComboBox *m_accounts;
    QFormLayout *m_form;
    QHBoxLayout *m_buttons;
    QList<QWidget *> m_chain;
    std::function<void()> m_chainEnd;
    bool m_filled = false;
};

} // namespace shell
