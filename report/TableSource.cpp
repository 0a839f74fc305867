#include "report/TableSource.h"

namespace report {

TableSource::TableSource(const QStringList &fields, const QList<QVariantList> &rows)
    : m_rows(rows)
{
    for (int column = 0; column < fields.size(); ++column)
        m_columns.insert(fields.at(column), column);
}

void TableSource::append(const QVariantList &row)
{
    m_rows.append(row);
}

int TableSource::rowCount() const
{
    return int(m_rows.size());
}

QVariant TableSource::value(int row, const QString &field) const
{
    const int column = m_columns.value(field, -1);
    if (row < 0 || row >= m_rows.size() || column < 0)
        return {};
    return m_rows.at(row).value(column);
}

}
