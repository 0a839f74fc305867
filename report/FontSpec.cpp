#include "report/FontSpec.h"

#include <QStringList>

namespace report {

namespace {

QStringList familiesWithCjkFallback(const QString &declared)
{
    QStringList families{QStringLiteral("Noto Sans CJK SC"), QStringLiteral("Noto Serif CJK SC")};
    if (!declared.isEmpty()) {
        families.removeOne(declared);
        families.prepend(declared);
    }
    return families;
}

}

FontSpec FontSpec::withDefaultsFrom(const FontSpec &base) const
{
    FontSpec resolved = *this;
    if (resolved.family.isEmpty())
        resolved.family = base.family;
    if (resolved.pointSize <= 0)
        resolved.pointSize = base.pointSize;
    return resolved;
}

QFont FontSpec::toQFont() const
{
    QFont font;
    font.setFamilies(familiesWithCjkFallback(family));
    if (pointSize > 0)
        font.setPointSizeF(pointSize);
    font.setBold(bold);
    font.setItalic(italic);
    font.setUnderline(underline);
    // Unhinted outlines scale exactly, so the preview, the printer and the PDF
    // break and clip text at the same places.
    font.setHintingPreference(QFont::PreferNoHinting);
    // Shaped Latin runs take Noto CJK's alternate digits, which the PDF writer
    // cannot map back to characters: "C00001" would read back as "C".
    font.setStyleStrategy(QFont::PreferNoShaping);
    return font;
}

}
