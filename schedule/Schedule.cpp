#include "schedule/Schedule.h"

#include "core/FieldList.h"
#include "schedule/Methods.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstdio>
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
    // A whole value in ANGLE_FAJ/ANGLE_ICH is trt's to take; a file without them gives a_faj/a_ich.
    auto angle = [](const std::string& real, std::int32_t whole) {
        const double value = CustomAngle(real, whole);
        return std::fabs(value) < 1e6 && value == std::trunc(value) ? static_cast<std::int32_t>(value) : whole;
    };
    a.angleFajer = angle(s.extra.ANGLE_FAJ, s.corrections[kAngleFaj]);
    a.angleIsha = angle(s.extra.ANGLE_ICH, s.corrections[kAngleIch]);
    a.precision = s.PRECISION;
    a.highLatRule = ReadHighLatitudeRule(s.extra.HIGH_LAT);
    return a;
}

TrtArguments BuildZonedTrtArguments(const AppSettings& s, const LocalDate& date, std::int32_t dayOffset,
                                    const std::array<std::int32_t, kSlotCount>& eventOffsets)
{
    AppSettings whole = s;
    whole.SUMMER = 0;
    whole.T_ZONE = 0;
    TrtArguments a = BuildTrtArguments(whole, date);
    a.zoneHours = dayOffset / 3600;
    for (std::size_t i = 0; i < kSlotCount; ++i)
        a.additions[i] = AddMinutes(s.corrections[i], eventOffsets[i] / 60 - a.zoneHours * 60);
    return a;
}

std::string ZoneText(const ZoneInForce& zone)
{
    std::string text = zone.zone + ", " + FormatUtcOffset(zone.firstOffset);
    if (zone.lastOffset != zone.firstOffset)
        text += " then " + FormatUtcOffset(zone.lastOffset);
    return text;
}

Scheduler::Scheduler(CalcLibrary& calc, DateSource today, SettingsSource settings, const ZoneRules& zones,
                     UtcSource now)
    : calc_(calc), today_(std::move(today)), settings_(std::move(settings)), zones_(zones), now_(std::move(now))
{
}

// One call with the day's offset (at local noon) tells when each event happens; an event whose
// instant lies on the other side of a switch is asked again with the offset then in force. Away from
// a switch day that second call is never made.
std::optional<std::string> Scheduler::ZonedTrt(const AppSettings& settings, ZoneInForce& zone)
{
    const std::int32_t day = NoonOffset(zones_, zone.zone, date_);
    std::array<std::int32_t, kSlotCount> offsets;
    offsets.fill(day);
    std::optional<std::string> text = calc_.Trt(BuildZonedTrtArguments(settings, date_, day, offsets));
    if (!text)
        return text;
    std::array<TimeOfDay, kSlotCount> local;
    for (std::size_t i = 0; i < kSlotCount; ++i)
        local[i] = TimeOfDay::Parse(GetField(*text, '*', static_cast<std::int32_t>(i)));
    bool moved = false;
    for (std::size_t i = 0; i < kSlotCount; ++i) {
        if (!local[i])
            continue;
        // Near the poles Fajer may fall the evening before and Isha after midnight.
        std::int64_t seconds = local[i].Seconds();
        if (local[kDhohur] && i < kDhohur && local[i] > local[kDhohur])
            seconds -= kSecondsPerDay;
        if (local[kDhohur] && i > kDhohur && local[i] < local[kDhohur])
            seconds += kSecondsPerDay;
        offsets[i] = zones_.OffsetAt(zone.zone, UtcOfLocal(date_, seconds, day));
        moved = moved || offsets[i] != day;
    }
    zone.dayOffset = day;
    zone.firstOffset = offsets[kFajer];
    zone.lastOffset = offsets[kIsha];
    if (moved)
        text = calc_.Trt(BuildZonedTrtArguments(settings, date_, day, offsets));
    return text;
}

bool Scheduler::Refresh(TimeDisplay* display)
{
    std::lock_guard<std::mutex> guard(lock_);
    // Read inside the lock: of two refreshes racing, the later one always sees the later settings.
    // One date serves both the window test and the call, so midnight cannot fall between them.
    const AppSettings settings = settings_();
    ZoneInForce zone;
    zone.automatic = settings.extra.AUTO_TZ != 0;
    std::optional<std::string> text;
    if (zone.automatic) {
        // The zone is looked up again at every refresh: a changed computer zone or tz database
        // takes effect at the next one.
        ResolvedZone resolved = ResolveZone(zones_, settings.extra.ZONE);
        zone.zone = std::move(resolved.name);
        zone.error = std::move(resolved.error);
        date_ = today_ ? today_() : ZoneDate(zones_, zone.zone, now_());
    } else {
        date_ = today_ ? today_() : ReadLocalDate();
    }
    // Without a method in force (no METHOD, whole-degree custom values) the calls are trt's as ever.
    if (const std::optional<nuro_method> method = MethodInForce(calc_, settings)) {
        if (const std::optional<MethodDay> day = MethodTimesFor(calc_, settings, *method, date_, zone.zone, zones_)) {
            text = day->times.text;
            zone.dayOffset = day->dayOffset;
            zone.firstOffset = day->offsets[kFajer];
            zone.lastOffset = day->offsets[kIsha];
        }
    } else if (zone.automatic) {
        text = ZonedTrt(settings, zone);
    } else {
        text = calc_.Trt(BuildTrtArguments(settings, date_));
    }
    {
        std::lock_guard<std::mutex> zoneGuard(zoneLock_);
        // Said once per bad name, not at every refresh.
        if (!zone.error.empty() && zone.error != zone_.error)
            std::fprintf(stderr, "nuro: %s\n", zone.error.c_str());
        zone_ = zone;
    }
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
            display->SetTimeText(slot, SlotText(table_[slot]));
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

std::pair<LocalDate, TimeTable> Scheduler::DatedTable() const
{
    std::lock_guard<std::mutex> guard(lock_);
    return {date_, table_};
}

std::optional<TimeTable> TimesFor(CalcLibrary& calc, const AppSettings& settings, const LocalDate& date,
                                  ZoneInForce* zone, const ZoneRules& zones)
{
    Scheduler scheduler(
        calc, [date] { return date; }, [&settings] { return settings; }, zones);
    const bool done = scheduler.Refresh(nullptr);
    if (zone)
        *zone = scheduler.Zone();
    if (!done)
        return std::nullopt;
    return scheduler.Table();
}

ZoneInForce Scheduler::Zone() const
{
    std::lock_guard<std::mutex> guard(zoneLock_);
    return zone_;
}

TimeOfDay Scheduler::Clock() const
{
    std::string zone;
    {
        std::lock_guard<std::mutex> guard(zoneLock_);
        if (!zone_.automatic)
            return ClockNow();
        zone = zone_.zone;
    }
    return ZoneClock(zones_, zone, now_());
}

Scheduler& Schedule()
{
    static Scheduler* schedule = new Scheduler(Calc());
    return *schedule;
}

namespace {
std::atomic<TimeDisplay*> registeredDisplay{nullptr};
}

void SetTimeDisplay(TimeDisplay* display)
{
    registeredDisplay.store(display);
}
TimeDisplay* RegisteredTimeDisplay()
{
    return registeredDisplay.load();
}

void RefreshSchedule()
{
    Schedule().Refresh(RegisteredTimeDisplay());
}

void RefreshOnSettingsChanges()
{
    static std::once_flag listening;
    std::call_once(listening,
                   [] { SettingsRecord().Listen([](const AppSettings&, const void*) { RefreshSchedule(); }); });
}

} // namespace nuro
