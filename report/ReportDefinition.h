#pragma once

#include "report/Band.h"
#include "report/FontSpec.h"
#include "report/Group.h"
#include "report/Paper.h"

#include <QList>
#include <QMarginsF>
#include <QString>

#include <optional>

namespace report {

// A printout declared as data. On each page the bands stand in this order:
// page header, title (first page only), column header, then group headers,
// details, group footers and the summary as the rows come, and the page
// footer at the bottom of the printable area.
//
// A field reads the row the band stands for: a detail its own row; a group
// header the group's first row and a group footer its last; the title, page
// header, column header and page footer the row with which the page begins;
// the summary the last row printed. With no rows, fields print nothing.
struct ReportDefinition {
    QString name; // window title of the preview, PDF title, suggested file name
    Paper paper = Paper::a4Portrait();
    QMarginsF margins{10, 10, 10, 10}; // mm
    FontSpec baseFont{QString(), 10};

    std::optional<Band> title;
    std::optional<Band> pageHeader;
    std::optional<Band> columnHeader;
    QList<Group> groups; // outermost first
    std::optional<Band> detail;
    std::optional<Band> summary;
    std::optional<Band> pageFooter;
};

}
