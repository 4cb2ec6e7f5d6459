// A simulated clock for the monitor: sleeping moves it on, so a day of wakes takes no real time, and a
// test can suspend the computer, change its time or the zone's offset between two wakes.
#pragma once

#include "core/TimeText.h"
#include "schedule/AlarmMonitor.h"

#include <atomic>
#include <chrono>
#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace nuro::test {

using std::chrono::milliseconds;

constexpr std::int64_t kSecond = 1000, kMinute = 60 * kSecond, kHour = 60 * kMinute, kDay = 24 * kHour;

inline std::int64_t At(int h, int m, int s)
{
    return h * kHour + m * kMinute + s * kSecond;
}

// Three clocks in milliseconds: the local time the texts show, the computer's clock since 1970 and the
// steady time that stands still in a suspend. Past `end` (local) the stop flag is raised, so the
// monitor ends on its own check before the next wake.
class SimulatedClock : public MonitorClock {
public:
    SimulatedClock(std::int64_t start, std::int64_t end, std::atomic<bool>& stop)
        : local_(start), epoch_(kEpochBase + start), end_(end), stop_(stop)
    {
    }

    TimeOfDay Now() override { return TimeOfDay::Wrapped(local_ / kSecond); }
    void Sleep(milliseconds d) override
    {
        sleeps.push_back({local_, d.count()});
        Advance(d.count());
        if (afterSleep)
            afterSleep(*this);
    }
    milliseconds Steady() override { return milliseconds{steady_}; }
    milliseconds SinceEpoch() override { return milliseconds{epoch_}; }

    // Time passing while the computer runs.
    void Advance(std::int64_t ms)
    {
        steady_ += ms;
        Move(ms);
    }
    // The computer asleep for `ms`, or its time set forward (positive) or back (negative).
    void Jump(std::int64_t ms) { Move(ms); }
    // The zone's offset changing by `ms` (summer time): only the local time moves.
    void ShiftZone(std::int64_t ms)
    {
        local_ += ms;
        CheckEnd();
    }
    std::int64_t Millis() const { return local_; }

    std::vector<std::pair<std::int64_t, std::int64_t>> sleeps; // local start, duration
    std::function<void(SimulatedClock&)> afterSleep;

private:
    // 2026-01-01 00:00 UTC: whole seconds, so both clocks begin their seconds together.
    static constexpr std::int64_t kEpochBase = 1767225600000;

    void Move(std::int64_t ms)
    {
        local_ += ms;
        epoch_ += ms;
        CheckEnd();
    }
    void CheckEnd()
    {
        if (local_ >= end_)
            stop_ = true;
    }

    std::int64_t local_, epoch_, steady_ = 0, end_;
    std::atomic<bool>& stop_;
};

} // namespace nuro::test
