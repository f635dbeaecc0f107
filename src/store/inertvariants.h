#pragma once

#include <QByteArray>

// QSettings turns a value that begins with "@Variant(" into whatever type its
// bytes name, pixmaps and images among them: from a file anyone may have
// written, that aborts a process without a screen (the commands) or builds
// large objects. The program stores only text, so before QSettings reads a
// file the program did not write, every value that would begin with a single
// '@' (however it is escaped or quoted) gets a second one, which QSettings
// reads as the text as it stands.
QByteArray withInertVariants(QByteArray bytes);
