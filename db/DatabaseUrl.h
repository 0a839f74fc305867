#pragma once

#include "db/SqlDialect.h"

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
    QString password;
    QString catalog;
    // SQLite: the file's folder is made when missing. Only for the default
    // location: a named file in a folder that does not exist is a typo, not a
    // new installation.
    bool makesFolder = false;

    // "PATH", "sqlite:PATH" or "postgresql://[user[:password]@]host[:port]/catalog".
    // Raises an AppError for a text of neither form.
    static DatabaseUrl parse(const QString &text);
    // The SQLite file in the user's data folder.
    static DatabaseUrl defaultLocation();
    // The URL without its password, for messages.
    QString display() const;
};

} // namespace db
