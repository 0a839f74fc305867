#pragma once

#include "reference/ModuleDeclaration.h"

#include <QFrame>
#include <QHash>
#include <QVector>
#include <functional>

class QDataWidgetMapper;
class QDateEdit;
class QLineEdit;

namespace db {
class Connection;
class DataSetModel;
}

namespace reference {

// The labelled entry fields of a module window, built from their declaration.
// Its fields are mapped to the columns of a grid's model, so that the row pick
// is the mapping moving to that row; it gives the fields' values for a row to
// store, and walks the Enter chain.
class EntryPanel : public QFrame {
    Q_OBJECT
public:
    EntryPanel(const QVector<EntryField> &fields, const db::Table &table, QWidget *parent = nullptr);

    QWidget *field(const QString &control) const { return m_widgets.value(control); }
    // The text of a field as a command stores it (trimmed where declared).
    QString value(const EntryField &field) const;
    QString text(const QString &control) const;
    void setText(const QString &control, const QString &text);

    // Fills the bound columns of the row with the fields' values.
    QVector<QVariant> valuesInto(QVector<QVariant> row) const;
    // The row pick: the fields show the model's row, each field that the row
    // pick fills taking its column. A panel shared by several grids follows
    // the model of the grid last picked from.
    void pick(db::DataSetModel &model, int row);
    // Refills the lists of the choice fields from their columns.
    void fillLists(db::Connection &connection);

    // What Enter in the last field does; a command run there takes the key,
    // so that a memo gets no line break from it.
    void setChainEnd(const std::function<void()> &end, bool runsCommand = false)
    {
        m_chainEnd = end;
        m_chainEndRunsCommand = runsCommand;
    }
    // What Enter in a field does before the focus moves on; the focus stays
    // when the handler returns false.
    void setEnterHandler(const QString &control, const std::function<bool()> &handler)
    {
        m_enterHandlers.insert(control, handler);
    }
    const QVector<EntryField> &fields() const { return m_fields; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *createField(const EntryField &field);
    QLineEdit *newDateText(const EntryField &field);
    static QDateEdit *newDatePicker();
    void moveOn(int fieldIndex);
    void mapTo(db::DataSetModel &model);

    QVector<EntryField> m_fields;
    const db::Table &m_table;
    QHash<QString, QWidget *> m_widgets;
    QDataWidgetMapper *m_mapper;
    QHash<QString, QDateEdit *> m_calendars;   // by the date text field they fill
    QHash<QObject *, int> m_chainIndex;
    std::function<void()> m_chainEnd;
    bool m_chainEndRunsCommand = false;
    QHash<QString, std::function<bool()>> m_enterHandlers;
};

// Sorts the texts of a value list as the user reads them: by pinyin, letters
// without regard to case.
QStringList sortedForList(QStringList texts);

} // namespace reference
