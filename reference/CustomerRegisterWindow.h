#pragma once

#include "reference/ModuleWindow.h"

namespace reference {

// The customer register: the customers other modules choose by their short
// name, with their contact data and accountant, and the customer printout.
class CustomerRegisterWindow : public ModuleWindow {
    Q_OBJECT
public:
    static inline const QString FormName = QStringLiteral("TCustomerF");

    explicit CustomerRegisterWindow(db::Connection &connection, QWidget *parent = nullptr);

    // 打印资料: a new customer printout of the rows the grid shows.
    void printRegister();
};

} // namespace reference
