#include "shell/OperatorAccounts.h"

#include "db/AppError.h"
#include "db/Query.h"
#include "db/TableDataSet.h"
#include "shell/PasswordHash.h"

namespace shell {

QStringList OperatorAccounts::accounts() const
{
    return db::Query::texts(m_connection, QStringLiteral("select distinct id from inc where sa=sa"));
}

bool OperatorAccounts::hasAccounts() const
{
    return !accounts().isEmpty();
}

bool OperatorAccounts::signIn(const QString &account, const QString &password)
{
    db::Query query(m_connection);
    query.setText(QStringLiteral("select distinct linid from inc where sa=sa and id=:Q1"));
    query.setParam(QStringLiteral("Q1"), account.trimmed());
    query.open();
    if (!query.next())
        return false;
    const QString stored = query.valueText(0);
    if (!PasswordHash::matches(stored, password))
        return false;
    if (!PasswordHash::isHash(stored)) {
        db::Query upgrade(m_connection);
        upgrade.setText(QStringLiteral("update inc set linid=:Q1 where sa=sa and id=:Q2 and linid=:Q3"));
        upgrade.setParam(QStringLiteral("Q1"), PasswordHash::make(password));
        upgrade.setParam(QStringLiteral("Q2"), account.trimmed());
        upgrade.setParam(QStringLiteral("Q3"), stored);
        upgrade.exec();
    }
    return true;
}

void OperatorAccounts::createFirst(const QString &account, const QString &password)
{
    const QString id = account.trimmed();
    if (id.isEmpty())
        throw AppError(QStringLiteral("操作员帐号不能为空！"));
    if (isCounterId(id))
        throw AppError(QStringLiteral("帐号“%1”留作单据编号，请换一个操作员帐号。").arg(id));
    m_connection.transaction([&] {
        m_connection.lockForWriting(QStringLiteral("inc"));
        if (hasAccounts())
            throw AppError(QStringLiteral("已经有操作员帐号，请用它登录。"));
        db::TableDataSet inc(m_connection, QStringLiteral("inc"));
        inc.open();
        inc.append({id, PasswordHash::make(password), QStringLiteral("sa")});
    });
}

bool OperatorAccounts::isCounterId(const QString &account)
{
    return account == QLatin1String("1") || account == QLatin1String("2");
}

} // namespace shell
