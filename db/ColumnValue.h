#pragma once

#include "db/Schema.h"

#include <QString>
#include <QVariant>

namespace db {

// The width rules and conversions between what a window holds (mostly texts)
// and what a column stores.
class ColumnValue {
public:
    // The value to store in the column. Texts are cut to the column's width
    // (never inside a character) and fixed texts padded with blanks; an empty
    // text stores null in a number or date column; a text that is not a number
    // or a date raises an AppError naming the column.
    static QVariant toStored(const Column &column, const QVariant &value);
    // The value as the program works with it: date columns come back as QDateTime.
    static QVariant fromStored(const Column &column, const QVariant &stored);
    // A date or date-time as a statement parameter or a stored value.
    static QVariant dateParameter(const QDateTime &moment);

    static int gbkLength(const QString &text);
    static QString cutToGbkBytes(const QString &text, int bytes);
    static QString cutToCharacters(const QString &text, int characters);
};

} // namespace db
