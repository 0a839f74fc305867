#pragma once

#include "db/DatabaseUrl.h"

#include <QString>
#include <QStringList>

namespace shell {

// What the command line asks for: which database, and whether to create the
// schema, back the database up or restore it and exit instead of starting
// the program.
struct StartupOptions {
    db::DatabaseUrl database;
    bool initDatabase = false;
    QString backupFile;
    QString restoreFile;
    bool help = false;

    // --database URL, else YINGFENGDA_DATABASE, else the SQLite file in the
    // user's data folder. Raises an AppError for an unknown option, an option
    // without its value or a bad URL.
    static StartupOptions parse(const QStringList &arguments, const QString &environmentDatabase);
    static QString helpText();
};

} // namespace shell
