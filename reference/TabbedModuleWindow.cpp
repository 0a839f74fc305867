#include "reference/TabbedModuleWindow.h"

#include "reference/FormName.h"
#include "db/Schema.h"
#include "reference/EntryPanel.h"
#include "reference/ModuleWindow.h"
#include "reference/CommandGuard.h"

#include <QCloseEvent>
#include <QTabWidget>
#include <QVBoxLayout>

namespace reference {

TabbedModuleWindow::TabbedModuleWindow(db::Connection &connection, const QString &windowClass,
                                       const QString &caption, const QVector<EntryField> &fields,
                                       const QString &fieldTable, QWidget *parent)
    : QWidget(parent),
      m_connection(connection),
      m_entry(new EntryPanel(fields, db::Schema::table(fieldTable))),
      m_tabs(new QTabWidget)
{
    setObjectName(instanceName(windowClass));
    setWindowTitle(caption);
    m_tabs->setObjectName(QStringLiteral("PageControl1"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(m_entry);
    layout->addWidget(m_tabs, 1);
    resize(sizeHint().expandedTo(QSize(900, 640)));
}

void TabbedModuleWindow::addPage(ModuleWindow *page, const QString &caption)
{
    page->setObjectName(QStringLiteral("TabSheet%1").arg(m_pages.size() + 1));
    m_pages.append(page);
    m_tabs->addTab(page, caption);
    resize(sizeHint().expandedTo(size()));
}

void TabbedModuleWindow::setEntryCaption(const QString &caption)
{
    auto *box = static_cast<QBoxLayout *>(layout());
    const int at = box->indexOf(m_entry);
    box->removeWidget(m_entry);
    box->insertWidget(at, framedPanel(m_entry, caption, QStringLiteral("GroupBox1")));
}

void TabbedModuleWindow::prepare()
{
    m_entry->fillLists(m_connection);
}

void TabbedModuleWindow::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (!m_prepared) {
        m_prepared = true;
        runCommand([this] { prepare(); });
    }
}

void TabbedModuleWindow::closeEvent(QCloseEvent *event)
{
    // Each page stores what was typed into its grid first; a page that cannot
    // keeps the window open.
    for (ModuleWindow *page : m_pages) {
        if (!page->close()) {
            event->ignore();
            return;
        }
    }
    event->accept();
}

} // namespace reference
