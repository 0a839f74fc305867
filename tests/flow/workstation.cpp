// A workstation without windows, for tests that run several at once: signs in
// and then does a number of stock intakes or issues of one item.
//   workstation URL ACCOUNT PASSWORD intake|issue COUNT QUANTITY
// Exits with 0 when all went through, 2 when the sign-in was refused, 1 with
// the message on stderr when a command failed.

#include "db/AppError.h"
#include "db/Connection.h"
#include "db/TableDataSet.h"
#include "production/StockIssue.h"
#include "shell/OperatorAccounts.h"
#include "stock/StockLedger.h"

#include <QCoreApplication>
#include <cstdio>

namespace {

void intake(db::Connection &connection, const QString &quantity)
{
    stock::StockLedger(connection)
        .intake(stock::Family::ColourFabric, {QStringLiteral("华丰"), QStringLiteral("尼龙布"), QStringLiteral("黑"),
                                              QStringLiteral("1.2MM"), QStringLiteral("44''"), QStringLiteral("KG"),
                                              QStringLiteral("1"), quantity});
}

void issue(db::Connection &connection, const QString &quantity)
{
    db::TableDataSet lines(connection, QStringLiteral("linliaoshen"));
    lines.open();
    production::StockIssue(connection, stock::tablesOf(stock::Family::ColourFabric))
        .approve(lines, {QStringLiteral("LL0001"), QStringLiteral("贴合部"), QStringLiteral("有色材料"),
                         QStringLiteral("2024-03-05"), QStringLiteral("华丰"), QStringLiteral("A01"),
                         QStringLiteral("尼龙布"), QStringLiteral("44''"), QStringLiteral("1.2MM"), QStringLiteral("黑"),
                         QStringLiteral("KG"), quantity, quantity, QStringLiteral("张三"), QString()});
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 7) {
        std::fputs("workstation URL ACCOUNT PASSWORD intake|issue COUNT QUANTITY\n", stderr);
        return 1;
    }
    try {
        db::Connection connection(db::DatabaseUrl::parse(args[1]));
        connection.open();
        if (!shell::OperatorAccounts(connection).signIn(args[2], args[3]))
            return 2;
        const auto command = args[4] == QLatin1String("issue") ? issue : intake;
        for (int i = 0; i < args[5].toInt(); ++i)
            command(connection, args[6]);
    } catch (const AppError &e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    return 0;
}
