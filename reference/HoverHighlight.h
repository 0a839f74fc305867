#pragma once

#include <QObject>
#include <QVector>

class QAbstractButton;
class QWidget;

namespace reference {

// Button captions turn red under the mouse; moving over one of the reset
// areas turns all of them back to the window text colour.
class HoverHighlight : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    void addButton(QAbstractButton *button);
    void addResetArea(QWidget *area);
    static bool isHighlighted(const QAbstractButton *button);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void resetAll();

    QVector<QAbstractButton *> m_buttons;
    QVector<QWidget *> m_areas;
};

} // namespace reference
