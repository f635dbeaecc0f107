#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <cstddef>
#include <optional>

// Authenticated encryption for the private list (libsodium's
// XChaCha20-Poly1305, a fresh random nonce for every sealing), the keys it
// takes and the password derivations that make them. A key lives in memory
// that is locked out of swap and wiped when the key goes.
namespace sealing {

// The work of one Argon2id derivation: passes over that much memory.
struct Cost
{
    quint64 passes = 0;
    quint64 memoryKiB = 0;
    bool operator==(const Cost &) const = default;
};
// What this program sets: about 0.08 s and 64 MiB on an ordinary machine,
// quick for the user, slow for a guesser.
Cost programCost();
enum class CostCheck { Bounded, TooCostly, Invalid };
// A stored cost asking for more than a few times the program's would freeze
// the window for as long as it asks, and only a tampered file holds one; one
// below Argon2id's own minimum is no cost libsodium runs.
CostCheck checkCost(const Cost &cost);
// Why a derivation failed, in words, for the user.
QString derivationFailure();

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
    // A key derived from a password with Argon2id under this salt at this
    // cost. Empty only when the derivation itself failed (no memory for it,
    // or the library would not run it), never because of the password.
    static Key derived(const QString &password, QByteArrayView salt, const Cost &cost);
    // Takes bytes of exactly `size`; anything else gives an empty key.
    static Key fromBytes(QByteArrayView bytes);

    bool isEmpty() const { return m_bytes == nullptr; }
    QByteArrayView bytes() const;
    void wipe();

private:
    unsigned char *m_bytes = nullptr; // sodium_malloc'd, locked, wiped on free
};

// Argon2id (or, for hashes of earlier releases, Argon2i) of a password's
// UTF-8 bytes into out, whose size is the length asked for, at the given
// cost; false when the derivation itself failed. Every derivation of the
// program goes through here.
enum class Algorithm { Argon2id, Argon2i };
bool argon2(QByteArray &out, QByteArrayView password, QByteArrayView salt, const Cost &cost,
            Algorithm algorithm = Algorithm::Argon2id);

// Tests make derivations fail here as a lack of memory does: this function
// is called instead of libsodium's crypto_pwhash, with its arguments; null
// puts libsodium's back.
using DerivationFunction = int (*)(unsigned char *out, unsigned long long outLength, const char *password,
                                   unsigned long long passwordLength, const unsigned char *salt,
                                   unsigned long long passes, size_t memoryBytes, int algorithm);
void setDerivationFunction(DerivationFunction function);
DerivationFunction libsodiumDerivation();

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
// Zeroes the characters where they lie, in every copy that shares them, and
// empties the text: only for a text no copy of which is still needed.
void wipeShared(QString &text);

} // namespace sealing
