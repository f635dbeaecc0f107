#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <optional>

// Authenticated encryption for the private list (libsodium's
// XChaCha20-Poly1305, a fresh random nonce for every sealing) and the keys it
// takes. A key lives in memory that is locked out of swap and wiped when the
// key goes.
namespace sealing {

class Key
{
public:
    static constexpr int size = 32;

    Key() = default;
    ~Key();
    Key(Key &&other) noexcept;
    Key &operator=(Key &&other) noexcept;
    Key(const Key &) = delete;
    Key &operator=(const Key &) = delete;

    // A new random key; an empty one when no secure memory could be had.
    static Key random();
    // A key derived from a password with Argon2id under this salt, at the
    // program's interactive cost; empty when the memory it needs is not there.
    static Key derived(const QString &password, QByteArrayView salt);
    // Takes bytes of exactly `size`; anything else gives an empty key.
    static Key fromBytes(QByteArrayView bytes);

    bool isEmpty() const { return m_bytes == nullptr; }
    QByteArrayView bytes() const;
    void wipe();

private:
    unsigned char *m_bytes = nullptr; // sodium_malloc'd, locked, wiped on free
};

// False where libsodium cannot start (no source of randomness).
bool available();

QByteArray randomBytes(int count);
constexpr int saltSize = 16;

// Nonce and ciphertext together; `context` is authenticated with it, so a
// sealed value only opens in the role it was sealed for.
QByteArray seal(const Key &key, QByteArrayView plain, QByteArrayView context);
// Nothing when the key is wrong or the bytes were altered in any way.
std::optional<QByteArray> open(const Key &key, QByteArrayView sealed, QByteArrayView context);

// Wipes a copy of something secret before its memory goes back.
void wipe(QByteArray &bytes);

} // namespace sealing
