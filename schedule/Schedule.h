// The day's time table: summer rule, the arguments of "trt", and the refresh that fills the six slots.
#pragma once

#include "core/AppSettings.h"
#include "core/TimeText.h"
#include "core/ZoneRules.h"
#include "schedule/CalcLibrary.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <mutex>
#include <optional>
#include <utility>
#include <string>

namespace nuro {

inline constexpr std::size_t kSlotCount = 6;
inline constexpr std::size_t kSlotSize = 9; // "HH:MM:SS" and its terminator, no spare byte
inline constexpr std::size_t kResultSize = 128; // the library's text, 127 characters at most

enum TimeSlotIndex { kFajer = 0, kShuroq, kDhohur, kAser, kMaghereb, kIsha };

inline constexpr std::array<const char*, kSlotCount> kPrayerNames = {"Fajer", "Shuroq",   "Dhohur",
                                                                     "Aser",  "Maghereb", "Isha"};

using TimeSlot = std::array<char, kSlotSize>;
using TimeTable = std::array<TimeSlot, kSlotCount>;

inline std::string SlotText(const TimeSlot& slot)
{
    return std::string(slot.data());
}

// What shows the six times (the main window's time boxes), slot by slot (kFajer .. kIsha). Called
// with the schedule lock held, possibly on the monitor thread: an implementation must hand the text
// over to the user-interface thread without waiting for it, since that thread may itself be waiting
// for the lock.
class TimeDisplay {
public:
    virtual ~TimeDisplay() = default;
    virtual void SetTimeText(std::size_t slot, const std::string& text) = 0;
};

// month * 100 + day, the encoding of val1 and val2.
std::int32_t SummerKey(const LocalDate& date);

// 1 when val1 <= key <= val2; a window over the new year (val1 > val2) is never active.
int InSummerWindow(std::int32_t val1, std::int32_t val2, const LocalDate& date);
// Today's date against the settings' window.
int InSummerWindow();

// The minutes a fractional time zone loses when it is truncated to whole hours: 5.5 gives 30,
// -3.5 gives -30, 5.75 gives 45.
std::int32_t ZoneRemainderMinutes(float zone);

// The 25 arguments for `date`: summer time (SUMMER set and the date in the window) adds 60 to each
// of the six additions, and the zone's remainder minutes are added to them too, since the library
// takes whole hours only. The high-latitude rule comes from HIGH_LAT.
TrtArguments BuildTrtArguments(const AppSettings& settings, const LocalDate& date);

// Automatic mode (AUTO_TZ): the zone's offset in force at each of the six events, in seconds east of
// UTC, reaches the library as the whole hours of `dayOffset` plus, per event, the remaining minutes
// through the additions; the summer window is not used.
TrtArguments BuildZonedTrtArguments(const AppSettings& settings, const LocalDate& date, std::int32_t dayOffset,
                                    const std::array<std::int32_t, kSlotCount>& eventOffsets);

// The zone the last refresh used; `automatic` false when it used T_ZONE and the summer window.
struct ZoneInForce {
    bool automatic = false;
    std::string zone;
    std::int32_t dayOffset = 0; // at local noon
    std::int32_t firstOffset = 0; // at Fajer and at Isha: they differ on a switch day
    std::int32_t lastOffset = 0;
    std::string error; // the unknown-zone message, empty when ZONE was usable
};

// "Europe/London, UTC+01:00"; on a switch day "America/New_York, UTC-05:00 then UTC-04:00".
std::string ZoneText(const ZoneInForce& zone);

// Owner of everything the refresh keeps between calls (date record, result buffer, time table), all
// behind one lock that is held for a whole refresh and by the monitor while it reads the table.
class Scheduler {
public:
    using DateSource = std::function<LocalDate()>;
    using SettingsSource = std::function<AppSettings()>;

    using UtcSource = std::function<std::int64_t()>;

    // Without `today` the date is the computer's (T_ZONE mode) or the place's (automatic mode) at
    // `now`; with it, that date in both modes.
    explicit Scheduler(CalcLibrary& calc, DateSource today = nullptr, SettingsSource settings = SnapshotSettings,
                       const ZoneRules& zones = SystemZoneRules(), UtcSource now = UtcNow);

    // Recomputes the day from the settings and today's date; fills the table and the boxes slot by
    // slot. Without a result from the library, table, buffer and boxes keep what they had and the
    // answer is false. Reads the settings through their snapshot: never call it from inside a change's edit.
    bool Refresh(TimeDisplay* display);

    TimeTable Table() const;
    std::string ResultText() const;
    LocalDate Date() const;
    // The date and its table from the same refresh (two calls could straddle the midnight one).
    std::pair<LocalDate, TimeTable> DatedTable() const;
    ZoneInForce Zone() const;

    // The clock the table is in: the place's in automatic mode, the computer's otherwise.
    TimeOfDay Clock() const;
    std::string ClockText() const { return Clock().Text(); }

    // For readers that must see the table whole: call `reader` with the lock held.
    template <typename Reader> auto ReadTable(Reader&& reader) const
    {
        std::lock_guard<std::mutex> guard(lock_);
        return reader(static_cast<const TimeTable&>(table_));
    }

private:
    std::optional<std::string> ZonedTrt(const AppSettings& settings, ZoneInForce& zone);

    CalcLibrary& calc_;
    DateSource today_;
    SettingsSource settings_;
    const ZoneRules& zones_;
    UtcSource now_;
    mutable std::mutex lock_;
    // Apart from lock_: the monitor reads the clock's zone every tick, also while a refresh runs.
    mutable std::mutex zoneLock_;
    ZoneInForce zone_;
    LocalDate date_{};
    std::array<char, kResultSize> result_{};
    TimeTable table_{};
};

// The process's schedule over Calc(); never destroyed.
Scheduler& Schedule();

// The six times of `date` through a refresh of their own (another day, another place's settings), or
// nullopt when the library gave no text. `zone`, when given, receives the zone the refresh used.
std::optional<TimeTable> TimesFor(CalcLibrary& calc, const AppSettings& settings, const LocalDate& date,
                                  ZoneInForce* zone = nullptr, const ZoneRules& zones = SystemZoneRules());

// The main window's boxes, registered by the shell once they exist; nullptr until then.
void SetTimeDisplay(TimeDisplay* display);
TimeDisplay* RegisteredTimeDisplay();

// Schedule().Refresh(RegisteredTimeDisplay()): what the monitor and the settings dialogs call.
void RefreshSchedule();

// From now on every change of the settings refreshes the times, once per change. Idempotent.
void RefreshOnSettingsChanges();

} // namespace nuro
