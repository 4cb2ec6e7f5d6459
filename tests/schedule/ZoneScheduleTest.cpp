// Automatic mode: the times in the place's own clock, from the system tz database and the real library
// against an independent reference, and the switch-day rule against a zone of the test's own.
#include "FakeCalcLibrary.h"

#include "core/FieldList.h"
#include "core/NumberText.h"
#include "core/ZoneRules.h"
#include "schedule/Schedule.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <map>
#include <sstream>
#include <thread>
#include <atomic>
#include <string>
#include <vector>

namespace nuro {
namespace {

using test::FakeLibrary;
using test::FakeLibraryState;

LocalDate Day(int year, int month, int day)
{
    return LocalDate{year, static_cast<std::int8_t>(day), static_cast<std::int8_t>(month)};
}

// One record of the reference: a quoted name may hold a comma.
std::vector<std::string> SplitCsv(const std::string& line)
{
    std::vector<std::string> out(1);
    bool quoted = false;
    for (char c : line) {
        if (c == '"')
            quoted = !quoted;
        else if (c == ',' && !quoted)
            out.emplace_back();
        else
            out.back() += c;
    }
    return out;
}

std::vector<std::map<std::string, std::string>> ReadReference()
{
    std::ifstream in(NURO_ZONE_REFERENCE_CSV);
    std::string line;
    std::getline(in, line);
    const std::vector<std::string> header = SplitCsv(line);
    std::vector<std::map<std::string, std::string>> rows;
    while (std::getline(in, line)) {
        const std::vector<std::string> fields = SplitCsv(line);
        std::map<std::string, std::string> row;
        for (std::size_t i = 0; i < header.size() && i < fields.size(); ++i)
            row[header[i]] = fields[i];
        rows.push_back(row);
    }
    return rows;
}

AppSettings PlaceSettings(const std::map<std::string, std::string>& r, int autoTz)
{
    AppSettings s;
    s.D1 = ParseInt(r.at("d1"));
    s.M1 = ParseInt(r.at("m1"));
    s.S1 = static_cast<float>(ParseReal(r.at("s1")));
    s.CARD1 = r.at("card1")[0];
    s.D2 = ParseInt(r.at("d2"));
    s.M2 = ParseInt(r.at("m2"));
    s.S2 = static_cast<float>(ParseReal(r.at("s2")));
    s.CARD2 = r.at("card2")[0];
    s.P = 1010;
    s.T = 10;
    s.H = static_cast<float>(ParseReal(r.at("h")));
    s.ASER = 1;
    s.corrections = {0, 0, 0, 0, 0, 0, 108, 108};
    s.PRECISION = 1;
    s.extra.AUTO_TZ = autoTz;
    s.extra.ZONE = r.at("zone");
    return s;
}

double SecondsOf(const std::string& t)
{
    return ParseInt(t.substr(0, 2)) * 3600.0 + ParseInt(t.substr(3, 2)) * 60.0 + ParseInt(t.substr(6, 2));
}

// London and Sydney in January and July, Santiago de Chile in both seasons, Tehran (+3:30) and
// Kathmandu (+5:45) in June, New York on both 2026 switch days: each time within the library's
// accuracy of PyEphem's instant shown on the zone's wall clock, and the offset that of Python's zoneinfo.
TEST(ZonedSchedule, TimesMatchTheReferenceInThePlacesOwnClock)
{
    if (!SystemZoneRules().Known("Europe/London"))
        GTEST_SKIP() << "a build without Qt reads no tz database";
    CalcLibrary calc(MakeSystemLibraryLoader());
    const auto rows = ReadReference();
    ASSERT_EQ(rows.size(), 10u);
    const char* events[] = {"fajer", "shuroq", "dhohur", "aser", "maghereb", "isha"};
    for (const auto& r : rows) {
        SCOPED_TRACE(r.at("nom") + " " + r.at("date"));
        const AppSettings settings = PlaceSettings(r, 1);
        const std::string& date = r.at("date");
        Scheduler schedule(
            calc,
            [&] { return Day(ParseInt(date.substr(0, 4)), ParseInt(date.substr(5, 2)), ParseInt(date.substr(8, 2))); },
            [&] { return settings; });
        ASSERT_TRUE(schedule.Refresh(nullptr));
        const TimeTable table = schedule.Table();
        for (int e = 0; e < 6; ++e) {
            double d = SecondsOf(SlotText(table[e])) - ParseReal(r.at(events[e]));
            d -= 86400.0 * std::round(d / 86400.0);
            EXPECT_LE(std::fabs(d), 30.0) << events[e] << " " << SlotText(table[e]);
        }
        const ZoneInForce zone = schedule.Zone();
        EXPECT_TRUE(zone.automatic);
        EXPECT_EQ(zone.zone, r.at("zone"));
        EXPECT_EQ(zone.firstOffset, ParseInt(r.at("fajer_offset")));
        EXPECT_EQ(zone.lastOffset, ParseInt(r.at("isha_offset")));
        EXPECT_TRUE(zone.error.empty());
    }
}

// AUTO_TZ 0 (or a file without it) is today's refresh: T_ZONE and the summer window, whatever ZONE says,
// one call with exactly the arguments of BuildTrtArguments, and the computer's date and clock.
TEST(ZonedSchedule, ManualModeIsTodaysRefresh)
{
    FakeLibrary::Instance().Reset();
    FakeLibrary::Instance().With(
        [](FakeLibraryState& s) { s.trtText = "05:00:00*06:30:00*13:00:00*16:30:00*19:30:00*21:00:00*"; });
    auto calc = test::MakeFakeCalc();
    struct Row {
        const char* zone;
        float tZone;
        int summer;
        LocalDate date;
    };
    const Row rows[] = {
        {"Asia/Kathmandu", 1.0f, 1, Day(2026, 7, 15)},
        {"", 5.75f, 0, Day(2026, 1, 15)},
        {"Mars/Olympus", -3.5f, 1, Day(2026, 3, 8)},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.zone);
        AppSettings s;
        s.T_ZONE = r.tZone;
        s.SUMMER = r.summer;
        s.val1 = 401;
        s.val2 = 1031;
        s.corrections = {1, 2, 3, 4, 5, 6, 18, 17};
        s.extra.ZONE = r.zone;
        FakeLibrary::Instance().With([](FakeLibraryState& st) { st.trtCalls.clear(); });
        Scheduler schedule(
            *calc, nullptr, [&] { return s; }, SystemZoneRules(), [] { return std::int64_t{0}; });
        ASSERT_TRUE(schedule.Refresh(nullptr));
        EXPECT_EQ(schedule.Date().year, ReadLocalDate().year);
        Scheduler dated(
            *calc, [&] { return r.date; }, [&] { return s; });
        ASSERT_TRUE(dated.Refresh(nullptr));
        const auto calls = FakeLibrary::Instance().With([](FakeLibraryState& st) { return st.trtCalls; });
        ASSERT_EQ(calls.size(), 2u);
        EXPECT_EQ(calls[1], BuildTrtArguments(s, r.date));
        EXPECT_FALSE(dated.Zone().automatic);
        EXPECT_EQ(dated.ClockText().size(), 8u);
    }
}

// A zone of the test's own: +1:00 before `switchAt` (UTC seconds), +2:00 from it.
class SwitchingZone : public ZoneRules {
public:
    explicit SwitchingZone(std::int64_t switchAt) : switchAt_(switchAt) {}
    bool Known(const std::string& zone) const override { return zone == "Test/Switch" || zone == "Test/Home"; }
    std::string SystemZone() const override { return "Test/Home"; }
    std::int32_t OffsetAt(const std::string& zone, std::int64_t utc) const override
    {
        if (zone == "Test/Home")
            return -5 * 3600;
        return utc < switchAt_ ? 3600 : 7200;
    }

private:
    std::int64_t switchAt_;
};

// On a switch day each event is shown with the offset in force at its own instant: the library is
// asked again with the whole hours of the day's (noon) offset and, per event, the remaining minutes;
// with no event across the switch there is only the one call. The place's date and clock follow the
// zone, and an unknown ZONE falls back to the computer's zone with a message.
TEST(ZonedSchedule, EachEventTakesTheOffsetInForceAtItsInstant)
{
    FakeLibrary::Instance().Reset();
    // Asked with +2 (the noon offset): Fajer 04:00 is 02:00 UTC, Shuroq 06:00 is 04:00 UTC, and so on.
    FakeLibrary::Instance().With(
        [](FakeLibraryState& s) { s.trtText = "04:00:00*06:00:00*12:00:00*15:00:00*18:00:00*20:00:00*"; });
    auto calc = test::MakeFakeCalc();
    const LocalDate day = Day(2026, 3, 29);
    const std::int64_t midnightUtc = UtcOfLocal(day, 0, 0);
    struct Row {
        const char* name;
        const char* zone;
        std::int64_t switchUtc; // seconds after midnight UTC
        std::size_t calls;
        std::array<std::int32_t, 6> additions; // of the last call, over corrections of 0
        std::int32_t zoneHours;
        const char* zoneText;
    };
    const Row rows[] = {
        {"switch at 03:00 UTC: Fajer before it",
         "Test/Switch",
         3 * 3600,
         2,
         {-60, 0, 0, 0, 0, 0},
         2,
         "Test/Switch, UTC+01:00 then UTC+02:00"},
        // Local noon is then before the switch: the day's offset is +1 and the later events move.
        {"switch at 11:30 UTC: Fajer to Dhohur before it",
         "Test/Switch",
         11 * 3600 + 1800,
         2,
         {0, 0, 0, 60, 60, 60},
         1,
         "Test/Switch, UTC+01:00 then UTC+02:00"},
        {"switch at 01:00 UTC: every event after it",
         "Test/Switch",
         1 * 3600,
         1,
         {0, 0, 0, 0, 0, 0},
         2,
         "Test/Switch, UTC+02:00"},
        {"empty ZONE: the computer's zone", "", 0, 1, {0, 0, 0, 0, 0, 0}, -5, "Test/Home, UTC-05:00"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        FakeLibrary::Instance().With([](FakeLibraryState& s) { s.trtCalls.clear(); });
        const SwitchingZone zones(midnightUtc + r.switchUtc);
        AppSettings s;
        s.T_ZONE = 4;
        s.SUMMER = 1;
        s.val1 = 101;
        s.val2 = 1231; // never used in automatic mode
        s.extra.AUTO_TZ = 1;
        s.extra.ZONE = r.zone;
        Scheduler schedule(
            *calc, [&] { return day; }, [&] { return s; }, zones);
        ASSERT_TRUE(schedule.Refresh(nullptr));
        const auto calls = FakeLibrary::Instance().With([](FakeLibraryState& st) { return st.trtCalls; });
        ASSERT_EQ(calls.size(), r.calls);
        EXPECT_EQ(calls.back().zoneHours, r.zoneHours);
        EXPECT_EQ(calls.back().additions, r.additions);
        EXPECT_EQ(ZoneText(schedule.Zone()), r.zoneText);
    }

    // The refresh's own date and the monitor's clock are the place's: 22:30 UTC is 00:30 the next day.
    struct ClockRow {
        const char* zone;
        std::int64_t utc;
        const char* clock;
        int day;
        const char* error;
    };
    const ClockRow clocks[] = {
        {"Test/Switch", midnightUtc + 22 * 3600 + 30 * 60, "00:30:00", 30, ""},
        {"Test/Switch", midnightUtc + 1800, "01:30:00", 29, ""},
        {"Nowhere/Atlantis", midnightUtc + 1800, "19:30:00", 28,
         "unknown time zone 'Nowhere/Atlantis', the computer's zone Test/Home is used"},
    };
    for (const ClockRow& c : clocks) {
        SCOPED_TRACE(c.clock);
        const SwitchingZone zones(midnightUtc + 3 * 3600);
        AppSettings s;
        s.extra.AUTO_TZ = 1;
        s.extra.ZONE = c.zone;
        Scheduler schedule(
            *calc, nullptr, [&] { return s; }, zones, [&] { return c.utc; });
        ASSERT_TRUE(schedule.Refresh(nullptr));
        EXPECT_EQ(schedule.ClockText(), c.clock);
        EXPECT_EQ(schedule.Date().day, c.day);
        EXPECT_EQ(schedule.Zone().error, c.error);
        const auto calls = FakeLibrary::Instance().With([](FakeLibraryState& st) { return st.trtCalls; });
        EXPECT_EQ(calls.back().day, c.day);
    }
}

// The system tz database through the interface: known and unknown names, offsets with half and
// quarter hours and daylight saving, and the texts the dialog and nuro-times show.
TEST(ZonedSchedule, SystemZonesAndTheirTexts)
{
    const ZoneRules& zones = SystemZoneRules();
    if (!zones.Known("Europe/London"))
        GTEST_SKIP() << "a build without Qt reads no tz database";
    const std::int64_t july = UtcOfLocal(Day(2026, 7, 1), 12 * 3600, 0);
    const std::int64_t january = UtcOfLocal(Day(2026, 1, 1), 12 * 3600, 0);
    struct Row {
        const char* zone;
        bool known;
        std::int64_t at;
        const char* text;
    };
    const Row rows[] = {
        {"Europe/London", true, july, "Europe/London, UTC+01:00"},
        {"Europe/London", true, january, "Europe/London, UTC+00:00"},
        {"America/Santiago", true, july, "America/Santiago, UTC-04:00"},
        {"America/Santiago", true, january, "America/Santiago, UTC-03:00"},
        {"Asia/Kathmandu", true, july, "Asia/Kathmandu, UTC+05:45"},
        {"America/St_Johns", true, january, "America/St_Johns, UTC-03:30"},
        {"Europe/Londres", false, july, "Unknown zone 'Europe/Londres': "},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.text);
        EXPECT_EQ(zones.Known(r.zone), r.known);
        EXPECT_EQ(ZoneInForceText(zones, r.zone, r.at).rfind(r.text, 0), 0u) << ZoneInForceText(zones, r.zone, r.at);
    }
    EXPECT_TRUE(zones.Known(zones.SystemZone())) << zones.SystemZone();
}

} // namespace
} // namespace nuro

