#include "production/RequisitionApprovalWindow.h"

#include "db/Query.h"
#include "db/Schema.h"
#include "db/TextForms.h"
#include "production/RequisitionLists.h"
#include "production/StockIssue.h"
#include "reference/EntryPanel.h"
#include "reference/ModuleWindow.h"
#include "shell/CommandGuard.h"
#include "shell/DialogService.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QTabWidget>
#include <QTableView>

namespace production {

using reference::Area;
using reference::EntryField;
using reference::FieldKind;
using shell::DialogService;

namespace {

const QString ColourFabricClass = QStringLiteral("有色材料");
const QString AuxiliaryClass = QStringLiteral("幅料");

QVector<EntryField> entryFields()
{
    return {
        {QStringLiteral("领料单号："), QStringLiteral("Edit1"), QStringLiteral("id")},
        {QStringLiteral("领料部门："), QStringLiteral("ComboBox8"), QStringLiteral("secname"), FieldKind::Choice},
        {QStringLiteral("物料类别："), QStringLiteral("ComboBox11"), QStringLiteral("b1"), FieldKind::Choice, true, {},
         {ColourFabricClass, AuxiliaryClass}},
        {QStringLiteral("领料日期："), QStringLiteral("DateTimePicker2"), QStringLiteral("date"), FieldKind::Date},
        {QStringLiteral("客户名称："), QStringLiteral("ComboBox5"), QStringLiteral("cname"), FieldKind::Choice},
        {QStringLiteral("加工单号："), QStringLiteral("ComboBox10"), QStringLiteral("corder"), FieldKind::Choice},
        {QStringLiteral("品名："), QStringLiteral("ComboBox1"), QStringLiteral("pname"), FieldKind::Choice},
        {QStringLiteral("幅宽："), QStringLiteral("ComboBox4"), QStringLiteral("width"), FieldKind::Choice, true, {},
         {QStringLiteral("36''"), QStringLiteral("44''"), QStringLiteral("54''"), QStringLiteral("60''")}},
        {QStringLiteral("规格："), QStringLiteral("ComboBox3"), QStringLiteral("scale"), FieldKind::Choice},
        {QStringLiteral("颜色："), QStringLiteral("ComboBox7"), QStringLiteral("color"), FieldKind::Choice},
        {QStringLiteral("单位："), QStringLiteral("ComboBox2"), QStringLiteral("unit"), FieldKind::Choice, true, {},
         reference::Units},
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
    d.windowClass = QStringLiteral("TLinLiaoShenF");
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
        {QStringLiteral("领料日期"), QStringLiteral("date"), true},
    };
    d.dateRange = {QStringLiteral("date"), tab.search[3], tab.search[4]};
    // Each tab's button panel holds 确定, 修改, 删除, 刷新, 退出; the search bar only 查询.
    d.refreshAmongCommands = true;
    d.hoverButtons = tab.buttons + QStringList{tab.search[0]};
    d.hoverResetAreas = {Area::Entry, Area::Commands, Area::Search, Area::Grid};
    return d;
}

// One tab: the approved lines of one family. 确定 approves the line and
// issues stock from the tab's own stock table.
class IssuePage : public reference::ModuleWindow {
public:
    IssuePage(db::Connection &connection, const TabDeclaration &tab, reference::EntryPanel *entry)
        : ModuleWindow(connection, pageDeclaration(tab), entry), m_family(tab.family), m_question(tab.question)
    {
        grid()->setObjectName(tab.grid);
        QAbstractButton *approveButton = button(declaration().commands.add);
        approveButton->disconnect(this);
        approveButton->setEnabled(false);
        connect(approveButton, &QAbstractButton::clicked, this, [this] { shell::runCommand([this] { approve(); }); });
        button(declaration().commands.remove)->setEnabled(false);
    }

    void approve()
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
    addPage(new IssuePage(connection, tabs[0], entryPanel()), ColourFabricClass);
    addPage(new IssuePage(connection, tabs[1], entryPanel()), QStringLiteral("副料"));

