#pragma once

#include <QPageLayout>

namespace report {

// Sheet size in millimetres as it lies before the reader: a sheet wider than
// high is printed landscape.
struct Paper {
    qreal width = 210;
    qreal height = 297;

    static Paper a4Portrait();
    static Paper a4Landscape();

    // The layout a printer or PDF writer needs, with no margins of its own:
    // everything on the page is placed from the sheet's corner.
    QPageLayout pageLayout() const;
};

}
