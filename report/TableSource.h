#pragma once

#include "report/DataSource.h"

#include <QHash>
#include <QList>
#include <QStringList>
#include <QVariantList>

namespace report {

// Rows held in memory, for scratch data and tests. A field the table does not
// have, or a row past the end, reads as null.
class TableSource : public DataSource {
public:
    explicit TableSource(const QStringList &fields, const QList<QVariantList> &rows = {});

    void append(const QVariantList &row);

    int rowCount() const override;
    QVariant value(int row, const QString &field) const override;

private:
    QHash<QString, int> m_columns;
    QList<QVariantList> m_rows;
};

}
