#include "reference/ChainedLists.h"

#include "reference/CommandGuard.h"

#include <QComboBox>
#include <QLineEdit>

namespace reference {

namespace {

void showNothing(QComboBox *list)
{
    list->setCurrentIndex(-1);
    list->setEditText(QString());
}

} // namespace

ChainedLists &ChainedLists::link(QComboBox *list, const Fill &fill, Shown shown)
{
    const int index = m_links.size();
    m_links.append({list, fill, shown, {}});
    // Only the user's changes count: textEdited and textActivated are not
    // emitted for a text the program sets.
    auto run = [this, index] { runCommand([this, index] { choose(index); }); };
    connect(list->lineEdit(), &QLineEdit::textEdited, this, run);
    connect(list, &QComboBox::textActivated, this, run);
    return *this;
}

ChainedLists &ChainedLists::whenChosen(QComboBox *list, const Action &action)
{
    for (Link &l : m_links)
        if (l.list == list)
            l.chosen = action;
    return *this;
}

void ChainedLists::fillFirst()
{
    refill(0);
    for (int i = 1; i < m_links.size(); ++i)
        empty(i);
}

void ChainedLists::choose(int index)
{
    if (index + 1 < m_links.size())
        refill(index + 1);
    for (int i = index + 2; i < m_links.size(); ++i)
        empty(i);
    if (m_links[index].chosen)
        m_links[index].chosen(textsUpTo(index + 1));
}

void ChainedLists::refill(int index)
{
    const Link &l = m_links[index];
    if (!l.fill)
        return;
    const QStringList entries = l.fill(textsUpTo(index));
    l.list->clear();
    l.list->addItems(entries);
    if (l.shown == Shown::Nothing)
        showNothing(l.list);
}

void ChainedLists::empty(int index)
{
    m_links[index].list->clear();
    showNothing(m_links[index].list);
}

QStringList ChainedLists::textsUpTo(int index) const
{
    QStringList texts;
    for (int i = 0; i < index; ++i)
        texts << m_links[i].list->currentText();
    return texts;
}

} // namespace reference
