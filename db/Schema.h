#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

namespace db {

// How a column stores its values. Text widths count bytes in the GBK code
// page (a Chinese character takes two); wide text widths count characters.
enum class ColumnType { Text, FixedText, WideText, Real, Integer, DateTime };

struct Column {
    QString name;
    ColumnType type;
    int width = 0;      // text types only
    QString label;      // the caption grids show; empty where the table has none

    bool isText() const { return type == ColumnType::Text || type == ColumnType::FixedText || type == ColumnType::WideText; }
    bool isNumber() const { return type == ColumnType::Real || type == ColumnType::Integer; }
    QString caption() const { return label.isEmpty() ? name : label; }
    // The name as the database knows it: identifiers are created lower-case
    // so that statements may spell them in any case on every engine.
    QString sqlName() const { return name.toLower(); }
};

struct Table {
    QString name;
    QString key;                    // primary-key column, empty for keyless tables
    QVector<QStringList> indexes;   // the columns the windows search by
    QVector<Column> columns;

    int columnIndex(const QString &column) const;   // -1 when absent
    const Column &column(const QString &column) const;
    bool hasKey() const { return !key.isEmpty(); }
};

// Every table of the system, with its columns in stored order. The DDL of both
// engines, the width rules of the data layer and the grid captions all come
// from this one description.
class Schema {
public:
    static const QVector<Table> &tables();
    // Table names are matched without regard to case, as statements spell
    // them freely ("YouSeKuCun", "yousekucun").
    static const Table *find(const QString &name);
    static const Table &table(const QString &name);
};

} // namespace db
