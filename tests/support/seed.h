#pragma once

#include <QtGlobal>

// The seed of a random test: VELMORWICK_SEED when set, the given one
// otherwise; printed, so that a failing run can be repeated.
inline quint32 testSeed(quint32 fallback)
{
    bool ok = false;
    const quint32 given = qEnvironmentVariable("VELMORWICK_SEED").toUInt(&ok);
    const quint32 seed = ok ? given : fallback;
    qInfo("seed %u (set VELMORWICK_SEED to repeat)", seed);
    return seed;
}
