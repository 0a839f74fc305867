#pragma once

#include "db/Connection.h"

#include <QString>
#include <QStringList>

namespace shell {

// The operator accounts kept in table inc. Account rows carry "sa" in their
// marker column; the two document counters ("1" and "2") share the table and
// never show, sign in, change or disappear here, whatever their marker holds.
class OperatorAccounts {
public:
    explicit OperatorAccounts(db::Connection &connection) : m_connection(connection) {}

    // The accounts in the order the server returns them.
    QStringList accounts() const;
    bool hasAccounts() const;
    // The account is trimmed, the password compared exactly as typed. An
    // account without a row never signs in. A password still stored in plain
    // text (or null, read as empty) is replaced by its hash at its first
    // successful sign-in; a sign-in never fails because another workstation
    // writes meanwhile, the upgrade then waits for the next one.
    bool signIn(const QString &account, const QString &password);
    // The first account of a new installation (refused once any exists, and
    // refused empty).
    void createFirst(const QString &account, const QString &password);

    enum class Outcome { Done, PasswordsDiffer, Duplicate, WrongPassword, NoSuchAccount, LastAccount };
    // Registers the trimmed account with its password hashed as typed. An
    // empty account and the counter ids are refused with an error.
    Outcome registerAccount(const QString &account, const QString &password, const QString &confirmation);
    // Removes the account as typed, unless it does not exist or is the last one.
    Outcome deregister(const QString &account);
    // Checks the current password as typed and stores the new one trimmed.
    // An account without a row has no password that could match, and neither
    // has one that another workstation changed or removed since it was read.
    Outcome changePassword(const QString &account, const QString &current, const QString &password,
                           const QString &confirmation);

    static bool isCounterId(const QString &account);

private:
    void requireOperatorId(const QString &id) const;
    void append(const QString &id, const QString &password);
    void upgradePassword(const QString &id, const QString &stored, const QString &password);
    // Replaces the stored password text of the account by the new one's hash;
    // false when the row no longer holds that stored text.
    bool replacePassword(const QString &id, const QString &stored, const QString &password);

    db::Connection &m_connection;
};

} // namespace shell
