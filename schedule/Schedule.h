// The day's time table: summer rule, the arguments of "trt", and the refresh that fills the six slots.
#pragma once

#include "core/AppSettings.h"
#include "core/TimeText.h"
#include "schedule/CalcLibrary.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <mutex>
#include <string>

namespace nuro {

inline constexpr std::size_t kSlotCount = 6;
inline constexpr std::size_t kSlotSize = 9;     // "HH:MM:SS" and its terminator, no spare byte
inline constexpr std::size_t kResultSize = 128; // the library's text, 127 characters at most

enum TimeSlotIndex { kFajer = 0, kShuroq, kDhohur, kAser, kMaghereb, kIsha };

// Slot to time box of the main window: Aser goes to 107 and Maghereb to 106.
inline constexpr std::array<int, kSlotCount> kTimeBoxIds = {103, 104, 105, 107, 106, 108};
inline constexpr std::array<const char*, kSlotCount> kPrayerNames = {"Fajer", "Shuroq", "Dhohur",
                                                                     "Aser",  "Maghereb", "Isha"};

using TimeSlot = std::array<char, kSlotSize>;
using TimeTable = std::array<TimeSlot, kSlotCount>;

inline std::string SlotText(const TimeSlot& slot) { return std::string(slot.data()); }

// The main window's six time boxes. Called with the schedule lock held, possibly on the monitor
// thread: an implementation must hand the text over to the user-interface thread without waiting
// for it, since that thread may itself be waiting for the lock.
class TimeDisplay {
public:
    virtual ~TimeDisplay() = default;
    virtual void SetTimeText(int boxId, const std::string& text) = 0;
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

// Owner of everything the refresh keeps between calls (date record, result buffer, time table), all
// behind one lock that is held for a whole refresh and by the monitor while it reads the table.
class Scheduler {
public:
    using DateSource = std::function<LocalDate()>;
    using SettingsSource = std::function<AppSettings()>;

    explicit Scheduler(CalcLibrary& calc, DateSource today = ReadLocalDate,
                       SettingsSource settings = SnapshotSettings);

    // Recomputes the day from the settings and today's date; fills the table and the boxes slot by
    // slot. Without a result from the library, table, buffer and boxes keep what they had and the
    // answer is false. Must not be called while holding SettingsLock().
    bool Refresh(TimeDisplay* display);

    TimeTable Table() const;
    std::string ResultText() const;
    LocalDate Date() const;

    // For readers that must see the table whole: call `reader` with the lock held.
    template <typename Reader>
    auto ReadTable(Reader&& reader) const
    {
        std::lock_guard<std::mutex> guard(lock_);
        return reader(static_cast<const TimeTable&>(table_));
    }

private:
    CalcLibrary& calc_;
    DateSource today_;
    SettingsSource settings_;
    mutable std::mutex lock_;
    LocalDate date_{};
    std::array<char, kResultSize> result_{};
    TimeTable table_{};
};

// The process's schedule over Calc(); never destroyed.
Scheduler& Schedule();

// The main window's boxes, registered by the shell once they exist; nullptr until then.
void SetTimeDisplay(TimeDisplay* display);
TimeDisplay* RegisteredTimeDisplay();

// Schedule().Refresh(RegisteredTimeDisplay()): what the monitor and the settings dialogs call.
void RefreshSchedule();

} // namespace nuro
