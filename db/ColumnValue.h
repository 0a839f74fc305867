#pragma once

#include "db/Schema.h"

#include <QString>
#include <QVariant>

namespace db {

// The width rules and conversions between what a window holds (mostly texts)
// and what a column stores.
class ColumnValue {
public:
    // The largest quantity, price or amount a number column takes, either
    // sign: beyond it a value is a typing slip, and sums of such values would
    // leave what the engines compute exactly.
    static constexpr double Largest = 1e12;

    // The value to store in the column. Texts are cut to the column's width
    // (never inside a character) and fixed texts padded with blanks; an empty
    // text stores null in a number or date column; a text that is not a number
    // or a date, or a number beyond Largest (in an integer column: beyond its
    // type), raises an AppError naming the column.
    static QVariant toStored(const Column &column, const QVariant &value);
    // The number itself, or an AppError naming the caption when it is not
    // finite or lies beyond Largest.
    static double sensibleNumber(const QString &caption, double value);
    static QString outOfRange(const QString &caption, const QString &text, double largest);
    // The value as the program works with it: date columns come back as QDateTime.
    static QVariant fromStored(const Column &column, const QVariant &stored);
    // A date or date-time as a statement parameter or a stored value.
    static QVariant dateParameter(const QDateTime &moment);

    static int gbkLength(const QString &text);
    static QString cutToGbkBytes(const QString &text, int bytes);
    static QString cutToCharacters(const QString &text, int characters);
};

} // namespace db
