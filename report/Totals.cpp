#include "report/Totals.h"

namespace report {

Totals::Totals(const QStringList &fields, int groupLevels)
    : m_fields(fields), m_sums(1 + groupLevels, QList<double>(fields.size(), 0.0))
{
}

void Totals::add(const DataSource &source, int row)
{
    for (int index = 0; index < m_fields.size(); ++index) {
        bool ok = false;
        const double value = source.value(row, m_fields.at(index)).toDouble(&ok);
        if (!ok)
            continue;
        for (QList<double> &scope : m_sums)
            scope[index] += value;
    }
}

void Totals::restartGroups(int fromLevel)
{
    for (int scope = 1 + fromLevel; scope < m_sums.size(); ++scope)
        m_sums[scope].fill(0.0);
}

double Totals::sum(const QString &field, int groupLevel) const
{
    return m_sums.at(1 + groupLevel).value(m_fields.indexOf(field));
}

}
