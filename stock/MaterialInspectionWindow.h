#pragma once

#include "reference/ChainedLists.h"
#include "reference/ModuleWindow.h"
#include "reference/TabbedModuleWindow.h"
#include "stock/OrderLineLookups.h"
#include "stock/StockLedger.h"

class QComboBox;

namespace stock {

class InspectionPage;

// Material inspection: received material is inspected against a purchase
// order on the colour-fabric or the auxiliary-material tab, then, as a second
// step, its pieces and quantity are added to that family's stock.
class MaterialInspectionWindow : public reference::TabbedModuleWindow {
    Q_OBJECT
public:
    static inline const QString FormName = QStringLiteral("TStuffCheckF");

    explicit MaterialInspectionWindow(db::Connection &connection, QWidget *parent = nullptr);

    InspectionPage *colourFabric() const;
    InspectionPage *auxiliaryMaterial() const;

protected:
    void prepare() override;

private:
    void chainLookups();
    QComboBox *combo(const QString &name) const;

    OrderLineLookups m_lookups;
    reference::ChainedLists *m_chain;
};

// One tab of the inspection window: its inspection table with the common
// commands, 写入仓库 and the acceptance slip.
class InspectionPage : public reference::ModuleWindow {
    Q_OBJECT
public:
    InspectionPage(MaterialInspectionWindow &window, Family family);

    Family family() const { return m_family; }
    QAbstractButton *stockButton() const { return m_stockButton; }
    void writeToStock();
    void print();

protected:
    void rowAdded(int row) override;

private:
    Family m_family;
    QAbstractButton *m_stockButton;
    // What the last inspection row written on this tab holds: 写入仓库 takes
    // it into stock, whatever the entry panel shows by then.
    Receipt m_inspected;
};

} // namespace stock
