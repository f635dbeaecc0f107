#include "sealing.h"

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

} // namespace

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

Key Key::derived(const QString &password, QByteArrayView salt)
{
    Key key;
    if (salt.size() != saltSize || !available())
        return key;
    key.m_bytes = static_cast<unsigned char *>(sodium_malloc(size));
    if (!key.m_bytes)
        return key;
    QByteArray utf8 = password.toUtf8();
    // The same cost as the stored password hash: the two take equally long.
    const bool ok = crypto_pwhash(key.m_bytes, size, utf8.constData(), static_cast<unsigned long long>(utf8.size()),
                                  bytesOf(salt), crypto_pwhash_OPSLIMIT_INTERACTIVE,
                                  crypto_pwhash_MEMLIMIT_INTERACTIVE, crypto_pwhash_ALG_ARGON2ID13)
                    == 0;
    sealing::wipe(utf8);
    if (!ok)
        key.wipe();
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

} // namespace sealing
