#include "report/RuledTable.h"

namespace report {

RuledTable::RuledTable(const QList<Column> &columns)
    : m_columns(columns)
{
}

qreal RuledTable::width() const
{
    return left(int(m_columns.size()));
}

qreal RuledTable::left(int column) const
{
    qreal x = 0;
    for (int index = 0; index < column; ++index)
        x += m_columns.at(index).width;
    return x;
}

namespace {

const SpanningTitle *spanOf(const QList<SpanningTitle> &spans, int column)
{
    for (const SpanningTitle &span : spans) {
        if (column >= span.firstColumn && column < span.firstColumn + span.columnCount)
            return &span;
    }
    return nullptr;
}

// A rule between two columns of one span stands in the lower half only.
bool splitsSpan(const QList<SpanningTitle> &spans, int boundary)
{
    const SpanningTitle *span = spanOf(spans, boundary);
    return span && boundary > span->firstColumn;
}

Element headerTitle(const QRectF &box, const QString &title)
{
    return Element::label(box, title).aligned(Align::Center).clipped();
}

}

Band RuledTable::columnHeader(qreal height) const
{
    return columnHeader(height, {});
}

Band RuledTable::columnHeader(qreal height, const QList<SpanningTitle> &spans) const
{
    const qreal half = height / 2;
    Band band = ruledBand(height, spans);
    band.elements.append(Element::horizontalRule(0, 0, width()));
    for (const SpanningTitle &span : spans) {
        const qreal spanLeft = left(span.firstColumn);
        const qreal spanWidth = left(span.firstColumn + span.columnCount) - spanLeft;
        band.elements.append(headerTitle(QRectF(spanLeft, 0, spanWidth, half), span.title));
        band.elements.append(Element::horizontalRule(spanLeft, half, spanWidth));
    }
    for (int index = 0; index < m_columns.size(); ++index) {
        const Column &column = m_columns.at(index);
        const QRectF box = spanOf(spans, index) ? QRectF(left(index), half, column.width, half)
                                                : QRectF(left(index), 0, column.width, height);
        band.elements.append(headerTitle(box, column.title));
    }
    return band;
}

Band RuledTable::detail(qreal height) const
{
    Band band = ruledBand(height);
    for (int index = 0; index < m_columns.size(); ++index) {
        const Column &column = m_columns.at(index);
        band.elements.append(Element::field(QRectF(left(index), 0, column.width, height), column.field)
                                 .masked(column.mask)
                                 .aligned(column.align)
                                 .shrunkToFit()
                                 .clipped());
    }
    return band;
}

Band RuledTable::ruledBand(qreal height, const QList<SpanningTitle> &spans) const
{
    Band band{height, {}};
    for (int index = 0; index <= m_columns.size(); ++index) {
        const qreal top = splitsSpan(spans, index) ? height / 2 : 0;
        band.elements.append(Element::verticalRule(left(index), top, height - top));
    }
    band.elements.append(Element::horizontalRule(0, height, width()));
    return band;
}

}
