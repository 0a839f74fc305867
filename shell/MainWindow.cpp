#include "shell/MainWindow.h"

#include "reference/FormName.h"
#include "reference/Letterhead.h"
#include "db/TextForms.h"
#include "reference/CommandGuard.h"
#include "shell/DesktopCalculator.h"
#include "reference/DialogService.h"
#include "shell/ModuleWindows.h"

#include <QAction>
#include <QApplication>
#include <QDate>
#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QLinearGradient>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QStatusBar>
#include <QStyle>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

namespace shell {

namespace {

// One item of the menu bar, in menu order. The path runs from the menu bar
// down; an item whose last caption is "-" is a separator. The item name
// ("N72") is its action's objectName.
struct MenuItem {
    QStringList path;
    const char *item = "";
    const char *shortcut = "";
    const char *window = "";    // the module window class the item opens
    bool keyOpens = true;       // false: the shortcut is shown but belongs to an earlier item
};

const QString System = QStringLiteral("系统管理  ");
const QString Basic = QStringLiteral("基本资料维护      ");
const QString Business = QStringLiteral("业务管理  ");
const QString Purchase = QStringLiteral("采购管理  ");
const QString Warehouse = QStringLiteral("仓库管理  ");
const QString Production = QStringLiteral("生产管理  ");
const QString Accounts = QStringLiteral("帐户管理");
const QString Separator = QStringLiteral("-");

QVector<MenuItem> menuItems()
{
    const QString operators = QStringLiteral("操作员管理");
    const QString quotations = QStringLiteral("报价管理");
    const QString purchasing = QStringLiteral("采购管理");
    const QString intake = QStringLiteral("进仓管理    ");
    const QString stock = QStringLiteral("库存管理    ");
    const QString issue = QStringLiteral("出仓管理    ");
    const QString producing = QStringLiteral("生产管理    ");
    return {
        {{System, operators, QStringLiteral("注册/注销操作员")}, "N72", "Ctrl+A", "TZhuCheF"},
        {{System, operators, QStringLiteral("密码修改")}, "N73", "Ctrl+B", "TXiuGaiF"},
        {{System, Separator}},
        {{System, QStringLiteral("退出系统")}, "N71"},
        {{Basic, QStringLiteral("部门资料")}, "N1", "Ctrl+D", "TSectionForm"},
        {{Basic, Separator}},
        {{Basic, QStringLiteral("物品类别")}, "N2", "Ctrl+E", "TTypeF"},
        {{Basic, QStringLiteral("物品颜色")}, "N3", "Ctrl+F", "TColorF"},
        {{Basic, Separator}},
        {{Basic, QStringLiteral("幅宽资料")}, "N4", "Ctrl+G", "TWidthF"},
        {{Basic, QStringLiteral("规格资料")}, "N5", "Ctrl+H", "TStandardF"},
        {{Basic, QStringLiteral("汇率资料")}, "N6", "Ctrl+I", "TExchangeF"},
        {{Basic, QStringLiteral("付款方式")}, "N7", "Ctrl+I", "TPaywayF", false},
        {{Business, QStringLiteral("客户资料")}, "N16", "Ctrl+J", "TCustomerF"},
        {{Business, Separator}},
        {{Business, quotations, QStringLiteral("报价单")}, "N19", "Ctrl+K", "TPriceF"},
        {{Business, quotations, QStringLiteral("报价明细表")}, "N20", "Ctrl+L", "TcpricedetailF"},
        {{Business, quotations, QStringLiteral("报价比价表")}, "N21", "Ctrl+M", "TPriceCompareF"},
        {{Business, QStringLiteral("客户订单管理")}, "N18", "", "TOrderF"},
        {{Business, Separator}},
        {{Business, QStringLiteral("开现场加工单")}, "N54", "Ctrl+N", "TXianChangJiaGongF"},
        {{Purchase, QStringLiteral("厂商资料")}, "N25", "Ctrl+O", "TFactoryF"},
        {{Purchase, Separator}},
        {{Purchase, purchasing, QStringLiteral("报价单")}, "N29", "Ctrl+P", "TFacpriceF"},
        {{Purchase, purchasing, QStringLiteral("报价明细表")}, "N30", "Ctrl+Q", "TcpricedetailF2"},
        {{Purchase, purchasing, QStringLiteral("报价比价表")}, "N31", "Ctrl+R", "TFpricecompareF"},
        {{Purchase, QStringLiteral("订购单管理")}, "N27", "", "TdinggoudanF"},
        {{Warehouse, intake, QStringLiteral("厂商送货")}, "N38", "", "TFsendF"},
        {{Warehouse, intake, QStringLiteral("材料检验")}, "N39", "", "TStuffCheckF"},
        {{Warehouse, Separator}},
        {{Warehouse, stock, QStringLiteral("胚布管理")}, "N43", "Ctrl+X", "TPeiBuF"},
        {{Warehouse, stock, Separator}},
        {{Warehouse, stock, QStringLiteral("库存月报表")}, "N46", "Ctrl+Alt+A", "TKuCunBanBiaoF"},
        {{Warehouse, stock, Separator}},
        {{Warehouse, stock, QStringLiteral("现有库存查询")}, "N47", "Ctrl+Alt+B", "TKuCunChaF"},
        {{Warehouse, stock, QStringLiteral("盘点资料表")}, "N48", "Ctrl+Alt+C", "TKuCunPanF"},
        {{Warehouse, Separator}},
        {{Warehouse, issue, QStringLiteral("领料单审核")}, "N52", "Ctrl+Alt+D", "TLinLiaoShenF"},
        {{Production, producing, QStringLiteral("客户材料验收")}, "N60", "Ctrl+Alt+E", "TStuffReportF"},
        {{Production, producing, Separator}},
        {{Production, producing, QStringLiteral("开领料单")}, "N62", "Ctrl+Alt+F", "TKaiLinLiaoF"},
        {{Production, producing, Separator}},
        {{Production, producing, QStringLiteral("现场加工日报表")}, "N65", "Ctrl+Alt+H", "TJiaGongRiBaoF"},
        {{Production, Separator}},
        {{Production, QStringLiteral("出货单   ")}, "N57", "", "TChuHuoF"},
        {{Production, Separator}},
        {{Production, QStringLiteral("退货管理    ")}, "N59", "", "TBackF"},
        {{Accounts, QStringLiteral("请款明细表")}, "N74", "Ctrl+Alt+L", "TQingKuanMingXiF"},
        {{Accounts, Separator}},
        {{Accounts, QStringLiteral("应收款明细表")}, "N76", "Ctrl+Alt+M", "TYingShouF"},
        {{Accounts, QStringLiteral("应付款明细表")}, "N77", "", "TYingFuF"},
    };
}

// The toolbar, left to right: each button runs a menu item's handler or a
// command of its own.
struct ToolItem {
    const char *caption;
    const char *hint;
    const char *command;        // the menu item it runs, or the button's own name
    QStyle::StandardPixmap picture;
    bool showsHint = true;
};

const QVector<ToolItem> &toolItems()
{
    static const QVector<ToolItem> items = {
        {"客户资料", "客户资料", "N16", QStyle::SP_DirHomeIcon},
        {"厂商资料", "厂商资料", "N25", QStyle::SP_DriveNetIcon},
        {"应收帐款", "应收帐款", "N76", QStyle::SP_FileDialogDetailedView, false},
        {"应付帐款", "請款查詢", "N77", QStyle::SP_FileDialogListView},
        {"訂單查詢", "訂單查詢", "N18", QStyle::SP_FileDialogContentsView},
        {"原料查詢", "原料查詢", "N46", QStyle::SP_DirOpenIcon},
        {"出貨查詢", "出貨查詢", "N57", QStyle::SP_ArrowRight},
        {"生產查詢", "生產查詢", "N65", QStyle::SP_BrowserReload},
        {"计算器", "计算器", "ToolButton3", QStyle::SP_ComputerIcon},
        {"退出系统", "退出系统", "ToolButton5", QStyle::SP_DialogCloseButton},
    };
    return items;
}

const int StripWidth = 304;

// The system's title written backwards, seven blanks and three ideographic blanks.
const QString StripText = QStringLiteral("统系理管材鞋合贴达丰盈       \u3000\u3000\u3000");

class HintSuppressor : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        return event->type() == QEvent::ToolTip || QObject::eventFilter(watched, event);
    }
};

} // namespace

