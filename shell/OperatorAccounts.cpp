#include "shell/OperatorAccounts.h"

#include "db/AppError.h"
#include "db/Query.h"
#include "db/TableDataSet.h"
#include "shell/PasswordHash.h"

namespace shell {

namespace {

// The rows that are operator accounts: the marker set, and never one of the
// two document counters, whatever their marker holds (an older installation
// or a hand edit may have filled it).
const QString AccountRows = QStringLiteral("sa=sa and id<>'1' and id<>'2'");

} // namespace

QStringList OperatorAccounts::accounts() const
{
    return db::Query::texts(m_connection, QStringLiteral("select distinct id from inc where ") + AccountRows);
}

bool OperatorAccounts::hasAccounts() const
{
    return !accounts().isEmpty();
}

bool OperatorAccounts::signIn(const QString &account, const QString &password)
{
    const QString id = account.trimmed();
    db::Query query(m_connection);
    query.setText(QStringLiteral("select distinct linid from inc where ") + AccountRows + QStringLiteral(" and id=:Q1"));
    query.setParam(QStringLiteral("Q1"), id);
    query.open();
    if (!query.next())
        return false;
    const QString stored = query.valueText(0);
    // A statement still reading would keep this workstation on the database
    // as it was then, and SQLite refuses a later write from there at once.
    query.close();
    if (!PasswordHash::matches(stored, password))
        return false;
    if (!PasswordHash::isHash(stored))
        upgradePassword(id, stored, password);
    return true;
}

void OperatorAccounts::upgradePassword(const QString &id, const QString &stored, const QString &password)
{
    // The password matched the row as it was read. Should another workstation
    // change or remove the row in the meantime, the upgrade finds nothing to
    // replace and that change stands. Should another workstation keep the
    // database busy, the next sign-in upgrades it.
    try {
        m_connection.transaction([&] { replacePassword(id, stored, password); });
    } catch (const db::BusyError &) {
    }
}

void OperatorAccounts::createFirst(const QString &account, const QString &password)
{
    const QString id = account.trimmed();
    requireOperatorId(id);
    m_connection.transaction([&] {
        m_connection.lockForWriting(QStringLiteral("inc"));
        if (hasAccounts())
            throw AppError(QStringLiteral("已经有操作员帐号，请用它登录。"));
        append(id, password);
    });
}

OperatorAccounts::Outcome OperatorAccounts::registerAccount(const QString &account, const QString &password,
                                                            const QString &confirmation)
{
    if (password != confirmation)
        return Outcome::PasswordsDiffer;
    const QString id = account.trimmed();
    requireOperatorId(id);
    Outcome outcome = Outcome::Done;
    m_connection.transaction([&] {
        m_connection.lockForWriting(QStringLiteral("inc"));
        if (accounts().contains(id)) {
            outcome = Outcome::Duplicate;
            return;
        }
        append(id, confirmation);
    });
    return outcome;
}

// The last account stays: without one, the next start-up would let anyone
// create the first account anew.
OperatorAccounts::Outcome OperatorAccounts::deregister(const QString &account)
{
    Outcome outcome = Outcome::Done;
    m_connection.transaction([&] {
        m_connection.lockForWriting(QStringLiteral("inc"));
        const QStringList ids = accounts();
        if (!ids.contains(account)) {
            outcome = Outcome::NoSuchAccount;
            return;
        }
        if (ids.size() == 1) {
            outcome = Outcome::LastAccount;
            return;
        }
        db::Query query(m_connection);
        query.setText(QStringLiteral("delete from inc where ") + AccountRows + QStringLiteral(" and id=:Q1"));
        query.setParam(QStringLiteral("Q1"), account);
        query.exec();
    });
    return outcome;
}

OperatorAccounts::Outcome OperatorAccounts::changePassword(const QString &account, const QString &current,
                                                           const QString &password, const QString &confirmation)
{
    db::Query query(m_connection);
    query.setText(QStringLiteral("select id,linid from inc where ") + AccountRows + QStringLiteral(" and id=:Q1"));
    query.setParam(QStringLiteral("Q1"), account);
    query.open();
    if (!query.next() || !PasswordHash::matches(query.valueText(1), current))
        return Outcome::WrongPassword;
    const QString stored = query.valueText(1);
    query.close();
    if (password != confirmation)
        return Outcome::PasswordsDiffer;
    // Another workstation may have changed or removed the account since it
    // was read: the current password typed then matches nothing any more.
    if (!replacePassword(account, stored, confirmation.trimmed()))
        return Outcome::WrongPassword;
    return Outcome::Done;
}

bool OperatorAccounts::replacePassword(const QString &id, const QString &stored, const QString &password)
{
    db::Query update(m_connection);
    // An older installation may have left a password null: it reads, and is
    // replaced, as the empty one.
    update.setText(QStringLiteral("update inc set linid=:Q1 where ") + AccountRows
                   + QStringLiteral(" and id=:Q2 and coalesce(linid, '')=:Q3"));
    update.setParam(QStringLiteral("Q1"), PasswordHash::make(password));
    update.setParam(QStringLiteral("Q2"), id);
    update.setParam(QStringLiteral("Q3"), stored.isNull() ? QStringLiteral("") : stored);
    update.exec();
    return update.rowsAffected() > 0;
}

void OperatorAccounts::requireOperatorId(const QString &id) const
{
    if (id.isEmpty())
        throw AppError(QStringLiteral("操作员帐号不能为空！"));
    if (isCounterId(id))
        throw AppError(QStringLiteral("帐号“%1”留作单据编号，请换一个操作员帐号。").arg(id));
}

void OperatorAccounts::append(const QString &id, const QString &password)
{
    db::TableDataSet inc(m_connection, QStringLiteral("inc"));
    inc.open();
    inc.append({id, PasswordHash::make(password), QStringLiteral("sa")});
}

bool OperatorAccounts::isCounterId(const QString &account)
{
    return account == QLatin1String("1") || account == QLatin1String("2");
}

} // namespace shell
