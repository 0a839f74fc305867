#pragma once

#include "db/DataSetModel.h"

#include <QString>
#include <QStringList>
#include <QVector>

namespace reference {

// The units every quantity of the system is counted in.
inline const QStringList Units{QStringLiteral("KG"), QStringLiteral("PC"), QStringLiteral("SF"), QStringLiteral("Y"),
                               QStringLiteral("张")};
// The currencies that quotations and orders carry; nothing converts between them.
inline const QStringList Currencies{QStringLiteral("HKD"), QStringLiteral("NTD"), QStringLiteral("RMB")};

// How an entry field takes its text.
enum class FieldKind {
    Line,       // a one-line text field
    Memo,       // a multi-line remark field
    Choice,     // an editable drop-down list (sorted, filled from a column's values or a fixed list)
    Date,       // a date picker; stored as the short-date text of its date
    DateText,   // a date kept as text: a text field with a calendar button beside it
};

// Whether a text keeps its leading and trailing blanks.
enum class Blanks { Kept, Trimmed };

// Whether the row pick copies a field's column into it.
enum class RowPick { Copies, LeavesField };

// One labelled entry field of the entry panel, bound to a column of the table.
// The builders state how a field differs from a trimmed field that the row
// pick fills: EntryField{label, control, column, FieldKind::Choice}.listing(...).
struct EntryField {
    QString label;              // as the panel shows it, e.g. "部门编号："
    QString control;            // the field's name, e.g. "Edit1"
    QString column;
    FieldKind kind = FieldKind::Line;
    Blanks blanks = Blanks::Trimmed;  // as Add and Modify store the text
    QString listTable;          // Choice: the list holds the distinct values of listTable.listColumn
    QString listColumn;
    QStringList fixedList;      // Choice: a fixed list instead
    RowPick rowPick = RowPick::Copies;
    QString calendar;           // DateText: the calendar button's name

    // Add and Modify store the text as typed.
    EntryField &keepingBlanks() { blanks = Blanks::Kept; return *this; }
    EntryField &listing(const QString &table, const QString &valueColumn)
    {
        listTable = table;
        listColumn = valueColumn;
        return *this;
    }
    EntryField &offering(const QStringList &list) { fixedList = list; return *this; }
    EntryField &leftByRowPick() { rowPick = RowPick::LeavesField; return *this; }
    EntryField &withCalendar(const QString &name) { calendar = name; return *this; }
};

// What a search choice tests when the search row has a date range; without
// one every choice tests its value.
enum class SearchTest {
    ValueInRange,   // the column equals the value and the range column's date lies in the range
    ValueOnly,      // the range is hidden while the choice is made
    RangeOnly,      // the value list is hidden while the choice is made
};

// One choice of the search pair: its caption and the column it tests.
struct SearchChoice {
    QString caption;
    QString column;
    SearchTest test = SearchTest::ValueInRange;
};

// What of the search row stays hidden until a search choice is made.
enum class HiddenUntilChosen {
    Nothing,
    Range,              // "到：" and both pickers; "从：" shows from the start
    RangeAndValues,     // the value list, "从：", "到：" and the pickers
};

// The date range of a search row: "从：" and "到：" pickers after the value
// list. Every choice also tests that the column's date lies in the range.
struct DateRangeSearch {
    QString column;             // empty: the search row has no date range
    QString from;               // the pickers' names
    QString to;
    HiddenUntilChosen hidden = HiddenUntilChosen::Nothing;
};

// The fixed texts of a window's commands.
struct ModuleMessages {
    QString emptyKey;           // Add with an empty key field; empty: no key is required
    QString refused;            // Add of a key already stored; empty: the general error handler shows why
    QString addQuestion = QStringLiteral("确定加入到下面表格中吗？");
    QString added = QStringLiteral("添加资料成功!");
    QString modifyQuestion = QStringLiteral("确定将修改加入到下面表格中吗？");
    QString modified = QStringLiteral("资料修改成功!");
    QString deleteQuestion = QStringLiteral("确认删除你选择的数据吗？");
    QString nothingToDelete = QStringLiteral("表中没有记录可删除！");
    QString deleted = QStringLiteral("已成功删除！");
};

// The window's panels that take part in the hover highlight.
enum class Area { Entry, Commands, Search, Grid };

// The names of a window's command buttons (captions are the common ones).
struct CommandNames {
    QString add = QStringLiteral("BitBtn1");
    QString modify = QStringLiteral("BitBtn2");
    QString remove = QStringLiteral("BitBtn3");
    QString exit = QStringLiteral("BitBtn4");
    QString refresh = QStringLiteral("SpeedButton2");
    QString search = QStringLiteral("SpeedButton1");
};

// When the window's table is first read.
enum class TableOpening {
    AtStart,
    OnFirstCommand,     // the grid stays empty until 刷新, 查询 or Add
};

// Whether the user may resize the window.
enum class WindowSizing { Sizable, Fixed };

// What Delete does while the table has not been read yet.
enum class ClosedTableDelete {
    NothingToDelete,    // says "表中没有记录可删除！" as for an empty table
    Fails,              // there is no row to delete: the general error handler says so
};

// What Enter in the last entry field does.
enum class LastFieldEnter { FocusesAdd, Adds };

// Where 刷新 stands.
enum class RefreshButton {
    InSearchRow,        // before 查询
    AmongCommands,      // before 退出
};

// A module window as data: its table, grid, entry fields, search choices and
// messages, and the few ways in which windows differ from one another.
struct ModuleDeclaration {
    QString windowClass;
    QString caption;
    QString table;
    QVector<EntryField> fields;             // in the order Enter walks through them
    QString entryCaption;                   // the entry panel's group box title; empty: a plain panel
    QString searchCaption;                  // the search row's group box title; empty: a plain panel
    QVector<db::GridColumn> grid;
    QString searchChooser = QStringLiteral("ComboBox2");
    QString searchValues = QStringLiteral("ComboBox1");
    QVector<SearchChoice> search;
    Blanks valueListBlanks = Blanks::Kept;  // Trimmed: the value list holds the values trimmed
    DateRangeSearch dateRange;
    ModuleMessages messages;
    CommandNames commands;

    TableOpening opening = TableOpening::AtStart;
    WindowSizing sizing = WindowSizing::Sizable;
    ClosedTableDelete closedTableDelete = ClosedTableDelete::NothingToDelete;
    LastFieldEnter lastFieldEnter = LastFieldEnter::FocusesAdd;
    RefreshButton refreshButton = RefreshButton::InSearchRow;
    QStringList hoverButtons;               // captions that turn red under the mouse
    QVector<Area> hoverResetAreas;          // areas over which all captions turn back
};

} // namespace reference
