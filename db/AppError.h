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

    const QString &message() const { return m_message; }
    const char *what() const noexcept override { return m_utf8.constData(); }

private:
    QString m_message;
    QByteArray m_utf8;
};
