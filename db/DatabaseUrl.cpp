#include "db/DatabaseUrl.h"

#include "db/AppError.h"

#include <QDir>
#include <QRegularExpression>
#include <QSet>
#include <QStandardPaths>
#include <QUrl>
#include <algorithm>

namespace db {

namespace {

const QString Mask = QStringLiteral("***");

QString decoded(const QString &part)
{
    return QUrl::fromPercentEncoding(part.toUtf8());
}

// libpq's connection keywords that a workstation may set. Host, port, user,
// password and catalog are parts of the URL itself; the client encoding and
// replication belong to the program, not to the installation.
const QSet<QString> &knownOptions()
{
    static const QSet<QString> known{
        QStringLiteral("hostaddr"), QStringLiteral("passfile"), QStringLiteral("service"),
        QStringLiteral("connect_timeout"), QStringLiteral("application_name"), QStringLiteral("options"),
        QStringLiteral("keepalives"), QStringLiteral("keepalives_idle"), QStringLiteral("keepalives_interval"),
        QStringLiteral("keepalives_count"), QStringLiteral("tcp_user_timeout"), QStringLiteral("channel_binding"),
        QStringLiteral("sslmode"), QStringLiteral("sslcompression"), QStringLiteral("sslcert"),
        QStringLiteral("sslkey"), QStringLiteral("sslpassword"), QStringLiteral("sslrootcert"),
        QStringLiteral("sslcrl"), QStringLiteral("sslcrldir"), QStringLiteral("sslsni"),
        QStringLiteral("requirepeer"), QStringLiteral("ssl_min_protocol_version"),
        QStringLiteral("ssl_max_protocol_version"), QStringLiteral("gssencmode"), QStringLiteral("krbsrvname"),
        QStringLiteral("gsslib"), QStringLiteral("target_session_attrs")};
    return known;
}

QString optionList()
{
    QStringList names(knownOptions().begin(), knownOptions().end());
    names.sort();
    return names.join(QStringLiteral(", "));
}

bool isSecret(const QString &option)
{
    return option.contains(QLatin1String("password"));
}

// The values libpq would refuse only once it connects, refused while the URL
// is read so that the message names the option.
void checkOptionValue(const QString &key, const QString &value)
{
    static const QSet<QString> numbers{QStringLiteral("connect_timeout"), QStringLiteral("keepalives"),
                                       QStringLiteral("keepalives_idle"), QStringLiteral("keepalives_interval"),
                                       QStringLiteral("keepalives_count"), QStringLiteral("tcp_user_timeout")};
    static const QStringList sslModes{QStringLiteral("disable"), QStringLiteral("allow"), QStringLiteral("prefer"),
                                      QStringLiteral("require"), QStringLiteral("verify-ca"),
                                      QStringLiteral("verify-full")};
    bool whole = false;
    if (numbers.contains(key) && (value.toInt(&whole), !whole))
        throw AppError(QStringLiteral("数据库地址的连接选项 %1 要一个整数，不是“%2”").arg(key, value));
    if (key == QLatin1String("sslmode") && !sslModes.contains(value))
        throw AppError(QStringLiteral("数据库地址的连接选项 sslmode 只能是 %1，不是“%2”")
                           .arg(sslModes.join(QStringLiteral("、")), value));
    // The driver passes the options on separated by semicolons.
    if (value.contains(QLatin1Char(';')))
        throw AppError(QStringLiteral("数据库地址的连接选项 %1 的值不能含有分号").arg(key));
}

QList<QPair<QString, QString>> connectionOptions(const QString &query)
{
    QList<QPair<QString, QString>> options;
    if (query.isEmpty())
        return options;
    for (const QString &pair : query.split(QLatin1Char('&'))) {
        const qsizetype equals = pair.indexOf(QLatin1Char('='));
        const QString key = decoded(pair.left(equals)).trimmed();
        if (equals < 0 || !knownOptions().contains(key))
            throw AppError(QStringLiteral("数据库地址的连接选项“%1”不认识；可用的选项有：%2")
                               .arg(isSecret(key) ? key : decoded(pair), optionList()));
        const QString value = decoded(pair.mid(equals + 1));
        checkOptionValue(key, value);
        options.append({key, value});
    }
    return options;
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
    url.options = connectionOptions(m.captured(6));
    const bool byService = std::any_of(url.options.begin(), url.options.end(),
                                       [](const auto &o) { return o.first == QLatin1String("service"); });
    if (url.catalog.isEmpty() && !byService)
        throw AppError(QStringLiteral("数据库地址“%1”缺少数据库名（或 ?service= 服务名）").arg(url.display()));
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
        "^postgres(?:ql)?://(?:([^:@/]*)(?::([^@/]*))?@)?([^:/?]*)(?::(\\d+))?/([^/?#]*)(?:\\?([^#]*))?$"));
    const QString t = text.trimmed();
    if (t.startsWith(QLatin1String("postgres"), Qt::CaseInsensitive) && t.contains(QLatin1String("://"))) {
        const auto m = pg.match(t);
        if (!m.hasMatch())
            throw AppError(QStringLiteral("数据库地址“%1”不是 postgresql://[用户[:密码]@]主机[:端口]/数据库[?选项=值&…] 的形式")
                               .arg(masked(t)));
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
    QString who = user;
    if (!password.isEmpty())
        who += QLatin1Char(':') + Mask;
    if (!who.isEmpty())
        who += QLatin1Char('@');
    const QString where = port ? QStringLiteral("%1:%2").arg(host).arg(port) : host;
    QStringList query;
    for (const auto &[key, value] : options)
        query << key + QLatin1Char('=') + (isSecret(key) ? Mask : value);
    const QString tail = query.isEmpty() ? QString() : QLatin1Char('?') + query.join(QLatin1Char('&'));
    return QStringLiteral("postgresql://%1%2/%3%4").arg(who, where, catalog, tail);
}

QString DatabaseUrl::masked(const QString &text)
{
    static const QRegularExpression userPassword(QStringLiteral("(://[^:@/]*:)[^@]*@"));
    static const QRegularExpression passwordOption(QStringLiteral("([?&][^=&]*password[^=&]*=)[^&]*"));
    QString result = text;
    result.replace(userPassword, QStringLiteral("\\1") + Mask + QLatin1Char('@'));
    result.replace(passwordOption, QStringLiteral("\\1") + Mask);
    return result;
}

} // namespace db
