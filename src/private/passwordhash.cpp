#include "passwordhash.h"

#include "private/sealing.h"

#include <QList>

#include <sodium.h>

#include <optional>

namespace passwordhash {

namespace {

constexpr int hashBytes = 32; // what libsodium's own hash strings hold

// "$argon2id$v=19$m=65536,t=2,p=1$<salt>$<hash>", the form libsodium writes
// (and reads): base64 without padding.
struct StoredHash
{
    sealing::Algorithm algorithm = sealing::Algorithm::Argon2id;
    sealing::Cost cost;
    quint64 lanes = 0;
    QByteArray salt;
    QByteArray hash;
};

std::optional<QByteArray> fromBase64(const QByteArray &text)
{
    QByteArray bytes(text.size(), Qt::Uninitialized);
    size_t length = 0;
    if (sodium_base642bin(reinterpret_cast<unsigned char *>(bytes.data()), size_t(bytes.size()), text.constData(),
                          size_t(text.size()), nullptr, &length, nullptr, sodium_base64_VARIANT_ORIGINAL_NO_PADDING)
        != 0)
        return std::nullopt;
    bytes.truncate(qsizetype(length));
    return bytes;
}

QByteArray toBase64(const QByteArray &bytes)
{
    QByteArray text(qsizetype(sodium_base64_ENCODED_LEN(size_t(bytes.size()), sodium_base64_VARIANT_ORIGINAL_NO_PADDING)),
                    Qt::Uninitialized);
    sodium_bin2base64(text.data(), size_t(text.size()), reinterpret_cast<const unsigned char *>(bytes.constData()),
                      size_t(bytes.size()), sodium_base64_VARIANT_ORIGINAL_NO_PADDING);
    text.chop(1); // the terminating NUL
    return text;
}

std::optional<StoredHash> parsed(const QByteArray &stored)
{
    const QList<QByteArray> fields = stored.split('$'); // "", "argon2id", "v=19", "m=65536,t=2,p=1", salt, hash
    if (fields.size() != 6 || !fields[0].isEmpty() || fields[2] != "v=19")
        return std::nullopt;
    StoredHash result;
    if (fields[1] == "argon2i")
        result.algorithm = sealing::Algorithm::Argon2i;
    else if (fields[1] != "argon2id")
        return std::nullopt;
    const QList<QByteArray> parameters = fields[3].split(',');
    if (parameters.size() != 3 || !parameters[0].startsWith("m=") || !parameters[1].startsWith("t=")
        || !parameters[2].startsWith("p="))
        return std::nullopt;
    bool memoryOk = false, passesOk = false, lanesOk = false;
    result.cost.memoryKiB = parameters[0].mid(2).toULongLong(&memoryOk);
    result.cost.passes = parameters[1].mid(2).toULongLong(&passesOk);
    result.lanes = parameters[2].mid(2).toULongLong(&lanesOk);
    const auto salt = fromBase64(fields[4]);
    const auto hash = fromBase64(fields[5]);
    if (!memoryOk || !passesOk || !lanesOk || !salt || !hash || salt->size() != sealing::saltSize || hash->size() < 16)
        return std::nullopt;
    result.salt = *salt;
    result.hash = *hash;
    return result;
}

} // namespace

QString hash(const QString &password)
{
    const sealing::Cost cost = sealing::programCost();
    const QByteArray salt = sealing::randomBytes(sealing::saltSize);
    QByteArray utf8 = password.toUtf8();
    QByteArray hashed(hashBytes, '\0');
    const bool derived = salt.size() == sealing::saltSize && sealing::argon2(hashed, utf8, salt, cost);
    sealing::wipe(utf8);
    if (!derived)
        return {}; // not enough memory, or no source of randomness
    return QString::fromLatin1("$argon2id$v=19$m=" + QByteArray::number(cost.memoryKiB) + ",t="
                               + QByteArray::number(cost.passes) + ",p=1$" + toBase64(salt) + '$' + toBase64(hashed));
}

Verdict check(const QString &stored, const QString &typed)
{
    if (!sealing::available())
        return Verdict::CannotCheck;
    if (stored.isEmpty())
        return Verdict::Wrong;
    const std::optional<StoredHash> storedHash = parsed(stored.toLatin1());
    if (!storedHash || !stored.startsWith(u'$'))
        return stored == typed ? Verdict::MatchesPlainText : Verdict::Wrong;
    // libsodium derives with one lane only; more only comes from a tampered
    // file, as does a cost below Argon2's minimum, which nothing matches.
    const sealing::CostCheck cost = sealing::checkCost(storedHash->cost);
    if (cost == sealing::CostCheck::TooCostly || storedHash->lanes > 1)
        return Verdict::TooCostly;
    if (cost == sealing::CostCheck::Invalid || storedHash->lanes == 0)
        return Verdict::Wrong;
    QByteArray utf8 = typed.toUtf8();
    QByteArray derived(storedHash->hash.size(), '\0');
    const bool ran = sealing::argon2(derived, utf8, storedHash->salt, storedHash->cost, storedHash->algorithm);
    sealing::wipe(utf8);
    if (!ran)
        return Verdict::Failed;
    const bool same = sodium_memcmp(derived.constData(), storedHash->hash.constData(), size_t(derived.size())) == 0;
    sealing::wipe(derived);
    return same ? Verdict::Matches : Verdict::Wrong;
}

} // namespace passwordhash
