// What differs on Linux and other POSIX desktops.
#include "files.h"

#include "store/conffilestore.h"

#include <QFile>
#include <QSettings>

#include <fcntl.h>
#include <unistd.h>

namespace platform {

std::unique_ptr<SettingsStore> openUserStore()
{
    // QSettings' own place for the user's settings: $XDG_CONFIG_HOME/Velmorwick/Velmorwick.conf
    const QSettings native(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Velmorwick"),
                           QStringLiteral("Velmorwick"));
    return std::make_unique<ConfFileStore>(native.fileName());
}

void syncFolder(const QString &folder)
{
    const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    ::fsync(fd);
    ::close(fd);
}

} // namespace platform
