#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QVariant>
#include <optional>

namespace db {

// The one short-date form of the whole program: year first and zero-padded,
// so that the text order of two dates is their date order. Displays, date
// texts stored in columns and every date-range search use it.
inline constexpr const char *ShortDateForm = "yyyy-MM-dd";

QString shortDate(const QDate &date);
QString shortDate(const QDateTime &moment);
std::optional<QDate> parseShortDate(const QString &text);
// A date with an optional time of day, as a date column or a date text field holds it.
std::optional<QDateTime> parseDateTime(const QString &text);

// A number as the program writes it into texts and statements: up to 15
// significant digits, no thousands separators, no trailing zeros.
QString plainNumber(double value);
std::optional<double> parseNumber(const QString &text);

// The text a value shows in a field or a grid cell: dates in the short-date
// form, numbers plain, null as nothing.
QString displayText(const QVariant &value);

} // namespace db