namespace nuro {
namespace {

// The monitor reads the place's clock every tick while the user-interface thread refreshes (for the
// sanitizer builds): the clock always answers in the zone of one whole refresh.
TEST(ZonedSchedule, TheClockIsReadWhileRefreshesChangeTheZone)
{
    FakeLibrary::Instance().Reset();
    FakeLibrary::Instance().With(
        [](FakeLibraryState& s) { s.trtText = "04:00:00*06:00:00*12:00:00*15:00:00*18:00:00*20:00:00*"; });
    auto calc = test::MakeFakeCalc();
    const SwitchingZone zones(0);
    std::atomic<int> refreshes{0};
    Scheduler schedule(
        *calc, nullptr,
        [&] {
            AppSettings s;
            s.extra.AUTO_TZ = 1;
            s.extra.ZONE = refreshes.load() % 2 ? "Test/Switch" : "";
            return s;
        },
        zones, [] { return std::int64_t{12 * 3600}; });
    ASSERT_TRUE(schedule.Refresh(nullptr));
    std::atomic<bool> done{false};
    std::thread monitor([&] {
        while (!done.load()) {
            const std::string clock = schedule.ClockText();
            EXPECT_TRUE(clock == "14:00:00" || clock == "07:00:00") << clock;
        }
    });
    for (int i = 0; i < 200; ++i, ++refreshes)
        ASSERT_TRUE(schedule.Refresh(nullptr));
    done = true;
    monitor.join();
}

} // namespace
} // namespace nuro
