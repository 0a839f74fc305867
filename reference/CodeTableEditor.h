#pragma once

#include "reference/ModuleWindow.h"

namespace reference {

// What the seven code-table editors share beyond the module window: the
// highlight over all six buttons, reset over every panel and the grid.
ModuleDeclaration codeTableDeclaration(const QString &windowClass, const QString &caption, const QString &table);

} // namespace reference
