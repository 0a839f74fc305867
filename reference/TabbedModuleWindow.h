#pragma once

#include "reference/ModuleDeclaration.h"

#include <QVector>
#include <QWidget>

class QTabWidget;

namespace db { class Connection; }

namespace reference {

class EntryPanel;
class ModuleWindow;

// A module window whose one entry panel serves several tab pages, each page
// a module window of its own table with its own commands, search row and grid
// (made with the page constructor of ModuleWindow). The window fills the
// panel's lists when it is first shown; each page's Exit closes it.
class TabbedModuleWindow : public QWidget {
    Q_OBJECT
public:
    // The fields are bound by name to the columns of fieldTable.
    TabbedModuleWindow(db::Connection &connection, const QString &windowClass, const QString &caption,
                       const QVector<EntryField> &fields, const QString &fieldTable, QWidget *parent = nullptr);

    db::Connection &connection() const { return m_connection; }
    EntryPanel *entryPanel() const { return m_entry; }
    QTabWidget *tabs() const { return m_tabs; }
    ModuleWindow *page(int index) const { return m_pages.value(index); }
    void addPage(ModuleWindow *page, const QString &caption);
    // Frames the entry panel in a group box "GroupBox1" of that title.
    void setEntryCaption(const QString &caption);

protected:
    // What the window does when it is shown the first time: fills its lists.
    virtual void prepare();

    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    db::Connection &m_connection;
    EntryPanel *m_entry;
    QTabWidget *m_tabs;
    QVector<ModuleWindow *> m_pages;
    bool m_prepared = false;
};

} // namespace reference
