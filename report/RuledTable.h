#pragma once

#include "report/Band.h"
#include "report/Column.h"

#include <QList>

namespace report {

// The grid most printouts are: a column header of centred titles and a detail
// of one ruled line per row, columns side by side from the band's left edge
// with vertical rules between them. A title may span neighbouring columns.
// The bands are plain data, so a printout can add elements to them.
class RuledTable {
public:
    explicit RuledTable(const QList<Column> &columns);

    qreal width() const;
    // Left edge of a column, or the table's right edge for columns.size().
    qreal left(int column) const;

    Band columnHeader(qreal height) const;
    // A column header whose spanning titles share the upper half with the
    // titles of the columns outside them, which take the full height.
    Band columnHeader(qreal height, const QList<SpanningTitle> &spans) const;
    Band detail(qreal height) const;

private:
    Band ruledBand(qreal height, const QList<SpanningTitle> &spans = {}) const;

    QList<Column> m_columns;
};

}
