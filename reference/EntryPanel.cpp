#include "reference/EntryPanel.h"

#include "db/DataSetModel.h"
#include "db/DistinctValues.h"
#include "db/TextForms.h"

#include <QCalendarWidget>
#include <QCollator>
#include <QComboBox>
#include <QCompleter>
#include <QDataWidgetMapper>
#include <QDateEdit>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QStyledItemDelegate>

namespace reference {

namespace {

constexpr int FieldsPerLine = 3;

bool isEnter(QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const int key = static_cast<QKeyEvent *>(event)->key();
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

// Puts a column's text into its field as the field takes text: a date picker
// keeps its date when the text is none, a date kept as text moves its calendar.
class FieldDelegate : public QStyledItemDelegate {
public:
    FieldDelegate(EntryPanel *panel) : QStyledItemDelegate(panel), m_panel(panel) {}

    void setEditorData(QWidget *editor, const QModelIndex &index) const override
    {
        m_panel->setText(editor->objectName(), index.data(Qt::EditRole).toString());
    }

private:
    EntryPanel *m_panel;
};

} // namespace

QStringList sortedForList(QStringList texts)
{
    QCollator collator(QLocale(QLocale::Chinese, QLocale::China));
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::stable_sort(texts.begin(), texts.end(),
                     [&](const QString &a, const QString &b) { return collator.compare(a, b) < 0; });
    return texts;
}

EntryPanel::EntryPanel(const QVector<EntryField> &fields, const db::Table &table, QWidget *parent)
    : QFrame(parent), m_fields(fields), m_table(table), m_mapper(new QDataWidgetMapper(this))
{
    m_mapper->setSubmitPolicy(QDataWidgetMapper::ManualSubmit);
    m_mapper->setItemDelegate(new FieldDelegate(this));
    setObjectName(QStringLiteral("Panel1"));
    setFrameShape(QFrame::StyledPanel);
    auto *layout = new QGridLayout(this);
    layout->setHorizontalSpacing(8);
    int slot = 0;
    int line = 0;
    for (int i = 0; i < m_fields.size(); ++i) {
        const EntryField &f = m_fields[i];
        QWidget *widget = createField(f);
        auto *label = new QLabel(f.label);
        label->setBuddy(widget);
        QWidget *placed = f.kind == FieldKind::DateText ? widget->parentWidget() : widget;
        if (f.kind == FieldKind::Memo) {
            if (slot > 0)
                ++line;
            layout->addWidget(label, line, 0, Qt::AlignRight | Qt::AlignTop);
            layout->addWidget(widget, line, 1, 1, FieldsPerLine * 2 - 1);
            ++line;
            slot = 0;
        } else {
            layout->addWidget(label, line, slot * 2, Qt::AlignRight);
            layout->addWidget(placed, line, slot * 2 + 1);
            if (++slot == FieldsPerLine) {
                slot = 0;
                ++line;
            }
        }
        m_chainIndex.insert(widget, i);
        widget->installEventFilter(this);
        if (QDateEdit *calendar = m_calendars.value(f.control)) {
            m_chainIndex.insert(calendar, i);
            calendar->installEventFilter(this);
        }
        if (auto *combo = qobject_cast<QComboBox *>(widget); combo && combo->lineEdit()) {
            m_chainIndex.insert(combo->lineEdit(), i);
            combo->lineEdit()->installEventFilter(this);
        }
    }
    for (int c = 1; c < FieldsPerLine * 2; c += 2)
        layout->setColumnStretch(c, 1);
}

QWidget *EntryPanel::createField(const EntryField &field)
{
    QWidget *widget = nullptr;
    switch (field.kind) {
    case FieldKind::Line:
        widget = new QLineEdit;
        break;
    case FieldKind::Memo: {
        auto *memo = new QPlainTextEdit;
        memo->setTabChangesFocus(true);
        memo->setFixedHeight(memo->fontMetrics().lineSpacing() * 3 + 12);
        widget = memo;
        break;
    }
    case FieldKind::Choice: {
        auto *combo = new QComboBox;
        combo->setEditable(true);
        combo->setInsertPolicy(QComboBox::NoInsert);
        combo->completer()->setCompletionMode(QCompleter::PopupCompletion);
        combo->completer()->setFilterMode(Qt::MatchContains);
        combo->addItems(field.fixedList);
        widget = combo;
        break;
    }
    case FieldKind::Date:
        widget = newDatePicker();
        break;
    case FieldKind::DateText:
        widget = newDateText(field);
        break;
    }
    widget->setObjectName(field.control);
    widget->setMinimumWidth(130);
    m_widgets.insert(field.control, widget);
    return widget;
}

QLineEdit *EntryPanel::newDateText(const EntryField &field)
{
    // The calendar starts at today and the text empty; a date picked in the
    // calendar is written into the text.
    auto *box = new QWidget;
    auto *text = new QLineEdit(box);
    QDateEdit *calendar = newDatePicker();
    calendar->setParent(box);
    calendar->setObjectName(field.calendar);
    auto *layout = new QHBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(text, 1);
    layout->addWidget(calendar);
    connect(calendar, &QDateEdit::dateChanged, text, [text](const QDate &date) { text->setText(db::shortDate(date)); });
    // Picking the date the calendar already shows changes no date, and fills the text all the same.
    connect(calendar->calendarWidget(), &QCalendarWidget::clicked, text,
            [text](const QDate &date) { text->setText(db::shortDate(date)); });
    m_widgets.insert(field.calendar, calendar);
    m_calendars.insert(field.control, calendar);
    return text;
}

QDateEdit *EntryPanel::newDatePicker()
{
    auto *picker = new QDateEdit(QDate::currentDate());
    picker->setCalendarPopup(true);
    picker->setDisplayFormat(QLatin1String(db::ShortDateForm));
    return picker;
}

QString EntryPanel::text(const QString &control) const
{
    QWidget *w = m_widgets.value(control);
    if (auto *line = qobject_cast<QLineEdit *>(w))
        return line->text();
    if (auto *memo = qobject_cast<QPlainTextEdit *>(w))
        return memo->toPlainText();
    if (auto *combo = qobject_cast<QComboBox *>(w))
        return combo->currentText();
    if (auto *picker = qobject_cast<QDateEdit *>(w))
        return db::shortDate(picker->date());
    return {};
}

void EntryPanel::setText(const QString &control, const QString &text)
{
    QWidget *w = m_widgets.value(control);
    if (auto *line = qobject_cast<QLineEdit *>(w)) {
        line->setText(text);
        if (QDateEdit *calendar = m_calendars.value(control))
            setText(calendar->objectName(), text);
    } else if (auto *memo = qobject_cast<QPlainTextEdit *>(w))
        memo->setPlainText(text);
    else if (auto *combo = qobject_cast<QComboBox *>(w))
        combo->setEditText(text);
    else if (auto *picker = qobject_cast<QDateEdit *>(w)) {
        // A row whose date is empty or no date leaves the picker as it is.
        if (const auto date = db::parseShortDate(text))
            picker->setDate(*date);
    }
}

QString EntryPanel::value(const EntryField &field) const
{
    const QString t = text(field.control);
    return field.blanks == Blanks::Trimmed ? t.trimmed() : t;
}

QVector<QVariant> EntryPanel::valuesInto(QVector<QVariant> row) const
{
    for (const EntryField &f : m_fields) {
        const int column = m_table.columnIndex(f.column);
        if (column >= 0)
            row[column] = value(f);
    }
    return row;
}

void EntryPanel::pick(db::DataSetModel &model, int row)
{
    if (m_mapper->model() != &model)
        mapTo(model);
    m_mapper->setCurrentIndex(row);
}

void EntryPanel::mapTo(db::DataSetModel &model)
{
    m_mapper->clearMapping();
    m_mapper->setModel(&model);
    for (const EntryField &f : m_fields) {
        const int section = model.sectionOf(f.column);
        if (f.rowPick == RowPick::Copies && section >= 0)
            m_mapper->addMapping(m_widgets.value(f.control), section);
    }
}

void EntryPanel::fillLists(db::Connection &connection)
{
    for (const EntryField &f : m_fields) {
        if (f.listTable.isEmpty())
            continue;
        auto *combo = qobject_cast<QComboBox *>(m_widgets.value(f.control));
        combo->clear();
        combo->addItems(sortedForList(db::distinctValues(connection, f.listTable, f.listColumn)));
        combo->setCurrentIndex(combo->count() ? 0 : -1);
    }
}

bool EntryPanel::eventFilter(QObject *watched, QEvent *event)
{
    if (isEnter(event) && m_chainIndex.contains(watched)) {
        const int index = m_chainIndex.value(watched);
        const auto handler = m_enterHandlers.constFind(m_fields[index].control);
        if (handler == m_enterHandlers.cend() || (*handler)())
            moveOn(index);
        // A memo takes the line break as well (trimming removes it again),
        // unless that Enter ran a command of its own.
        const bool ranCommand = index + 1 == m_fields.size() && m_chainEndRunsCommand;
        return m_fields[index].kind != FieldKind::Memo || ranCommand;
    }
    return QFrame::eventFilter(watched, event);
}

void EntryPanel::moveOn(int fieldIndex)
{
    if (fieldIndex + 1 < m_fields.size()) {
        const EntryField &next = m_fields[fieldIndex + 1];
        // A date kept as text is entered through its calendar button.
        m_widgets.value(next.kind == FieldKind::DateText ? next.calendar : next.control)->setFocus();
    }
    else if (m_chainEnd)
        m_chainEnd();
}

} // namespace reference
