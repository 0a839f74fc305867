#include "production/RequisitionApprovalWindow.h"

#include "db/DistinctValues.h"
#include "db/Schema.h"
#include "db/TextForms.h"
#include "production/RequisitionLists.h"
#include "production/StockIssue.h"
#include "reference/ChainedLists.h"
#include "reference/EntryPanel.h"
#include "reference/ModuleWindow.h"
#include "reference/CommandGuard.h"
#include "reference/DialogService.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QTabWidget>
#include <QTableView>

namespace production {

using reference::Area;
using reference::EntryField;
using reference::FieldKind;
using reference::DialogService;

namespace {

const QString ColourFabricClass = QStringLiteral("有色材料");
const QString AuxiliaryClass = QStringLiteral("幅料");

QVector<EntryField> entryFields()
{
    return {
        {QStringLiteral("领料单号："), QStringLiteral("Edit1"), QStringLiteral("id")},
        {QStringLiteral("领料部门："), QStringLiteral("ComboBox8"), QStringLiteral("secname"), FieldKind::Choice},
        EntryField{QStringLiteral("物料类别："), QStringLiteral("ComboBox11"), QStringLiteral("b1"), FieldKind::Choice}
            .offering({ColourFabricClass, AuxiliaryClass}),
        {QStringLiteral("领料日期："), QStringLiteral("DateTimePicker2"), QStringLiteral("date"), FieldKind::Date},
        {QStringLiteral("客户名称："), QStringLiteral("ComboBox5"), QStringLiteral("cname"), FieldKind::Choice},
        {QStringLiteral("加工单号："), QStringLiteral("ComboBox10"), QStringLiteral("corder"), FieldKind::Choice},
        {QStringLiteral("品名："), QStringLiteral("ComboBox1"), QStringLiteral("pname"), FieldKind::Choice},
        EntryField{QStringLiteral("幅宽："), QStringLiteral("ComboBox4"), QStringLiteral("width"), FieldKind::Choice}
            .offering({QStringLiteral("36''"), QStringLiteral("44''"), QStringLiteral("54''"), QStringLiteral("60''")}),
        {QStringLiteral("规格："), QStringLiteral("ComboBox3"), QStringLiteral("scale"), FieldKind::Choice},
        {QStringLiteral("颜色："), QStringLiteral("ComboBox7"), QStringLiteral("color"), FieldKind::Choice},
        EntryField{QStringLiteral("单位："), QStringLiteral("ComboBox2"), QStringLiteral("unit"), FieldKind::Choice}
            .offering(reference::Units),
        {QStringLiteral("请领数量："), QStringLiteral("Edit2"), QStringLiteral("qingnumber")},
        {QStringLiteral("实发数量："), QStringLiteral("Edit3"), QStringLiteral("shinumber")},
        {QStringLiteral("机长："), QStringLiteral("Edit4"), QStringLiteral("cap")},
        {QStringLiteral("备注："), QStringLiteral("Edit6"), QStringLiteral("memo")},
    };
}

// What differs between the two tabs: tables, control names and the question of 确定.
struct TabDeclaration {
    const stock::FamilyTables &family;
    QStringList buttons;        // 确定, 修改, 删除, 刷新, 退出
    QStringList search;         // 查询, method, value, 从, 到
    QString grid;
    QString question;
};

reference::ModuleDeclaration pageDeclaration(const TabDeclaration &tab)
{
    reference::ModuleDeclaration d;
    d.windowClass = RequisitionApprovalWindow::FormName;
    d.table = tab.family.issues;
    for (const db::Column &c : db::Schema::table(tab.family.issues).columns)
        d.grid.append({c.name, c.name == QLatin1String("id") ? 10 : 12});
    d.commands.add = tab.buttons[0];
    d.commands.modify = tab.buttons[1];
    d.commands.remove = tab.buttons[2];
    d.commands.refresh = tab.buttons[3];
    d.commands.exit = tab.buttons[4];
    d.commands.search = tab.search[0];
    d.searchChooser = tab.search[1];
    d.searchValues = tab.search[2];
    d.search = {
        {QStringLiteral("品名"), QStringLiteral("pname")},
        {QStringLiteral("规格"), QStringLiteral("scale")},
        {QStringLiteral("幅宽"), QStringLiteral("width")},
        {QStringLiteral("领料日期"), QStringLiteral("date"), reference::SearchTest::RangeOnly},
    };
    d.dateRange = {QStringLiteral("date"), tab.search[3], tab.search[4]};
    // Each tab's button panel holds 确定, 修改, 删除, 刷新, 退出; the search bar only 查询.
    d.refreshButton = reference::RefreshButton::AmongCommands;
    d.hoverButtons = tab.buttons + QStringList{tab.search[0]};
    d.hoverResetAreas = {Area::Entry, Area::Commands, Area::Search, Area::Grid};
    return d;
}

const stock::FamilyTables *familyOf(const QString &materialClass)
{
    if (materialClass == ColourFabricClass)
        return &stock::tablesOf(stock::Family::ColourFabric);
    if (materialClass == AuxiliaryClass)
        return &stock::tablesOf(stock::Family::AuxiliaryMaterial);
    return nullptr;
}

// One tab: the approved lines of one family. 确定 approves the line and
// issues stock from the tab's own stock table.
class IssuePage : public reference::ModuleWindow {
public:
    IssuePage(reference::TabbedModuleWindow &window, const TabDeclaration &tab)
        : ModuleWindow(window.connection(), pageDeclaration(tab), window), m_family(tab.family), m_question(tab.question)
    {
        grid()->setObjectName(tab.grid);
        button(declaration().commands.add)->setEnabled(false);
        button(declaration().commands.remove)->setEnabled(false);
    }

