#pragma once

#include <QString>

namespace shell {

// Operator passwords are kept as salted PBKDF2 hashes that fit the 50
// characters of the password column. A stored text without the hash marker is
// a password kept in plain text by an older installation.
class PasswordHash {
public:
    static QString make(const QString &password);
    static bool isHash(const QString &stored);
    // Compares exactly what was typed, untrimmed and case-sensitive.
    static bool matches(const QString &stored, const QString &typed);
};

} // namespace shell
