#pragma once

#include "reference/DialogService.h"

#include <QStringList>
#include <QVector>

// Stands in for the message boxes while it lives: answers questions from a
// script (No when the script has run out) and keeps every box shown.
class ScriptedDialogs : public reference::DialogService {
public:
    ScriptedDialogs() { install(this); }
    ~ScriptedDialogs() override { install(nullptr); }

    // The answers to the next questions, in order.
    void answer(std::initializer_list<bool> answers) { m_answers << QVector<bool>(answers); }
    void clear() { shown.clear(); m_answers.clear(); }

    QStringList texts() const
    {
        QStringList result;
        for (const reference::Dialog &d : shown)
            result << d.text;
        return result;
    }
    QString last() const { return shown.isEmpty() ? QString() : shown.last().text; }

    bool show(const reference::Dialog &dialog) override
    {
        shown << dialog;
        if (!dialog.isQuestion)
            return true;
        return m_answers.isEmpty() ? false : m_answers.takeFirst();
    }

    QVector<reference::Dialog> shown;

private:
    QVector<bool> m_answers;
};
