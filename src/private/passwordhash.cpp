#include "passwordhash.h"

#include <sodium.h>

#include <stdexcept>

namespace passwordhash {

namespace {

// About 0.07 s and 64 MiB on an ordinary machine: quick for the user, slow for a guesser.
constexpr auto opsLimit = crypto_pwhash_OPSLIMIT_INTERACTIVE;
constexpr auto memLimit = crypto_pwhash_MEMLIMIT_INTERACTIVE;

void initialise()
{
    if (sodium_init() < 0)
        throw std::runtime_error("libsodium cannot start");
}

bool isHash(const QByteArray &stored)
{
    // -1 means the text is not a hash string libsodium knows.
    return crypto_pwhash_str_needs_rehash(stored.constData(), opsLimit, memLimit) != -1;
}

} // namespace

QString hash(const QString &password)
{
    initialise();
    const QByteArray bytes = password.toUtf8();
    char out[crypto_pwhash_STRBYTES];
    if (crypto_pwhash_str(out, bytes.constData(), static_cast<unsigned long long>(bytes.size()), opsLimit, memLimit)
        != 0)
        throw std::runtime_error("out of memory while hashing the password");
    return QString::fromLatin1(out);
}

Verdict check(const QString &stored, const QString &typed)
{
    initialise();
    if (stored.isEmpty())
        return Verdict::Wrong;
    const QByteArray storedBytes = stored.toUtf8();
    if (!isHash(storedBytes))
        return stored == typed ? Verdict::MatchesPlainText : Verdict::Wrong;
    const QByteArray bytes = typed.toUtf8();
    const bool ok = crypto_pwhash_str_verify(storedBytes.constData(), bytes.constData(),
                                             static_cast<unsigned long long>(bytes.size()))
                    == 0;
    return ok ? Verdict::Matches : Verdict::Wrong;
}

} // namespace passwordhash
