#include "reference/CodeTableEditor.h"

namespace reference {

ModuleDeclaration codeTableDeclaration(const QString &windowClass, const QString &caption, const QString &table)
{
    ModuleDeclaration d;
    d.windowClass = windowClass;
    d.caption = caption;
    d.table = table;
    const CommandNames &c = d.commands;
    d.hoverButtons = {c.add, c.modify, c.remove, c.exit, c.refresh, c.search};
    d.hoverResetAreas = {Area::Entry, Area::Commands, Area::Search, Area::Grid};
    return d;
}

} // namespace reference
