// The alarm monitor: a worker thread that keeps the table fresh, keeps the tray host hidden and opens
// the prayer notice when a shifted prayer time equals the clock.
#pragma once

#include "schedule/NextPrayer.h"
#include "schedule/Schedule.h"

#include <array>
#include <atomic>
#include <chrono>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace nuro {

// Signed minutes, written by the main window, read by every comparison.
inline std::atomic<std::int32_t> NoticeOffset{0};
// Set by the exit path; the monitor looks at it before each tick and ends. Never reset.
inline std::atomic<bool> MonitorStop{false};

inline constexpr std::chrono::milliseconds kMonitorTick{14};
inline constexpr std::chrono::milliseconds kAfterNoticePause{1001};
inline constexpr std::int32_t kHideEvery = 200;
inline constexpr std::int32_t kRefreshEvery = 500;

struct NoticeEntry {
    TimeSlotIndex slot;
    int templateId;
};

// Shuroq has no notice, and there is no template 802.
inline constexpr std::array<NoticeEntry, 5> kNoticeTable = {{
    {kFajer, 800}, {kDhohur, 801}, {kAser, 803}, {kMaghereb, 804}, {kIsha, 805}}};

// The first alarmed prayer whose slot, moved by `offset` minutes, equals `clock` as a text.
std::optional<NoticeEntry> MatchPrayer(const TimeTable& table, std::int32_t offset, std::string_view clock);

// MatchPrayer with memory: the monitor asks about seventy times a second, the clock text changes once
// a second and the table every seven, so the shifts and comparisons are redone only on a change.
class PrayerMatcher {
public:
    std::optional<NoticeEntry> Match(const TimeTable& table, std::int32_t offset, std::string_view clock);

private:
    bool valid_ = false;
    TimeTable table_{};
    std::int32_t offset_ = 0;
    std::array<std::string, kNoticeTable.size()> shifted_;
    std::string clock_;
    std::optional<NoticeEntry> answer_;
};

// What the monitor needs of the running program. Every call comes on the monitor thread.
class MonitorHost {
public:
    virtual ~MonitorHost() = default;
    virtual void SetMainFrameTitle(const std::string& /*title*/) {}
    virtual void HideTrayHost() = 0;     // nothing while there is no tray host yet
    virtual void RepaintMainFrame() = 0;
    virtual bool SoundBoxOn() = 0;       // the sound check box is exactly on
    virtual void ShowNotice(int templateId) = 0; // returns once the user has closed it
    // The silent reminder before a prayer; must hand it over and return at once.
    virtual void RemindPrayer(TimeSlotIndex /*slot*/, const std::string& /*time*/, std::int32_t /*minutesLeft*/) {}
};

class MonitorClock {
public:
    virtual ~MonitorClock() = default;
    virtual std::string Now() = 0; // the local time as a time text
    virtual void Sleep(std::chrono::milliseconds duration) = 0;
};

// The wall clock and a real sleep.
class SystemMonitorClock : public MonitorClock {
public:
    std::string Now() override;
    void Sleep(std::chrono::milliseconds duration) override;
};

class AlarmMonitor {
public:
    struct Wiring {
        MonitorHost& host;
        MonitorClock& clock;
        const Scheduler& schedule;        // the table the comparisons read
        std::function<void()> refresh;    // the periodic refresh
        const std::atomic<std::int32_t>& offset;
        const std::atomic<bool>& stop;
        // REMIND, read with each refresh; empty: no reminders.
        std::function<std::int32_t()> remindMinutes = {};
    };

    explicit AlarmMonitor(Wiring wiring);

    // The thread body: ticks until the stop flag is found set before a tick.
    void Run();
    // One tick: sleep, hide, refresh, compare, and a notice with its pause on a match.
    void Tick();

    std::int32_t Counter() const { return counter_; }

private:
    Wiring w_;
    std::int32_t counter_ = 0;
    PrayerMatcher matcher_;
    std::int32_t remindMinutes_ = 0;
    ReminderClock reminders_;
};

// Titles the main frame with PlaceName and starts the process's monitor on its own detached thread,
// over the system clock, Schedule(), RefreshSchedule(), NoticeOffset and MonitorStop. Only the first
// call does anything; `host` must outlive the process. Nothing ever waits for the thread.
void StartAlarmMonitor(MonitorHost& host);

} // namespace nuro
