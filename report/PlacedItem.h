#pragma once

#include "report/Align.h"

#include <QFont>
#include <QRectF>
#include <QString>

namespace report {

// One mark on a laid-out page, in millimetres from the sheet's top-left corner.
struct PlacedItem {
    enum class Kind { Text, Line, Frame };

    Kind kind = Kind::Text;
    QRectF rect; // a Line runs from its top-left to its bottom-right corner
    QString text;
    QFont font;
    Align align = Align::Left;
    bool clip = false;
    qreal lineWidth = 0; // mm

    static PlacedItem textItem(const QRectF &rect, const QString &text, const QFont &font,
                               Align align, bool clip);
    static PlacedItem line(const QRectF &rect, qreal lineWidth);
    static PlacedItem frame(const QRectF &rect, qreal lineWidth);
};

}