MainWindow::MainWindow(const db::DatabaseUrl &url)
    : QMainWindow(nullptr, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint
                               | Qt::WindowCloseButtonHint | Qt::WindowContextHelpButtonHint),
      ADOConnection1(std::make_unique<db::Connection>(url))
{
    setObjectName(reference::instanceName(FormName));
    ADOConnection1->open();
    setWindowTitle(reference::ProgramTitle);
    setMinimumSize(812, 500);

    m_mdiArea = new QMdiArea;
    m_mdiArea->setObjectName(QStringLiteral("ClientArea"));
    QLinearGradient background(0, 0, 0, 900);
    background.setColorAt(0, QColor(226, 236, 248));
    background.setColorAt(1, QColor(170, 196, 228));
    m_mdiArea->setBackground(background);
    setCentralWidget(m_mdiArea);

    buildMenu();
    buildToolBar();
    buildTitleStrip();
    buildStatusBar();
}

MainWindow::~MainWindow()
{
    // Module windows hold data sets on the connection: they go first.
    delete m_mdiArea;
}

void MainWindow::buildMenu()
{
    menuBar()->setObjectName(QStringLiteral("MainMenu1"));
    QHash<QString, QMenu *> menus;
    auto menuFor = [&](const QStringList &path) {
        QMenu *parent = nullptr;
        QString key;
        for (const QString &caption : path) {
            key += caption + QLatin1Char('\n');
            QMenu *&menu = menus[key];
            if (!menu)
                menu = parent ? parent->addMenu(caption) : menuBar()->addMenu(caption);
            parent = menu;
        }
        return parent;
    };
    for (const MenuItem &entry : menuItems()) {
        QMenu *menu = menuFor(entry.path.mid(0, entry.path.size() - 1));
        if (entry.path.last() == Separator) {
            menu->addSeparator();
            continue;
        }
        const QString shortcut = QString::fromLatin1(entry.shortcut);
        // An item whose key belongs to an earlier item shows the key only.
        QAction *action = menu->addAction(entry.keyOpens || shortcut.isEmpty()
                                              ? entry.path.last()
                                              : entry.path.last() + QLatin1Char('\t') + shortcut);
        action->setObjectName(QString::fromLatin1(entry.item));
        if (entry.keyOpens && !shortcut.isEmpty()) {
            action->setShortcut(QKeySequence(shortcut));
            action->setShortcutContext(Qt::ApplicationShortcut);
        }
        const QString window = QString::fromLatin1(entry.window);
        action->setData(window);
        if (window.isEmpty())
            connect(action, &QAction::triggered, this, &MainWindow::exitProgram);
        else
            connect(action, &QAction::triggered, this, [this, window] { openModule(window); });
        m_commands.insert(action->objectName(), action);
    }
    m_windowMenu = menus.value(Accounts + QLatin1Char('\n'));
    connect(m_windowMenu, &QMenu::aboutToShow, this, &MainWindow::fillWindowList);
}

