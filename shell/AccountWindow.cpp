#include "shell/AccountWindow.h"

#include "reference/FormName.h"
#include "reference/CommandGuard.h"

#include <QComboBox>
#include <QFormLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace shell {

AccountWindow::AccountWindow(db::Connection &connection, const QString &windowClass, const QString &caption,
                             QWidget *parent)
    : QWidget(parent),
      m_operatorAccounts(connection),
      m_accounts(new QComboBox),
      m_form(new QFormLayout),
      m_buttons(new QHBoxLayout)
{
    setObjectName(reference::instanceName(windowClass));
    setWindowTitle(caption);
    m_accounts->setObjectName(QStringLiteral("ComboBox1"));
    m_accounts->setEditable(true);
    m_accounts->setInsertPolicy(QComboBox::NoInsert);
    m_accounts->setMinimumWidth(180);
    m_form->setLabelAlignment(Qt::AlignRight);
    m_form->addRow(QStringLiteral("操作员帐号："), m_accounts);
    m_chain << m_accounts;
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 20, 24, 16);
    layout->setSpacing(16);
    layout->addLayout(m_form);
    layout->addLayout(m_buttons);
    m_buttons->addStretch();
}

QString AccountWindow::account() const
{
    return m_accounts->currentText();
}

void AccountWindow::fillAccounts()
{
    m_accounts->clear();
    m_accounts->addItems(m_operatorAccounts.accounts());
    m_accounts->setCurrentIndex(m_accounts->count() ? 0 : -1);
}

QLineEdit *AccountWindow::addPasswordField(const QString &label, const QString &name)
{
    auto *field = new QLineEdit;
    field->setObjectName(name);
    field->setEchoMode(QLineEdit::Password);
    // An asterisk per typed character, whatever mask the desktop style draws.
    field->setStyleSheet(QStringLiteral("QLineEdit { lineedit-password-character: 42; }"));
    m_form->addRow(label, field);
    m_chain << field;
    return field;
}

QPushButton *AccountWindow::addButton(const QString &name, const QString &caption, const std::function<void()> &command)
{
    auto *button = new QPushButton(caption);
    button->setObjectName(name);
    button->setFlat(true);
    button->setMinimumWidth(72);
    connect(button, &QPushButton::clicked, this, [command] { reference::runCommand(command); });
    m_buttons->addWidget(button);
    return button;
}

void AccountWindow::finish()
{
    m_buttons->addStretch();
    for (QWidget *w : m_chain)
        w->installEventFilter(this);
    m_accounts->lineEdit()->installEventFilter(this);
    setFixedSize(sizeHint().expandedTo(QSize(340, 0)));
}

void AccountWindow::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (!m_filled) {
        m_filled = true;
        reference::runCommand([this] { fillAccounts(); });
    }
}

bool AccountWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        const int at = watched == m_accounts->lineEdit() ? 0 : m_chain.indexOf(static_cast<QWidget *>(watched));
        if ((key == Qt::Key_Return || key == Qt::Key_Enter) && at >= 0) {
            if (at + 1 < m_chain.size())
                m_chain[at + 1]->setFocus();
            else if (m_chainEnd)
                reference::runCommand(m_chainEnd);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace shell
