#pragma once

#include "db/DataSetModel.h"
#include "db/RowFilter.h"

#include <QDate>
#include <QHash>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QVector>
#include <functional>

class QDialog;
class QWidget;

namespace db {
class Connection;
class Query;
}
namespace report { class TableSource; }

namespace reference {

// What the user has entered into a query window's conditions at one moment,
// by the controls' names: the statements and computations read it, so that
// they run without a window as well.
class SearchValues {
public:
    void setText(const QString &control, const QString &text) { m_texts.insert(control, text); }
    void setChoice(const QString &control, int option) { m_choices.insert(control, option); }
    void setDate(const QString &control, const QDate &date) { m_dates.insert(control, date); }

    // A list's text as it stands in the field.
    QString text(const QString &control) const { return m_texts.value(control); }
    // The index of the chosen option of a group, -1 while none is chosen.
    int choice(const QString &control) const { return m_choices.value(control, -1); }
    QDate date(const QString &control) const { return m_dates.value(control); }

private:
    QHash<QString, QString> m_texts;
    QHash<QString, int> m_choices;
    QHash<QString, QDate> m_dates;
};

// The texts of a value list, read when the list is filled.
using ValueSource = std::function<QStringList(db::Connection &, const SearchValues &)>;
// A list of the distinct values of a column: "select distinct column from table".
ValueSource distinctValuesOf(const QString &table, const QString &column);

// One option of a group of choices: the radio button's name and caption.
struct Option {
    QString control;
    QString caption;
};

// One search condition of a query window.
struct Condition {
    enum class Kind {
        Options,    // a titled group of radio buttons, none chosen at the start
        List,       // an editable drop-down list, sorted, its first value standing in the field once filled
        Date,       // a date picker, set to today
    };

    Kind kind = Kind::List;
    QString control;            // the list's, the picker's or the group box's name
    QString label;              // the label before a list or picker; the group's title
    QVector<Option> options;    // Options
    QString requiredMessage;    // Options: shown by 查询 while nothing is chosen; empty: no choice needed
    ValueSource values;         // List
    QString filledAfter;        // List: the condition whose change by the user refills it

    static Condition choices(const QString &group, const QString &title, const QVector<Option> &options)
    {
        return {Kind::Options, group, title, options};
    }
    static Condition list(const QString &control, const QString &label) { return {Kind::List, control, label}; }
    static Condition date(const QString &control, const QString &label) { return {Kind::Date, control, label}; }
    // 查询 with nothing chosen in this group shows the message and runs nothing.
    Condition required(const QString &message) const
    {
        Condition c = *this;
        c.requiredMessage = message;
        return c;
    }
    // The list is refilled whenever the user changes that condition; filling
    // a list refills no other.
    Condition filledBy(const ValueSource &source, const QString &after) const
    {
        Condition c = *this;
        c.values = source;
        c.filledAfter = after;
        return c;
    }
};

// What a command button of the command row does.
enum class CommandRole {
    Search,     // runs the declared search
    Refresh,    // a table grid: every table reopened without its row test
    Print,      // builds the declared printout and shows it in its preview
    Exit,       // closes the window
    Own,        // wired by the window class
};

struct QueryCommand {
    CommandRole role;
    QString control;
    QString caption;
};

// Where the command buttons stand.
enum class CommandPlacement {
    OwnRow,             // a panel of their own under the conditions
    BesideConditions,   // at the right end of the conditions' row
};

// When the print command can be used.
enum class PrintAvailability {
    Always,
    OncePerSearch,      // enabled by each search, disabled by each print
};

// What the grid shows and what 查询 runs to fill it.
struct QueryGrid {
    enum class Kind {
        Query,      // the result of a statement, read-only, over db::QueryModel
        Table,      // a table's rows through its row test, editable, over db::DataSetModel
        Texts,      // rows of texts computed by the search, every cell editable
    };

    Kind kind = Kind::Query;
    QString control = QStringLiteral("DBGrid1");
    // The columns shown, with their widths. Table: under the schema's captions.
    QVector<db::GridColumn> columns;
    // Texts: the columns' titles, written by each search (they stay empty until then).
    QStringList titles;

    // Query: writes the statement and binds its parameters.
    std::function<void(db::Query &, const SearchValues &)> statement;

    // Table: the tables the grid can show, each kept open with its own row
    // test; the options of the group chooserGroup choose among them in order.
    QStringList tables;
    QString chooserGroup;
    // Table: the row test of 查询 for the table shown.
    std::function<db::RowFilter(const SearchValues &)> rowTest;

    // Texts: the rows, each a list of cell texts from the first column on.
    // A search rewrites the cells its rows hold and keeps what was typed into
    // the columns after them.
    std::function<QVector<QStringList>(db::Connection &, const SearchValues &)> compute;

    static QueryGrid ofStatement(const std::function<void(db::Query &, const SearchValues &)> &statement)
    {
        QueryGrid g;
        g.kind = Kind::Query;
        g.statement = statement;
        return g;
    }
    static QueryGrid ofTables(const QStringList &tables, const QString &chooserGroup,
                              const QVector<db::GridColumn> &columns,
                              const std::function<db::RowFilter(const SearchValues &)> &rowTest)
    {
        QueryGrid g;
        g.kind = Kind::Table;
        g.tables = tables;
        g.chooserGroup = chooserGroup;
        g.columns = columns;
        g.rowTest = rowTest;
        return g;
    }
    static QueryGrid ofTexts(const QVector<db::GridColumn> &columns, const QStringList &titles,
                             const std::function<QVector<QStringList>(db::Connection &, const SearchValues &)> &compute)
    {
        QueryGrid g;
        g.kind = Kind::Texts;
        g.columns = columns;
        g.titles = titles;
        g.compute = compute;
        return g;
    }
    QueryGrid named(const QString &name) const
    {
        QueryGrid g = *this;
        g.control = name;
        return g;
    }
};

// Builds the printout from the rows the grid shows (see QueryWindow::shownRows),
// owned by the parent; the window shows it maximised.
using PrintoutBuilder = std::function<QDialog *(db::Connection &, const SearchValues &,
                                                const report::TableSource &shown, QWidget *parent)>;

// A query window as data: its conditions with their lists, what 查询 runs and
// the grid shows, the command row, and the printout.
struct QueryDeclaration {
    QString windowClass;
    QString caption;
    QVector<Condition> conditions;      // groups of options stand first, in their order, then the others
    QString conditionsCaption;          // frames the lists and pickers in a group box of that title
    QString conditionsName = QStringLiteral("GroupBox1");
    QueryGrid grid;
    QVector<QueryCommand> commands;
    CommandPlacement placement = CommandPlacement::OwnRow;
    QString commandRowName = QStringLiteral("Panel1");
    PrintoutBuilder printout;
    PrintAvailability printing = PrintAvailability::Always;
    QSize size{860, 560};
};

} // namespace reference
