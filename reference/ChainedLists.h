#pragma once

#include <QObject>
#include <QStringList>
#include <QVector>
#include <functional>

class QComboBox;

namespace reference {

// Lists that narrow a choice step by step (customer → order → item → width →
// specification → colour): each list is filled from the texts of the lists
// before it. What the user chooses in a list, by picking an entry or by
// typing, refills the next list and empties every list after that; a text the
// program puts into a list (a row pick) refills nothing.
class ChainedLists : public QObject {
    Q_OBJECT
public:
    // The entries of a list from the texts of the lists before it, in chain order.
    using Fill = std::function<QStringList(const QStringList &before)>;
    // What else a choice does, after the next list is refilled (the supplier
    // of an order, the stock of a colour); given the texts up to the chosen list.
    using Action = std::function<void(const QStringList &choices)>;
    // What a refilled list shows.
    enum class Shown { Nothing, FirstEntry };

    explicit ChainedLists(QObject *parent) : QObject(parent) {}

    // The next list of the chain. The first list's fill is given no texts; a
    // first list without a fill keeps the entries it was made with.
    ChainedLists &link(QComboBox *list, const Fill &fill, Shown shown = Shown::Nothing);
    ChainedLists &whenChosen(QComboBox *list, const Action &action);

    // Fills the first list and empties the others.
    void fillFirst();
    // What the user's choice in the list at that place does.
    void choose(int index);

private:
    struct Link {
        QComboBox *list;
        Fill fill;
        Shown shown;
        Action chosen;
    };

    void refill(int index);
    void empty(int index);
    QStringList textsUpTo(int index) const;

    QVector<Link> m_links;
};

} // namespace reference
