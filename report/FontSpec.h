#pragma once

#include <QFont>
#include <QString>

namespace report {

// A font as a printout declares it. Printouts name families this machine may
// lack ("Arial", "宋体"); the QFont made from it lists the installed Noto CJK
// families after the declared one, so Chinese never prints as empty boxes.
struct FontSpec {
    QString family;      // empty: the report's base family
    qreal pointSize = 0; // 0: the report's base size
    bool bold = false;
    bool italic = false;
    bool underline = false;

    // The family and size left unset here are taken from base; the styles
    // always belong to the element.
    FontSpec withDefaultsFrom(const FontSpec &base) const;
    QFont toQFont() const;
};

}
