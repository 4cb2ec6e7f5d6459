#include "core/AppSettings.h"

#include <cstring>

namespace nuro {

void SetPlaceName(AppSettings& settings, const char* text)
{
    settings.PlaceName.fill('\0');
    if (text)
        std::strncpy(settings.PlaceName.data(), text, kPlaceNameCapacity - 1);
}

AppSettings& Settings()
{
    static AppSettings record;
    return record;
}

std::mutex& SettingsLock()
{
    static std::mutex lock;
    return lock;
}

AppSettings SnapshotSettings()
{
    std::lock_guard<std::mutex> guard(SettingsLock());
    return Settings();
}

} // namespace nuro
