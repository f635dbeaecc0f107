#pragma once

#include <QString>

// The private list's password is kept as a salted, memory-hard hash
// (Argon2id), never as the text itself.
namespace passwordhash {

// A self-describing hash string of the password, with a fresh salt, in the
// form libsodium's crypto_pwhash_str writes; empty when it could not be made
// (no memory, no source of randomness).
QString hash(const QString &password);

enum class Verdict {
    Matches,
    MatchesPlainText, // an earlier version kept the password as typed; replace it by its hash
    Wrong,
    TooCostly,   // the stored hash asks for far more work than this program ever sets
    CannotCheck, // the hashing library could not start on this system
    Failed,      // the derivation itself failed (no memory for it): nothing is known
};

// Compares exactly: letter case and every blank count.
Verdict check(const QString &stored, const QString &typed);

} // namespace passwordhash
