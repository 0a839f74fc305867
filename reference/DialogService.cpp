#include "reference/DialogService.h"

#include <QApplication>
#include <QGridLayout>
#include <QSpacerItem>

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

std::unique_ptr<QMessageBox> MessageBoxDialogs::build(const Dialog &dialog)
{
    auto box = std::make_unique<QMessageBox>(dialog.icon, dialog.caption, dialog.text, QMessageBox::NoButton,
                                             QApplication::activeWindow());
    box->setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    if (dialog.isQuestion) {
        box->setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box->setDefaultButton(dialog.noIsDefault ? QMessageBox::No : QMessageBox::Yes);
    } else {
        box->setStandardButtons(QMessageBox::Ok);
    }
    // A short text makes a narrow box, whose title bar would cut the caption:
    // the title's width with room for the icon and the close button beside it.
    const int titleWidth = box->fontMetrics().horizontalAdvance(dialog.caption) + 3 * box->fontMetrics().height() + 48;
    if (auto *grid = qobject_cast<QGridLayout *>(box->layout()))
        grid->addItem(new QSpacerItem(titleWidth, 0, QSizePolicy::Minimum, QSizePolicy::Fixed), grid->rowCount(), 0, 1,
                      grid->columnCount());
    return box;
}

bool MessageBoxDialogs::show(const Dialog &dialog)
{
    const std::unique_ptr<QMessageBox> box = build(dialog);
    return box->exec() == QMessageBox::Yes;
}

} // namespace reference
