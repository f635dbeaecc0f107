#pragma once

#include "private/sealing.h"

// Argon2id at its lowest cost (one pass over 8 KiB) in place of the cost
// asked for: the same keys for the same password and salt every time, in a
// thousandth of the time. For tests of what the program does with keys; the
// real cost is in the reference stores' and the password hash's tests.
inline int fastDerivation(unsigned char *out, unsigned long long outLength, const char *password,
                          unsigned long long passwordLength, const unsigned char *salt, unsigned long long,
                          size_t, int algorithm)
{
    const unsigned long long leastPasses = algorithm == 1 ? 3 : 1; // Argon2i asks for three
    return sealing::libsodiumDerivation()(out, outLength, password, passwordLength, salt, leastPasses, 8192,
                                          algorithm);
}

inline void useFastDerivations(bool fast)
{
    sealing::setDerivationFunction(fast ? &fastDerivation : nullptr);
}
