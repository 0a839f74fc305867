#include "shell/LoginWindow.h"

#include "reference/FormName.h"
#include "shell/ProgramPicture.h"

#include "db/AppError.h"
#include "db/DatabaseUrl.h"
#include "reference/CommandGuard.h"
#include "reference/DialogService.h"
#include "shell/OperatorAccounts.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>

namespace shell {

namespace {

const QColor SkyBlue(166, 202, 240);

template <class W>
W *named(W *widget, const char *name)
{
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

} // namespace

LoginWindow::LoginWindow(db::Connection &connection, QWidget *mainWindow)
    : QWidget(nullptr, Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::Window),
      m_connection(connection), m_mainWindow(mainWindow)
{
    setObjectName(reference::instanceName(FormName));
    setWindowTitle(QStringLiteral("系统登录"));
    setAutoFillBackground(true);
    QPalette sky = palette();
    sky.setColor(QPalette::Window, SkyBlue);
    setPalette(sky);

    Label3 = named(new QLabel(QStringLiteral("盈丰达管理系统")), "Label3");
    QFont title = Label3->font();
    title.setPointSize(20);
    title.setBold(true);
    Label3->setFont(title);
    Image1 = named(new QLabel, "Image1");
    Image1->setPixmap(programPicture(QSize(120, 150), QStringLiteral("盈\n丰\n达"), 30));
    Label1 = named(new QLabel(QStringLiteral("操作员帐号:")), "Label1");
    ComboBox1 = named(new QComboBox, "ComboBox1");
    ComboBox1->setEditable(true);
    ComboBox1->setInsertPolicy(QComboBox::NoInsert);
    Label2 = named(new QLabel(QStringLiteral("口      令:")), "Label2");
    Edit1 = named(new QLineEdit, "Edit1");
    m_confirmLabel = named(new QLabel(QStringLiteral("确认口令:")), "ConfirmLabel");
    m_confirmEdit = named(new QLineEdit, "ConfirmEdit");
    // Nobody behind the clerk reads the password: an asterisk per character,
    // as in every other password field.
    for (QLineEdit *password : {Edit1, m_confirmEdit}) {
        password->setEchoMode(QLineEdit::Password);
        password->setStyleSheet(QStringLiteral("QLineEdit { lineedit-password-character: 42; }"));
    }
    m_firstStartHint = named(new QLabel(QStringLiteral("还没有操作员帐号：请建立第一个帐号。")), "FirstStartHint");
    BitBtn1 = named(new QPushButton(QStringLiteral("登录")), "BitBtn1");
    BitBtn2 = named(new QPushButton(QStringLiteral("退出")), "BitBtn2");
    for (QPushButton *b : {BitBtn1, BitBtn2}) {
        b->setAutoDefault(true);
        b->setMinimumWidth(80);
    }

    auto *fields = new QGridLayout;
    fields->addWidget(Label3, 0, 0, 1, 2, Qt::AlignCenter);
    fields->addWidget(m_firstStartHint, 1, 0, 1, 2);
    fields->addWidget(Label1, 2, 0);
    fields->addWidget(ComboBox1, 2, 1);
    fields->addWidget(Label2, 3, 0);
    fields->addWidget(Edit1, 3, 1);
    fields->addWidget(m_confirmLabel, 4, 0);
    fields->addWidget(m_confirmEdit, 4, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(BitBtn1);
    buttons->addWidget(BitBtn2);
    fields->addLayout(buttons, 5, 0, 1, 2);
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(16, 16, 20, 16);
    layout->setSpacing(18);
    layout->addWidget(Image1, 0, Qt::AlignTop);
    layout->addLayout(fields);
    setFixedSize(sizeHint().expandedTo(QSize(440, 220)));
    showFirstAccountFields(false);

    Edit1->installEventFilter(this);
    m_confirmEdit->installEventFilter(this);
    connect(BitBtn1, &QPushButton::clicked, this, &LoginWindow::signIn);
    connect(BitBtn2, &QPushButton::clicked, this, &LoginWindow::exitProgram);
}

std::optional<QString> LoginWindow::askServerPassword(const db::DatabaseUrl &url, const QString &reason)
{
    QInputDialog prompt;
    prompt.setObjectName(QStringLiteral("ServerPasswordPrompt"));
    prompt.setWindowTitle(QStringLiteral("系统登录"));
    prompt.setWindowFlag(Qt::WindowStaysOnTopHint);
    prompt.setTextEchoMode(QLineEdit::Password);
    prompt.setLabelText(url.password.isEmpty()
                            ? QStringLiteral("数据库服务器 %1 要求口令：").arg(url.display())
                            : reason + QStringLiteral("\n请重新输入数据库口令："));
    if (prompt.exec() != QDialog::Accepted)
        return std::nullopt;
    return prompt.textValue();
}

void LoginWindow::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    fillAccounts();
}

void LoginWindow::closeEvent(QCloseEvent *event)
{
    event->accept();
    if (!m_accepted)
        Q_EMIT exitRequested();
}

bool LoginWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            // Enter only moves on: the check starts from the button.
            if (watched == Edit1 && m_firstStart)
                m_confirmEdit->setFocus();
            else
                BitBtn1->setFocus();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void LoginWindow::fillAccounts()
{
    try {
        const QStringList accounts = OperatorAccounts(m_connection).accounts();
        ComboBox1->clear();
        ComboBox1->addItems(accounts);
        ComboBox1->setCurrentIndex(accounts.isEmpty() ? -1 : 0);
        showFirstAccountFields(accounts.isEmpty());
    } catch (const AppError &) {
        reference::DialogService::message(QStringLiteral("请检查数据库连接是否正确！"));
    }
}

void LoginWindow::showFirstAccountFields(bool firstStart)
{
    m_firstStart = firstStart;
    m_firstStartHint->setVisible(firstStart);
    m_confirmLabel->setVisible(firstStart);
    m_confirmEdit->setVisible(firstStart);
    BitBtn1->setText(firstStart ? QStringLiteral("建立并登录") : QStringLiteral("登录"));
}

void LoginWindow::signIn()
{
    reference::runCommand([this] {
        if (m_firstStart)
            createFirstAccount();
        else
            checkPassword();
    });
}

void LoginWindow::checkPassword()
{
    if (!OperatorAccounts(m_connection).signIn(ComboBox1->currentText(), Edit1->text())) {
        reference::DialogService::message(QStringLiteral("口令不正确！"));
        Edit1->setFocus();
        return;
    }
    accept();
}

void LoginWindow::createFirstAccount()
{
    if (Edit1->text() != m_confirmEdit->text()) {
        reference::DialogService::message(QStringLiteral("密码和确认密码不相符！"));
        m_confirmEdit->setFocus();
        return;
    }
    OperatorAccounts accounts(m_connection);
    accounts.createFirst(ComboBox1->currentText(), Edit1->text());
    if (accounts.signIn(ComboBox1->currentText(), Edit1->text()))
        accept();
}

void LoginWindow::accept()
{
    m_accepted = true;
    hide();
    if (m_mainWindow)
        m_mainWindow->setEnabled(true);
    Q_EMIT signedIn(ComboBox1->currentText().trimmed());
}

void LoginWindow::exitProgram()
{
    Q_EMIT exitRequested();
}

} // namespace shell
