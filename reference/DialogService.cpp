#include "reference/DialogService.h"

#include <QApplication>

namespace reference {

namespace {

DialogService *installed = nullptr;

} // namespace

DialogService &DialogService::instance()
{
    static MessageBoxDialogs boxes;
    return installed ? *installed : boxes;
}

void DialogService::install(DialogService *service)
{
    installed = service;
}

bool DialogService::question(const QString &text)
{
    return instance().show({QStringLiteral("提示"), text, QMessageBox::Warning, true, false});
}

bool DialogService::informationQuestion(const QString &text)
{
    return instance().show({QStringLiteral("提示"), text, QMessageBox::Information, true, false});
}

bool DialogService::warning(const QString &text)
{
    return instance().show({QStringLiteral("警告"), text, QMessageBox::Warning, true, true});
}

void DialogService::message(const QString &text)
{
    instance().show({ProgramTitle, text, QMessageBox::NoIcon, false, false});
}

void DialogService::error(const QString &text)
{
    instance().show({ProgramTitle, text, QMessageBox::Critical, false, false});
}

bool MessageBoxDialogs::show(const Dialog &dialog)
{
    QMessageBox box(dialog.icon, dialog.caption, dialog.text, QMessageBox::NoButton, QApplication::activeWindow());
    if (!dialog.isQuestion) {
        box.setStandardButtons(QMessageBox::Ok);
        box.exec();
        return true;
    }
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
    box.setDefaultButton(dialog.noIsDefault ? QMessageBox::No : QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
}

} // namespace reference