    // 确定 of both tabs is enabled by the first text in 领料单号 and stays so.
    auto *number = qobject_cast<QLineEdit *>(entryPanel()->field(QStringLiteral("Edit1")));
    connect(number, &QLineEdit::textChanged, this, [this](const QString &text) {
        if (text.isEmpty())
            return;
        for (int i = 0; i < this->tabs()->count(); ++i)
            page(i)->button(page(i)->declaration().commands.add)->setEnabled(true);
    });
    combo(QStringLiteral("ComboBox11"))->setCurrentIndex(-1);
    whenUserChanges(QStringLiteral("ComboBox5"), &RequisitionApprovalWindow::ComboBox5Change);
    whenUserChanges(QStringLiteral("ComboBox11"), &RequisitionApprovalWindow::ComboBox11Change);
    whenUserChanges(QStringLiteral("ComboBox1"), &RequisitionApprovalWindow::ComboBox1Change);
    whenUserChanges(QStringLiteral("ComboBox4"), &RequisitionApprovalWindow::ComboBox4Change);
    whenUserChanges(QStringLiteral("ComboBox3"), &RequisitionApprovalWindow::ComboBox3Change);
    whenUserChanges(QStringLiteral("ComboBox7"), &RequisitionApprovalWindow::ComboBox7Change);
}

RequisitionApprovalWindow::~RequisitionApprovalWindow() = default;

QComboBox *RequisitionApprovalWindow::combo(const QString &control) const
{
    return qobject_cast<QComboBox *>(entryPanel()->field(control));
}

void RequisitionApprovalWindow::whenUserChanges(const QString &control, void (RequisitionApprovalWindow::*step)())
{
    // Only the user's changes count, by typing or by choice from the list; a
    // row pick fills the fields without refilling the lists.
    QComboBox *box = combo(control);
    auto run = [this, step] { shell::runCommand([this, step] { (this->*step)(); }); };
    connect(box->lineEdit(), &QLineEdit::textEdited, this, run);
    connect(box, &QComboBox::textActivated, this, run);
}

void RequisitionApprovalWindow::prepare()
{
    replaceList(QStringLiteral("ComboBox8"),
                db::Query::texts(connection(), QStringLiteral("select distinct section_name from section")), true);
    replaceList(QStringLiteral("ComboBox5"),
                db::Query::texts(connection(), QStringLiteral("select distinct c_id from indent")), false);
}

void RequisitionApprovalWindow::replaceList(const QString &control, const QStringList &texts, bool showFirst)
{
    QComboBox *box = combo(control);
    box->clear();
    box->addItems(texts);
    if (!showFirst)
        box->setCurrentIndex(-1);
}

const stock::FamilyTables *RequisitionApprovalWindow::chosenFamily() const
{
    const QString materialClass = entryPanel()->text(QStringLiteral("ComboBox11"));
    if (materialClass == ColourFabricClass)
        return &stock::tablesOf(stock::Family::ColourFabric);
    if (materialClass == AuxiliaryClass)
        return &stock::tablesOf(stock::Family::AuxiliaryMaterial);
    return nullptr;
}

void RequisitionApprovalWindow::ComboBox5Change()
{
    replaceList(QStringLiteral("ComboBox10"), m_lists->processingOrders(entryPanel()->text(QStringLiteral("ComboBox5"))),
                true);
}

void RequisitionApprovalWindow::ComboBox11Change()
{
    if (const stock::FamilyTables *family = chosenFamily())
        replaceList(QStringLiteral("ComboBox1"), m_lists->items(*family), false);
}

void RequisitionApprovalWindow::ComboBox1Change()
{
    if (const stock::FamilyTables *family = chosenFamily())
        replaceList(QStringLiteral("ComboBox4"), m_lists->widths(*family, entryPanel()->text(QStringLiteral("ComboBox1"))),
                    false);
}

void RequisitionApprovalWindow::ComboBox4Change()
{
    const reference::EntryPanel *e = entryPanel();
    if (const stock::FamilyTables *family = chosenFamily())
        replaceList(QStringLiteral("ComboBox3"),
                    m_lists->specifications(*family, e->text(QStringLiteral("ComboBox1")), e->text(QStringLiteral("ComboBox4"))),
                    false);
}

void RequisitionApprovalWindow::ComboBox3Change()
{
    const reference::EntryPanel *e = entryPanel();
    if (const stock::FamilyTables *family = chosenFamily())
        replaceList(QStringLiteral("ComboBox7"),
                    m_lists->colours(*family, e->text(QStringLiteral("ComboBox1")), e->text(QStringLiteral("ComboBox4")),
                                     e->text(QStringLiteral("ComboBox3"))),
                    false);
}

void RequisitionApprovalWindow::ComboBox7Change()
{
    const stock::FamilyTables *family = chosenFamily();
    if (!family)
        return;
    const reference::EntryPanel *e = entryPanel();
    const StockItem item{e->text(QStringLiteral("ComboBox1")), e->text(QStringLiteral("ComboBox4")),
                         e->text(QStringLiteral("ComboBox3")), e->text(QStringLiteral("ComboBox7"))};
    const std::optional<double> number = StockIssue(connection(), *family).onHand(item);
    const QString chosen = QStringLiteral("你选择的材料品名为：%1   幅宽为：%2   规格为：%3   颜色为：%4")
                               .arg(item.pname, item.width, item.scale, item.color);
    if (number && *number != 0)
        DialogService::message(chosen + QStringLiteral("  这种材料的库存为:   ") + db::plainNumber(*number));
    else
        DialogService::message(chosen + QStringLiteral("   这种材料的库存为: 0  "));
}

} // namespace production
