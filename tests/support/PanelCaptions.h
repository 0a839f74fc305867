#pragma once

#include <QAbstractButton>
#include <QLayout>
#include <QStringList>
#include <QWidget>

// The captions of the buttons in the named panel of a window, left to right.
inline QStringList panelCaptions(const QWidget *window, const QString &panel)
{
    QLayout *row = window->findChild<QWidget *>(panel)->layout();
    QStringList captions;
    for (int i = 0; i < row->count(); ++i)
        if (auto *b = qobject_cast<QAbstractButton *>(row->itemAt(i)->widget()))
            captions << b->text();
    return captions;
}
