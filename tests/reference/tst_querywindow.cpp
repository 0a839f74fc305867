#include "ScriptedDialogs.h"
#include "TestDatabase.h"

#include "db/Query.h"
#include "reference/QueryWindow.h"
#include "report/TableSource.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDateEdit>
#include <QDialog>
#include <QRadioButton>
#include <QTableView>
#include <QtTest>

using reference::CommandRole;
using reference::Condition;
using reference::SearchValues;

namespace {

// The searched column of each choice of the group.
const QStringList SearchedColumns{"pname", "color"};

QString searchedColumn(const SearchValues &v)
{
    return SearchedColumns.value(v.choice(QStringLiteral("RadioGroup1")));
}

// A small inquiry over the colour-fabric inspections: a search column chosen
// by the group, its value from the list, and the inspection dates from and to.
reference::QueryDeclaration inspectionInquiry(report::TableSource *printed)
{
    reference::QueryDeclaration d;
    d.windowClass = QStringLiteral("TYanShouChaF");
    d.caption = QStringLiteral("验收查询");
    d.conditions = {
        Condition::choices(QStringLiteral("RadioGroup1"), QStringLiteral("查询方式"),
                           {{QStringLiteral("RadioButton1"), QStringLiteral("品名")},
                            {QStringLiteral("RadioButton2"), QStringLiteral("颜色")}})
            .required(QStringLiteral("请先选择查询方式！")),
        Condition::list(QStringLiteral("ComboBox1"), QStringLiteral("值："))
            .filledBy([](db::Connection &c, const SearchValues &v) {
                return reference::distinctValuesOf(QStringLiteral("youseyan"), searchedColumn(v))(c, v);
            }, QStringLiteral("RadioGroup1")),
        Condition::date(QStringLiteral("DateTimePicker1"), QStringLiteral("从：")),
        Condition::date(QStringLiteral("DateTimePicker2"), QStringLiteral("到：")),
    };
    d.grid = reference::QueryGrid::ofStatement([](db::Query &q, const SearchValues &v) {
        q.add(QStringLiteral("select pname 品名, color 颜色, yanshu 数量 from youseyan"));
        q.add(QStringLiteral("where %1=:Q1 and date>=:Q2 and date<:Q3 order by yanshu").arg(searchedColumn(v)));
        q.setParam(QStringLiteral("Q1"), v.text(QStringLiteral("ComboBox1")));
        q.setParam(QStringLiteral("Q2"), v.date(QStringLiteral("DateTimePicker1")));
        q.setParam(QStringLiteral("Q3"), v.date(QStringLiteral("DateTimePicker2")).addDays(1));
    });
    d.commands = {
        {CommandRole::Search, QStringLiteral("SpeedButton1"), QStringLiteral("查询")},
        {CommandRole::Print, QStringLiteral("SpeedButton2"), QStringLiteral("打印")},
        {CommandRole::Exit, QStringLiteral("SpeedButton3"), QStringLiteral("退出")},
    };
    d.printout = [printed](db::Connection &, const SearchValues &, const report::TableSource &shown, QWidget *parent) {
        *printed = shown;
        return new QDialog(parent);
    };
    d.printing = reference::PrintAvailability::OncePerSearch;
    return d;
}

class InspectionInquiry : public reference::QueryWindow {
public:
    InspectionInquiry(db::Connection &connection, report::TableSource *printed)
        : QueryWindow(connection, inspectionInquiry(printed))
    {
    }
    QVector<int> picked;

protected:
    void rowPicked(int row) override { picked << row; }
};

} // namespace

