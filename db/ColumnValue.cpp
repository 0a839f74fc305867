#include "db/ColumnValue.h"

#include "db/AppError.h"
#include "db/TextForms.h"

#include <cmath>
#include <limits>

namespace db {

namespace {

// GBK stores the ASCII range in one byte and every other character in two.
int gbkBytes(char32_t codePoint)
{
    return codePoint < 0x80 ? 1 : 2;
}

QString valueAsText(const QVariant &value)
{
    return displayText(value);
}

[[noreturn]] void refuse(const Column &column, const QString &text, const char *expected)
{
    throw AppError(QStringLiteral("“%1”列的值“%2”不是%3")
                       .arg(column.caption().trimmed(), text, QString::fromUtf8(expected)));
}

QVariant storedText(const Column &column, const QVariant &value)
{
    if (value.isNull())
        return QVariant(QMetaType::fromType<QString>());
    const QString text = valueAsText(value);
    switch (column.type) {
    case ColumnType::Text:
        return ColumnValue::cutToGbkBytes(text, column.width);
    case ColumnType::FixedText: {
        const QString cut = ColumnValue::cutToGbkBytes(text, column.width);
        return cut + QString(column.width - ColumnValue::gbkLength(cut), QLatin1Char(' '));
    }
    default:
        return ColumnValue::cutToCharacters(text, column.width);
    }
}

// An integer column holds what the server's integer type holds.
double largestOf(const Column &column)
{
    if (column.type == ColumnType::Integer)
        return std::numeric_limits<qint32>::max();
    return ColumnValue::Largest;
}

double inRange(const Column &column, double value)
{
    if (!std::isfinite(value) || std::abs(value) > largestOf(column))
        throw AppError(ColumnValue::outOfRange(column.caption().trimmed(), QString::number(value, 'g', 17), largestOf(column)));
    return value;
}

QVariant storedNumber(const Column &column, const QVariant &value)
{
    if (value.isNull())
        return QVariant(QMetaType::fromType<double>());
    if (value.typeId() == QMetaType::Double || value.typeId() == QMetaType::Int || value.typeId() == QMetaType::LongLong) {
        const double number = inRange(column, value.toDouble());
        if (column.type == ColumnType::Integer)
            return value.toLongLong();
        return number;
    }
    const QString text = value.toString().trimmed();
    if (text.isEmpty())
        return QVariant(QMetaType::fromType<double>());
    if (column.type == ColumnType::Integer) {
        bool ok = false;
        const int v = text.toInt(&ok);
        if (!ok)
            refuse(column, text, "有效的整数");
        return v;
    }
    const auto v = parseNumber(text);
    if (!v)
        refuse(column, text, "有效的数字");
    if (std::abs(*v) > ColumnValue::Largest)
        throw AppError(ColumnValue::outOfRange(column.caption().trimmed(), text, ColumnValue::Largest));
    return *v;
}

QVariant storedDate(const Column &column, const QVariant &value)
{
    if (value.isNull())
        return QVariant(QMetaType::fromType<QString>());
    QDateTime moment;
    if (value.typeId() == QMetaType::QDate)
        moment = QDateTime(value.toDate(), QTime(0, 0));
    else if (value.typeId() == QMetaType::QDateTime)
        moment = value.toDateTime();
    else {
        const QString text = value.toString().trimmed();
        if (text.isEmpty())
            return QVariant(QMetaType::fromType<QString>());
        const auto parsed = parseDateTime(text);
        if (!parsed)
            refuse(column, text, "有效的日期");
        moment = *parsed;
    }
    return ColumnValue::dateParameter(moment);
}

} // namespace

QVariant ColumnValue::toStored(const Column &column, const QVariant &value)
{
    if (column.isText())
        return storedText(column, value);
    if (column.isNumber())
        return storedNumber(column, value);
    return storedDate(column, value);
}

double ColumnValue::sensibleNumber(const QString &caption, double value)
{
    if (!std::isfinite(value) || std::abs(value) > Largest)
        throw AppError(outOfRange(caption, QString::number(value, 'g', 17), Largest));
    return value;
}

QString ColumnValue::outOfRange(const QString &caption, const QString &text, double largest)
{
    return QStringLiteral("“%1”的值“%2”超出了可以保存的范围：绝对值最大为 %3，没有写入。")
        .arg(caption, text, QString::number(largest, 'f', 0));
}

QVariant ColumnValue::fromStored(const Column &column, const QVariant &stored)
{
    if (stored.isNull() || column.type != ColumnType::DateTime)
        return stored;
    if (stored.typeId() == QMetaType::QDateTime)
        return stored;
    if (const auto moment = parseDateTime(stored.toString()))
        return *moment;
    return stored;
}

QVariant ColumnValue::dateParameter(const QDateTime &moment)
{
    // Dates travel as texts in one form on both engines: PostgreSQL reads them
    // as timestamps of the session's own clock, SQLite stores and compares the
    // texts themselves. A date alone is written without a time of day, so that
    // it sorts and compares like the midnight it stands for.
    const QTime t = moment.time();
    if (t == QTime(0, 0))
        return shortDate(moment);
    return moment.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

int ColumnValue::gbkLength(const QString &text)
{
    int bytes = 0;
    for (const char32_t c : text.toUcs4())
        bytes += gbkBytes(c);
    return bytes;
}

QString ColumnValue::cutToGbkBytes(const QString &text, int bytes)
{
    int used = 0;
    int end = 0;
    while (end < text.size()) {
        const bool pair = text[end].isHighSurrogate() && end + 1 < text.size();
        const char32_t c = pair ? QChar::surrogateToUcs4(text[end], text[end + 1]) : text[end].unicode();
        if (used + gbkBytes(c) > bytes)
            break;
        used += gbkBytes(c);
        end += pair ? 2 : 1;
    }
    return text.left(end);
}

QString ColumnValue::cutToCharacters(const QString &text, int characters)
{
    if (text.size() <= characters)
        return text;
    int end = characters;
    if (end > 0 && text[end - 1].isHighSurrogate())
        --end;
    return text.left(end);
}

} // namespace db
