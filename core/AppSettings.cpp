#include "core/AppSettings.h"

#include <cstring>

namespace nuro {

void SetPlaceName(AppSettings& settings, const char* text)
{
    settings.PlaceName.fill('\0');
    if (!text)
        return;
    std::size_t n = std::strlen(text);
    if (n > kPlaceNameCapacity - 1) {
        n = kPlaceNameCapacity - 1;
        // Never cut a UTF-8 character in two: back off to the start of the one that does not fit.
        while (n > 0 && (static_cast<unsigned char>(text[n]) & 0xC0) == 0x80)
            --n;
    }
    std::memcpy(settings.PlaceName.data(), text, n);
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
