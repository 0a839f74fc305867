#include "stock/StockLedger.h"

#include "db/AppError.h"
#include "db/ColumnValue.h"
#include "db/Connection.h"
#include "db/Schema.h"
#include "db/SqlDialect.h"
#include "db/TextForms.h"

#include <QSqlQuery>

namespace stock {

namespace {

double receivedNumber(const QString &caption, const QString &text)
{
    const auto value = db::parseNumber(text.trimmed());
    if (!value)
        throw AppError(QStringLiteral("%1“%2”不是有效的数字，没有写入仓库").arg(caption, text.trimmed()));
    return db::ColumnValue::sensibleNumber(caption, *value);
}

struct KeyPart {
    QString column;
    QString value;
};

QVector<KeyPart> itemKey(const FamilyTables &tables, const Receipt &r)
{
    QVector<KeyPart> key{{QStringLiteral("pname"), r.item}, {QStringLiteral("color"), r.colour},
                         {QStringLiteral("scale"), r.specification}};
    if (tables.supplierInKey)
        key.append({QStringLiteral("f_name"), r.supplier});
    key.append({QStringLiteral("b1"), r.width});
    return key;
}

// The value as the stock row would hold it, so that a long text still finds
// the row it created. An entry field left empty is an empty text, not a
// missing value: a missing one would match no row and every intake would add
// a row of its own.
QVariant stored(const db::Table &table, const QString &column, const QString &text)
{
    const QString trimmed = text.trimmed();
    return db::ColumnValue::toStored(table.column(column), trimmed.isNull() ? QStringLiteral("") : trimmed);
}

} // namespace

Receipt inspectedReceipt(const db::Table &inspection, const QVector<QVariant> &row)
{
    auto text = [&](const char *column) {
        return db::displayText(row.value(inspection.columnIndex(QLatin1String(column))));
    };
    return {text("f_name"), text("pname"), text("color"), text("scale"),
            text("b1"), text("b2"), text("jianshu"), text("yanshu")};
}

StockLedger::Outcome StockLedger::intake(Family family, const Receipt &receipt)
{
    const double pieces = receivedNumber(QStringLiteral("材料件数"), receipt.pieces);
    const double quantity = receivedNumber(QStringLiteral("验收数量"), receipt.quantity);
    const FamilyTables &tables = tablesOf(family);
    const db::Table &table = db::Schema::table(tables.stock);
    const QString name = db::SqlDialect::quoted(tables.stock);
    const QString rowid = db::SqlDialect::rowIdColumn();

    QStringList conditions;
    QVariantList keyValues;
    for (const KeyPart &part : itemKey(tables, receipt)) {
        conditions << QStringLiteral("%1 = ?").arg(db::SqlDialect::quoted(part.column));
        keyValues << stored(table, part.column, part.value);
    }
    const QString where = conditions.join(QStringLiteral(" and "));

    Outcome outcome = Outcome::AddedToRow;
    m_connection.transaction([&] {
        m_connection.lockForWriting(tables.stock);
        QSqlQuery add = m_connection.run(
            QStringLiteral("update %1 set jian = coalesce(jian, 0) + ?, number = coalesce(number, 0) + ? "
                           "where %2 = (select min(%2) from %1 where %3)")
                .arg(name, rowid, where),
            QVariantList{pieces, quantity} + keyValues);
        if (add.numRowsAffected() > 0)
            return;
        outcome = Outcome::NewRow;
        m_connection.run(
            QStringLiteral("insert into %1 (f_name, pname, color, scale, jian, number, b1, b2) "
                           "values (?, ?, ?, ?, ?, ?, ?, ?)")
                .arg(name),
            {stored(table, QStringLiteral("f_name"), receipt.supplier),
             stored(table, QStringLiteral("pname"), receipt.item),
             stored(table, QStringLiteral("color"), receipt.colour),
             stored(table, QStringLiteral("scale"), receipt.specification), pieces, quantity,
             stored(table, QStringLiteral("b1"), receipt.width),
             stored(table, QStringLiteral("b2"), receipt.unit)});
    });
    return outcome;
}

} // namespace stock
