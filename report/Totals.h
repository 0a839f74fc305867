#pragma once

#include "report/DataSource.h"

#include <QList>
#include <QStringList>

namespace report {

// Sums of numeric fields over the rows printed so far: over all of them, and
// over the current group of each group level. Values that are not numbers
// count as nothing.
class Totals {
public:
    Totals(const QStringList &fields, int groupLevels);

    void add(const DataSource &source, int row);
    // A new group begins at fromLevel, and so at every level inside it.
    void restartGroups(int fromLevel);
    // groupLevel -1 is the sum over all rows.
    double sum(const QString &field, int groupLevel) const;

private:
    QStringList m_fields;
    QList<QList<double>> m_sums; // [0] all rows, [1 + level] that level's current group
};

}
