#pragma once

#include "store/settingsstore.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <memory>

namespace platform {

// The user's own store: a private settings file here, the registry on Windows.
std::unique_ptr<SettingsStore> openUserStore();

// A file the user named (an export, a backup), written the way the store
// is: a regular file only, never through a link and never over a pipe, a
// device, a folder or one of the untouchable files; whole and private, or
// not at all, the old file left as it was. Unconfirmed when the new file is
// in place but the disk did not confirm it.
StoreResult writeUserFile(const QString &path, const QByteArray &bytes, const QStringList &untouchable);

struct FileContents
{
    QByteArray bytes;
    QString problem; // why it could not be read, in one sentence; empty when it was
};
// A file the user named (an import, a restore): a regular file only, opened
// without waiting (a pipe with no writer is refused, not waited for), and no
// larger than the limit.
FileContents readUserFile(const QString &path, qint64 limit);

} // namespace platform
