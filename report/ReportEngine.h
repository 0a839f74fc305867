#pragma once

#include "report/DataSource.h"
#include "report/Document.h"
#include "report/ReportDefinition.h"
#include "report/Totals.h"

#include <QDate>
#include <QFont>
#include <QFontMetricsF>
#include <QHash>
#include <QList>

#include <unordered_map>

namespace report {

// Lays a declared printout out over a data set, page by page. A band goes to
// a new page, under the page header and column header again, when it does not
// fit above the page footer; a group header also moves when the first row of
// its group would not fit under it. A band taller than a whole page prints
// anyway and runs over.
class ReportEngine {
public:
    // printDate is what the print-date element shows.
    static Document layout(const ReportDefinition &definition, const DataSource &source,
                           const QDate &printDate = QDate::currentDate());

private:
    ReportEngine(const ReportDefinition &definition, const DataSource &source, const QDate &printDate);

    Document run();
    int changedGroupLevel(int row) const;
    void printGroupFooters(int fromLevel, int row);
    void printGroupHeadersAndDetail(int fromLevel, int row);
    void printBody(const std::optional<Band> &band, int row, int groupLevel);
    void placeBody(const std::optional<Band> &band, int row, int groupLevel);
    void makeRoom(qreal height, int row);
    void startPage(int firstRow);
    void placeHeader(const std::optional<Band> &band);
    void finishPage();
    qreal bodyBottom() const;
    int innermostLevel() const;
    void place(const Band &band, qreal top, int row, int groupLevel);
    QString textOf(const Element &element, int row, int groupLevel) const;
    const QFont &fontOf(const Element &element);
    QFont fittedFont(const Element &element, const QString &text, qreal width);

    const ReportDefinition &m_definition;
    const DataSource &m_source;
    QDate m_printDate;
    Totals m_totals;
    QHash<const Element *, QFont> m_fonts;
    std::unordered_map<const Element *, QFontMetricsF> m_metrics;
    QList<Page> m_pages;
    qreal m_y = 0;
    int m_pageFirstRow = -1;
    bool m_pageHasBody = false;
};

}
