#pragma once

#include "report/Page.h"

#include <QPointF>
#include <QRectF>

class QPainter;

namespace report {

// Paints laid-out pages on an active painter whose origin is the sheet's
// top-left corner, turning millimetres into the device's own units.
class PagePainter {
public:
    // Keeps left- and right-aligned text off the rules that bound its box.
    static constexpr qreal TextPadding = 0.6; // mm on each side

    explicit PagePainter(QPainter &painter);

    void paint(const Page &page);

private:
    void paintText(const PlacedItem &item);
    void paintLine(const PlacedItem &item);
    void paintFrame(const PlacedItem &item);
    void setStroke(qreal lineWidth);
    QPointF toDevice(const QPointF &millimetres) const;
    QRectF toDevice(const QRectF &millimetres) const;

    QPainter &m_painter;
    qreal m_dotsPerMmX;
    qreal m_dotsPerMmY;
};

}