void MainWindow::buildToolBar()
{
    ToolBar1 = addToolBar(QStringLiteral("ToolBar1"));
    ToolBar1->setObjectName(QStringLiteral("ToolBar1"));
    ToolBar1->setMovable(false);
    ToolBar1->setIconSize(QSize(28, 28));
    ToolBar1->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    auto *suppressor = new HintSuppressor(this);
    bool first = true;
    for (const ToolItem &item : toolItems()) {
        if (!first)
            ToolBar1->addSeparator();
        first = false;
        const QString name = QString::fromLatin1(item.command);
        auto *action = new QAction(style()->standardIcon(item.picture), QString::fromUtf8(item.caption), ToolBar1);
        // A hint only as a tooltip: a status tip would cover the date panels
        // of the status bar with a temporary message.
        action->setToolTip(QString::fromUtf8(item.hint));
        if (name == QLatin1String("ToolButton3"))
            connect(action, &QAction::triggered, this, &MainWindow::startCalculator);
        else if (name == QLatin1String("ToolButton5"))
            connect(action, &QAction::triggered, this, &MainWindow::askAndExit);
        else {
            action->setData(m_commands.value(name)->data());
            connect(action, &QAction::triggered, m_commands.value(name), &QAction::trigger);
        }
        ToolBar1->addAction(action);
        QWidget *button = ToolBar1->widgetForAction(action);
        button->setObjectName(name.startsWith(QLatin1String("ToolButton")) ? name
                                                                            : QStringLiteral("ToolButton") + name);
        button->setFixedSize(55, 48);
        if (!item.showsHint)
            button->installEventFilter(suppressor);
        if (name.startsWith(QLatin1String("ToolButton")))
            m_commands.insert(name, action);
    }
}

void MainWindow::buildTitleStrip()
{
    ToolBar2 = addToolBar(QStringLiteral("ToolBar2"));
    ToolBar2->setObjectName(QStringLiteral("ToolBar2"));
    ToolBar2->setMovable(false);
    Panel1 = new QFrame;
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFixedSize(StripWidth, 43);
    Label1 = new QLabel(StripText, Panel1);
    Label1->setObjectName(QStringLiteral("Label1"));
    QFont font = Label1->font();
    font.setPixelSize(19);
    Label1->setFont(font);
    // A style sheet, not the palette: the toolbar's style draws its widgets'
    // text in its own colour and would turn a palette colour back to black.
    Label1->setStyleSheet(QStringLiteral("color: rgb(23, 34, 238);"));
    Label1->setAttribute(Qt::WA_TranslucentBackground);
    Label1->setGeometry(7, 10, 315, 24);
    ToolBar2->addWidget(Panel1);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(10);
    connect(Timer1, &QTimer::timeout, this, &MainWindow::moveTitleStrip);
    Timer1->start();
}

