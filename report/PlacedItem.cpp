#include "report/PlacedItem.h"

namespace report {

namespace {

PlacedItem stroke(PlacedItem::Kind kind, const QRectF &rect, qreal lineWidth)
{
    PlacedItem item;
    item.kind = kind;
    item.rect = rect;
    item.lineWidth = lineWidth;
    return item;
}

}

PlacedItem PlacedItem::textItem(const QRectF &rect, const QString &text, const QFont &font,
                                Align align, bool clip)
{
    PlacedItem item;
    item.rect = rect;
    item.text = text;
    item.font = font;
    item.align = align;
    item.clip = clip;
    return item;
}

PlacedItem PlacedItem::line(const QRectF &rect, qreal lineWidth)
{
    return stroke(Kind::Line, rect, lineWidth);
}

PlacedItem PlacedItem::frame(const QRectF &rect, qreal lineWidth)
{
    return stroke(Kind::Frame, rect, lineWidth);
}

}
