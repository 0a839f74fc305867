#include "shell/PasswordHash.h"

#include <QCryptographicHash>
#include <QPasswordDigestor>
#include <QRandomGenerator>
#include <QStringList>
#include <algorithm>

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

// Takes as long for a text that differs in its first character as for one
// that differs in its last, so that the time of a refusal tells nothing.
bool sameBytes(const QByteArray &a, const QByteArray &b)
{
    const qsizetype length = std::max(a.size(), b.size());
    unsigned difference = a.size() == b.size() ? 0 : 1;
    for (qsizetype i = 0; i < length; ++i) {
        const unsigned char x = i < a.size() ? a[i] : 0;
        const unsigned char y = i < b.size() ? b[i] : 0;
        difference |= unsigned(x ^ y);
    }
    return difference == 0;
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
        return sameBytes(stored.toUtf8(), typed.toUtf8());
    const QStringList parts = stored.mid(Marker.size()).split(QLatin1Char('$'));
    const QByteArray salt = QByteArray::fromBase64(parts.value(0).toLatin1());
    const QByteArray key = QByteArray::fromBase64(parts.value(1).toLatin1());
    return sameBytes(derive(typed, salt), key);
}

} // namespace shell
