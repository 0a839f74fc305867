#pragma once

#include <QByteArray>
#include <QString>
#include <exception>

// The one error type of the program. Whatever stops a command (a refused
// statement, a text that does not fit its column, a lost connection) is raised
// as an AppError and shown once, with its own text, where the command began.
class AppError : public std::exception {
public:
    explicit AppError(const QString &message)
        : m_message(message), m_utf8(message.toUtf8()) {}
    // The database refused a row because its key is already stored: the one
    // refusal that a window may word as "…重复".
    static AppError duplicateKey(const QString &message)
    {
        AppError e(message);
        e.m_duplicateKey = true;
        return e;
    }

    const QString &message() const { return m_message; }
    bool isDuplicateKey() const { return m_duplicateKey; }
    const char *what() const noexcept override { return m_utf8.constData(); }

private:
    QString m_message;
    QByteArray m_utf8;
    bool m_duplicateKey = false;
};
