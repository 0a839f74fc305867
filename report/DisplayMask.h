#pragma once

#include <QString>
#include <QVariant>

namespace report {

// Turns a field's value into the text a printout shows. The masks are Delphi
// FormatFloat picture strings, as the old printouts wrote them: "0" a digit
// always shown, "#" a digit shown only when significant, "," anywhere before
// the point asks for thousands separators, "." the decimal point. Values are
// rounded half away from zero on their 15-digit decimal form, as FormatFloat
// does, so 2.675 rounds to 2.68 although the double lies below it.
//
// Null prints nothing; text that is not a number prints as it is. Without a
// mask a number prints in its plain form (15 significant digits, no trailing
// zeros) and a date as yyyy-MM-dd.
class DisplayMask {
public:
    explicit DisplayMask(const QString &mask = {});

    QString format(const QVariant &value) const;

private:
    static QString plain(const QVariant &value);
    QString formatNumber(double value) const;
    QString groupThousands(const QString &integerDigits) const;

    bool m_isPlain = true;
    bool m_thousands = false;
    int m_minIntegerDigits = 0;
    int m_minDecimals = 0;
    int m_maxDecimals = 0;
};

}