// The rules every query window follows, on a small declared one: the
// required choice, the lists refilled on choosing, the search with its date
// bounds, the row pick and the printout built from the rows shown.
class QueryWindowTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init()
    {
        m_db.reset();
        m_dialogs.clear();
        const QList<QVariantList> inspections{
            {"网布", "黑", 1, "2024-02-29 23:59:00"}, {"网布", "黑", 2, "2024-03-01"},
            {"网布", "白", 3, "2024-03-15 08:00:00"}, {"网布", "黑", 4, "2024-03-31 16:30:00"},
            {"网布", "黑", 5, "2024-04-01"},          {"PU革", "黑", 6, "2024-03-10"},
            {"网布 ", "黑", 7, "2024-03-10"},
        };
        for (const QVariantList &row : inspections)
            m_db.connection().run(QStringLiteral("insert into youseyan (pname, color, yanshu, date) values (?, ?, ?, ?)"), row);
        m_window = std::make_unique<InspectionInquiry>(m_db.connection(), &m_printed);
        m_window->show();
    }
    void cleanup() { m_window.reset(); }

    void searchNeedsTheRequiredChoice()
    {
        m_window->button(QStringLiteral("SpeedButton1"))->click();
        QCOMPARE(m_dialogs.texts(), QStringList{"请先选择查询方式！"});
        QCOMPARE(m_window->grid()->model()->rowCount(), 0);
        QVERIFY(!m_window->button(QStringLiteral("SpeedButton2"))->isEnabled());
    }

    void choosingRefillsTheValueList()
    {
        choose("RadioButton1");
        QCOMPARE(items(), (QStringList{"网布", "网布 ", "PU革"}));
        QCOMPARE(list()->currentText(), QStringLiteral("网布"));
        choose("RadioButton2");
        QCOMPARE(items(), (QStringList{"白", "黑"}));
        QCOMPARE(list()->currentText(), QStringLiteral("白"));
    }

    void searchShowsExactlyTheMatchingRows_data()
    {
        QTest::addColumn<QString>("choice");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QDate>("from");
        QTest::addColumn<QDate>("to");
        QTest::addColumn<QStringList>("quantities");
        const QDate start(2024, 3, 1);
        const QDate end(2024, 3, 31);
        QTest::newRow("both ends included, the end's whole day")
            << "RadioButton1" << "网布" << start << end << QStringList{"2", "3", "4"};
        QTest::newRow("one day") << "RadioButton1" << "网布" << start << start << QStringList{"2"};
        QTest::newRow("the value exactly, blanks and all")
            << "RadioButton1" << "网布 " << start << end << QStringList{"7"};
        QTest::newRow("by the other column") << "RadioButton2" << "黑" << start << end << QStringList{"2", "4", "6", "7"};
        QTest::newRow("a start after the end") << "RadioButton1" << "网布" << end << start << QStringList{};
        QTest::newRow("a value nobody has") << "RadioButton1" << "尼龙" << start << end << QStringList{};
    }
    void searchShowsExactlyTheMatchingRows()
    {
        QFETCH(QString, choice);
        QFETCH(QString, value);
        QFETCH(QDate, from);
        QFETCH(QDate, to);
        QFETCH(QStringList, quantities);
        choose(choice);
        list()->setEditText(value);
        picker("DateTimePicker1")->setDate(from);
        picker("DateTimePicker2")->setDate(to);
        m_window->button(QStringLiteral("SpeedButton1"))->click();
        QCOMPARE(m_dialogs.shown.size(), 0);
        QCOMPARE(column(2), quantities);
    }

    void printBuildsFromTheShownRowsOncePerSearch()
    {
        choose("RadioButton2");
        list()->setEditText(QStringLiteral("黑"));
        picker("DateTimePicker1")->setDate(QDate(2024, 3, 1));
        picker("DateTimePicker2")->setDate(QDate(2024, 3, 31));
        QAbstractButton *print = m_window->button(QStringLiteral("SpeedButton2"));
        m_window->button(QStringLiteral("SpeedButton1"))->click();
        QVERIFY(print->isEnabled());
        print->click();
        QCOMPARE(m_printed.rowCount(), 4);
        QStringList printed;
        for (int r = 0; r < m_printed.rowCount(); ++r)
            printed << m_printed.value(r, QStringLiteral("品名")).toString() + m_printed.value(r, QStringLiteral("数量")).toString();
        QCOMPARE(printed, (QStringList{"网布2", "网布4", "PU革6", "网布 7"}));
        QVERIFY(m_window->findChild<QDialog *>());
        QVERIFY(!print->isEnabled());
        m_window->button(QStringLiteral("SpeedButton1"))->click();
        QVERIFY(print->isEnabled());
    }

    void clickingARowPicksIt()
    {
        choose("RadioButton2");
        list()->setEditText(QStringLiteral("黑"));
        picker("DateTimePicker1")->setDate(QDate(2024, 3, 1));
        picker("DateTimePicker2")->setDate(QDate(2024, 3, 31));
        m_window->search();
        QTableView *grid = m_window->grid();
        const QRect cell = grid->visualRect(grid->model()->index(1, 0));
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
        QCOMPARE(m_window->picked, QVector<int>{1});
    }

private:
    void choose(const QString &radio) { m_window->findChild<QRadioButton *>(radio)->click(); }
    QComboBox *list() { return m_window->findChild<QComboBox *>(QStringLiteral("ComboBox1")); }
    QDateEdit *picker(const char *name) { return m_window->findChild<QDateEdit *>(QLatin1String(name)); }
    QStringList items()
    {
        QStringList texts;
        for (int i = 0; i < list()->count(); ++i)
            texts << list()->itemText(i);
        return texts;
    }
    QStringList column(int c)
    {
        const QAbstractItemModel *model = m_window->grid()->model();
        QStringList texts;
        for (int r = 0; r < model->rowCount(); ++r)
            texts << model->index(r, c).data().toString();
        return texts;
    }

    TestDatabase m_db;
    ScriptedDialogs m_dialogs;
    report::TableSource m_printed{QStringList{}};
    std::unique_ptr<InspectionInquiry> m_window;
};

QTEST_MAIN(QueryWindowTest)
#include "tst_querywindow.moc"
