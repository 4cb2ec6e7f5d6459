// A simulated local clock for the monitor: sleeping moves it on, so a day of ticks takes no real time.
#pragma once

#include "core/TimeText.h"
#include "schedule/AlarmMonitor.h"

#include <atomic>
#include <chrono>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace nuro::test {

using std::chrono::milliseconds;

constexpr std::int64_t kSecond = 1000, kMinute = 60 * kSecond, kHour = 60 * kMinute, kDay = 24 * kHour;

inline std::int64_t At(int h, int m, int s) { return h * kHour + m * kMinute + s * kSecond; }

// Simulated local time in milliseconds; sleeping moves it on. Past `end` the stop flag is raised, so
// the monitor ends on its own check before the next tick.
class SimulatedClock : public MonitorClock {
public:
    SimulatedClock(std::int64_t start, std::int64_t end, std::atomic<bool>& stop) : now_(start), end_(end), stop_(stop) {}

    std::string Now() override
    {
        const std::int64_t second = (now_ / kSecond) % (kDay / kSecond);
        if (second != cachedSecond_) {
            cachedSecond_ = second;
            cached_ = FormatTimeText(static_cast<int>(second / 3600), static_cast<int>(second / 60 % 60),
                                     static_cast<int>(second % 60));
        }
        return cached_;
    }
    void Sleep(milliseconds d) override
    {
        if (d == kMonitorTick) {
            ++ticks;
            if (recordTicks)
                tickStarts.push_back(now_);
        } else {
            pauses.push_back({now_, d.count()});
        }
        Advance(d.count());
    }
    void Advance(std::int64_t ms)
    {
        now_ += ms;
        if (now_ >= end_)
            stop_ = true;
    }
    std::int64_t Millis() const { return now_; }

    std::int64_t ticks = 0;
    bool recordTicks = false;
    std::vector<std::int64_t> tickStarts;
    std::vector<std::pair<std::int64_t, std::int64_t>> pauses;

private:
    std::int64_t now_, end_;
    std::atomic<bool>& stop_;
    std::int64_t cachedSecond_ = -1;
    std::string cached_;
};

} // namespace nuro::test
