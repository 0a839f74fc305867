#pragma once

#include "report/Band.h"

#include <QList>
#include <QMarginsF>
#include <QString>

namespace reference {

// The firm's name as its printouts and its status bar carry it.
inline const QString FirmTitle = QStringLiteral("临江盈丰达贴合鞋材有限公司");
// The printable width of the firm's printouts on 210 mm wide paper, and their margins.
constexpr qreal LetterWidth = 190;
inline const QMarginsF LetterMargins{9.92, 9.9, 9.92, 9.9};

// The head of a printout of the firm: the firm's name centred at the top,
// the document's title centred in bold under it.
struct Letterhead {
    QString title;
    qreal titleHeight = 10;     // mm
    qreal titleSize = 16;       // points
    qreal firmSize = 14;
    bool firmBold = false;
    qreal width = LetterWidth;
};

// The page header of that height: the letterhead, then the printout's own elements.
report::Band letterheadBand(const Letterhead &head, qreal height, const QList<report::Element> &below);

} // namespace reference
