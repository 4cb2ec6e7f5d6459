#include "schedule/AlarmMonitor.h"

#include "core/TimeText.h"
#include "platform/os/ReminderState.h"

#include <algorithm>
#include <cstring>
#include <iostream>
#include <mutex>
#include <system_error>
#include <thread>
#include <utility>

namespace nuro {
namespace {

using std::chrono::milliseconds;

constexpr std::int64_t kDayMillis = std::int64_t{kSecondsPerDay} * 1000;

std::int64_t Modulo(std::int64_t value, std::int64_t period)
{
    return ((value % period) + period) % period;
}

} // namespace

std::optional<NoticeEntry> MatchPrayer(const TimeTable& table, std::int32_t offset, TimeOfDay second)
{
    if (!second)
        return std::nullopt;
    const std::vector<NoticeEntry> due = PrayerMatcher().Due(table, offset, second.Seconds(), 1);
    return due.empty() ? std::nullopt : std::optional<NoticeEntry>(due.front());
}

bool PrayerDueWithin(const TimeTable& table, std::int32_t offset, TimeOfDay now, int fromSeconds, int toSeconds)
{
    if (!now || toSeconds < fromSeconds)
        return false;
    const std::int32_t last = now.Plus(toSeconds).Seconds();
    return !PrayerMatcher().Due(table, offset, last, toSeconds - fromSeconds + 1).empty();
}

bool NextPrayerDueSoon()
{
    // Looked at four times a second: a prayer one to four seconds away is still met after the
    // monitor's pause of a second that follows every notice.
    const TimeOfDay clock = Schedule().Clock(); // the clock the monitor compares
    const std::int32_t offset = NoticeOffset.load();
    return Schedule().ReadTable([&](const TimeTable& table) { return PrayerDueWithin(table, offset, clock, 1, 4); });
}

std::vector<NoticeEntry> PrayerMatcher::Due(const TimeTable& table, std::int32_t offset, std::int32_t last,
                                            std::int32_t count)
{
    if (!valid_ || offset != offset_ || std::memcmp(&table, &table_, sizeof table) != 0) {
        for (std::size_t i = 0; i < kNoticeTable.size(); ++i)
            seconds_[i] = TimeOfDay::Parse(table[kNoticeTable[i].slot].data()).PlusMinutes(offset).Seconds();
        std::memcpy(&table_, &table, sizeof table);
        offset_ = offset;
        valid_ = true;
    }
    // How long before `last` each prayer's second came, for those inside the window.
    std::vector<std::pair<std::int32_t, std::size_t>> found;
    for (std::size_t i = 0; i < kNoticeTable.size(); ++i) {
        if (seconds_[i] < 0)
            continue;
        const auto ago = static_cast<std::int32_t>(Modulo(last - seconds_[i], kSecondsPerDay));
        const bool taken = std::any_of(found.begin(), found.end(), [&](const auto& f) { return f.first == ago; });
        if (ago < count && !taken)
            found.emplace_back(ago, i);
    }
    std::stable_sort(found.begin(), found.end(), [](const auto& a, const auto& b) { return a.first > b.first; });
    std::vector<NoticeEntry> due;
    for (const auto& f : found)
        due.push_back(kNoticeTable[f.second]);
    return due;
}

milliseconds MonitorClock::Steady()
{
    return std::chrono::duration_cast<milliseconds>(std::chrono::steady_clock::now().time_since_epoch());
}

milliseconds MonitorClock::SinceEpoch()
{
    return std::chrono::duration_cast<milliseconds>(std::chrono::system_clock::now().time_since_epoch());
}

TimeOfDay SystemMonitorClock::Now()
{
    return schedule_ ? schedule_->Clock() : ClockNow();
}

void SystemMonitorClock::Sleep(milliseconds duration)
{
    std::this_thread::sleep_for(duration);
}

AlarmMonitor::AlarmMonitor(Wiring wiring) : w_(std::move(wiring))
{
}

void AlarmMonitor::Run()
{
    while (!w_.stop.load())
        Tick();
}

milliseconds AlarmMonitor::NextWait()
{
    // At the start the duties are due at once; a notice held back by another follows its pause.
    if (!started_ || !pending_.empty())
        return milliseconds{0};
    // The next moment kPastSecond into a second; a duty's wake just after a second began still
    // looks at that second once its text shows.
    const std::int64_t intoSecond = Modulo(w_.clock.SinceEpoch().count(), 1000);
    const milliseconds untilSecond{intoSecond < kPastSecond.count() ? kPastSecond.count() - intoSecond
                                                                    : 1000 - intoSecond + kPastSecond.count()};
    const milliseconds untilDuty = nextDuty_ - w_.clock.Steady();
    return std::max(milliseconds{0}, std::min(untilSecond, untilDuty));
}

void AlarmMonitor::Tick()
{
    if (const milliseconds wait = NextWait(); wait.count() > 0)
        w_.clock.Sleep(wait);
    ++wakeUps_;
    const milliseconds steady = w_.clock.Steady();
    RunDuties(steady);
    started_ = true;
    const TimeOfDay clock = w_.clock.Now();
    CheckReminder(clock);
    QueueDuePrayers(clock, w_.clock.Steady(), w_.clock.SinceEpoch());
    if (pending_.empty())
        return;
    const NoticeEntry entry = pending_.front();
    pending_.pop_front();
    w_.host.ShowNotice(entry.templateId);
    // Takes the monitor out of the notice's second before anything else, as the user closed it.
    w_.clock.Sleep(kAfterNoticePause);
}

void AlarmMonitor::RunDuties(milliseconds steady)
{
    if (started_ && steady < nextDuty_)
        return;
    // A period that ran late (a notice was open) starts again with its refresh, never with a burst.
    if (started_ && steady >= cycleStart_ + kRefreshPeriod)
        phase_ = 0;
    w_.host.HideTrayHost();
    if (phase_ == 0) {
        w_.refresh();
        w_.host.RepaintMainFrame();
        cycleStart_ = steady;
        remindMinutes_ = w_.remindMinutes ? w_.remindMinutes() : 0;
    }
    do {
        phase_ = (phase_ + 1) % 3;
        nextDuty_ = cycleStart_ + (phase_ == 0 ? kRefreshPeriod : phase_ * kHidePeriod);
    } while (phase_ != 0 && nextDuty_ <= steady);
}

void AlarmMonitor::CheckReminder(TimeOfDay clock)
{
    if (remindMinutes_ <= 0)
        return;
    if (!remindersRestored_) {
        remindersRestored_ = true;
        if (w_.loadRaised)
            reminders_.Restore(w_.loadRaised());
    }
    if (!clock)
        return;
    const auto [date, table] = w_.schedule.DatedTable();
    // Not before the first refresh has given the day.
    if (w_.tableOn && date.year > 0 && (date != tomorrowOf_ || table != tomorrowFrom_)) {
        tomorrowOf_ = date;
        tomorrowFrom_ = table;
        tomorrow_ = w_.tableOn(NextDay(date));
    }
    if (auto due = reminders_.Check(table, date, remindMinutes_, clock.Seconds(), tomorrow_ ? &*tomorrow_ : nullptr)) {
        w_.host.RemindPrayer(due->slot, due->time, due->minutesLeft);
        if (w_.saveRaised)
            w_.saveRaised(reminders_.Raised());
    }
}

std::int32_t AlarmMonitor::NewSeconds(std::int32_t second, milliseconds steady, milliseconds epoch)
{
    if (comparedSecond_ < 0)
        return 1;
    const std::int64_t steadyStep = (steady - seenSteady_).count();
    const std::int64_t epochStep = (epoch - seenEpoch_).count();
    // The clock's move beyond the time that passed: a suspend or a time change shows in the computer's
    // clock, a zone's change of offset (summer time) only in the local text.
    std::int64_t offsetChange = Modulo(std::int64_t{second - seenSecond_} * 1000 - epochStep, kDayMillis);
    if (offsetChange > kDayMillis / 2)
        offsetChange -= kDayMillis;
    const std::int64_t jump = epochStep - steadyStep + offsetChange;
    if (jump > kJumpTolerance.count() || jump < -(kRewindKept * 1000 + kJumpTolerance.count())) {
        // Every second the clock skipped passed while the monitor was not awake for it.
        comparedSecond_ = static_cast<std::int32_t>(Modulo(second - 1, kSecondsPerDay));
        return 1;
    }
    const auto ahead = static_cast<std::int32_t>(Modulo(second - comparedSecond_, kSecondsPerDay));
    // A notice open half a day or more: the seconds are counted by the time that passed.
    if (jump >= -kJumpTolerance.count() && steadyStep >= kDayMillis / 2)
        return steadyStep >= kDayMillis || ahead == 0 ? kSecondsPerDay : ahead;
    // Behind the last second compared (the clock was set back): those seconds were compared already.
    return ahead > kSecondsPerDay / 2 ? 0 : ahead;
}

void AlarmMonitor::QueueDuePrayers(TimeOfDay clock, milliseconds steady, milliseconds epoch)
{
    if (!clock)
        return;
    const std::int32_t second = clock.Seconds();
    const std::int32_t count = NewSeconds(second, steady, epoch);
    seenSecond_ = second;
    seenSteady_ = steady;
    seenEpoch_ = epoch;
    if (count <= 0)
        return;
    comparedSecond_ = second;
    const std::int32_t offset = w_.offset.load();
    const auto [date, table] = w_.schedule.DatedTable();
    const std::vector<NoticeEntry> due = matcher_.Due(table, offset, second, count);
    // One notice at a time, each prayer once: a prayer already waiting is not queued twice, and one
    // announced for its day is not announced again however the clock moved since.
    for (const NoticeEntry& entry : due) {
        const auto index =
            static_cast<std::size_t>(std::find(kNoticeTable.begin(), kNoticeTable.end(), entry) - kNoticeTable.begin());
        if (index < announced_.size() && announced_[index] == date)
            continue;
        if (index < announced_.size())
            announced_[index] = date;
        if (std::find(pending_.begin(), pending_.end(), entry) == pending_.end())
            pending_.push_back(entry);
    }
}

void StartAlarmMonitor(MonitorHost& host)
{
    static std::once_flag started;
    std::call_once(started, [&host] {
        host.SetMainFrameTitle(SnapshotSettings().PlaceName.data());
        // Never destroyed: the thread outlives every static and the process ends under it.
        static MonitorClock* clock = new SystemMonitorClock(&Schedule());
        auto* monitor = new AlarmMonitor({host, *clock, Schedule(), [] { RefreshSchedule(); }, NoticeOffset,
                                          MonitorStop, [] { return SnapshotSettings().extra.REMIND; },
                                          [](const LocalDate& day) {
                                              // The library's text is per thread: safe on this one.
                                              return TimesFor(Calc(), SnapshotSettings(), day);
                                          },
                                          LoadRaisedReminders,
                                          [](const RaisedReminders& raised) {
                                              if (!SaveRaisedReminders(raised))
                                                  std::cerr << "nuro: cannot keep the reminders raised in "
                                                            << ReminderStatePath() << "\n";
                                          }});
        try {
            std::thread([monitor] { monitor->Run(); }).detach();
        } catch (const std::system_error&) {
            // No thread, no notices; the table then fills only when a dialog applies its values.
        }
    });
}

} // namespace nuro
