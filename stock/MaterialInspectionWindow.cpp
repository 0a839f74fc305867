#include "stock/MaterialInspectionWindow.h"

#include "reference/EntryPanel.h"
#include "reference/ModuleWindow.h"
#include "shell/CommandGuard.h"
#include "shell/DialogService.h"
#include "stock/ColourFabricAcceptanceSlip.h"
#include "stock/AuxiliaryAcceptanceSlip.h"

#include <QAbstractButton>
#include <QBoxLayout>
#include <QComboBox>
#include <QSignalBlocker>
#include <QTabWidget>

namespace stock {

using reference::Area;
using reference::EntryField;
using reference::FieldKind;
using shell::DialogService;

namespace {

QVector<EntryField> receiptFields()
{
    EntryField width{QStringLiteral("幅宽："), QStringLiteral("ComboBox9"), QStringLiteral("b1"), FieldKind::Choice};
    width.pickedByRow = false;
    EntryField unit{QStringLiteral("单位："), QStringLiteral("ComboBox10"), QStringLiteral("b2"), FieldKind::Choice};
    unit.fixedList = reference::Units;
    unit.pickedByRow = false;
    return {
        {QStringLiteral("订购单号："), QStringLiteral("ComboBox1"), QStringLiteral("memo"), FieldKind::Choice},
        {QStringLiteral("厂商名称："), QStringLiteral("Edit18"), QStringLiteral("f_name")},
        {QStringLiteral("品        名："), QStringLiteral("ComboBox2"), QStringLiteral("pname"), FieldKind::Choice},
        width,
        {QStringLiteral("规        格："), QStringLiteral("ComboBox4"), QStringLiteral("scale"), FieldKind::Choice},
        {QStringLiteral("颜        色："), QStringLiteral("ComboBox3"), QStringLiteral("color"), FieldKind::Choice},
        unit,
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

// The lists that the order number's lookups fill, one after the other.
const QStringList LookupChain{QStringLiteral("ComboBox1"), QStringLiteral("ComboBox2"), QStringLiteral("ComboBox9"),
                              QStringLiteral("ComboBox4"), QStringLiteral("ComboBox3")};

QString buttonName(int number)
{
    return QStringLiteral("BitBtn%1").arg(number);
}

reference::ModuleDeclaration pageDeclaration(Family family)
{
    const PageNames &names = namesOf(family);
    const int b = names.firstButton;
    reference::ModuleDeclaration d;
    d.windowClass = QStringLiteral("TStuffCheckF");
    d.caption = names.caption;
    d.table = tablesOf(family).inspection;
    d.fields = receiptFields();
    d.grid = {
        {QStringLiteral("memo"), QStringLiteral("订购单号"), 10},
        {QStringLiteral("f_name"), QStringLiteral("厂商名称"), 12},
        {QStringLiteral("pname"), QStringLiteral("品名"), 14},
        {QStringLiteral("color"), QStringLiteral("颜色"), 8},
        {QStringLiteral("scale"), QStringLiteral("规格"), 10},
        {QStringLiteral("jianshu"), QStringLiteral("材料件数"), 8},
        {QStringLiteral("yanshu"), QStringLiteral("验收数量"), 8},
        {QStringLiteral("chouscale"), QStringLiteral("抽验比例"), 8},
        {QStringLiteral("chouresult"), QStringLiteral("抽验结果"), 10},
        {QStringLiteral("date"), QStringLiteral("送货日期"), 10},
        {QStringLiteral("b1"), QStringLiteral("幅宽"), 6},
        {QStringLiteral("b2"), QStringLiteral("单位"), 5},
        {QStringLiteral("dingnumber"), QStringLiteral("订购数量"), 8},
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
        {QStringLiteral("送货日期"), QStringLiteral("date"), true},
    };
    d.dateRange = {QStringLiteral("date"), names.from, names.to};
    d.hoverResetAreas = {Area::Entry, Area::Commands, Area::Search, Area::Grid};
    d.refreshAmongCommands = true;
    return d;
}

} // namespace

StuffCheckPage::StuffCheckPage(MaterialInspectionWindow &window, Family family)
    : ModuleWindow(window.connection(), pageDeclaration(family), window.entryPanel()),
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

void StuffCheckPage::rowAdded(int row)
{
    m_inspected = inspectedReceipt(table().table(), table().row(row));
    m_stockButton->setEnabled(true);
}

void StuffCheckPage::writeToStock()
{
    if (!DialogService::question(namesOf(m_family).stockQuestion))
        return;
    const StockLedger::Outcome outcome = StockLedger(connection()).intake(m_family, m_inspected);
    DialogService::message(outcome == StockLedger::Outcome::NewRow ? QStringLiteral("添加资料成功!")
                                                                   : QStringLiteral("修改原有库存量成功!"));
    m_stockButton->setEnabled(false);
}

void StuffCheckPage::print()
{
    showPrintout([this]() -> QDialog * {
        if (m_family == Family::ColourFabric)
            return new ColourFabricAcceptanceSlip(table(), this);
        return new AuxiliaryAcceptanceSlip(table(), this);
    });
}

MaterialInspectionWindow::MaterialInspectionWindow(db::Connection &connection, QWidget *parent)
    : TabbedModuleWindow(connection, QStringLiteral("TStuffCheckF"), QStringLiteral("材料验收"), receiptFields(),
                         tablesOf(Family::ColourFabric).inspection, parent),
      m_lookups(connection)
{
    setEntryCaption(QStringLiteral("验收单填写："));
    addPage(new StuffCheckPage(*this, Family::ColourFabric), namesOf(Family::ColourFabric).caption);
    addPage(new StuffCheckPage(*this, Family::AuxiliaryMaterial), namesOf(Family::AuxiliaryMaterial).caption);
    wireLookups();
    // Room for all thirteen grid columns, 订购数量 typed into the last one.
    resize(size().expandedTo(QSize(1040, 640)));
}

StuffCheckPage *MaterialInspectionWindow::colourFabric() const
{
    return static_cast<StuffCheckPage *>(page(0));
}

StuffCheckPage *MaterialInspectionWindow::auxiliaryMaterial() const
{
    return static_cast<StuffCheckPage *>(page(1));
}

// The order numbers are offered, none chosen: what was received is picked
// from the order the user names.
void MaterialInspectionWindow::prepare()
{
    TabbedModuleWindow::prepare();
    refill(QStringLiteral("ComboBox1"), reference::sortedForList(m_lookups.orderNumbers()));
}

QComboBox *MaterialInspectionWindow::combo(const QString &name) const
{
    return qobject_cast<QComboBox *>(entryPanel()->field(name));
}

void MaterialInspectionWindow::wireLookups()
{
    const QVector<QPair<QString, void (MaterialInspectionWindow::*)()>> steps{
        {QStringLiteral("ComboBox1"), &MaterialInspectionWindow::ComboBox1Change},
        {QStringLiteral("ComboBox2"), &MaterialInspectionWindow::ComboBox2Change},
        {QStringLiteral("ComboBox9"), &MaterialInspectionWindow::ComboBox9Change},
        {QStringLiteral("ComboBox4"), &MaterialInspectionWindow::ComboBox4Change},
        {QStringLiteral("ComboBox3"), &MaterialInspectionWindow::ComboBox3Change},
    };
    for (const auto &[name, step] : steps)
        connect(combo(name), &QComboBox::currentTextChanged, this,
                [this, step = step] { shell::runCommand([this, step] { (this->*step)(); }); });
}

// The refilled list and every list after it in the chain are left empty, and
// quietly: only what the user picks runs the next lookup, and the unit stays
// as it stands until a colour is picked.
void MaterialInspectionWindow::refill(const QString &name, const QStringList &texts)
{
    for (qsizetype i = LookupChain.indexOf(name); i < LookupChain.size(); ++i) {
        QComboBox *list = combo(LookupChain[i]);
        const QSignalBlocker quiet(list);
        list->clear();
        if (LookupChain[i] == name)
            list->addItems(texts);
        list->setCurrentIndex(-1);
        list->setEditText(QString());
    }
}

void MaterialInspectionWindow::ComboBox1Change()
{
    const QString order = combo(QStringLiteral("ComboBox1"))->currentText();
    entryPanel()->setText(QStringLiteral("Edit18"), m_lookups.supplierOf(order));
    refill(QStringLiteral("ComboBox2"), reference::sortedForList(m_lookups.itemsOf(order)));
}

void MaterialInspectionWindow::ComboBox2Change()
{
    refill(QStringLiteral("ComboBox9"), m_lookups.widthsOf(entryPanel()->text(QStringLiteral("ComboBox2"))));
}

void MaterialInspectionWindow::ComboBox9Change()
{
    const reference::EntryPanel &p = *entryPanel();
    refill(QStringLiteral("ComboBox4"),
           reference::sortedForList(m_lookups.specificationsOf(p.text(QStringLiteral("ComboBox2")),
                                                               p.text(QStringLiteral("ComboBox9")))));
}

void MaterialInspectionWindow::ComboBox4Change()
{
    const reference::EntryPanel &p = *entryPanel();
    refill(QStringLiteral("ComboBox3"),
           reference::sortedForList(m_lookups.coloursOf(p.text(QStringLiteral("ComboBox2")),
                                                        p.text(QStringLiteral("ComboBox9")),
                                                        p.text(QStringLiteral("ComboBox4")))));
}

void MaterialInspectionWindow::ComboBox3Change()
{
    const reference::EntryPanel &p = *entryPanel();
    entryPanel()->setText(QStringLiteral("ComboBox10"),
                          m_lookups.unitOf(p.text(QStringLiteral("ComboBox2")), p.text(QStringLiteral("ComboBox9")),
                                           p.text(QStringLiteral("ComboBox4")), p.text(QStringLiteral("ComboBox3"))));
}

} // namespace stock
