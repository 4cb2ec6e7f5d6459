// The monitor on a simulated clock: a day of 14 ms ticks runs in a fraction of a second.
#include "FakeCalcLibrary.h"
#include "SimulatedClock.h"

#include "schedule/AlarmMonitor.h"

#include <gtest/gtest.h>

#include <functional>
#include <thread>

namespace nuro {
namespace {

using test::FakeLibrary;
using test::FakeLibraryState;
using test::At;
using test::kDay;
using test::kHour;
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
    void HideTrayHost() override { hides.push_back(clock_.ticks); }
    void RepaintMainFrame() override { repaints.push_back(clock_.ticks); }
    bool SoundBoxOn() override { return false; }
    void ShowNotice(int templateId) override
    {
        notices.push_back({templateId, clock_.Now()});
        opened.push_back(clock_.Millis());
        if (onNotice)
            onNotice();
        clock_.Advance(openFor);
        closed.push_back(clock_.Millis());
    }

    void RemindPrayer(TimeSlotIndex slot, const std::string& time, std::int32_t minutesLeft) override
    {
        reminders.push_back(clock_.Now() + " " + kPrayerNames[slot] + " " + time + " in " + std::to_string(minutesLeft));
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
    void SetTimeText(int, const std::string&) override {}
};

// One monitor over a fake library answering `times`, from `start` to `end` of simulated time.
struct Rig {
    Rig(const std::string& times, std::int64_t start, std::int64_t end)
        : calc(test::MakeFakeCalc()), schedule(*calc, [] { return LocalDate{2025, 14, 6}; }, [] { return AppSettings{}; }),
          clock(start, end, stop), host(clock)
    {
        FakeLibrary::Instance().Reset();
        FakeLibrary::Instance().With([&](FakeLibraryState& s) { s.trtText = times; });
    }
    void Run()
    {
        AlarmMonitor monitor({host, clock, schedule, [this] {
                                  refreshes.push_back(clock.ticks);
                                  schedule.Refresh(&display);
                              },
                              offset, stop, [this] { return remind; }});
        monitor.Run();
    }

