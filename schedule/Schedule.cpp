#include "schedule/Schedule.h"

#include "core/FieldList.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstring>
#include <string_view>

namespace nuro {

std::int32_t SummerKey(const LocalDate& date)
{
    return static_cast<std::int32_t>(date.month) * 100 + static_cast<std::int32_t>(date.day);
}

int InSummerWindow(std::int32_t val1, std::int32_t val2, const LocalDate& date)
{
    const std::int32_t key = SummerKey(date);
    return val1 <= key && key <= val2 ? 1 : 0;
}

int InSummerWindow()
{
    const AppSettings settings = SnapshotSettings();
    return InSummerWindow(settings.val1, settings.val2, ReadLocalDate());
}

std::int32_t ZoneRemainderMinutes(float zone)
{
    if (!std::isfinite(zone))
        return 0;
    const double z = zone;
    return static_cast<std::int32_t>(std::lround((z - std::trunc(z)) * 60.0));
}

namespace {

std::int32_t TruncatedZone(float zone)
{
    // Out-of-range values would make the conversion undefined; the library gets 0 for them.
    if (!std::isfinite(zone) || zone >= 2147483648.0f || zone <= -2147483649.0f)
        return 0;
    return static_cast<std::int32_t>(zone);
}

// Added in 64 bits and wrapped, so absurd settings never overflow.
std::int32_t AddMinutes(std::int32_t base, std::int32_t extra)
{
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(base) + static_cast<std::uint32_t>(extra));
}

} // namespace

TrtArguments BuildTrtArguments(const AppSettings& s, const LocalDate& date)
{
    TrtArguments a;
    a.year = date.year;
    a.month = date.month;
    a.day = date.day;
    a.lonDeg = s.D1;
    a.lonMin = s.M1;
    a.lonSec = s.S1;
    a.lonDir = static_cast<unsigned char>(s.CARD1);
    a.latDeg = s.D2;
    a.latMin = s.M2;
    a.latSec = s.S2;
    a.latDir = static_cast<unsigned char>(s.CARD2);
    a.zoneHours = TruncatedZone(s.T_ZONE);
    a.pressure = s.P;
    a.temperature = s.T;
    a.elevation = s.H;
    a.aserMethod = s.ASER;
    const bool summer = s.SUMMER != 0 && InSummerWindow(s.val1, s.val2, date) == 1;
    const std::int32_t extra = (summer ? 60 : 0) + ZoneRemainderMinutes(s.T_ZONE);
    for (std::size_t i = 0; i < kSlotCount; ++i)
        a.additions[i] = AddMinutes(s.corrections[i], extra);
    a.angleFajer = s.corrections[kAngleFaj];
    a.angleIsha = s.corrections[kAngleIch];
    a.precision = s.PRECISION;
    a.highLatRule = ReadHighLatitudeRule(s.extra.HIGH_LAT);
    return a;
}

Scheduler::Scheduler(CalcLibrary& calc, DateSource today, SettingsSource settings)
    : calc_(calc), today_(std::move(today)), settings_(std::move(settings))
{
}

bool Scheduler::Refresh(TimeDisplay* display)
{
    std::lock_guard<std::mutex> guard(lock_);
    // Read inside the lock: of two refreshes racing, the later one always sees the later settings.
    // One date serves both the window test and the call, so midnight cannot fall between them.
    date_ = today_();
    const AppSettings settings = settings_();
    std::optional<std::string> text = calc_.Trt(BuildTrtArguments(settings, date_));
    if (!text)
        return false;

    // Cut, never overrun: at most 127 characters of the text, at most 8 of each field.
    const std::size_t length = std::min(std::strlen(text->c_str()), kResultSize - 1);
    std::memcpy(result_.data(), text->data(), length);
    result_[length] = '\0';
    const std::string_view result(result_.data(), length);
    for (std::size_t slot = 0; slot < kSlotCount; ++slot) {
        const std::string field = GetField(result, '*', static_cast<std::int32_t>(slot));
        const std::size_t n = std::min(field.size(), kSlotSize - 1);
        table_[slot].fill('\0');
        std::memcpy(table_[slot].data(), field.data(), n);
        if (display)
            display->SetTimeText(kTimeBoxIds[slot], SlotText(table_[slot]));
    }
    return true;
}

TimeTable Scheduler::Table() const
{
    std::lock_guard<std::mutex> guard(lock_);
    return table_;
}

std::string Scheduler::ResultText() const
{
    std::lock_guard<std::mutex> guard(lock_);
    return std::string(result_.data());
}

LocalDate Scheduler::Date() const
{
    std::lock_guard<std::mutex> guard(lock_);
    return date_;
}

Scheduler& Schedule()
{
    static Scheduler* schedule = new Scheduler(Calc());
    return *schedule;
}

namespace {
std::atomic<TimeDisplay*> registeredDisplay{nullptr};
}

void SetTimeDisplay(TimeDisplay* display) { registeredDisplay.store(display); }
TimeDisplay* RegisteredTimeDisplay() { return registeredDisplay.load(); }

void RefreshSchedule() { Schedule().Refresh(RegisteredTimeDisplay()); }

} // namespace nuro
