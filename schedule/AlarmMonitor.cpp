#include "schedule/AlarmMonitor.h"

#include "core/TimeText.h"

#include <cstdlib>
#include <cstring>
#include <mutex>
#include <system_error>
#include <thread>

namespace nuro {

std::optional<NoticeEntry> MatchPrayer(const TimeTable& table, std::int32_t offset, std::string_view clock)
{
    return PrayerMatcher().Match(table, offset, clock);
}

bool PrayerDueWithin(const TimeTable& table, std::int32_t offset, std::string_view clock, int fromSeconds,
                     int toSeconds)
{
    if (clock.size() < 8)
        return false;
    const int now = std::atoi(std::string(clock.substr(0, 2)).c_str()) * 3600 +
                    std::atoi(std::string(clock.substr(3, 2)).c_str()) * 60 +
                    std::atoi(std::string(clock.substr(6, 2)).c_str());
    for (int ahead = fromSeconds; ahead <= toSeconds; ++ahead) {
        const int t = (now + ahead) % 86400;
        if (MatchPrayer(table, offset, FormatTimeText(t / 3600, t / 60 % 60, t % 60)))
            return true;
    }
    return false;
}

bool NextPrayerDueSoon()
{
    // Looked at four times a second: a prayer one to four seconds away is still met after the
    // monitor's pause of a second that follows every notice.
    const std::string clock = ClockText();
    const std::int32_t offset = NoticeOffset.load();
    return Schedule().ReadTable(
        [&](const TimeTable& table) { return PrayerDueWithin(table, offset, clock, 1, 4); });
}

std::optional<NoticeEntry> PrayerMatcher::Match(const TimeTable& table, std::int32_t offset, std::string_view clock)
{
    const bool sameTable = valid_ && offset == offset_ && std::memcmp(&table, &table_, sizeof table) == 0;
    if (sameTable && clock == clock_)
        return answer_;
    if (!sameTable) {
        for (std::size_t i = 0; i < kNoticeTable.size(); ++i)
            shifted_[i] = ShiftTimeText(SlotText(table[kNoticeTable[i].slot]), offset);
        std::memcpy(&table_, &table, sizeof table);
        offset_ = offset;
        valid_ = true;
    }
    clock_.assign(clock);
    answer_.reset();
    for (std::size_t i = 0; i < kNoticeTable.size(); ++i) {
        if (shifted_[i] == clock) {
            answer_ = kNoticeTable[i];
            break;
        }
    }
    return answer_;
}

std::string SystemMonitorClock::Now() { return ClockText(); }

void SystemMonitorClock::Sleep(std::chrono::milliseconds duration) { std::this_thread::sleep_for(duration); }

AlarmMonitor::AlarmMonitor(Wiring wiring) : w_(std::move(wiring)) {}

void AlarmMonitor::Run()
{
    counter_ = 0;
    while (!w_.stop.load())
        Tick();
}

void AlarmMonitor::Tick()
{
    w_.clock.Sleep(kMonitorTick);
    // Both tests come before the increment, so the very first tick hides and refreshes.
    if (counter_ % kHideEvery == 0)
        w_.host.HideTrayHost();
    if (counter_ % kRefreshEvery == 0) {
        w_.refresh();
        w_.host.RepaintMainFrame();
        counter_ = 0;
    }
    ++counter_;

    const std::string clock = w_.clock.Now();
    const std::int32_t offset = w_.offset.load();
    const std::optional<NoticeEntry> entry =
        w_.schedule.ReadTable([&](const TimeTable& table) { return matcher_.Match(table, offset, clock); });
    if (!entry)
        return;
    w_.host.ShowNotice(entry->templateId);
    // Takes the monitor past the matched second, so one prayer raises one notice.
    w_.clock.Sleep(kAfterNoticePause);
}

void StartAlarmMonitor(MonitorHost& host)
{
    static std::once_flag started;
    std::call_once(started, [&host] {
        host.SetMainFrameTitle(SnapshotSettings().PlaceName.data());
        // Never destroyed: the thread outlives every static and the process ends under it.
        static MonitorClock* clock = new SystemMonitorClock;
        auto* monitor = new AlarmMonitor({host, *clock, Schedule(), [] { RefreshSchedule(); }, NoticeOffset,
                                          MonitorStop});
        try {
            std::thread([monitor] { monitor->Run(); }).detach();
        } catch (const std::system_error&) {
            // No thread, no notices; the table then fills only when a dialog applies its values.
        }
    });
}

} // namespace nuro
