#pragma once

#include <QMetaObject>
#include <QObject>

class QTableView;

namespace db { class DataSetModel; }

namespace reference {

// What was typed into a row of a grid over a data set is stored as soon as
// the user leaves the row. A refused row goes to the general error handler
// and the grid stays on it with the typing kept, so that it can be corrected
// or taken back.
class GridRowPosting : public QObject {
    Q_OBJECT
public:
    // The grid shows a db::DataSetModel; the posting lives as long as the grid.
    explicit GridRowPosting(QTableView *grid);

    // The grid was given another model: follow that one's rows.
    void followModel();
    // Stores the typed row, if there is one, and keeps it the current row; an
    // AppError leaves it typed.
    void postPending();
    // Makes the row current in the column that is current; no row when out of range.
    void setCurrentRow(int row);

private:
    db::DataSetModel *model() const;
    void rowChanged(int current, int previous);

    QTableView *m_grid;
    QMetaObject::Connection m_followed;
    bool m_movingBack = false;
};

} // namespace reference
