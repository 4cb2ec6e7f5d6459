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

AppSettings SettingsOwner::Snapshot() const
{
    std::lock_guard<std::mutex> guard(lock_);
    return record_;
}

void SettingsOwner::Change(const Edit& edit, const void* by)
{
    AppSettings after;
    {
        std::lock_guard<std::mutex> guard(lock_);
        edit(record_);
        after = record_;
    }
    // A copy: a listener may listen or forget while it is told.
    std::vector<std::pair<int, Listener>> listeners;
    {
        std::lock_guard<std::mutex> guard(listenersLock_);
        listeners = listeners_;
    }
    for (const auto& [id, listener] : listeners)
        listener(after, by);
}

void SettingsOwner::Replace(const AppSettings& settings)
{
    std::lock_guard<std::mutex> guard(lock_);
    record_ = settings;
}

int SettingsOwner::Listen(Listener listener)
{
    std::lock_guard<std::mutex> guard(listenersLock_);
    listeners_.emplace_back(nextId_, std::move(listener));
    return nextId_++;
}

void SettingsOwner::Forget(int id)
{
    std::lock_guard<std::mutex> guard(listenersLock_);
    std::erase_if(listeners_, [id](const auto& entry) { return entry.first == id; });
}

SettingsOwner& SettingsRecord()
{
    // Never destroyed: the monitor thread may still read it while the process ends.
    static SettingsOwner* owner = new SettingsOwner;
    return *owner;
}

AppSettings& Settings()
{
    return SettingsRecord().RecordForTests();
}

std::mutex& SettingsLock()
{
    return SettingsRecord().LockForTests();
}

} // namespace nuro
