#include "report/RuledTable.h"

namespace report {

RuledTable::RuledTable(const QList<Column> &columns)
    : m_columns(columns)
{
}

qreal RuledTable::width() const
{
    return left(int(m_columns.size()));
}

qreal RuledTable::left(int column) const
{
    qreal x = 0;
    for (int index = 0; index < column; ++index)
        x += m_columns.at(index).width;
    return x;
}

Band RuledTable::columnHeader(qreal height) const
{
    Band band = ruledBand(height);
    band.elements.append(Element::horizontalRule(0, 0, width()));
    for (int index = 0; index < m_columns.size(); ++index) {
        const Column &column = m_columns.at(index);
        band.elements.append(Element::label(QRectF(left(index), 0, column.width, height), column.title)
                                 .aligned(Align::Center)
                                 .clipped());
    }
    return band;
}

Band RuledTable::detail(qreal height) const
{
    Band band = ruledBand(height);
    for (int index = 0; index < m_columns.size(); ++index) {
        const Column &column = m_columns.at(index);
        band.elements.append(Element::field(QRectF(left(index), 0, column.width, height), column.field)
                                 .masked(column.mask)
                                 .aligned(column.align)
                                 .clipped());
    }
    return band;
}

Band RuledTable::ruledBand(qreal height) const
{
    Band band{height, {}};
    for (int index = 0; index <= m_columns.size(); ++index)
        band.elements.append(Element::verticalRule(left(index), 0, height));
    band.elements.append(Element::horizontalRule(0, height, width()));
    return band;
}

}
