#pragma once

#include "db/TableDataSet.h"

#include <QAbstractTableModel>
#include <QVector>

namespace db {

// One column of a grid over a table: which column it shows and how many
// characters wide. Its title is the column's caption in the schema.
struct GridColumn {
    QString column;
    int width = 10;
};

// The grid's model over a table data set. Cells can be typed into; the typed
// values of one row are kept until the row is posted (the view leaves the row,
// or a command posts it). A row can also be added at the end the same way,
// and a row deleted at once. Rows are read from the data set as the view asks
// for them.
class DataSetModel : public QAbstractTableModel {
    Q_OBJECT
public:
    DataSetModel(TableDataSet &dataSet, const QVector<GridColumn> &columns, QObject *parent = nullptr);

    TableDataSet &dataSet() const { return m_dataSet; }
    const QVector<GridColumn> &columns() const { return m_columns; }

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role) override;

    // The grid column that shows the table column, -1 when none does.
    int sectionOf(const QString &column) const;
    // The row's values in table order, with what was typed into it.
    QVector<QVariant> rowValues(int row) const;
    // The data set was reopened or written: show it as it is now.
    void reload();

    // The row being edited in the grid, -1 when none.
    int pendingRow() const { return m_pendingRow; }
    // Stores the typed values of the pending row (an AppError leaves them
    // pending) and returns the row's index afterwards. A stored row is written
    // in the columns typed into only, so that what another workstation stored
    // in its other columns stays. A row added at the end that nothing was
    // typed into is dropped instead, as in any data grid, and -1 is returned.
    int post();
    // Stores a stored row's typed columns together with further writes, in
    // one statement; returns the row's index afterwards.
    int postWith(int row, const QVector<ColumnWrite> &writes);
    void cancel();
    // Adds an empty row at the end, pending until posted.
    int appendBlankRow();
    // Deletes the row from the table at once, and what was typed into it with
    // it; a row added at the end and not yet stored is only dropped. While
    // another row is pending nothing is deleted and false is returned.
    bool remove(int row);

Q_SIGNALS:
    // A typed row was stored; row is its index afterwards (-1 when hidden).
    void rowStored(int row);

private:
    QVector<ColumnWrite> typedWrites() const;
    void clearPending();
    int tableColumn(int gridColumn) const;
    bool isNewRow(int row) const { return m_newRow && row == m_dataSet.rowCount(); }

    TableDataSet &m_dataSet;
    QVector<GridColumn> m_columns;
    QVector<int> m_tableColumns;
    int m_pendingRow = -1;
    bool m_newRow = false;
    QVector<QVariant> m_pendingValues;
    QVector<int> m_typedColumns;
};

} // namespace db
