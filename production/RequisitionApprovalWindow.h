#pragma once

#include "reference/TabbedModuleWindow.h"

#include <memory>

class QComboBox;

namespace stock { struct FamilyTables; }

namespace production {

class RequisitionLists;

// Requisition approval: the warehouse records the approved lines of a printed
// requisition under its number, one tab per material family, and each line
// approved with 确定 leaves stock. The item is picked through lists chained
// from the material class; every change of the colour reports the stock.
class RequisitionApprovalWindow : public reference::TabbedModuleWindow {
    Q_OBJECT
public:
    static inline const QString FormName = QStringLiteral("TLinLiaoShenF");

    explicit RequisitionApprovalWindow(db::Connection &connection, QWidget *parent = nullptr);
    ~RequisitionApprovalWindow() override;

protected:
    void prepare() override;

private:
    QComboBox *combo(const QString &control) const;
    void whenUserChanges(const QString &control, void (RequisitionApprovalWindow::*step)());
    const stock::FamilyTables *chosenFamily() const;
    void replaceList(const QString &control, const QStringList &texts, bool showFirst);
    void fillProcessingOrders();
    void fillItemsOfClass();
    void fillWidths();
    void fillSpecifications();
    void fillColours();
    void reportStockOfChosenItem();

    std::unique_ptr<RequisitionLists> m_lists;
};

} // namespace production
