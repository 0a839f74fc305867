#pragma once

#include "report/Align.h"

#include <QString>

namespace report {

// One column of a ruled table: its title in the column header and the field
// its detail cells show. A title may hold a line break for two lines.
struct Column {
    QString title;
    QString field;
    qreal width = 0; // mm
    Align align = Align::Left;
    QString mask;
};

// A title over neighbouring columns of a ruled table: it stands in the upper
// half of the column header, ruled off from their own titles below it.
struct SpanningTitle {
    QString title;
    int firstColumn = 0;
    int columnCount = 0;
};

}
