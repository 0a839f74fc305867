#pragma once

#include "reference/ModuleWindow.h"

namespace reference {

// The supplier register: the suppliers other modules choose by their short
// name, with their contact data, and the supplier printout. Its grid stays
// empty until the table is opened by 刷新, 查询 or Add.
class SupplierRegisterWindow : public ModuleWindow {
    Q_OBJECT
public:
    static inline const QString FormName = QStringLiteral("TFactoryF");

    explicit SupplierRegisterWindow(db::Connection &connection, QWidget *parent = nullptr);

    // 打印资料: a new supplier printout of the rows the grid shows.
    void printRegister();

protected:
    void prepare() override;
    void rowAdded(int row) override;
};

} // namespace reference
