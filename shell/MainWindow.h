#pragma once

#include "db/Connection.h"

#include <QHash>
#include <QMainWindow>
#include <QPointer>
#include <memory>

class QAction;
class QFrame;
class QLabel;
class QMdiArea;
class QMenu;
class QTimer;
class QToolBar;

namespace shell {

// The frame the user works in: it owns the workstation's one database
// connection, the menu bar and toolbar that open the module windows as child
// windows, the moving title strip and the status bar. It reads and writes no
// table itself.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    static inline const QString FormName = QStringLiteral("TMainForm");

    // Opens the connection; raises an AppError naming the database when it cannot.
    explicit MainWindow(const db::DatabaseUrl &url);
    ~MainWindow() override;

    db::Connection &connection() { return *ADOConnection1; }
    QMdiArea *mdiArea() const { return m_mdiArea; }
    // The menu item or toolbar command by its item name ("N72"). The data
    // of a command that opens a module window is that window's form name.
    QAction *command(const QString &item) const;
    // Opens a new window of the module class as a child window; nullptr when
    // that window does not exist in this build.
    QWidget *openModule(const QString &windowClass);
    // The window the last opening of the class created.
    QWidget *latestWindow(const QString &windowClass) const;
    QLabel *titleLabel() const { return Label1; }
    // The status bar's first panel names the database and the signed-in operator.
    void showOperator(const QString &account);
    // One tick of the title strip: the label moves one pixel to the right.
    void moveTitleStrip();

Q_SIGNALS:
    // An exit command: the program ends.
    void exitRequested();

private:
    void buildMenu();
    void buildToolBar();
    void buildTitleStrip();
    void buildStatusBar();
    void fillWindowList();
    void startCalculator();
    void askAndExit();
    void exitProgram();

    std::unique_ptr<db::Connection> ADOConnection1;
    QMdiArea *m_mdiArea;
    QMenu *m_windowMenu = nullptr;
    QList<QAction *> m_windowMenuItems;
    QHash<QString, QAction *> m_commands;
    QHash<QString, QPointer<QWidget>> m_latestWindows;
    QToolBar *ToolBar1 = nullptr;
    QToolBar *ToolBar2 = nullptr;
    QFrame *Panel1 = nullptr;
    QLabel *Label1 = nullptr;
    QTimer *Timer1 = nullptr;
    int m_stripPosition = 0;
};

} // namespace shell
