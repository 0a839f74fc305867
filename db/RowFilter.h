#pragma once

#include "db/Schema.h"

#include <QDate>
#include <QString>
#include <QVariantList>
#include <QVector>

namespace db {

// The row test of a filtered data set, evaluated by the database: a row passes
// when it meets every condition. Each condition has exactly the meaning of the
// windows' row tests, so the database returns the rows they would accept.
class RowFilter {
public:
    // With no condition every row passes.
    RowFilter() = default;

    // The column, read as text, equals the text exactly: case-sensitive, no
    // trimming (only a fixed-width column's blank padding does not count); an
    // empty text also matches a column that holds nothing.
    static RowFilter equals(const QString &column, const QString &text);
    // The column's date, written as short-date text, lies between the two
    // dates' short-date texts, both ends included.
    static RowFilter dateBetween(const QString &column, const QDate &from, const QDate &to);

    RowFilter operator&&(const RowFilter &other) const;
    bool acceptsAll() const { return m_conditions.isEmpty(); }

    // The condition as SQL for the table, with ? placeholders whose values are
    // appended to params; "1=1" when every row passes.
    QString sql(const Table &table, QVariantList &params) const;

private:
    enum class Kind { Equals, DateBetween };
    struct Condition {
        Kind kind;
        QString column;
        QString text;
        QDate from;
        QDate to;
    };
    QVector<Condition> m_conditions;
};

} // namespace db
