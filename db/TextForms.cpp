#include "db/TextForms.h"

#include <QLocale>
#include <cmath>

namespace db {

QString shortDate(const QDate &date)
{
    return date.toString(QLatin1String(ShortDateForm));
}

QString shortDate(const QDateTime &moment)
{
    return shortDate(moment.date());
}

std::optional<QDate> parseShortDate(const QString &text)
{
    const QString t = text.trimmed();
    for (const char *form : {ShortDateForm, "yyyy-M-d", "yyyy/M/d"}) {
        const QDate d = QDate::fromString(t, QLatin1String(form));
        if (d.isValid())
            return d;
    }
    return std::nullopt;
}

std::optional<QDateTime> parseDateTime(const QString &text)
{
    const QString t = text.trimmed();
    if (const auto d = parseShortDate(t))
        return QDateTime(*d, QTime(0, 0));
    for (const char *form : {"yyyy-MM-dd HH:mm:ss", "yyyy-MM-dd HH:mm", "yyyy-MM-ddTHH:mm:ss", "yyyy-MM-ddTHH:mm:ss.zzz",
                             "yyyy-MM-dd HH:mm:ss.zzz"}) {
        const QDateTime dt = QDateTime::fromString(t, QLatin1String(form));
        if (dt.isValid())
            return dt;
    }
    return std::nullopt;
}

QString plainNumber(double value)
{
    if (value == 0)
        return QStringLiteral("0");
    return QString::number(value, 'g', 15);
}

std::optional<double> parseNumber(const QString &text)
{
    static const QLocale strict = [] {
        QLocale c = QLocale::c();
        c.setNumberOptions(QLocale::RejectGroupSeparator);
        return c;
    }();
    bool ok = false;
    const double v = strict.toDouble(text.trimmed(), &ok);
    if (!ok || !std::isfinite(v))
        return std::nullopt;
    return v;
}

QString displayText(const QVariant &value)
{
    if (value.isNull())
        return {};
    switch (value.typeId()) {
    case QMetaType::QDate:
        return shortDate(value.toDate());
    case QMetaType::QDateTime:
        return shortDate(value.toDateTime());
    case QMetaType::Double:
    case QMetaType::Float:
        return plainNumber(value.toDouble());
    default:
        return value.toString();
    }
}

} // namespace db
