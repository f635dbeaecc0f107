// What differs on Windows.
#include "files.h"

#include "store/registrystore.h"

namespace platform {

std::unique_ptr<SettingsStore> openUserStore()
{
    // HKEY_CURRENT_USER\Software\Velmorwick\Velmorwick
    return std::make_unique<RegistryStore>(QStringLiteral("Velmorwick"), QStringLiteral("Velmorwick"));
}

void syncFolder(const QString &)
{
    // NTFS journals the rename itself.
}

} // namespace platform
