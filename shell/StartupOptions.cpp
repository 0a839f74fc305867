#include "shell/StartupOptions.h"

#include "db/AppError.h"

#include <optional>

namespace shell {

namespace {

// The value of "--name VALUE" or "--name=VALUE" at position i, which moves
// past it; nothing when the argument is not that option.
std::optional<QString> optionValue(const QStringList &arguments, int &i, const QString &name)
{
    const QString &a = arguments[i];
    if (a == name) {
        if (i + 1 >= arguments.size())
            throw AppError(QStringLiteral("%1 后面缺少%2").arg(name, name == QLatin1String("--database") ? QStringLiteral("数据库地址") : QStringLiteral("文件名")));
        return arguments[++i];
    }
    if (a.startsWith(name + QLatin1Char('=')))
        return a.mid(name.size() + 1);
    return std::nullopt;
}

} // namespace

StartupOptions StartupOptions::parse(const QStringList &arguments, const QString &environmentDatabase)
{
    StartupOptions options;
    QString database = environmentDatabase;
    for (int i = 1; i < arguments.size(); ++i) {
        const QString &a = arguments[i];
        if (a == QLatin1String("--help") || a == QLatin1String("-h")) {
            options.help = true;
        } else if (a == QLatin1String("--init-database")) {
            options.initDatabase = true;
        } else if (const auto url = optionValue(arguments, i, QStringLiteral("--database"))) {
            database = *url;
        } else if (const auto backup = optionValue(arguments, i, QStringLiteral("--backup"))) {
            options.backupFile = *backup;
        } else if (const auto restore = optionValue(arguments, i, QStringLiteral("--restore"))) {
            options.restoreFile = *restore;
        } else {
            throw AppError(QStringLiteral("不认识的选项：%1\n\n%2").arg(a, helpText()));
        }
    }
    options.database = database.trimmed().isEmpty() ? db::DatabaseUrl::defaultLocation()
                                                    : db::DatabaseUrl::parse(database);
    return options;
}

QString StartupOptions::helpText()
{
    return QStringLiteral(
        "用法：yingfengda [选项]\n"
        "盈丰达贴合鞋材管理系统\n\n"
        "  --database URL     使用的数据库：文件路径、sqlite:路径，\n"
        "                     或 postgresql://[用户@]主机[:端口]/数据库[?选项=值&…]\n"
        "                     （口令由 PGPASSWORD、~/.pgpass 或登录时的提示给出）\n"
        "                     （没有此选项时用环境变量 YINGFENGDA_DATABASE，\n"
        "                     再没有时用本用户数据文件夹中的 SQLite 文件）\n"
        "  --init-database    在数据库中建立全部表后退出；已有的表不会改变\n"
        "  --backup 文件      把 SQLite 数据库备份到一个新文件后退出（程序可在运行）\n"
        "  --restore 文件     检查备份文件后用它替换 SQLite 数据库的内容并退出；\n"
        "                     原来的内容留在数据库旁的 .replaced-日期 文件中\n"
        "  --help             显示本说明\n");
}

} // namespace shell
