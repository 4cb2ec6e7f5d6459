#include "core/AppSettings.h"

#include "core/Utf8Text.h"

#include <cstring>

namespace nuro {

void SetPlaceName(AppSettings& settings, const char* text)
{
    settings.PlaceName.fill('\0');
    if (!text)
        return;
    const std::string_view name = Utf8HeadBytes(text, kPlaceNameCapacity - 1);
    std::memcpy(settings.PlaceName.data(), name.data(), name.size());
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
