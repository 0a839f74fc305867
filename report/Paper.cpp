#include "report/Paper.h"

#include <QPageSize>
#include <QSizeF>

#include <algorithm>

namespace report {

Paper Paper::a4Portrait()
{
    return {210, 297};
}

Paper Paper::a4Landscape()
{
    return {297, 210};
}

QPageLayout Paper::pageLayout() const
{
    // Printers know sheets by their portrait size and turn them for
    // landscape; an exact match keeps 210 × 150 from becoming A5.
    const QSizeF portrait(std::min(width, height), std::max(width, height));
    const QPageSize size(portrait, QPageSize::Millimeter, QString(), QPageSize::ExactMatch);
    const auto orientation = width > height ? QPageLayout::Landscape : QPageLayout::Portrait;
    return QPageLayout(size, orientation, QMarginsF(), QPageLayout::Millimeter);
}

}
