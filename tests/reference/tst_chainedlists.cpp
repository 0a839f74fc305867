#include "ScriptedDialogs.h"

#include "db/AppError.h"
#include "reference/ChainedLists.h"

#include <QComboBox>
#include <QLineEdit>
#include <QtTest>
#include <memory>

using reference::ChainedLists;

namespace {

QStringList entriesOf(const QComboBox *list)
{
    QStringList entries;
    for (int i = 0; i < list->count(); ++i)
        entries << list->itemText(i);
    return entries;
}

QComboBox *newList()
{
    auto *list = new QComboBox;
    list->setEditable(true);
    return list;
}

} // namespace

// Four lists, each filled from the texts before it: a list's entries name the
// choices they were made from, and the choice "无" finds nothing.
class ChainedListsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init()
    {
        m_owner = std::make_unique<QWidget>();
        m_lists.clear();
        m_fills.clear();
        m_chosen.clear();
        m_chain = new ChainedLists(m_owner.get());
        for (int i = 0; i < 4; ++i) {
            QComboBox *list = newList();
            list->setParent(m_owner.get());
            m_lists << list;
            m_chain->link(list, [this, i](const QStringList &before) {
                m_fills << i;
                if (before.contains(QStringLiteral("无")))
                    return QStringList();
                const QString from = before.join(QLatin1Char('/'));
                return QStringList{from + QStringLiteral("甲"), from + QStringLiteral("乙"), QStringLiteral("无")};
            });
        }
        m_chain->whenChosen(m_lists[3], [this](const QStringList &choices) { m_chosen = choices; });
        m_chain->fillFirst();
        m_fills.clear();
    }

    void fillingTheFirstEmptiesTheOthers()
    {
        QCOMPARE(entriesOf(m_lists[0]), (QStringList{"甲", "乙", "无"}));
        QCOMPARE(m_lists[0]->currentText(), QString());
        for (int i = 1; i < 4; ++i)
            QCOMPARE(m_lists[i]->count(), 0);
    }

    // Picking from the list and typing into it both count as the user's choice.
    void aChoiceRefillsTheNextAndEmptiesTheRest_data()
    {
        QTest::addColumn<bool>("typed");
        QTest::newRow("picked") << false;
        QTest::newRow("typed") << true;
    }
    void aChoiceRefillsTheNextAndEmptiesTheRest()
    {
        QFETCH(bool, typed);
        userChooses(0, "甲", typed);
        userChooses(1, "甲乙", typed);
        userChooses(2, "甲/甲乙甲", typed);
        QCOMPARE(entriesOf(m_lists[3]), (QStringList{"甲/甲乙/甲/甲乙甲甲", "甲/甲乙/甲/甲乙甲乙", "无"}));
        QCOMPARE(m_lists[3]->currentText(), QString());

        m_fills.clear();
        userChooses(0, "乙", typed);
        QCOMPARE(m_fills, QVector<int>{1});
        QCOMPARE(entriesOf(m_lists[1]), (QStringList{"乙甲", "乙乙", "无"}));
        QCOMPARE(m_lists[1]->currentText(), QString());
        QCOMPARE(m_lists[2]->count(), 0);
        QCOMPARE(m_lists[2]->currentText(), QString());
        QCOMPARE(m_lists[3]->count(), 0);
        QVERIFY(m_chosen.isEmpty());
    }

    void aStepThatFindsNothingEmptiesTheRest()
    {
        userChooses(0, "甲", false);
        userChooses(1, "甲乙", false);
        userChooses(2, "甲/甲乙甲", false);
        userChooses(1, "无", false);
        QCOMPARE(m_lists[2]->count(), 0);
        QCOMPARE(m_lists[3]->count(), 0);
    }

    void theLastChoiceRunsItsActionWithEveryChoice()
    {
        userChooses(0, "甲", false);
        userChooses(1, "甲乙", false);
        userChooses(2, "甲/甲乙甲", false);
        userChooses(3, "无", false);
        QCOMPARE(m_chosen, (QStringList{"甲", "甲乙", "甲/甲乙甲", "无"}));
    }

    // A row pick writes the lists' texts: nothing is refilled or emptied.
    void aTextThatTheProgramSetsRefillsNothing()
    {
        userChooses(0, "甲", false);
        m_fills.clear();
        m_lists[0]->setEditText(QStringLiteral("乙"));
        m_lists[1]->setCurrentIndex(1);
        m_lists[2]->setEditText(QStringLiteral("丙"));
        QVERIFY(m_fills.isEmpty());
        QCOMPARE(entriesOf(m_lists[1]), (QStringList{"甲甲", "甲乙", "无"}));
        QCOMPARE(m_lists[2]->currentText(), QStringLiteral("丙"));
    }

    // A fill that fails is shown by the general error handler; the lists stay.
    void aFailingFillIsShownAndLeavesTheLists()
    {
        ScriptedDialogs dialogs;
        QComboBox *first = newList();
        QComboBox *second = newList();
        first->setParent(m_owner.get());
        second->setParent(m_owner.get());
        second->addItem(QStringLiteral("旧"));
        auto *chain = new ChainedLists(m_owner.get());
        chain->link(first, nullptr);
        chain->link(second, [](const QStringList &) -> QStringList { throw AppError(QStringLiteral("读取失败")); });
        first->addItem(QStringLiteral("甲"));
        emit first->textActivated(QStringLiteral("甲"));
        QCOMPARE(dialogs.shown.size(), 1);
        QVERIFY(dialogs.last().contains(QStringLiteral("读取失败")));
        QCOMPARE(entriesOf(second), QStringList{QStringLiteral("旧")});
    }

private:
    void userChooses(int list, const char *text, bool typed)
    {
        QComboBox *box = m_lists[list];
        const QString t = QString::fromUtf8(text);
        if (typed) {
            box->setEditText(t);
            emit box->lineEdit()->textEdited(t);
        } else {
            const int index = box->findText(t);
            QVERIFY2(index >= 0, text);
            box->setCurrentIndex(index);
            emit box->textActivated(t);
        }
    }

    std::unique_ptr<QWidget> m_owner;
    ChainedLists *m_chain = nullptr;
    QVector<QComboBox *> m_lists;
    QVector<int> m_fills;
    QStringList m_chosen;
};

QTEST_MAIN(ChainedListsTest)
#include "tst_chainedlists.moc"
