#pragma once

#include "report/Align.h"
#include "report/FontSpec.h"

#include <QRectF>
#include <QString>

namespace report {

// One thing printed in a band, placed in millimetres from the band's top-left
// corner. Made with the named constructors and changed with the modifiers,
// which return a changed copy so that a declaration reads as one expression:
//   Element::field({0, 0, 30, 6}, "amount").masked("#,#.00").aligned(Align::Right)
struct Element {
    enum class Kind { Label, Field, PageNumber, PrintDate, Sum, HorizontalRule, VerticalRule, Frame };
    // Group: the group the band belongs to (the innermost one outside group
    // bands); Report: every row printed so far, which in the summary is all.
    enum class SumScope { Group, Report };

    Kind kind = Kind::Label;
    QRectF rect;
    QString text; // a label's text; the field a Field or a Sum reads
    QString mask; // display mask of a Field or a Sum, see DisplayMask
    SumScope sumScope = SumScope::Report;
    FontSpec font;
    Align align = Align::Left;
    bool clip = false;      // cut text at its box instead of letting it run over
    bool shrink = false;    // print text too wide for its box smaller, down to MinimumShrink of its size
    bool border = false;    // outline the box: a boxed cell
    qreal lineWidth = 0.2;  // mm, of rules, frames and borders

    static constexpr qreal MinimumShrink = 0.7;

    static Element label(const QRectF &rect, const QString &text);
    static Element cell(const QRectF &rect, const QString &text);
    static Element field(const QRectF &rect, const QString &name);
    static Element pageNumber(const QRectF &rect);
    static Element printDate(const QRectF &rect);
    static Element sum(const QRectF &rect, const QString &field, SumScope scope);
    static Element horizontalRule(qreal x, qreal y, qreal length);
    static Element verticalRule(qreal x, qreal y, qreal length);
    static Element frame(const QRectF &rect);

    Element inFamily(const QString &family) const;
    Element sized(qreal pointSize) const;
    Element bold() const;
    Element italic() const;
    Element underlined() const;
    Element aligned(Align alignment) const;
    Element masked(const QString &displayMask) const;
    Element clipped() const;
    Element shrunkToFit() const;
    Element bordered() const;
    Element thick(qreal millimetres) const;
};

}
