#pragma once

#include <QWidget>
#include <optional>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace db {
class Connection;
struct DatabaseUrl;
}

namespace shell {

// The sign-in window shown over the disabled main window. A correct password
// hides it and releases the main window. On a new installation, where no
// operator account exists yet, it lets the user create the first one.
class LoginWindow : public QWidget {
    Q_OBJECT
public:
    static inline const QString FormName = QStringLiteral("TLoginForm");

    LoginWindow(db::Connection &connection, QWidget *mainWindow);

    // The database server's password, asked for when the server wants one
    // that the URL and the client's own sources did not give; the reason is
    // the refusal of a password typed before. Nothing when the user gives up.
    static std::optional<QString> askServerPassword(const db::DatabaseUrl &url, const QString &reason);

Q_SIGNALS:
    void signedIn(const QString &account);
    // "退出", or closing this window before signing in: the program ends.
    void exitRequested();

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void fillAccounts();
    void signIn();
    void exitProgram();
    void checkPassword();
    void createFirstAccount();
    void showFirstAccountFields(bool firstStart);
    void accept();

    db::Connection &m_connection;
    QWidget *m_mainWindow;
    bool m_firstStart = false;
    bool m_accepted = false;
    QLabel *Label3;
    QLabel *Image1;
    QLabel *Label1;
    QComboBox *ComboBox1;
    QLabel *Label2;
    QLineEdit *Edit1;
    QLabel *m_confirmLabel;
    QLineEdit *m_confirmEdit;
    QLabel *m_firstStartHint;
    QPushButton *BitBtn1;
    QPushButton *BitBtn2;
};

} // namespace shell
