#include "reference/GridRowPosting.h"

#include "db/DataSetModel.h"
#include "reference/CommandGuard.h"

#include <QItemSelectionModel>
#include <QTableView>

namespace reference {

GridRowPosting::GridRowPosting(QTableView *grid) : QObject(grid), m_grid(grid)
{
    followModel();
}

db::DataSetModel *GridRowPosting::model() const
{
    return qobject_cast<db::DataSetModel *>(m_grid->model());
}

void GridRowPosting::followModel()
{
    disconnect(m_followed);
    if (!m_grid->selectionModel())
        return;
    m_followed = connect(m_grid->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
                         [this](const QModelIndex &current, const QModelIndex &previous) {
                             rowChanged(current.row(), previous.row());
                         });
}

void GridRowPosting::setCurrentRow(int row)
{
    if (!m_grid->model() || row < 0 || row >= m_grid->model()->rowCount()) {
        m_grid->setCurrentIndex({});
        return;
    }
    const int column = qMax(0, m_grid->currentIndex().column());
    m_grid->setCurrentIndex(m_grid->model()->index(row, column));
}

void GridRowPosting::postPending()
{
    db::DataSetModel *m = model();
    if (!m || m->pendingRow() < 0)
        return;
    setCurrentRow(m->post());
}

void GridRowPosting::rowChanged(int current, int previous)
{
    db::DataSetModel *m = model();
    if (m_movingBack || !m || previous < 0 || previous != m->pendingRow())
        return;
    bool posted = false;
    runCommand([&] {
        m->post();
        posted = true;
    });
    m_movingBack = true;
    setCurrentRow(posted ? current : previous);
    m_movingBack = false;
}

} // namespace reference
