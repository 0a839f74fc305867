#include "shell/StartupOptions.h"

#include "db/AppError.h"

namespace shell {

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
        } else if (a == QLatin1String("--database")) {
            if (i + 1 >= arguments.size())
                throw AppError(QStringLiteral("--database 后面缺少数据库地址"));
            database = arguments[++i];
        } else if (a.startsWith(QLatin1String("--database="))) {
            database = a.mid(11);
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
        "                     或 postgresql://[用户[:密码]@]主机[:端口]/数据库\n"
        "                     （没有此选项时用环境变量 YINGFENGDA_DATABASE，\n"
        "                     再没有时用本用户数据文件夹中的 SQLite 文件）\n"
        "  --init-database    在数据库中建立全部表后退出；已有的表不会改变\n"
        "  --help             显示本说明\n");
}

} // namespace shell
