#pragma once

#include "db/SqlDialect.h"

#include <QList>
#include <QPair>
#include <QString>

namespace db {

// Which database the program works on: a SQLite file (the embedded default)
// or a PostgreSQL catalog shared by several workstations.
struct DatabaseUrl {
    Engine engine = Engine::SQLite;
    QString path;       // SQLite
    QString host;       // PostgreSQL: a host name, an address or a socket folder
    int port = 0;
    QString user;
    QString password;   // empty: the client's own sources (PGPASSWORD, ~/.pgpass)
    QString catalog;
    // The client's connection options given after "?", in order ("sslmode", "require").
    QList<QPair<QString, QString>> options;
    // SQLite: the file's folder is made when missing. Only for the default
    // location: a named file in a folder that does not exist is a typo, not a
    // new installation.
    bool makesFolder = false;

    // "PATH", "sqlite:PATH" or
    // "postgresql://[user[:password]@][host][:port]/[catalog][?option=value&...]".
    // Raises an AppError for a text of neither form and for an option the
    // client does not know or a value it would refuse.
    static DatabaseUrl parse(const QString &text);
    // The SQLite file in the user's data folder.
    static DatabaseUrl defaultLocation();
    // The URL with its password masked, for messages.
    QString display() const;
    // A URL as typed, with whatever stands for a password masked.
    static QString masked(const QString &text);
};

} // namespace db
