#include "db/DatabaseUrl.h"

#include "db/AppError.h"

#include <QDir>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QUrl>

namespace db {

namespace {

QString decoded(const QString &part)
{
    return QUrl::fromPercentEncoding(part.toUtf8());
}

DatabaseUrl postgresql(const QRegularExpressionMatch &m)
{
    DatabaseUrl url;
    url.engine = Engine::PostgreSQL;
    url.user = decoded(m.captured(1));
    url.password = decoded(m.captured(2));
    url.host = decoded(m.captured(3));
    url.port = m.captured(4).isEmpty() ? 0 : m.captured(4).toInt();
    url.catalog = decoded(m.captured(5));
    return url;
}

DatabaseUrl sqlite(const QString &path)
{
    DatabaseUrl url;
    url.engine = Engine::SQLite;
    url.path = path;
    return url;
}

} // namespace

DatabaseUrl DatabaseUrl::parse(const QString &text)
{
    static const QRegularExpression pg(QStringLiteral(
        "^postgres(?:ql)?://(?:([^:@/]*)(?::([^@/]*))?@)?([^:/]*)(?::(\\d+))?/([^/?#]+)$"));
    const QString t = text.trimmed();
    if (t.startsWith(QLatin1String("postgres"), Qt::CaseInsensitive) && t.contains(QLatin1String("://"))) {
        const auto m = pg.match(t);
        if (!m.hasMatch())
            throw AppError(QStringLiteral("数据库地址“%1”不是 postgresql://[用户[:密码]@]主机[:端口]/数据库 的形式").arg(t));
        return postgresql(m);
    }
    const QString path = t.startsWith(QLatin1String("sqlite:")) ? t.mid(7) : t;
    if (path.isEmpty())
        throw AppError(QStringLiteral("数据库地址是空的"));
    return sqlite(path);
}

DatabaseUrl DatabaseUrl::defaultLocation()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    DatabaseUrl url = sqlite(QDir(folder).filePath(QStringLiteral("yingfengda.sqlite")));
    url.makesFolder = true;
    return url;
}

QString DatabaseUrl::display() const
{
    if (engine == Engine::SQLite)
        return QStringLiteral("sqlite:") + path;
    QString who = user.isEmpty() ? QString() : user + QLatin1Char('@');
    QString where = port ? QStringLiteral("%1:%2").arg(host).arg(port) : host;
    return QStringLiteral("postgresql://%1%2/%3").arg(who, where, catalog);
}

} // namespace db
