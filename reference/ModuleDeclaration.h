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
    Choice,     // an editable drop-down list (sorted, filled by a statement or a fixed list)
    Date,       // a date picker; stored as the short-date text of its date
    DateText,   // a date kept as text: a text field with a calendar button beside it
};

// One labelled entry field of the entry panel, bound to a column of the table.
struct EntryField {
    QString label;              // as the panel shows it, e.g. "部门编号："
    QString control;            // the field's name, e.g. "Edit1"
    QString column;
    FieldKind kind = FieldKind::Line;
    bool trimmed = true;        // Add and Modify store the text trimmed
    QString listSql;            // Choice: the statement whose first column fills the list
    QStringList fixedList;      // Choice: a fixed list instead
    bool pickedByRow = true;    // the row pick copies the column into the field
    QString calendar;           // DateText: the calendar button's name
};

// One choice of the search pair: its caption and the column it tests.
struct SearchChoice {
    QString caption;
    QString column;
    bool datesOnly = false;     // the choice tests the date range alone; the value list is hidden
    bool valueOnly = false;     // the choice tests its value alone; the date range is hidden
};

// The date range of a search row: "从：" and "到：" pickers after the value
// list. Every choice also tests that the column's date lies in the range.
struct DateRangeSearch {
    QString column;             // empty: the search row has no date range
    QString from;               // the pickers' names
    QString to;
    bool hiddenUntilChosen = false;  // "到：" and the pickers show once a choice is made
    bool allHiddenUntilChosen = false;  // the value list and "从：" too
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
    bool searchValuesTrimmed = false;       // the value list holds the values trimmed
    DateRangeSearch dateRange;
    ModuleMessages messages;
    CommandNames commands;

    bool opensTable = true;                 // false: the grid stays empty until 刷新, 查询 or Add
    bool deleteNeedsOpenTable = false;      // true: Delete before the table is opened is an error, not "nothing to delete"
    bool fixedSize = false;
    bool enterInLastFieldAdds = false;      // false: it moves the focus to the Add button
    bool focusKeyAfterAdd = true;
    bool refreshAmongCommands = false;      // true: 刷新 stands before 退出 in the command row, not in the search row
    QStringList hoverButtons;               // captions that turn red under the mouse
    QVector<Area> hoverResetAreas;          // areas over which all captions turn back
};

} // namespace reference
