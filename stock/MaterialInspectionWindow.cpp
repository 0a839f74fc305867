#include "stock/MaterialInspectionWindow.h"

#include "reference/EntryPanel.h"
#include "reference/ModuleWindow.h"
#include "reference/CommandGuard.h"
#include "reference/DialogService.h"
#include "stock/ColourFabricAcceptanceSlip.h"
#include "stock/AuxiliaryAcceptanceSlip.h"

#include <QAbstractButton>
#include <QBoxLayout>
#include <QComboBox>
#include <QTabWidget>

namespace stock {

using reference::Area;
using reference::EntryField;
using reference::FieldKind;
using reference::DialogService;

namespace {

QVector<EntryField> receiptFields()
{
    return {
        {QStringLiteral("订购单号："), QStringLiteral("ComboBox1"), QStringLiteral("memo"), FieldKind::Choice},
        {QStringLiteral("厂商名称："), QStringLiteral("Edit18"), QStringLiteral("f_name")},
        {QStringLiteral("品        名："), QStringLiteral("ComboBox2"), QStringLiteral("pname"), FieldKind::Choice},
        EntryField{QStringLiteral("幅宽："), QStringLiteral("ComboBox9"), QStringLiteral("b1"), FieldKind::Choice}
            .leftByRowPick(),
        {QStringLiteral("规        格："), QStringLiteral("ComboBox4"), QStringLiteral("scale"), FieldKind::Choice},
        {QStringLiteral("颜        色："), QStringLiteral("ComboBox3"), QStringLiteral("color"), FieldKind::Choice},
        EntryField{QStringLiteral("单位："), QStringLiteral("ComboBox10"), QStringLiteral("b2"), FieldKind::Choice}
            .offering(reference::Units)
            .leftByRowPick(),
        {QStringLiteral("材料件数："), QStringLiteral("Edit22"), QStringLiteral("jianshu")},
        {QStringLiteral("验收数量："), QStringLiteral("Edit23"), QStringLiteral("yanshu")},
        {QStringLiteral("抽验比例："), QStringLiteral("Edit26"), QStringLiteral("chouscale")},
        {QStringLiteral("检验结果："), QStringLiteral("Edit27"), QStringLiteral("chouresult")},
        {QStringLiteral("送货日期："), QStringLiteral("DateTimePicker1"), QStringLiteral("date"), FieldKind::Date},
    };
}

struct PageNames {
    QString caption;
    QString stockQuestion;
    QString chooser;
    QString values;
    QString from;
    QString to;
    int firstButton;
};

const PageNames &namesOf(Family family)
{
    static const PageNames colour{QStringLiteral("有色材料"), QStringLiteral("确定加入到有色材料仓库中吗？"),
                                  QStringLiteral("ComboBox7"), QStringLiteral("ComboBox5"),
                                  QStringLiteral("DateTimePicker2"), QStringLiteral("DateTimePicker5"), 1};
    static const PageNames auxiliary{QStringLiteral("副料"), QStringLiteral("确定加入到副料仓库中吗？"),
                                     QStringLiteral("ComboBox8"), QStringLiteral("ComboBox6"),
                                     QStringLiteral("DateTimePicker3"), QStringLiteral("DateTimePicker4"), 9};
    return family == Family::ColourFabric ? colour : auxiliary;
}

QString buttonName(int number)
{
    return QStringLiteral("BitBtn%1").arg(number);
}

reference::ModuleDeclaration pageDeclaration(Family family)
{
    const PageNames &names = namesOf(family);
    const int b = names.firstButton;
    reference::ModuleDeclaration d;
    d.windowClass = MaterialInspectionWindow::FormName;
    d.caption = names.caption;
    d.table = tablesOf(family).inspection;
    d.fields = receiptFields();
    d.grid = {
        {QStringLiteral("memo"), 10},
        {QStringLiteral("f_name"), 12},
        {QStringLiteral("pname"), 14},
        {QStringLiteral("color"), 8},
        {QStringLiteral("scale"), 10},
        {QStringLiteral("jianshu"), 8},
        {QStringLiteral("yanshu"), 8},
        {QStringLiteral("chouscale"), 8},
        {QStringLiteral("chouresult"), 10},
        {QStringLiteral("date"), 10},
        {QStringLiteral("b1"), 6},
        {QStringLiteral("b2"), 5},
        {QStringLiteral("dingnumber"), 8},
    };
    d.commands.add = buttonName(b);
    d.commands.modify = buttonName(b + 2);
    d.commands.remove = buttonName(b + 3);
    d.commands.exit = buttonName(b + 4);
    d.commands.refresh = buttonName(b + 5);
    d.commands.search = buttonName(b + 6);
    d.hoverButtons = {buttonName(b), buttonName(b + 1), buttonName(b + 2), buttonName(b + 3),
                      buttonName(b + 4), buttonName(b + 5), buttonName(b + 6), buttonName(b + 7)};
    d.searchChooser = names.chooser;
    d.searchValues = names.values;
    d.search = {
        {QStringLiteral("厂商名称"), QStringLiteral("f_name")},
        {QStringLiteral("品名"), QStringLiteral("pname")},
        {QStringLiteral("颜色"), QStringLiteral("color")},
        {QStringLiteral("规格"), QStringLiteral("scale")},
        {QStringLiteral("送货日期"), QStringLiteral("date"), reference::SearchTest::RangeOnly},
    };
    d.dateRange = {QStringLiteral("date"), names.from, names.to};
    d.hoverResetAreas = {Area::Entry, Area::Commands, Area::Search, Area::Grid};
    d.refreshButton = reference::RefreshButton::AmongCommands;
    return d;
}

} // namespace

InspectionPage::InspectionPage(MaterialInspectionWindow &window, Family family)
    : ModuleWindow(window.connection(), pageDeclaration(family), window),
      m_family(family)
{
    const int b = namesOf(family).firstButton;
    button(declaration().commands.add)->setText(QStringLiteral("写入验收表"));
    m_stockButton = addButton(Area::Commands, buttonName(b + 1), QStringLiteral("写入仓库"), [this] { writeToStock(); });
    m_stockButton->setEnabled(false);
    // 写入仓库 stands beside 写入验收表.
    auto *row = qobject_cast<QBoxLayout *>(m_stockButton->parentWidget()->layout());
    row->removeWidget(m_stockButton);
    row->insertWidget(1, m_stockButton);
    addButton(Area::Search, buttonName(b + 7), QStringLiteral("打印"), [this] { print(); });
}

void InspectionPage::rowAdded(int row)
{
    ModuleWindow::rowAdded(row);
    m_inspected = inspectedReceipt(table().table(), table().row(row));
    m_stockButton->setEnabled(true);
}

void InspectionPage::writeToStock()
{
    if (!DialogService::question(namesOf(m_family).stockQuestion))
        return;
    const StockLedger::Outcome outcome = StockLedger(connection()).intake(m_family, m_inspected);
    DialogService::message(outcome == StockLedger::Outcome::NewRow ? QStringLiteral("添加资料成功!")
                                                                   : QStringLiteral("修改原有库存量成功!"));
    m_stockButton->setEnabled(false);
}

void InspectionPage::print()
{
    showPrintout([this]() -> QDialog * {
        if (m_family == Family::ColourFabric)
            return new ColourFabricAcceptanceSlip(table(), this);
        return new AuxiliaryAcceptanceSlip(table(), this);
    });
}

MaterialInspectionWindow::MaterialInspectionWindow(db::Connection &connection, QWidget *parent)
    : TabbedModuleWindow(connection, FormName, QStringLiteral("材料验收"), receiptFields(),
                         tablesOf(Family::ColourFabric).inspection, parent),
      m_lookups(connection),
      m_chain(new reference::ChainedLists(this))
{
    setEntryCaption(QStringLiteral("验收单填写："));
    addPage(new InspectionPage(*this, Family::ColourFabric), namesOf(Family::ColourFabric).caption);
    addPage(new InspectionPage(*this, Family::AuxiliaryMaterial), namesOf(Family::AuxiliaryMaterial).caption);
    chainLookups();
    // Room for all thirteen grid columns, 订购数量 typed into the last one.
    resize(size().expandedTo(QSize(1040, 640)));
}

InspectionPage *MaterialInspectionWindow::colourFabric() const
{
    return static_cast<InspectionPage *>(page(0));
}

InspectionPage *MaterialInspectionWindow::auxiliaryMaterial() const
{
    return static_cast<InspectionPage *>(page(1));
}

// The order numbers are offered, none chosen: what was received is picked
// from the order the user names.
void MaterialInspectionWindow::prepare()
{
    TabbedModuleWindow::prepare();
    m_chain->fillFirst();
}

QComboBox *MaterialInspectionWindow::combo(const QString &name) const
{
    return qobject_cast<QComboBox *>(entryPanel()->field(name));
}

// The order number offers its items; from there on the lists offer what any
// order holds for the item. Each refilled list shows nothing chosen.
void MaterialInspectionWindow::chainLookups()
{
    using reference::sortedForList;
    m_chain->link(combo(QStringLiteral("ComboBox1")), [this](const QStringList &) {
        return sortedForList(m_lookups.orderNumbers());
    });
    m_chain->link(combo(QStringLiteral("ComboBox2")), [this](const QStringList &c) {
        return sortedForList(m_lookups.itemsOf(c[0]));
    });
    m_chain->link(combo(QStringLiteral("ComboBox9")), [this](const QStringList &c) {
        return m_lookups.widthsOf(c[1]);
    });
    m_chain->link(combo(QStringLiteral("ComboBox4")), [this](const QStringList &c) {
        return sortedForList(m_lookups.specificationsOf(c[1], c[2]));
    });
    m_chain->link(combo(QStringLiteral("ComboBox3")), [this](const QStringList &c) {
        return sortedForList(m_lookups.coloursOf(c[1], c[2], c[3]));
    });
    m_chain->whenChosen(combo(QStringLiteral("ComboBox1")), [this](const QStringList &c) {
        entryPanel()->setText(QStringLiteral("Edit18"), m_lookups.supplierOf(c[0]));
    });
    // The unit stays as it stands until a colour is chosen.
    m_chain->whenChosen(combo(QStringLiteral("ComboBox3")), [this](const QStringList &c) {
        entryPanel()->setText(QStringLiteral("ComboBox10"), m_lookups.unitOf(c[1], c[2], c[3], c[4]));
    });
}

} // namespace stock