void MainWindow::buildStatusBar()
{
    QStatusBar *bar = statusBar();
    bar->setObjectName(QStringLiteral("StatusBar1"));
    bar->setStyleSheet(QStringLiteral("QStatusBar { background: silver; }"));
    const QStringList texts = {QStringLiteral("数据库：") + ADOConnection1->url().display(),
                               QStringLiteral("今天是：") + db::shortDate(QDate::currentDate()), reference::FirmTitle};
    const int widths[] = {250, 250, 200};
    for (int i = 0; i < texts.size(); ++i) {
        auto *panel = new QLabel(texts[i]);
        panel->setObjectName(QStringLiteral("StatusPanel%1").arg(i + 1));
        // The first panel's database path or server takes the room left over.
        if (i == 0)
            panel->setMinimumWidth(widths[i]);
        else
            panel->setFixedWidth(widths[i]);
        bar->addWidget(panel, i == 0 ? 1 : 0);
    }
}

void MainWindow::showOperator(const QString &account)
{
    findChild<QLabel *>(QStringLiteral("StatusPanel1"))
        ->setText(QStringLiteral("数据库：%1    操作员：%2").arg(ADOConnection1->url().display(), account));
}

void MainWindow::moveTitleStrip()
{
    if (m_stripPosition < StripWidth) {
        ++m_stripPosition;
        Label1->move(m_stripPosition, Label1->y());
    } else {
        m_stripPosition = -StripWidth;
    }
}

QAction *MainWindow::command(const QString &item) const
{
    return m_commands.value(item);
}

QWidget *MainWindow::openModule(const QString &windowClass)
{
    const auto factory = ModuleWindows::factories().constFind(windowClass);
    if (factory == ModuleWindows::factories().cend())
        return nullptr;
    QWidget *window = nullptr;
    reference::runCommand([&] { window = (*factory)(*ADOConnection1); });
    if (!window)
        return nullptr;
    window->setAttribute(Qt::WA_DeleteOnClose);
    QMdiSubWindow *frame = m_mdiArea->addSubWindow(window);
    frame->setAttribute(Qt::WA_DeleteOnClose);
    if (window->minimumSize() == window->maximumSize())
        frame->setWindowFlags(Qt::SubWindow | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    frame->setWindowTitle(window->windowTitle());
    frame->adjustSize();
    const QRect area = m_mdiArea->viewport()->rect();
    frame->move(qMax(0, (area.width() - frame->width()) / 2), qMax(0, (area.height() - frame->height()) / 2));
    m_latestWindows.insert(windowClass, window);
    frame->show();
    // Before it is first shown the frame of a tabbed window (材料验收,
    // 领料单审核) falls short of its size hint and squashes the rows of
    // fields: once shown, it takes at least the room they need.
    frame->resize(frame->size().expandedTo(frame->sizeHint()));
    m_mdiArea->setActiveSubWindow(frame);
    return window;
}

QWidget *MainWindow::latestWindow(const QString &windowClass) const
{
    return m_latestWindows.value(windowClass);
}

void MainWindow::fillWindowList()
{
    for (QAction *a : m_windowMenuItems)
        m_windowMenu->removeAction(a);
    qDeleteAll(m_windowMenuItems);
    m_windowMenuItems.clear();
    const QList<QMdiSubWindow *> windows = m_mdiArea->subWindowList();
    if (windows.isEmpty())
        return;
    m_windowMenuItems << m_windowMenu->addSeparator();
    for (QMdiSubWindow *w : windows) {
        QAction *a = m_windowMenu->addAction(w->windowTitle());
        a->setCheckable(true);
        a->setChecked(w == m_mdiArea->activeSubWindow());
        connect(a, &QAction::triggered, m_mdiArea, [this, w] { m_mdiArea->setActiveSubWindow(w); });
        m_windowMenuItems << a;
    }
}

void MainWindow::startCalculator()
{
    DesktopCalculator::start();
}

void MainWindow::askAndExit()
{
    if (reference::DialogService::informationQuestion(QStringLiteral("确定退出系统吗？")))
        Q_EMIT exitRequested();
}

void MainWindow::exitProgram()
{
    Q_EMIT exitRequested();
}

} // namespace shell
