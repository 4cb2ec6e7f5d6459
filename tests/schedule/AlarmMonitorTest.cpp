// The monitor on a simulated clock: a day of wakes runs in a fraction of a second.
#include "FakeCalcLibrary.h"
#include "SimulatedClock.h"

#include "schedule/AlarmMonitor.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <thread>

namespace nuro {
namespace {

using test::FakeLibrary;
using test::FakeLibraryState;
using test::At;
using test::kDay;
using test::kHour;
using test::kMinute;
using test::kSecond;
using test::SimulatedClock;

struct Notice {
    int templateId;
    std::string shownAt;
    bool operator==(const Notice&) const = default;
};

class RecordingHost : public MonitorHost {
public:
    explicit RecordingHost(SimulatedClock& clock) : clock_(clock) {}
    void HideTrayHost() override { hides.push_back(clock_.Millis()); }
    void RepaintMainFrame() override { repaints.push_back(clock_.Millis()); }
    bool SoundBoxOn() override { return false; }
    void ShowNotice(int templateId) override
    {
        notices.push_back({templateId, clock_.Now().Text()});
        opened.push_back(clock_.Millis());
        if (onNotice)
            onNotice();
        clock_.Advance(openFor);
        closed.push_back(clock_.Millis());
    }

    void RemindPrayer(TimeSlotIndex slot, const std::string& time, std::int32_t minutesLeft) override
    {
        reminders.push_back(clock_.Now().Text() + " " + kPrayerNames[slot] + " " + time + " in " +
                            std::to_string(minutesLeft));
    }

    std::int64_t openFor = 0;
    std::vector<std::string> reminders;
    std::function<void()> onNotice;
    std::vector<std::int64_t> hides, repaints, opened, closed;
    std::vector<Notice> notices;

private:
    SimulatedClock& clock_;
};

class NullDisplay : public TimeDisplay {
public:
    void SetTimeText(std::size_t, const std::string&) override {}
};

// One monitor over a fake library answering `times`, from `start` to `end` of simulated time.
struct Rig {
    Rig(const std::string& times, std::int64_t start, std::int64_t end)
        : calc(test::MakeFakeCalc()),
          schedule(
              *calc, [this] { return Today(); }, [] { return AppSettings{}; }),
          clock(start, end, stop),
          host(clock)
    {
        FakeLibrary::Instance().Reset();
        FakeLibrary::Instance().With([&](FakeLibraryState& s) { s.trtText = times; });
    }
    void Run()
    {
        AlarmMonitor monitor({host, clock, schedule,
                              [this] {
                                  refreshes.push_back(clock.Millis());
                                  schedule.Refresh(&display);
                              },
                              offset, stop, [this] { return remind; },
                              [this](const LocalDate& day) -> std::optional<TimeTable> {
                                  tablesAsked.push_back(day);
                                  Scheduler other(
                                      *calc, [day] { return day; }, [] { return AppSettings{}; });
                                  if (!other.Refresh(nullptr))
                                      return std::nullopt;
                                  return other.Table();
                              }});
        monitor.Run();
        wakeUps = monitor.WakeUps();
    }
    // The sleep that began when the i-th notice closed.
    std::int64_t PauseAfter(std::size_t i) const
    {
        for (const auto& [start, duration] : clock.sleeps)
            if (start == host.closed[i])
                return duration;
        return -1;
    }

    // 14 June 2025, or with `datesFollowClock` the day the simulated clock has reached (the clock is
    // then read on the monitor's thread only).
    LocalDate Today() const
    {
        if (!datesFollowClock)
            return {2025, 14, 6};
        const std::int64_t days = clock.Millis() >= 0 ? clock.Millis() / kDay : -1;
        return {2025, static_cast<std::int8_t>(14 + days), 6};
    }

