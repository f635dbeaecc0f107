#pragma once

#include "store/settingsstore.h"

#include <QString>

#include <memory>

namespace platform {

// The user's own store: a private settings file here, the registry on Windows.
std::unique_ptr<SettingsStore> openUserStore();

} // namespace platform
