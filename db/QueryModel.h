#pragma once

#include "db/Query.h"

#include <QAbstractTableModel>
#include <QVector>
#include <memory>

namespace db {

// The grid's model over a query's result, read-only. Its column titles are
// the names the result gives its columns, so the aliases of a statement such
// as "select pname 品名,scale 规格,number 数量  from peicun" are the titles.
// Rows are read a block at a time as the view scrolls to them, so a large
// result is never read whole; statements run on the connection in between
// do not cut it short.
class QueryModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit QueryModel(Connection &connection, QObject *parent = nullptr);
    ~QueryModel() override;

    // Runs the query's statement with its parameters and shows the result's
    // first rows; the query itself is left as it is. A statement the database
    // refuses raises an AppError and leaves the model empty.
    void open(const Query &query);
    // Shows nothing, and lets the database drop the rest of the result.
    void close();

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    bool canFetchMore(const QModelIndex &parent) const override;
    void fetchMore(const QModelIndex &parent) override;

Q_SIGNALS:
    // A further block could not be read (the connection was lost): the rows
    // read so far stay, and no more are read until the next open.
    void readFailed(const QString &message);

private:
    class Reader;

    void readBlock();

    Connection &m_connection;
    std::unique_ptr<Reader> m_reader;
    QStringList m_titles;
    QVector<int> m_shown;   // the result's columns the grid shows
    QVector<QVector<QVariant>> m_rows;
};

} // namespace db