    bool datesFollowClock = false;
    std::unique_ptr<CalcLibrary> calc;
    Scheduler schedule;
    std::atomic<bool> stop{false};
    std::atomic<std::int32_t> offset{0};
    std::int32_t remind = 0;
    SimulatedClock clock;
    RecordingHost host;
    NullDisplay display;
    std::vector<std::int64_t> refreshes;
    std::vector<LocalDate> tablesAsked;
    std::int64_t wakeUps = 0;
};

const char* const kTimes = "04:31:00*06:05:00*12:40:00*16:05:00*19:15:00*20:45:00*";

TEST(AlarmMonitorTest, EachPrayerRaisesOneNoticeInItsShiftedSecondThroughADay)
{
    const struct {
        std::int32_t offset;
        std::int64_t openFor;
        std::vector<Notice> expected;
    } rows[] = {
        {0, 0, {{800, "04:31:00"}, {801, "12:40:00"}, {803, "16:05:00"}, {804, "19:15:00"}, {805, "20:45:00"}}},
        {0,
         90 * kSecond,
         {{800, "04:31:00"}, {801, "12:40:00"}, {803, "16:05:00"}, {804, "19:15:00"}, {805, "20:45:00"}}},
        {-10, 0, {{800, "04:21:00"}, {801, "12:30:00"}, {803, "15:55:00"}, {804, "19:05:00"}, {805, "20:35:00"}}},
        {10, 700, {{800, "04:41:00"}, {801, "12:50:00"}, {803, "16:15:00"}, {804, "19:25:00"}, {805, "20:55:00"}}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(::testing::Message() << "offset " << row.offset << ", open " << row.openFor << " ms");
        Rig rig(kTimes, 0, kDay);
        rig.offset = row.offset;
        rig.host.openFor = row.openFor;
        rig.Run();
        EXPECT_EQ(rig.host.notices, row.expected);
        for (std::size_t i = 0; i < rig.host.opened.size(); ++i) {
            // Within 50 ms of the second's start, and followed by the pause out of it.
            EXPECT_LT(rig.host.opened[i] % kSecond, 50);
            EXPECT_EQ(rig.PauseAfter(i), 1001);
        }
        // Asleep between the seconds: about one wake a second, and a few for the duties.
        EXPECT_LE(rig.wakeUps, 5 * kDay / kSecond);
        EXPECT_GE(rig.wakeUps, kDay / kSecond);
    }
}

TEST(AlarmMonitorTest, ShuroqAndUnusableSlotsNeverRaiseANotice)
{
    const struct {
        const char* times;
        std::int32_t offset;
    } rows[] = {
        {"xx*06:05:00*xx*xx*xx*xx*", 0},
        {"xx*06:05:00*xx*xx*xx*xx*", -10},
        {"xx*06:05:00*xx*xx*xx*xx*", 10},
        {"--:--:--*00:00:00*--:--*:*00:0*24:00:00*", 0},
        {"99:99:99*00:00:00*12:60:00*AB:CD:EF*  :  :  *1:00:00*", 0},
        {"", 0},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.times);
        Rig rig(row.times, 0, kDay);
        rig.offset = row.offset;
        rig.Run();
        EXPECT_TRUE(rig.host.notices.empty());
    }
}

TEST(AlarmMonitorTest, EqualShiftedTimesRaiseOnlyTheFirstInPrayerOrder)
{
    const struct {
        const char* times;
        std::int32_t offset;
        std::vector<Notice> expected;
    } rows[] = {
        {"04:31:00*06:05:00*12:40:00*12:40:00*19:15:00*19:15:00*",
         0,
         {{800, "04:31:00"}, {801, "12:40:00"}, {804, "19:15:00"}}},
        {"20:45:00*20:45:00*12:40:00*16:05:00*19:15:00*20:45:00*",
         -5,
         {{801, "12:35:00"}, {803, "16:00:00"}, {804, "19:10:00"}, {800, "20:40:00"}}},
        {"06:05:00*06:05:00*06:05:00*06:05:00*06:05:00*06:05:00*", 0, {{800, "06:05:00"}}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.times);
        Rig rig(row.times, 0, kDay);
        rig.offset = row.offset;
        rig.Run();
        EXPECT_EQ(rig.host.notices, row.expected);
    }
}

TEST(AlarmMonitorTest, HidesEveryTwoPointEightSecondsAndRefreshesEverySevenWakingAtEachSecond)
{
    const std::int64_t start = At(1, 0, 0);
    Rig rig(kTimes, start, start + 21 * kSecond + 500);
    rig.Run();
    // A hide and a refresh at once, then hides 2.8 s and 5.6 s into each 7 s period.
    std::vector<std::int64_t> hides, refreshes;
    for (std::int64_t period : {0, 7, 14, 21}) {
        refreshes.push_back(start + period * kSecond);
        for (std::int64_t at : {0, 2800, 5600})
            if (period * kSecond + at <= 21 * kSecond + 500)
                hides.push_back(start + period * kSecond + at);
    }
    EXPECT_EQ(rig.host.hides, hides);
    EXPECT_EQ(rig.refreshes, refreshes);
    EXPECT_EQ(rig.host.repaints, rig.refreshes);
    EXPECT_STREQ(rig.schedule.Table()[kIsha].data(), "20:45:00");
    // One wake just past each second's start and one for each duty between them.
    for (const auto& [sleptAt, duration] : rig.clock.sleeps) {
        const std::int64_t wake = sleptAt + duration;
        const bool duty = std::find(hides.begin(), hides.end(), wake) != hides.end();
        EXPECT_TRUE(duty || wake % kSecond == kPastSecond.count()) << "wake at " << wake - start;
    }
    // The start and its second again 20 ms in, seconds 1 to 21 each 20 ms in, 9 duty wakes, and the
    // wake past the end.
    EXPECT_EQ(rig.wakeUps, 2 + 21 + 9 + 1);
}

TEST(AlarmMonitorTest, NoticeLeftOpenAnHourHoldsTheDutiesAndThePrayerItCoveredFollowsItsClose)
{
    // Dhohur at 12:00, Aser falling inside the hour the notice stays open, Maghereb after it.
    Rig rig("04:31:00*06:05:00*12:00:00*12:30:00*13:10:00*20:45:00*", At(11, 59, 50), At(13, 20, 0));
    rig.host.onNotice = [&] { rig.host.openFor = rig.host.notices.size() == 1 ? kHour : 0; };
    rig.Run();
    EXPECT_EQ(rig.host.notices, (std::vector<Notice>{{801, "12:00:00"}, {803, "13:00:01"}, {804, "13:10:00"}}));

    const std::int64_t opened = rig.host.opened[0], closed = rig.host.closed[0];
    for (const std::vector<std::int64_t>* duties : {&rig.refreshes, &rig.host.hides})
        for (std::int64_t at : *duties)
            EXPECT_TRUE(at <= opened || at > closed) << "duty at " << at;
    // After the close and its pause the late period starts again with a refresh, before Aser's notice.
    const auto next = std::upper_bound(rig.refreshes.begin(), rig.refreshes.end(), closed);
    ASSERT_NE(next, rig.refreshes.end());
    EXPECT_EQ(*next, closed + 1001);
    EXPECT_EQ(rig.host.opened[1], closed + 1001);
    EXPECT_EQ(rig.PauseAfter(0), 1001);
    EXPECT_EQ(rig.PauseAfter(1), 1001);
}

// Two alerts within a minute, as the middle of the night gives them at high latitudes: the second is
// never lost. A notice open past another prayer's second is followed by that prayer's notice once it
// closes, one notice at a time, in the order the seconds came.
TEST(AlarmMonitorTest, APrayerWhoseSecondComesWhileANoticeIsOpenFollowsItsClose)
{
    // Isha at 00:59:50, Maghereb at 00:59:55 and Fajer at 01:00:00.
    const char* const times = "01:00:00*03:00:00*12:00:00*15:00:00*00:59:55*00:59:50*";
    const struct {
        std::int32_t offset;
        std::int64_t openFor;
        std::vector<Notice> expected;
    } rows[] = {
        {0, 0, {{805, "00:59:50"}, {804, "00:59:55"}, {800, "01:00:00"}}},
        {0, 3 * kSecond, {{805, "00:59:50"}, {804, "00:59:55"}, {800, "01:00:00"}}},
        {0, 7 * kSecond, {{805, "00:59:50"}, {804, "00:59:58"}, {800, "01:00:06"}}},
        {0, 30 * kSecond, {{805, "00:59:50"}, {804, "01:00:21"}, {800, "01:00:52"}}},
        {0, 10 * kMinute, {{805, "00:59:50"}, {804, "01:09:51"}, {800, "01:19:52"}}},
        {-10, 30 * kSecond, {{805, "00:49:50"}, {804, "00:50:21"}, {800, "00:50:52"}}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(::testing::Message() << "offset " << row.offset << ", open " << row.openFor << " ms");
        Rig rig(times, At(0, 40, 0), At(2, 0, 0));
        rig.offset = row.offset;
        rig.host.openFor = row.openFor;
        rig.Run();
        EXPECT_EQ(rig.host.notices, row.expected);
        for (std::size_t i = 0; i + 1 < rig.host.opened.size(); ++i)
            EXPECT_GE(rig.host.opened[i + 1], rig.host.closed[i] + 1001); // never two at once
    }
}

// Suspend and resume, a time set forward or back, the zone's summer hour starting or ending: noticed
// at the next wake; a prayer whose second passed meanwhile raises nothing, a second lived again raises
// nothing again, and a wake that merely came late still compares every second it slept through.
TEST(AlarmMonitorTest, ClockJumpsRaiseNothingForSecondsPassedAsleepAndNothingTwice)
{
    using Change = std::function<void(SimulatedClock&)>;
    const struct {
        const char* name;
        std::int64_t at; // local time of the change (once, at the first wake past it)
        Change change;
        std::vector<Notice> expected;
        std::int64_t end = At(16, 10, 0);
    } rows[] = {
        {"nothing", 0, [](SimulatedClock&) {}, {{801, "12:40:00"}, {803, "16:05:00"}}},
        {"suspended 30 min over Dhohur",
         At(12, 39, 50),
         [](SimulatedClock& c) { c.Jump(30 * kMinute); },
         {{803, "16:05:00"}}},
        {"suspended 23.5 h, resumed before Dhohur",
         At(12, 39, 50),
         [](SimulatedClock& c) { c.Jump(23 * kHour + 30 * kMinute); },
         {{801, "12:40:00"}, {803, "16:05:00"}},
         kDay + At(16, 10, 0)},
        {"set forward an hour over Dhohur",
         At(12, 39, 50),
         [](SimulatedClock& c) { c.Jump(kHour); },
         {{803, "16:05:00"}}},
        {"set back 10 min after Dhohur",
         At(12, 40, 30),
         [](SimulatedClock& c) { c.Jump(-10 * kMinute); },
         {{801, "12:40:00"}, {803, "16:05:00"}}},
        {"set back 3 h after Dhohur",
         At(12, 40, 30),
         [](SimulatedClock& c) { c.Jump(-3 * kHour); },
         {{801, "12:40:00"}, {803, "16:05:00"}}},
        {"summer hour starts over Dhohur",
         At(12, 39, 50),
         [](SimulatedClock& c) { c.ShiftZone(kHour); },
         {{803, "16:05:00"}}},
        {"summer hour ends after Dhohur",
         At(12, 40, 30),
         [](SimulatedClock& c) { c.ShiftZone(-kHour); },
         {{801, "12:40:00"}, {803, "16:05:00"}}},
        {"a wake 3 s late over Dhohur",
         At(12, 39, 59),
         [](SimulatedClock& c) { c.Advance(3 * kSecond); },
         {{801, "12:40:02"}, {803, "16:05:00"}}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        Rig rig(kTimes, At(12, 30, 0), row.end);
        bool done = row.at == 0;
        rig.clock.afterSleep = [&](SimulatedClock& c) {
            if (!done && c.Millis() >= row.at) {
                done = true;
                row.change(c);
            }
        };
        rig.Run();
        EXPECT_EQ(rig.host.notices, row.expected);
    }
}

// Whatever the clock does between two wakes, and however often, a prayer is announced at most once
// for its day; the next day's table announces it again.
TEST(AlarmMonitorTest, APrayerIsAnnouncedAtMostOnceADayWhateverTheClockDoes)
{
    struct Step {
        std::int64_t at; // local time of the change, at the first wake past it
        std::int64_t jump;
    };
    const struct {
        const char* name;
        std::vector<Step> steps;
        std::vector<Notice> expected;
        std::int64_t end = At(16, 10, 0);
        bool datesFollowClock = false;
    } rows[] = {
        {"back 30 min after Dhohur, then forward 20 min",
         {{At(12, 40, 30), -30 * kMinute}, {At(12, 11, 0), 20 * kMinute}},
         {{801, "12:40:00"}, {803, "16:05:00"}}},
        {"back 2 h, then forward 1 h",
         {{At(12, 40, 30), -2 * kHour}, {At(10, 41, 0), kHour}},
         {{801, "12:40:00"}, {803, "16:05:00"}}},
        {"back 3 h after Dhohur, then back 3 h again",
         {{At(12, 40, 30), -3 * kHour}, {At(12, 41, 0), -3 * kHour}},
         {{801, "12:40:00"}, {803, "16:05:00"}}},
        {"back 2 h after Aser, then forward 5 min",
         {{At(16, 5, 30), -2 * kHour}, {At(14, 6, 0), 5 * kMinute}},
         {{801, "12:40:00"}, {803, "16:05:00"}},
         At(16, 20, 0)},
        {"back 12 h after Dhohur, to the night before",
         {{At(12, 40, 30), -12 * kHour}},
         {{801, "12:40:00"}, {800, "04:31:00"}, {803, "16:05:00"}}},
        {"the next day the prayers come again",
         {},
         {{801, "12:40:00"},
          {803, "16:05:00"},
          {804, "19:15:00"},
          {805, "20:45:00"},
          {800, "04:31:00"},
          {801, "12:40:00"}},
         kDay + At(12, 41, 0),
         true},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        Rig rig(kTimes, At(12, 30, 0), row.end);
        rig.datesFollowClock = row.datesFollowClock;
        std::size_t next = 0;
        rig.clock.afterSleep = [&](SimulatedClock& c) {
            if (next < row.steps.size() && c.Millis() >= row.steps[next].at)
                c.Jump(row.steps[next++].jump);
        };
        rig.Run();
        EXPECT_EQ(next, row.steps.size());
        EXPECT_EQ(rig.host.notices, row.expected);
    }
}

// The monitor on its own thread while the user-interface thread refreshes and moves the offset:
// every notice raised still matches the clock for one of the offsets in use.
TEST(AlarmMonitorTest, RunsBesideUserInterfaceRefreshesAndOffsetChanges)
{
    Rig rig(kTimes, At(12, 0, 0), At(13, 0, 0));
    std::thread monitor([&] { rig.Run(); });
    for (int k = 0; k < 200 && !rig.stop.load(); ++k) {
        rig.offset = (k % 3 - 1) * 10;
        rig.schedule.Refresh(nullptr);
        std::this_thread::yield();
    }
    monitor.join();
    std::vector<std::string> allowed;
    for (std::int32_t offset : {-10, 0, 10})
        for (const NoticeEntry& entry : kNoticeTable)
            allowed.push_back(ShiftTimeText(SlotText(rig.schedule.Table()[entry.slot]), offset));
    for (const Notice& notice : rig.host.notices)
        EXPECT_NE(std::find(allowed.begin(), allowed.end(), notice.shownAt), allowed.end()) << notice.shownAt;
}

TEST(AlarmMonitorTest, PrayerDueWithinLooksOnlyAheadAtAlarmedPrayersWithTheOffset)
{
    auto table = [](std::array<const char*, kSlotCount> texts) {
        TimeTable t{};
        for (std::size_t i = 0; i < t.size(); ++i)
            std::snprintf(t[i].data(), t[i].size(), "%s", texts[i]);
        return t;
    };
    const TimeTable day = table({"05:47:00", "07:19:00", "12:18:00", "14:45:00", "17:05:00", "18:35:00"});
    const TimeTable nearMidnight = table({"00:00:02", "07:19:00", "12:18:00", "14:45:00", "17:05:00", "23:59:50"});
    const struct {
        const TimeTable* table;
        std::int32_t offset;
        const char* clock;
        bool due;
    } rows[] = {
        {&day, 0, "12:17:58", true}, // Dhohur in two seconds
        {&day, 0, "12:17:56", true}, // in four
        {&day, 0, "12:17:55", false}, // in five: not yet
        {&day, 0, "12:18:00", false}, // the notice's own second is not ahead
        {&day, 0, "07:18:58", false}, // Shuroq has no notice
        {&day, 5, "12:22:58", true}, // Dhohur moved by five minutes
        {&day, -5, "12:17:58", false}, // ... the other way
        {&nearMidnight, 0, "23:59:59", true}, // across midnight
        {&nearMidnight, 0, "23:59:48", true}, {&day, 0, "garbage", false},
    };
    for (const auto& r : rows)
        EXPECT_EQ(PrayerDueWithin(*r.table, r.offset, TimeOfDay::Parse(r.clock), 1, 4), r.due)
            << r.clock << " offset " << r.offset;
}

TEST(AlarmMonitorTest, TheReminderComesOncePerPrayerBeforeItAndNeverDelaysTheNotices)
{
    const struct {
        std::int32_t remind, offset;
        std::int64_t openFor; // a notice left open holds the monitor past the reminder's second
        std::vector<std::string> reminders;
        std::int64_t start = 0, end = kDay;
        std::size_t notices = 5;
        std::vector<int> tomorrowsAsked = {}; // days of June whose table the monitor computed
    } rows[] = {
        {0, 0, 0, {}},
        {10,
         0,
         0,
         {"04:21:00 Fajer 04:31 in 10", "12:30:00 Dhohur 12:40 in 10", "15:55:00 Aser 16:05 in 10",
          "19:05:00 Maghereb 19:15 in 10", "20:35:00 Isha 20:45 in 10"},
         0,
         kDay,
         5,
         {15}},
        // Notices 15 minutes early, open 8 minutes: each reminder comes late but once, when it can.
        {10,
         -15,
         8 * 60 * kSecond,
         {"04:24:01 Fajer 04:31 in 7", "12:33:01 Dhohur 12:40 in 7", "15:58:01 Aser 16:05 in 7",
          "19:08:01 Maghereb 19:15 in 7", "20:38:01 Isha 20:45 in 7"},
         0,
         kDay,
         5,
         {15}},
        // Five hours before: Fajer at 04:31 is reminded at 23:31 the evening before, from the next
        // day's table, and not again once the date has turned; tomorrow's table is computed once a day.
        {300,
         0,
         0,
         {"20:00:00 Isha 20:45 in 45", "23:31:00 Fajer 04:31 in 300"},
         At(20, 0, 0),
         kDay + At(6, 0, 0),
         2,
         {15, 16}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(::testing::Message() << "remind " << row.remind << ", offset " << row.offset);
        Rig rig(kTimes, row.start, row.end);
        rig.datesFollowClock = true;
        rig.remind = row.remind;
        rig.offset = row.offset;
        rig.host.openFor = row.openFor;
        rig.Run();
        EXPECT_EQ(rig.host.reminders, row.reminders);
        EXPECT_EQ(rig.host.notices.size(), row.notices);
        std::vector<int> asked;
        for (const LocalDate& day : rig.tablesAsked)
            asked.push_back(day.month == 6 ? day.day : -1);
        EXPECT_EQ(asked, row.tomorrowsAsked);
    }
}

} // namespace
} // namespace nuro
