#include "passwordhash.h"

#include <QList>

#include <sodium.h>


namespace passwordhash {

namespace {

// About 0.07 s and 64 MiB on an ordinary machine: quick for the user, slow for a guesser.
constexpr auto opsLimit = crypto_pwhash_OPSLIMIT_INTERACTIVE;
constexpr auto memLimit = crypto_pwhash_MEMLIMIT_INTERACTIVE;

// Fails only where the system offers no source of randomness.
bool initialise()
{
    return sodium_init() >= 0;
}

bool isHash(const QByteArray &stored)
{
    // -1 means the text is not a hash string libsodium knows.
    return crypto_pwhash_str_needs_rehash(stored.constData(), opsLimit, memLimit) != -1;
}

// A stored hash names its own cost. One asking for more than a few times
// what this program writes would freeze the window for as long as it asks,
// and only a tampered file holds one.
bool costIsBounded(const QByteArray &stored)
{
    constexpr qint64 factor = 4;
    const QList<QByteArray> fields = stored.split('$'); // "", "argon2id", "v=19", "m=65536,t=2,p=1", salt, hash
    if (fields.size() < 4)
        return false;
    qint64 memoryKiB = -1, passes = -1, lanes = -1;
    for (const QByteArray &parameter : fields[3].split(',')) {
        bool ok = false;
        const qint64 value = parameter.mid(2).toLongLong(&ok);
        if (!ok)
            return false;
        if (parameter.startsWith("m="))
            memoryKiB = value;
        else if (parameter.startsWith("t="))
            passes = value;
        else if (parameter.startsWith("p="))
            lanes = value;
    }
    return memoryKiB >= 0 && qint64(memoryKiB) * 1024 <= factor * qint64(memLimit) && passes >= 0
           && passes <= factor * qint64(opsLimit) && lanes >= 0 && lanes <= factor;
}

} // namespace

QString hash(const QString &password)
{
    if (!initialise())
        return {};
    const QByteArray bytes = password.toUtf8();
    char out[crypto_pwhash_STRBYTES];
    if (crypto_pwhash_str(out, bytes.constData(), static_cast<unsigned long long>(bytes.size()), opsLimit, memLimit)
        != 0)
        return {}; // not enough memory
    return QString::fromLatin1(out);
}

Verdict check(const QString &stored, const QString &typed)
{
    if (!initialise())
        return Verdict::CannotCheck;
    if (stored.isEmpty())
        return Verdict::Wrong;
    const QByteArray storedBytes = stored.toUtf8();
    if (!isHash(storedBytes))
        return stored == typed ? Verdict::MatchesPlainText : Verdict::Wrong;
    if (!costIsBounded(storedBytes))
        return Verdict::TooCostly;
    const QByteArray bytes = typed.toUtf8();
    const bool ok = crypto_pwhash_str_verify(storedBytes.constData(), bytes.constData(),
                                             static_cast<unsigned long long>(bytes.size()))
                    == 0;
    return ok ? Verdict::Matches : Verdict::Wrong;
}

} // namespace passwordhash
