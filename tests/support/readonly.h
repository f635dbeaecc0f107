#pragma once

#include "support/filebytes.h"

#include <QString>

// Makes a file or folder refuse writes, also for root (through the file
// system's immutable flag), and undoes it. Returns false where the file
// system cannot do it; the test then skips.
bool makeReadOnly(const QString &path);
void makeWritable(const QString &path);

