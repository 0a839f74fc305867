#include "shell/PasswordHash.h"

#include <QCryptographicHash>
#include <QPasswordDigestor>
#include <QRandomGenerator>
#include <QStringList>

namespace shell {

namespace {

// "pbkdf2$20000$" + 12 characters of salt + "$" + 24 characters of key: 50.
const QString Marker = QStringLiteral("pbkdf2$20000$");
constexpr int Iterations = 20000;
constexpr int SaltBytes = 9;
constexpr int KeyBytes = 18;

QByteArray derive(const QString &password, const QByteArray &salt)
{
    return QPasswordDigestor::deriveKeyPbkdf2(QCryptographicHash::Sha256, password.toUtf8(), salt, Iterations,
                                              KeyBytes);
}

QByteArray randomSalt()
{
    QByteArray salt(SaltBytes, Qt::Uninitialized);
    for (char &c : salt)
        c = char(QRandomGenerator::system()->bounded(256));
    return salt;
}

} // namespace

QString PasswordHash::make(const QString &password)
{
    const QByteArray salt = randomSalt();
    return Marker + QString::fromLatin1(salt.toBase64()) + QLatin1Char('$')
        + QString::fromLatin1(derive(password, salt).toBase64());
}

bool PasswordHash::isHash(const QString &stored)
{
    return stored.startsWith(Marker) && stored.count(QLatin1Char('$')) == 3;
}

bool PasswordHash::matches(const QString &stored, const QString &typed)
{
    if (!isHash(stored))
        return stored == typed;
    const QStringList parts = stored.mid(Marker.size()).split(QLatin1Char('$'));
    const QByteArray salt = QByteArray::fromBase64(parts.value(0).toLatin1());
    const QByteArray key = QByteArray::fromBase64(parts.value(1).toLatin1());
    return derive(typed, salt) == key;
}

} // namespace shell
