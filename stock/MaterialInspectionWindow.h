#pragma once

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
    // The entry panel's contents as a receipt to take into stock.
    Receipt receipt() const;

protected:
    void prepare() override;

private:
    void wireLookups();
    QComboBox *combo(const QString &name) const;
    void refill(const QString &name, const QStringList &texts);
    // The chosen order fills its supplier and items; each later choice fills
    // the next list, and the chosen colour the unit.
    void takeOrder();
    void fillWidths();
    void fillSpecifications();
    void fillColours();
    void takeUnit();

    OrderLineLookups m_lookups;
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
    MaterialInspectionWindow &m_window;
    Family m_family;
    QAbstractButton *m_stockButton;
};

} // namespace stock