    // 确定 approves the line: it is stored and its issued quantity leaves stock.
    void addRow() override
    {
        if (entryPanel()->text(QStringLiteral("Edit1")).isEmpty()) {
            DialogService::message(QStringLiteral("领料单号不能为空!"));
            return;
        }
        if (!DialogService::question(m_question))
            return;
        if (model().pendingRow() >= 0)
            model().post();
        StockIssue issue(connection(), m_family);
        int row = -1;
        try {
            row = issue.approve(table(), entryPanel()->valuesInto(QVector<QVariant>(table().table().columns.size())));
        } catch (...) {
            model().reload();
            throw;
        }
        model().reload();
        setCurrentRow(row);
        DialogService::message(QStringLiteral("修改原有库存量成功!"));
    }

protected:
    void rowPicked(int row) override
    {
        const QString id = db::displayText(table().value(row, QStringLiteral("id")));
        button(declaration().commands.remove)->setEnabled(!id.trimmed().isEmpty());
    }

private:
    const stock::FamilyTables &m_family;
    QString m_question;
};

} // namespace

RequisitionApprovalWindow::RequisitionApprovalWindow(db::Connection &connection, QWidget *parent)
    : TabbedModuleWindow(connection, QStringLiteral("TLinLiaoShenF"), QStringLiteral("领料单审核"), entryFields(),
                         QStringLiteral("linliaoshen"), parent),
      m_lists(std::make_unique<RequisitionLists>(connection))
{
    setEntryCaption(QStringLiteral("领料单信息："));
    const TabDeclaration tabs[] = {
        {stock::tablesOf(stock::Family::ColourFabric),
         {"SpeedButton4", "SpeedButton5", "SpeedButton6", "SpeedButton2", "SpeedButton7"},
         {"SpeedButton1", "ComboBox9", "ComboBox6", "DateTimePicker3", "DateTimePicker4"},
         QStringLiteral("DBGrid1"),
         QStringLiteral("确定加入到下面表格中吗？且系统将会从有色材料中减去此次出库数量!!")},
        {stock::tablesOf(stock::Family::AuxiliaryMaterial),
         {"SpeedButton8", "SpeedButton9", "SpeedButton10", "SpeedButton12", "SpeedButton11"},
         {"SpeedButton3", "ComboBox13", "ComboBox12", "DateTimePicker1", "DateTimePicker5"},
         QStringLiteral("DBGrid2"),
         QStringLiteral("确定加入到下面表格中吗？且系统将会从副料中减去此次出库数量!!")},
    };
    addPage(new IssuePage(*this, tabs[0]), ColourFabricClass);
    addPage(new IssuePage(*this, tabs[1]), QStringLiteral("副料"));

    // 确定 of both tabs is enabled by the first text in 领料单号 and stays so.
    auto *number = qobject_cast<QLineEdit *>(entryPanel()->field(QStringLiteral("Edit1")));
    connect(number, &QLineEdit::textChanged, this, [this](const QString &text) {
        if (text.isEmpty())
            return;
        for (int i = 0; i < this->tabs()->count(); ++i)
            page(i)->button(page(i)->declaration().commands.add)->setEnabled(true);
    });
    combo(QStringLiteral("ComboBox11"))->setCurrentIndex(-1);
    chainLists();
}

RequisitionApprovalWindow::~RequisitionApprovalWindow() = default;

QComboBox *RequisitionApprovalWindow::combo(const QString &control) const
{
    return qobject_cast<QComboBox *>(entryPanel()->field(control));
}

// The lists take the fields' texts as they stand, untrimmed. A material class
// other than the two offers no items, and so empties the lists after it.
void RequisitionApprovalWindow::chainLists()
{
    auto *customers = new reference::ChainedLists(this);
    customers->link(combo(QStringLiteral("ComboBox5")), [this](const QStringList &) { return m_lists->customers(); });
    customers->link(combo(QStringLiteral("ComboBox10")),
                    [this](const QStringList &c) { return m_lists->processingOrders(c[0]); },
                    reference::ChainedLists::Shown::FirstEntry);
    m_customers = customers;

    auto *item = new reference::ChainedLists(this);
    item->link(combo(QStringLiteral("ComboBox11")), nullptr);
    item->link(combo(QStringLiteral("ComboBox1")), [this](const QStringList &c) {
        const stock::FamilyTables *family = familyOf(c[0]);
        return family ? m_lists->items(*family) : QStringList();
    });
    item->link(combo(QStringLiteral("ComboBox4")), [this](const QStringList &c) {
        const stock::FamilyTables *family = familyOf(c[0]);
        return family ? m_lists->widths(*family, c[1]) : QStringList();
    });
    item->link(combo(QStringLiteral("ComboBox3")), [this](const QStringList &c) {
        const stock::FamilyTables *family = familyOf(c[0]);
        return family ? m_lists->specifications(*family, c[1], c[2]) : QStringList();
    });
    item->link(combo(QStringLiteral("ComboBox7")), [this](const QStringList &c) {
        const stock::FamilyTables *family = familyOf(c[0]);
        return family ? m_lists->colours(*family, c[1], c[2], c[3]) : QStringList();
    });
    item->whenChosen(combo(QStringLiteral("ComboBox7")),
                     [this](const QStringList &c) { reportStockOfChosenItem(c); });
}

void RequisitionApprovalWindow::prepare()
{
    QComboBox *departments = combo(QStringLiteral("ComboBox8"));
    departments->clear();
    departments->addItems(db::distinctValues(connection(), QStringLiteral("section"), QStringLiteral("section_name")));
    m_customers->fillFirst();
}

// Every change of the colour reports the stock, each keystroke included.
void RequisitionApprovalWindow::reportStockOfChosenItem(const QStringList &choices)
{
    const stock::FamilyTables *family = familyOf(choices[0]);
    if (!family)
        return;
    const StockItem item{choices[1], choices[2], choices[3], choices[4]};
    const std::optional<double> number = StockIssue(connection(), *family).onHand(item);
    const QString chosen = QStringLiteral("你选择的材料品名为：%1   幅宽为：%2   规格为：%3   颜色为：%4")
                               .arg(item.pname, item.width, item.scale, item.color);
    if (number && *number != 0)
        DialogService::message(chosen + QStringLiteral("  这种材料的库存为:   ") + db::plainNumber(*number));
    else
        DialogService::message(chosen + QStringLiteral("   这种材料的库存为: 0  "));
}

} // namespace production
