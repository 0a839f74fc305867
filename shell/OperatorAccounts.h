#pragma once

#include "db/Connection.h"

#include <QString>
#include <QStringList>

namespace shell {

// The operator accounts kept in table inc. Account rows carry "sa" in their
// marker column; the two document counters ("1" and "2") carry none and never
// show, sign in, change or disappear here.
class OperatorAccounts {
public:
    explicit OperatorAccounts(db::Connection &connection) : m_connection(connection) {}

    // The accounts in the order the server returns them.
    QStringList accounts() const;
    bool hasAccounts() const;
    // The account is trimmed, the password compared exactly as typed. An
    // account without a row never signs in. A password still stored in plain
    // text is replaced by its hash at its first successful sign-in.
    bool signIn(const QString &account, const QString &password);
    // The first account of a new installation (refused once any exists).
    void createFirst(const QString &account, const QString &password);

    static bool isCounterId(const QString &account);

private:
    db::Connection &m_connection;
};

} // namespace shell
