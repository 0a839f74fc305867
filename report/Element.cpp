#include "report/Element.h"

namespace report {

namespace {

Element make(Element::Kind kind, const QRectF &rect, const QString &text = {})
{
    Element element;
    element.kind = kind;
    element.rect = rect;
    element.text = text;
    return element;
}

template <typename Change>
Element changed(const Element &original, Change change)
{
    Element copy = original;
    change(copy);
    return copy;
}

}

Element Element::label(const QRectF &rect, const QString &text)
{
    return make(Kind::Label, rect, text);
}

Element Element::cell(const QRectF &rect, const QString &text)
{
    return label(rect, text).bordered();
}

Element Element::field(const QRectF &rect, const QString &name)
{
    return make(Kind::Field, rect, name);
}

Element Element::pageNumber(const QRectF &rect)
{
    return make(Kind::PageNumber, rect);
}

Element Element::printDate(const QRectF &rect)
{
    return make(Kind::PrintDate, rect);
}

Element Element::sum(const QRectF &rect, const QString &field, SumScope scope)
{
    return changed(make(Kind::Sum, rect, field), [scope](Element &e) { e.sumScope = scope; });
}

Element Element::horizontalRule(qreal x, qreal y, qreal length)
{
    return make(Kind::HorizontalRule, QRectF(x, y, length, 0));
}

Element Element::verticalRule(qreal x, qreal y, qreal length)
{
    return make(Kind::VerticalRule, QRectF(x, y, 0, length));
}

Element Element::frame(const QRectF &rect)
{
    return make(Kind::Frame, rect);
}

Element Element::inFamily(const QString &family) const
{
    return changed(*this, [&family](Element &e) { e.font.family = family; });
}

Element Element::sized(qreal pointSize) const
{
    return changed(*this, [pointSize](Element &e) { e.font.pointSize = pointSize; });
}

Element Element::bold() const
{
    return changed(*this, [](Element &e) { e.font.bold = true; });
}

Element Element::italic() const
{
    return changed(*this, [](Element &e) { e.font.italic = true; });
}

Element Element::underlined() const
{
    return changed(*this, [](Element &e) { e.font.underline = true; });
}

Element Element::aligned(Align alignment) const
{
    return changed(*this, [alignment](Element &e) { e.align = alignment; });
}

Element Element::masked(const QString &displayMask) const
{
    return changed(*this, [&displayMask](Element &e) { e.mask = displayMask; });
}

Element Element::clipped() const
{
    return changed(*this, [](Element &e) { e.clip = true; });
}

Element Element::shrunkToFit() const
{
    return changed(*this, [](Element &e) { e.shrink = true; });
}

Element Element::bordered() const
{
    return changed(*this, [](Element &e) { e.border = true; });
}

Element Element::thick(qreal millimetres) const
{
    return changed(*this, [millimetres](Element &e) { e.lineWidth = millimetres; });
}

}
