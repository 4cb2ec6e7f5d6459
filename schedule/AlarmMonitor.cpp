#include "schedule/AlarmMonitor.h"

#include "core/TimeText.h"

#include <cstring>
#include <mutex>
#include <system_error>
#include <thread>

namespace nuro {

std::optional<NoticeEntry> MatchPrayer(const TimeTable& table, std::int32_t offset, std::string_view clock)
{
    return PrayerMatcher().Match(table, offset, clock);
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
        remindMinutes_ = w_.remindMinutes ? w_.remindMinutes() : 0;
        counter_ = 0;
    }
    ++counter_;

    const std::string clock = w_.clock.Now();
    if (remindMinutes_ > 0) {
        const TimeTable table = w_.schedule.Table();
        const std::optional<std::int32_t> now = TimeTextSeconds(clock);
        if (now) {
            if (auto due = reminders_.Check(table, w_.schedule.Date(), remindMinutes_, *now))
                w_.host.RemindPrayer(due->slot, due->time, due->minutesLeft);
        }
    }
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
                                          MonitorStop, [] { return SnapshotSettings().extra.REMIND; }});
        try {
            std::thread([monitor] { monitor->Run(); }).detach();
        } catch (const std::system_error&) {
            // No thread, no notices; the table then fills only when a dialog applies its values.
        }
    });
}

} // namespace nuro
