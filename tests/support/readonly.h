#pragma once

#include <QByteArray>
#include <QString>

// Makes a file or folder refuse writes, also for root (through the file
// system's immutable flag), and undoes it. Returns false where the file
// system cannot do it; the test then skips.
bool makeReadOnly(const QString &path);
void makeWritable(const QString &path);

// The bytes of a file, to show it was not touched.
QByteArray fileBytes(const QString &path);
