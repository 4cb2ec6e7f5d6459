// The alarm monitor: a worker thread that keeps the table fresh, keeps the tray host hidden and opens
// the prayer notice when the clock reaches a shifted prayer time.
#pragma once

#include "schedule/NextPrayer.h"
#include "schedule/Schedule.h"

#include <array>
#include <atomic>
#include <chrono>
#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace nuro {

// Signed minutes, written by the main window, read by every comparison.
inline std::atomic<std::int32_t> NoticeOffset{0};
// Set by the exit path; the monitor looks at it before each wake and ends. Never reset.
inline std::atomic<bool> MonitorStop{false};

// The monitor wakes at each second of the clock and at each periodic duty, and sleeps in between.
inline constexpr std::chrono::milliseconds kAfterNoticePause{1001};
inline constexpr std::chrono::milliseconds kRefreshPeriod{7000}; // the table's refresh, with a hide
inline constexpr std::chrono::milliseconds kHidePeriod{2800}; // the further hides of each refresh period
// Woken this far past a second's start, the clock text shows the new second: time() reads the coarse
// clock, which lags by up to one kernel tick (10 ms at 100 Hz).
inline constexpr std::chrono::milliseconds kPastSecond{20};
// More disagreement than this between the clock and the time slept is a jump of the clock (suspend,
// a time change), not the rounding of its seconds.
inline constexpr std::chrono::milliseconds kJumpTolerance{1500};
// Seconds of a clock set back by at most this much were compared already and are not compared again,
// so a clock set back (an hour of summer time ending, a correction) never repeats a notice.
inline constexpr std::int32_t kRewindKept = 3600;

struct NoticeEntry {
    TimeSlotIndex slot;
    int templateId;
    bool operator==(const NoticeEntry&) const = default;
};

// Shuroq has no notice, and there is no template 802.
inline constexpr std::array<NoticeEntry, 5> kNoticeTable = {
    {{kFajer, 800}, {kDhohur, 801}, {kAser, 803}, {kMaghereb, 804}, {kIsha, 805}}};

// The first alarmed prayer whose slot, moved by `offset` minutes, equals `clock` as a text.
std::optional<NoticeEntry> MatchPrayer(const TimeTable& table, std::int32_t offset, TimeOfDay clock);

// Whether an alarmed prayer, moved by `offset`, falls between `fromSeconds` and `toSeconds` seconds
// after `clock` (wrapping at midnight).
bool PrayerDueWithin(const TimeTable& table, std::int32_t offset, TimeOfDay clock, int fromSeconds, int toSeconds);

// Whether the next alarmed prayer of Schedule() is due in the next few seconds, early enough that
// the monitor, freed now, still meets its second. An open notice ends then.
bool NextPrayerDueSoon();

// The alarmed prayers whose shifted second is one of the `count` clock seconds ending with `last`
// (seconds of the day, across midnight; a count of a day or more is every second), earliest second
// first; of equal shifted seconds only the first prayer in table order. The shifts are redone only
// when the table or the offset changed.
class PrayerMatcher {
public:
    std::vector<NoticeEntry> Due(const TimeTable& table, std::int32_t offset, std::int32_t last, std::int32_t count);

private:
    bool valid_ = false;
    TimeTable table_{};
    std::int32_t offset_ = 0;
    std::array<std::int32_t, kNoticeTable.size()> seconds_{};
};

// What the monitor needs of the running program. Every call comes on the monitor thread.
class MonitorHost {
public:
    virtual ~MonitorHost() = default;
    virtual void SetMainFrameTitle(const std::string& /*title*/) {}
    virtual void HideTrayHost() = 0; // nothing while there is no tray host yet
    virtual void RepaintMainFrame() = 0;
    virtual bool SoundBoxOn() = 0; // the sound check box is exactly on
    virtual void ShowNotice(int templateId) = 0; // returns once the user has closed it
    // The silent reminder before a prayer; must hand it over and return at once.
    virtual void RemindPrayer(TimeSlotIndex /*slot*/, const std::string& /*time*/, std::int32_t /*minutesLeft*/) {}
};

