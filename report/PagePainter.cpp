#include "report/PagePainter.h"

#include <QPaintDevice>
#include <QPainter>
#include <QPen>

namespace report {

namespace {

constexpr qreal millimetresPerInch = 25.4;
int alignmentFlags(Align align)
{
    switch (align) {
    case Align::Center:
        return Qt::AlignHCenter;
    case Align::Right:
        return Qt::AlignRight;
    case Align::Left:
        break;
    }
    return Qt::AlignLeft;
}

}

PagePainter::PagePainter(QPainter &painter)
    : m_painter(painter),
      m_dotsPerMmX(painter.device()->logicalDpiX() / millimetresPerInch),
      m_dotsPerMmY(painter.device()->logicalDpiY() / millimetresPerInch)
{
}

void PagePainter::paint(const Page &page)
{
    for (const PlacedItem &item : page.items) {
        switch (item.kind) {
        case PlacedItem::Kind::Text:
            paintText(item);
            break;
        case PlacedItem::Kind::Line:
            paintLine(item);
            break;
        case PlacedItem::Kind::Frame:
            paintFrame(item);
            break;
        }
    }
}

void PagePainter::paintText(const PlacedItem &item)
{
    if (item.text.isEmpty())
        return;
    m_painter.setPen(Qt::black);
    m_painter.setFont(item.font);
    // A text kept within its box wraps onto a further line inside it rather
    // than lose its end at the rule.
    const int flags = alignmentFlags(item.align) | Qt::AlignVCenter
                      | (item.clip ? Qt::TextWrapAnywhere : Qt::TextDontClip);
    const QRectF box = item.rect.adjusted(TextPadding, 0, -TextPadding, 0);
    m_painter.drawText(toDevice(box), flags, item.text);
}

void PagePainter::paintLine(const PlacedItem &item)
{
    setStroke(item.lineWidth);
    m_painter.drawLine(toDevice(item.rect.topLeft()), toDevice(item.rect.bottomRight()));
}

void PagePainter::paintFrame(const PlacedItem &item)
{
    setStroke(item.lineWidth);
    m_painter.setBrush(Qt::NoBrush);
    m_painter.drawRect(toDevice(item.rect));
}

void PagePainter::setStroke(qreal lineWidth)
{
    // Square caps close the corners where a rule meets a rule.
    m_painter.setPen(QPen(Qt::black, lineWidth * m_dotsPerMmX, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
}

QPointF PagePainter::toDevice(const QPointF &millimetres) const
{
    return {millimetres.x() * m_dotsPerMmX, millimetres.y() * m_dotsPerMmY};
}

QRectF PagePainter::toDevice(const QRectF &millimetres) const
{
    return {toDevice(millimetres.topLeft()), toDevice(millimetres.bottomRight())};
}

}
