#include "db/DataSetModel.h"

#include "db/AppError.h"
#include "db/TextForms.h"

#include <algorithm>

namespace db {

DataSetModel::DataSetModel(TableDataSet &dataSet, const QVector<GridColumn> &columns, QObject *parent)
    : QAbstractTableModel(parent), m_dataSet(dataSet), m_columns(columns)
{
    for (const GridColumn &c : m_columns) {
        const int index = m_dataSet.table().columnIndex(c.column);
        if (index < 0)
            throw AppError(QStringLiteral("表 %1 没有列 %2").arg(m_dataSet.table().name, c.column));
        m_tableColumns << index;
    }
}

int DataSetModel::rowCount(const QModelIndex &parent) const
{
    if (parent.isValid() || !m_dataSet.isOpen())
        return 0;
    return m_dataSet.rowCount() + (m_newRow ? 1 : 0);
}

int DataSetModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_columns.size();
}

int DataSetModel::tableColumn(int gridColumn) const
{
    return m_tableColumns.value(gridColumn, -1);
}

int DataSetModel::sectionOf(const QString &column) const
{
    return m_tableColumns.indexOf(m_dataSet.table().columnIndex(column));
}

QVector<QVariant> DataSetModel::rowValues(int row) const
{
    if (row == m_pendingRow)
        return m_pendingValues;
    if (isNewRow(row))
        return QVector<QVariant>(m_dataSet.table().columns.size());
    return m_dataSet.row(row);
}

QVariant DataSetModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole))
        return {};
    try {
        return displayText(rowValues(index.row()).value(tableColumn(index.column())));
    } catch (const AppError &) {
        // A row another workstation removed since the count: shown empty until the next refresh.
        return {};
    }
}

QVariant DataSetModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole)
        return m_dataSet.table().columns.value(tableColumn(section)).caption();
    return QAbstractTableModel::headerData(section, orientation, role);
}

Qt::ItemFlags DataSetModel::flags(const QModelIndex &index) const
{
    return QAbstractTableModel::flags(index) | Qt::ItemIsEditable;
}

bool DataSetModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (!index.isValid() || role != Qt::EditRole)
        return false;
    if (m_pendingRow != index.row()) {
        if (m_pendingRow >= 0)
            return false;
        m_pendingValues = rowValues(index.row());
        m_pendingRow = index.row();
    }
    const int column = tableColumn(index.column());
    m_pendingValues[column] = value;
    if (!m_typedColumns.contains(column))
        m_typedColumns << column;
    Q_EMIT dataChanged(index, index);
    return true;
}

QVector<ColumnWrite> DataSetModel::typedWrites() const
{
    QVector<ColumnWrite> writes;
    for (int column : m_typedColumns)
        writes.append({m_dataSet.table().columns[column].name, m_pendingValues[column]});
    return writes;
}

void DataSetModel::clearPending()
{
    m_pendingRow = -1;
    m_newRow = false;
    m_pendingValues.clear();
    m_typedColumns.clear();
}

int DataSetModel::post()
{
    if (m_pendingRow < 0)
        return -1;
    if (isNewRow(m_pendingRow)
        && std::none_of(m_pendingValues.cbegin(), m_pendingValues.cend(), [](const QVariant &v) { return v.isValid(); })) {
        cancel();
        return -1;
    }
    const int row = isNewRow(m_pendingRow) ? m_dataSet.append(m_pendingValues)
                                           : m_dataSet.write(m_pendingRow, typedWrites());
    clearPending();
    reload();
    Q_EMIT rowStored(row);
    return row;
}

int DataSetModel::postWith(int row, const QVector<ColumnWrite> &writes)
{
    const bool typed = m_pendingRow == row;
    const int stored = m_dataSet.write(row, typed ? typedWrites() + writes : writes);
    if (typed)
        clearPending();
    reload();
    Q_EMIT rowStored(stored);
    return stored;
}

void DataSetModel::cancel()
{
    if (m_pendingRow < 0 && !m_newRow)
        return;
    clearPending();
    reload();
}

bool DataSetModel::remove(int row)
{
    if (row < 0 || row >= rowCount() || (m_pendingRow >= 0 && m_pendingRow != row))
        return false;
    if (!isNewRow(row))
        m_dataSet.remove(m_dataSet.loaded(row));
    clearPending();
    reload();
    return true;
}

int DataSetModel::appendBlankRow()
{
    if (m_newRow)
        return m_dataSet.rowCount();
    const int row = m_dataSet.rowCount();
    beginInsertRows({}, row, row);
    m_newRow = true;
    endInsertRows();
    m_pendingRow = row;
    m_pendingValues = QVector<QVariant>(m_dataSet.table().columns.size());
    m_typedColumns.clear();
    return row;
}

void DataSetModel::reload()
{
    beginResetModel();
    if (m_pendingRow >= 0 && !m_dataSet.isOpen())
        clearPending();
    endResetModel();
}

} // namespace db