    std::unique_ptr<CalcLibrary> calc;
    Scheduler schedule;
    std::atomic<bool> stop{false};
    std::atomic<std::int32_t> offset{0};
    std::int32_t remind = 0;
    SimulatedClock clock;
    RecordingHost host;
    NullDisplay display;
    std::vector<std::int64_t> refreshes;
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
        {0, 90 * kSecond,
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
        // Each notice is followed by the pause that carries the monitor past its second.
        ASSERT_EQ(rig.clock.pauses.size(), row.expected.size());
        for (std::size_t i = 0; i < rig.clock.pauses.size(); ++i) {
            EXPECT_EQ(rig.clock.pauses[i].first, rig.host.closed[i]);
            EXPECT_EQ(rig.clock.pauses[i].second, 1001);
        }
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
        {"04:31:00*06:05:00*12:40:00*12:40:00*19:15:00*19:15:00*", 0,
         {{800, "04:31:00"}, {801, "12:40:00"}, {804, "19:15:00"}}},
        {"20:45:00*20:45:00*12:40:00*16:05:00*19:15:00*20:45:00*", -5,
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

TEST(AlarmMonitorTest, HidesEveryTwoHundredAndRefreshesEveryFiveHundredTicks)
{
    Rig rig(kTimes, At(1, 0, 0), At(1, 0, 0) + 1601 * kMonitorTick.count());
    rig.Run();
    EXPECT_EQ(rig.clock.ticks, 1601);
    // Counter values 0, 200 and 400; at 500 the refresh starts it again from 0 and at once 1.
    EXPECT_EQ(rig.host.hides, (std::vector<std::int64_t>{1, 201, 401, 701, 901, 1201, 1401}));
    EXPECT_EQ(rig.refreshes, (std::vector<std::int64_t>{1, 501, 1001, 1501}));
    EXPECT_EQ(rig.host.repaints, rig.refreshes);
    // The first tick already filled the table.
    EXPECT_STREQ(rig.schedule.Table()[kIsha].data(), "20:45:00");
}

TEST(AlarmMonitorTest, NoticeLeftOpenAnHourBlocksEverythingAndCatchesNothingUp)
{
    // Dhohur at 12:00, Aser falling inside the hour the notice stays open, Maghereb after it.
    Rig rig("04:31:00*06:05:00*12:00:00*12:30:00*13:10:00*20:45:00*", At(11, 59, 50), At(13, 20, 0));
    rig.host.openFor = kHour;
    rig.clock.recordTicks = true;
    rig.Run();
    EXPECT_EQ(rig.host.notices, (std::vector<Notice>{{801, "12:00:00"}, {804, "13:10:00"}}));

    const std::int64_t opened = rig.host.opened[0], closed = rig.host.closed[0];
    const std::int64_t noticeTick = std::count_if(rig.clock.tickStarts.begin(), rig.clock.tickStarts.end(),
                                                  [&](std::int64_t t) { return t < opened; });
    for (std::int64_t tick : rig.refreshes) {
        // No refresh in the hour, and the 500-tick rhythm carries on from the same counter afterwards.
        const std::int64_t at = rig.clock.tickStarts[tick - 1];
        EXPECT_TRUE(at < opened || at > closed) << "refresh at tick " << tick;
        EXPECT_EQ((tick - 1) % 500, 0) << "refresh at tick " << tick;
    }
    EXPECT_GT(rig.refreshes.back(), noticeTick);
    // The next tick after the close starts after the whole pause.
    const auto next = std::upper_bound(rig.clock.tickStarts.begin(), rig.clock.tickStarts.end(), closed);
    ASSERT_NE(next, rig.clock.tickStarts.end());
    EXPECT_GE(*next - closed, 1001);
}

TEST(AlarmMonitorTest, StopWhileANoticeIsOpenEndsOnlyAfterTheNoticeAndThePause)
{
    Rig rig(kTimes, At(12, 39, 59), kDay);
    rig.host.openFor = 30 * kSecond;
    rig.host.onNotice = [&] { rig.stop = true; };
    rig.clock.recordTicks = true;
    rig.Run();
    ASSERT_EQ(rig.host.notices, (std::vector<Notice>{{801, "12:40:00"}}));
    // The monitor closed the notice, paused, and then ended without another tick.
    ASSERT_EQ(rig.clock.pauses.size(), 1u);
    EXPECT_EQ(rig.clock.pauses[0].first, rig.host.closed[0]);
    EXPECT_LT(rig.clock.tickStarts.back(), rig.host.opened[0]);
    EXPECT_EQ(rig.clock.Millis(), rig.host.closed[0] + 1001);
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

TEST(AlarmMonitorTest, TheReminderComesOncePerPrayerBeforeItAndNeverDelaysTheNotices)
{
    const struct {
        std::int32_t remind, offset;
        std::int64_t openFor; // a notice left open holds the monitor past the reminder's second
        std::vector<std::string> reminders;
    } rows[] = {
        {0, 0, 0, {}},
        {10, 0, 0,
         {"04:21:00 Fajer 04:31 in 10", "12:30:00 Dhohur 12:40 in 10", "15:55:00 Aser 16:05 in 10",
          "19:05:00 Maghereb 19:15 in 10", "20:35:00 Isha 20:45 in 10"}},
        // Notices 15 minutes early, open 8 minutes: each reminder comes late but once, when it can.
        {10, -15, 8 * 60 * kSecond,
         {"04:24:01 Fajer 04:31 in 7", "12:33:01 Dhohur 12:40 in 7", "15:58:01 Aser 16:05 in 7",
          "19:08:01 Maghereb 19:15 in 7", "20:38:01 Isha 20:45 in 7"}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(::testing::Message() << "remind " << row.remind << ", offset " << row.offset);
        Rig rig(kTimes, 0, kDay);
        rig.remind = row.remind;
        rig.offset = row.offset;
        rig.host.openFor = row.openFor;
        rig.Run();
        EXPECT_EQ(rig.host.reminders, row.reminders);
        EXPECT_EQ(rig.host.notices.size(), 5u);
    }
}

} // namespace
} // namespace nuro
