#pragma once

#include "report/Band.h"
#include "report/Column.h"

#include <QList>

namespace report {

// The grid most printouts are: a column header of centred titles and a detail
// of one ruled line per row, columns side by side from the band's left edge
// with vertical rules between them. The bands are plain data, so a printout
// can add elements to them, such as a title spanning sub-columns.
class RuledTable {
public:
    explicit RuledTable(const QList<Column> &columns);

    qreal width() const;
    // Left edge of a column, or the table's right edge for columns.size().
    qreal left(int column) const;

    Band columnHeader(qreal height) const;
    Band detail(qreal height) const;

private:
    Band ruledBand(qreal height) const;

    QList<Column> m_columns;
};

}
