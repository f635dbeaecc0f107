#include "sealing.h"

#include <QCoreApplication>

#include <sodium.h>

#include <cstring>
#include <utility>

namespace sealing {

namespace {

constexpr int nonceSize = crypto_aead_xchacha20poly1305_ietf_NPUBBYTES;
constexpr int tagSize = crypto_aead_xchacha20poly1305_ietf_ABYTES;
static_assert(Key::size == crypto_aead_xchacha20poly1305_ietf_KEYBYTES);
static_assert(saltSize == crypto_pwhash_SALTBYTES);

const unsigned char *bytesOf(QByteArrayView view)
{
    return reinterpret_cast<const unsigned char *>(view.data());
}

DerivationFunction derivation = nullptr; // libsodium's own when null

constexpr quint64 costFactor = 4;

} // namespace

Cost programCost()
{
    return {crypto_pwhash_OPSLIMIT_INTERACTIVE, crypto_pwhash_MEMLIMIT_INTERACTIVE / 1024};
}

CostCheck checkCost(const Cost &cost)
{
    const Cost own = programCost();
    if (cost.passes > costFactor * own.passes || cost.memoryKiB > costFactor * own.memoryKiB)
        return CostCheck::TooCostly;
    if (cost.passes < crypto_pwhash_OPSLIMIT_MIN || cost.memoryKiB * 1024 < crypto_pwhash_MEMLIMIT_MIN)
        return CostCheck::Invalid;
    return CostCheck::Bounded;
}

QString derivationFailure()
{
    return QCoreApplication::translate("sealing", "there was not enough memory to derive its key (it takes %1 MiB)")
        .arg(programCost().memoryKiB / 1024);
}

void setDerivationFunction(DerivationFunction function)
{
    derivation = function;
}

DerivationFunction libsodiumDerivation()
{
    return &crypto_pwhash;
}

bool argon2(QByteArray &out, QByteArrayView password, QByteArrayView salt, const Cost &cost, Algorithm algorithm)
{
    if (salt.size() != saltSize || out.isEmpty() || checkCost(cost) != CostCheck::Bounded || !available())
        return false;
    const int alg = algorithm == Algorithm::Argon2id ? crypto_pwhash_ALG_ARGON2ID13 : crypto_pwhash_ALG_ARGON2I13;
    const DerivationFunction run = derivation ? derivation : libsodiumDerivation();
    return run(reinterpret_cast<unsigned char *>(out.data()), static_cast<unsigned long long>(out.size()),
               password.data(), static_cast<unsigned long long>(password.size()), bytesOf(salt), cost.passes,
               static_cast<size_t>(cost.memoryKiB * 1024), alg)
           == 0;
}

bool available()
{
    return sodium_init() >= 0;
}

Key::~Key()
{
    wipe();
}

Key::Key(Key &&other) noexcept
    : m_bytes(std::exchange(other.m_bytes, nullptr))
{
}

Key &Key::operator=(Key &&other) noexcept
{
    if (this != &other) {
        wipe();
        m_bytes = std::exchange(other.m_bytes, nullptr);
    }
    return *this;
}

void Key::wipe()
{
    sodium_free(m_bytes); // zeroes the memory and unlocks it first
    m_bytes = nullptr;
}

QByteArrayView Key::bytes() const
{
    return m_bytes ? QByteArrayView(reinterpret_cast<const char *>(m_bytes), size) : QByteArrayView();
}

Key Key::random()
{
    Key key;
    if (!available())
        return key;
    key.m_bytes = static_cast<unsigned char *>(sodium_malloc(size));
    if (key.m_bytes)
        randombytes_buf(key.m_bytes, size);
    return key;
}

Key Key::fromBytes(QByteArrayView bytes)
{
    Key key;
    if (bytes.size() != size || !available())
        return key;
    key.m_bytes = static_cast<unsigned char *>(sodium_malloc(size));
    if (key.m_bytes)
        std::memcpy(key.m_bytes, bytes.data(), size);
    return key;
}

Key Key::derived(const QString &password, QByteArrayView salt, const Cost &cost)
{
    // Every derivation goes through argon2(); its buffer is wiped at once.
    QByteArray utf8 = password.toUtf8();
    QByteArray derivedBytes(size, '\0');
    Key key;
    if (argon2(derivedBytes, utf8, salt, cost))
        key = fromBytes(derivedBytes);
    sealing::wipe(utf8);
    sealing::wipe(derivedBytes);
    return key;
}

QByteArray randomBytes(int count)
{
    QByteArray bytes(count, Qt::Uninitialized);
    if (available())
        randombytes_buf(bytes.data(), static_cast<size_t>(count));
    else
        bytes.clear();
    return bytes;
}

QByteArray seal(const Key &key, QByteArrayView plain, QByteArrayView context)
{
    if (key.isEmpty())
        return {};
    QByteArray sealed = randomBytes(nonceSize);
    if (sealed.size() != nonceSize)
        return {};
    sealed.resize(nonceSize + plain.size() + tagSize);
    auto *out = reinterpret_cast<unsigned char *>(sealed.data());
    crypto_aead_xchacha20poly1305_ietf_encrypt(out + nonceSize, nullptr, bytesOf(plain),
                                               static_cast<unsigned long long>(plain.size()), bytesOf(context),
                                               static_cast<unsigned long long>(context.size()), nullptr, out,
                                               bytesOf(key.bytes()));
    return sealed;
}

std::optional<QByteArray> open(const Key &key, QByteArrayView sealed, QByteArrayView context)
{
    if (key.isEmpty() || sealed.size() < nonceSize + tagSize)
        return std::nullopt;
    QByteArray plain(sealed.size() - nonceSize - tagSize, Qt::Uninitialized);
    const auto *in = bytesOf(sealed);
    if (crypto_aead_xchacha20poly1305_ietf_decrypt(reinterpret_cast<unsigned char *>(plain.data()), nullptr, nullptr,
                                                   in + nonceSize,
                                                   static_cast<unsigned long long>(sealed.size() - nonceSize),
                                                   bytesOf(context), static_cast<unsigned long long>(context.size()),
                                                   in, bytesOf(key.bytes()))
        != 0)
        return std::nullopt;
    return plain;
}

void wipe(QByteArray &bytes)
{
    if (!bytes.isEmpty() && !bytes.isDetached())
        bytes.detach(); // never zero a buffer another copy still reads
    sodium_memzero(bytes.data(), static_cast<size_t>(bytes.size()));
    bytes.clear();
}

void wipeShared(QString &text)
{
    // utf16(): data() would detach and zero a fresh copy instead; utf16()
    // copies only a text in read-only memory, which holds no secret.
    if (!text.isEmpty())
        sodium_memzero(const_cast<ushort *>(text.utf16()), static_cast<size_t>(text.size()) * sizeof(QChar));
    text.clear();
}

} // namespace sealing
