#pragma once

#include "db/DatabaseUrl.h"

#include <QString>

namespace db {

class Connection;

// The SQLite file of an installation: created readable by its owner only (it
// holds the operators' password hashes), flagged when it lies on a network
// share, copied and restored while other programs may be working on it.
class SqliteFile {
public:
    // Creates the file and its missing folders, for the owner only, when the
    // file does not exist yet.
    static void prepare(const DatabaseUrl &url);

    // The type of the file system that holds the path's folder ("ext4", "nfs4").
    static QString fileSystemType(const QString &path);
    static bool isNetworkFileSystem(const QString &type);
    static bool isOnNetworkShare(const QString &path);
    // The warning shown at start for a file on a network share; empty otherwise.
    static QString networkShareWarning(const DatabaseUrl &url);

    // Writes a consistent copy of the open database to a new file, while other
    // workstations may go on writing.
    static void backup(Connection &connection, const QString &target);
    // Checks the copy (integrity, the program's tables), keeps the database's
    // present contents in a file beside it, and replaces them by the copy's in
    // one transaction. Returns the kept file's path.
    static QString restore(Connection &connection, const QString &source);
};

} // namespace db
