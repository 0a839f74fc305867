#include "report/DisplayMask.h"

#include <QDate>
#include <QDateTime>
#include <QLocale>

#include <cmath>
#include <string>

namespace report {

namespace {

constexpr int significantDigits = 15;
const QString shortDateFormat = QStringLiteral("yyyy-MM-dd");

bool isNumber(const QVariant &value)
{
    switch (value.typeId()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Double:
    case QMetaType::Float:
        return true;
    default:
        return false;
    }
}

bool toNumber(const QVariant &value, double *number)
{
    bool ok = isNumber(value);
    if (ok)
        *number = value.toDouble();
    else if (value.typeId() == QMetaType::QString)
        *number = QLocale::c().toDouble(value.toString().trimmed(), &ok);
    return ok && std::isfinite(*number);
}

// The decimal digits of |value| × 10^decimals, rounded half away from zero,
// starting from the value's 15-significant-digit decimal form.
std::string scaledDigits(double value, int decimals)
{
    const QString scientific = QString::number(std::fabs(value), 'e', significantDigits - 1);
    const int exponentAt = int(scientific.indexOf(QLatin1Char('e')));
    std::string digits = (scientific.left(1) + scientific.mid(2, exponentAt - 2)).toStdString();
    const int scale = scientific.mid(exponentAt + 1).toInt() - (significantDigits - 1) + decimals;
    if (scale >= 0)
        return digits + std::string(std::size_t(scale), '0');

    const std::size_t dropped = std::size_t(-scale);
    if (dropped > digits.size())
        return "0";
    const bool roundUp = digits[digits.size() - dropped] >= '5';
    digits.resize(digits.size() - dropped);
    if (!roundUp)
        return digits.empty() ? "0" : digits;
    for (auto digit = digits.rbegin(); digit != digits.rend(); ++digit) {
        if (*digit != '9') {
            ++*digit;
            return digits;
        }
        *digit = '0';
    }
    return '1' + digits;
}

}

DisplayMask::DisplayMask(const QString &mask)
    : m_isPlain(mask.isEmpty())
{
    bool afterPoint = false;
    int integerPlaces = 0;
    int firstIntegerZero = -1;
    for (const QChar c : mask) {
        if (c == QLatin1Char('.')) {
            afterPoint = true;
        } else if (c == QLatin1Char(',')) {
            m_thousands = m_thousands || !afterPoint;
        } else if (c == QLatin1Char('0') || c == QLatin1Char('#')) {
            if (afterPoint) {
                ++m_maxDecimals;
                if (c == QLatin1Char('0'))
                    m_minDecimals = m_maxDecimals;
            } else {
                if (c == QLatin1Char('0') && firstIntegerZero < 0)
                    firstIntegerZero = integerPlaces;
                ++integerPlaces;
            }
        }
    }
    if (firstIntegerZero >= 0)
        m_minIntegerDigits = integerPlaces - firstIntegerZero;
}

QString DisplayMask::format(const QVariant &value) const
{
    if (value.isNull())
        return {};
    double number = 0;
    if (m_isPlain || !toNumber(value, &number))
        return plain(value);
    return formatNumber(number);
}

QString DisplayMask::plain(const QVariant &value)
{
    switch (value.typeId()) {
    case QMetaType::Double:
        return QString::number(value.toDouble() + 0.0, 'g', significantDigits);
    case QMetaType::QDate:
        return value.toDate().toString(shortDateFormat);
    case QMetaType::QDateTime: {
        const QDateTime moment = value.toDateTime();
        if (moment.time() == QTime(0, 0))
            return moment.date().toString(shortDateFormat);
        return moment.toString(shortDateFormat + QStringLiteral(" hh:mm:ss"));
    }
    default:
        return value.toString();
    }
}

QString DisplayMask::formatNumber(double value) const
{
    const QString digits = QString::fromStdString(scaledDigits(value, m_maxDecimals));
    const int integerLength = std::max(0, int(digits.size()) - m_maxDecimals);
    QString integerPart = digits.left(integerLength);
    QString fraction = digits.mid(integerLength).rightJustified(m_maxDecimals, QLatin1Char('0'));

    while (integerPart.startsWith(QLatin1Char('0')))
        integerPart.remove(0, 1);
    const bool isZero = integerPart.isEmpty() && fraction.count(QLatin1Char('0')) == fraction.size();
    while (fraction.size() > m_minDecimals && fraction.endsWith(QLatin1Char('0')))
        fraction.chop(1);
    integerPart = groupThousands(integerPart.rightJustified(m_minIntegerDigits, QLatin1Char('0')));

    QString text = value < 0 && !isZero ? QStringLiteral("-") : QString();
    text += integerPart;
    if (!fraction.isEmpty())
        text += QLatin1Char('.') + fraction;
    return text;
}

QString DisplayMask::groupThousands(const QString &integerDigits) const
{
    if (!m_thousands)
        return integerDigits;
    QString grouped = integerDigits;
    for (int at = int(grouped.size()) - 3; at > 0; at -= 3)
        grouped.insert(at, QLatin1Char(','));
    return grouped;
}

}
