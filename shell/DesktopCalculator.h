#pragma once

#include <QString>

namespace shell {

// The desktop's calculator, started for the toolbar's "计算器".
class DesktopCalculator {
public:
    // The first of the usual calculators found on PATH; empty when there is none.
    static QString find();
    // Starts it detached; nothing happens, and nothing is said, when there is none.
    static void start();
};

} // namespace shell