class MonitorClock {
public:
    virtual ~MonitorClock() = default;
    virtual TimeOfDay Now() = 0; // the local time of day
    virtual void Sleep(std::chrono::milliseconds duration) = 0;
    // Time that only runs while the computer runs (it stands still during a suspend): the periods of
    // the duties, and what the clock is checked against for jumps.
    virtual std::chrono::milliseconds Steady();
    // The computer's clock since 1970: its seconds begin when Now()'s do (zones differ by whole
    // minutes), and against Steady() it tells a suspend or a time change from a zone's offset change.
    virtual std::chrono::milliseconds SinceEpoch();
};

// The wall clock and a real sleep. With a schedule, the clock its table is in (the place's own clock
// in automatic mode).
class SystemMonitorClock : public MonitorClock {
public:
    explicit SystemMonitorClock(const Scheduler* schedule = nullptr) : schedule_(schedule) {}
    TimeOfDay Now() override;
    void Sleep(std::chrono::milliseconds duration) override;

private:
    const Scheduler* schedule_;
};

class AlarmMonitor {
public:
    struct Wiring {
        MonitorHost& host;
        MonitorClock& clock;
        const Scheduler& schedule; // the table the comparisons read
        std::function<void()> refresh; // the periodic refresh
        const std::atomic<std::int32_t>& offset;
        const std::atomic<bool>& stop;
        // REMIND, read with each refresh; empty: no reminders.
        std::function<std::int32_t()> remindMinutes = {};
        // A day's table (tomorrow's, for reminders that reach back over midnight), computed on the
        // monitor thread; empty or nullopt: none reach back.
        std::function<std::optional<TimeTable>(const LocalDate&)> tableOn = {};
        // The reminders raised before this start, and each change of them to keep for the next one.
        std::function<std::vector<std::pair<LocalDate, unsigned>>()> loadRaised = {};
        std::function<void(const std::vector<std::pair<LocalDate, unsigned>>&)> saveRaised = {};
    };

    explicit AlarmMonitor(Wiring wiring);

    // The thread body: wakes until the stop flag is found set before a wake.
    void Run();
    // One wake: sleep to the next second or duty, the duties due, compare every clock second since the
    // last wake, and the first notice due with its pause.
    void Tick();

    std::int64_t WakeUps() const { return wakeUps_; }

private:
    std::chrono::milliseconds NextWait();
    void RunDuties(std::chrono::milliseconds steady);
    // The number of clock seconds ending with `second` not compared yet.
    std::int32_t NewSeconds(std::int32_t second, std::chrono::milliseconds steady, std::chrono::milliseconds epoch);
    void QueueDuePrayers(TimeOfDay clock, std::chrono::milliseconds steady, std::chrono::milliseconds epoch);
    // A silent reminder REMIND minutes before each alerted prayer, once per prayer and day.
    void CheckReminder(TimeOfDay clock);

    Wiring w_;
    PrayerMatcher matcher_;
    std::int64_t wakeUps_ = 0;
    // Duties: phase 0 hides and refreshes, phases 1 and 2 hide, kHidePeriod apart from the refresh.
    int phase_ = 0;
    bool started_ = false;
    std::chrono::milliseconds cycleStart_{0}, nextDuty_{0};
    // The clock as last seen, and the last second compared (-1 before the first).
    std::int32_t seenSecond_ = -1, comparedSecond_ = -1;
    std::chrono::milliseconds seenSteady_{0}, seenEpoch_{0};
    // Prayers due but not shown yet: their second came while another notice was open.
    std::deque<NoticeEntry> pending_;
    // The table's day each prayer was last announced for (kNoticeTable order).
    std::array<std::optional<LocalDate>, kNoticeTable.size()> announced_{};
    std::int32_t remindMinutes_ = 0;
    ReminderClock reminders_;
    bool remindersRestored_ = false;
    // Tomorrow's table, asked for again only when the day or today's table changes; the monitor's own.
    LocalDate tomorrowOf_{};
    TimeTable tomorrowFrom_{};
    std::optional<TimeTable> tomorrow_;
};

// Titles the main frame with PlaceName and starts the process's monitor on its own detached thread,
// over the system clock, Schedule(), RefreshSchedule(), NoticeOffset, MonitorStop, REMIND and the
// next day's table by Calc(). Only the first call does anything; `host` must outlive the process.
// Nothing ever waits for the thread.
void StartAlarmMonitor(MonitorHost& host);

} // namespace nuro
