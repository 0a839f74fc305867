#include "reference/HoverHighlight.h"

#include <QAbstractButton>
#include <QEvent>

namespace reference {

namespace {

void setCaptionColour(QAbstractButton *button, const QColor &colour)
{
    QPalette palette = button->palette();
    palette.setColor(QPalette::ButtonText, colour);
    button->setPalette(palette);
}

} // namespace

void HoverHighlight::addButton(QAbstractButton *button)
{
    m_buttons << button;
    button->installEventFilter(this);
}

void HoverHighlight::addResetArea(QWidget *area)
{
    m_areas << area;
    area->setMouseTracking(true);
    area->installEventFilter(this);
}

bool HoverHighlight::isHighlighted(const QAbstractButton *button)
{
    return button->palette().color(QPalette::ButtonText) == QColor(Qt::red);
}

bool HoverHighlight::eventFilter(QObject *watched, QEvent *event)
{
    const bool moved = event->type() == QEvent::MouseMove || event->type() == QEvent::Enter;
    if (moved) {
        if (auto *button = qobject_cast<QAbstractButton *>(watched); button && m_buttons.contains(button))
            setCaptionColour(button, Qt::red);
        else if (m_areas.contains(static_cast<QWidget *>(watched)))
            resetAll();
    }
    return QObject::eventFilter(watched, event);
}

void HoverHighlight::resetAll()
{
    for (QAbstractButton *b : m_buttons)
        setCaptionColour(b, b->parentWidget()->palette().color(QPalette::ButtonText));
}

} // namespace reference
