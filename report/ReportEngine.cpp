#include "report/ReportEngine.h"

#include "report/DisplayMask.h"
#include "report/PagePainter.h"

#include <QImage>

namespace report {

namespace {

// Rounding in sums of millimetre heights must not push a band that fits
// exactly onto the next page.
constexpr qreal fitTolerance = 1e-6;

QList<const Band *> bandsOf(const ReportDefinition &definition)
{
    QList<const Band *> bands;
    const auto collect = [&bands](const std::optional<Band> &band) {
        if (band)
            bands.append(&*band);
    };
    for (const auto *band : {&definition.title, &definition.pageHeader, &definition.columnHeader,
                             &definition.detail, &definition.summary, &definition.pageFooter})
        collect(*band);
    for (const Group &group : definition.groups) {
        collect(group.header);
        collect(group.footer);
    }
    return bands;
}

QStringList summedFields(const ReportDefinition &definition)
{
    QStringList fields;
    for (const Band *band : bandsOf(definition)) {
        for (const Element &element : band->elements) {
            if (element.kind == Element::Kind::Sum && !fields.contains(element.text))
                fields.append(element.text);
        }
    }
    return fields;
}

qreal heightOf(const std::optional<Band> &band)
{
    return band ? band->height : 0;
}

}

Document ReportEngine::layout(const ReportDefinition &definition, const DataSource &source,
                              const QDate &printDate)
{
    return ReportEngine(definition, source, printDate).run();
}

ReportEngine::ReportEngine(const ReportDefinition &definition, const DataSource &source,
                           const QDate &printDate)
    : m_definition(definition),
      m_source(source),
      m_printDate(printDate),
      m_totals(summedFields(definition), int(definition.groups.size()))
{
}

Document ReportEngine::run()
{
    const int rows = m_source.rowCount();
    startPage(rows > 0 ? 0 : -1);
    for (int row = 0; row < rows; ++row) {
        const int level = row == 0 ? 0 : changedGroupLevel(row);
        if (row > 0)
            printGroupFooters(level, row - 1);
        printGroupHeadersAndDetail(level, row);
    }
    if (rows > 0)
        printGroupFooters(0, rows - 1);
    printBody(m_definition.summary, rows - 1, innermostLevel());
    finishPage();
    return Document(m_definition.name, m_definition.paper, m_pages);
}

int ReportEngine::changedGroupLevel(int row) const
{
    const QList<Group> &groups = m_definition.groups;
    for (int level = 0; level < groups.size(); ++level) {
        const QString &field = groups.at(level).field;
        if (m_source.value(row, field) != m_source.value(row - 1, field))
            return level;
    }
    return int(groups.size());
}

void ReportEngine::printGroupFooters(int fromLevel, int row)
{
    for (int level = innermostLevel(); level >= fromLevel; --level)
        printBody(m_definition.groups.at(level).footer, row, level);
}

void ReportEngine::printGroupHeadersAndDetail(int fromLevel, int row)
{
    const QList<Group> &groups = m_definition.groups;
    qreal height = heightOf(m_definition.detail);
    for (int level = fromLevel; level < groups.size(); ++level)
        height += heightOf(groups.at(level).header);
    makeRoom(height, row);

    m_totals.restartGroups(fromLevel);
    for (int level = fromLevel; level < groups.size(); ++level)
        placeBody(groups.at(level).header, row, level);
    m_totals.add(m_source, row);
    placeBody(m_definition.detail, row, innermostLevel());
}

void ReportEngine::printBody(const std::optional<Band> &band, int row, int groupLevel)
{
    if (!band)
        return;
    makeRoom(band->height, row);
    placeBody(band, row, groupLevel);
}

void ReportEngine::placeBody(const std::optional<Band> &band, int row, int groupLevel)
{
    if (!band)
        return;
    place(*band, m_y, row, groupLevel);
    m_y += band->height;
    m_pageHasBody = true;
}

void ReportEngine::makeRoom(qreal height, int row)
{
    if (m_pageHasBody && m_y + height > bodyBottom() + fitTolerance) {
        finishPage();
        startPage(row);
    }
}

void ReportEngine::startPage(int firstRow)
{
    m_pages.append(Page());
    m_pageFirstRow = firstRow;
    m_y = m_definition.margins.top();
    m_pageHasBody = false;
    placeHeader(m_definition.pageHeader);
    if (m_pages.size() == 1)
        placeHeader(m_definition.title);
    placeHeader(m_definition.columnHeader);
}

void ReportEngine::placeHeader(const std::optional<Band> &band)
{
    if (!band)
        return;
    place(*band, m_y, m_pageFirstRow, innermostLevel());
    m_y += band->height;
}

void ReportEngine::finishPage()
{
    const std::optional<Band> &footer = m_definition.pageFooter;
    if (footer)
        place(*footer, bodyBottom(), m_pageFirstRow, innermostLevel());
}

qreal ReportEngine::bodyBottom() const
{
    return m_definition.paper.height - m_definition.margins.bottom() - heightOf(m_definition.pageFooter);
}

int ReportEngine::innermostLevel() const
{
    return int(m_definition.groups.size()) - 1;
}

void ReportEngine::place(const Band &band, qreal top, int row, int groupLevel)
{
    const QPointF origin(m_definition.margins.left(), top);
    QList<PlacedItem> &items = m_pages.last().items;
    for (const Element &element : band.elements) {
        const QRectF rect = element.rect.translated(origin);
        switch (element.kind) {
        case Element::Kind::HorizontalRule:
        case Element::Kind::VerticalRule:
            items.append(PlacedItem::line(rect, element.lineWidth));
            break;
        case Element::Kind::Frame:
            items.append(PlacedItem::frame(rect, element.lineWidth));
            break;
        default:
            if (element.border)
                items.append(PlacedItem::frame(rect, element.lineWidth));
            const QString text = textOf(element, row, groupLevel);
            items.append(PlacedItem::textItem(rect, text, element.shrink ? fittedFont(element, text, rect.width())
                                                                         : fontOf(element),
                                              element.align, element.clip));
            break;
        }
    }
}

QString ReportEngine::textOf(const Element &element, int row, int groupLevel) const
{
    switch (element.kind) {
    case Element::Kind::Field:
        return row < 0 ? QString() : DisplayMask(element.mask).format(m_source.value(row, element.text));
    case Element::Kind::PageNumber:
        return QString::number(m_pages.size());
    case Element::Kind::PrintDate:
        return DisplayMask().format(m_printDate);
    case Element::Kind::Sum: {
        const int level = element.sumScope == Element::SumScope::Group ? groupLevel : -1;
        return DisplayMask(element.mask).format(m_totals.sum(element.text, level));
    }
    default:
        return element.text;
    }
}

QFont ReportEngine::fittedFont(const Element &element, const QString &text, qreal width)
{
    const QFont &font = fontOf(element);
    if (text.isEmpty())
        return font;
    // Measured at ten dots to the millimetre; unhinted outlines scale exactly.
    static const QImage measure = [] {
        QImage image(1, 1, QImage::Format_Mono);
        image.setDotsPerMeterX(10000);
        image.setDotsPerMeterY(10000);
        return image;
    }();
    // Blanks that pad a fixed-width text show nothing and may be cut.
    QString shown = text;
    while (shown.endsWith(QLatin1Char(' ')))
        shown.chop(1);
    auto metrics = m_metrics.find(&element);
    if (metrics == m_metrics.end())
        metrics = m_metrics.emplace(&element, QFontMetricsF(font, &measure)).first;
    const qreal needed = metrics->second.horizontalAdvance(shown) / 10;
    const qreal room = width - 2 * PagePainter::TextPadding;
    if (needed <= room)
        return font;
    QFont smaller = font;
    smaller.setPointSizeF(font.pointSizeF() * qMax(room / needed, Element::MinimumShrink));
    return smaller;
}

const QFont &ReportEngine::fontOf(const Element &element)
{
    auto font = m_fonts.find(&element);
    if (font == m_fonts.end())
        font = m_fonts.insert(&element, element.font.withDefaultsFrom(m_definition.baseFont).toQFont());
    return *font;
}

}
