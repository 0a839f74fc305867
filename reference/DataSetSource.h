#pragma once

#include "db/TableDataSet.h"
#include "report/DataSource.h"

namespace reference {

// A printout over a window's table data set: the rows, order and filter that
// its grid shows at the moment of printing. Fields are column names.
class DataSetSource : public report::DataSource {
public:
    explicit DataSetSource(const db::TableDataSet &dataSet) : m_dataSet(dataSet) {}

    int rowCount() const override { return m_dataSet.isOpen() ? m_dataSet.rowCount() : 0; }
    QVariant value(int row, const QString &field) const override { return m_dataSet.value(row, field); }

private:
    const db::TableDataSet &m_dataSet;
};

} // namespace reference
