// Idle power of the alarm monitor: runs the real monitor loop on the real clock for a while with a
// table whose prayers fall a few seconds ahead, and prints its wake-ups per second (counted by the
// loop and by the kernel's voluntary context switches of its thread), its processor time, and how
// long after the start of its second each notice came. The former 14 ms poll runs beside it for scale.
#include "schedule/AlarmMonitor.h"
#include "schedule/CalcLibrary.h"
#include "schedule/Schedule.h"

#include <sys/syscall.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

using namespace nuro;
using std::chrono::milliseconds;

namespace {

std::string tableText; // the library's answer: the day's six times

const char* BenchTrt(std::int32_t, std::int32_t, std::int32_t, std::int32_t, std::int32_t, float, std::int32_t,
                     std::int32_t, std::int32_t, float, std::int32_t, std::int32_t, float, float, float, std::int32_t,
                     std::int32_t, std::int32_t, std::int32_t, std::int32_t, std::int32_t, std::int32_t, std::int32_t,
                     std::int32_t, std::int32_t)
{
    return tableText.c_str();
}

class BenchLoader : public LibraryLoader {
public:
    void* Open(const char*) override { return &tableText; }
    void* Resolve(void*, const char* symbol) override
    {
        return std::string(symbol) == "trt" ? reinterpret_cast<void*>(&BenchTrt) : nullptr;
    }
};

long VoluntarySwitches(long tid)
{
    std::ifstream status("/proc/self/task/" + std::to_string(tid) + "/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("voluntary_ctxt_switches:", 0) == 0)
            return std::atol(line.c_str() + 24);
    return -1;
}

double ThreadCpuSeconds()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) / 1e9;
}

std::int64_t EpochMillis()
{
    return std::chrono::duration_cast<milliseconds>(std::chrono::system_clock::now().time_since_epoch()).count();
}

std::string LocalText(std::time_t at)
{
    std::tm local{};
    localtime_r(&at, &local);
    return FormatTimeText(local.tm_hour, local.tm_min, local.tm_sec);
}

class BenchHost : public MonitorHost {
public:
    void HideTrayHost() override {}
    void RepaintMainFrame() override {}
    bool SoundBoxOn() override { return false; }
    void ShowNotice(int templateId) override
    {
        std::lock_guard<std::mutex> guard(lock);
        latencies.emplace_back(templateId, EpochMillis() - due[templateId]);
    }
    std::map<int, std::int64_t> due; // template, the start of its second since 1970 in ms
    std::mutex lock;
    std::vector<std::pair<int, std::int64_t>> latencies; // template, ms after its second began
};

struct ThreadFigures {
    long wakeUps = 0, switches = 0;
    double cpu = 0;
};

// The monitor on its own thread for `seconds`; the stop flag ends it at its next wake.
ThreadFigures RunMonitor(int seconds, BenchHost& host)
{
    CalcLibrary calc(std::make_unique<BenchLoader>());
    Scheduler schedule(calc);
    SystemMonitorClock clock;
    std::atomic<bool> stop{false};
    std::atomic<std::int32_t> offset{0};
    ThreadFigures figures;
    std::atomic<long> tid{0};
    AlarmMonitor monitor({host, clock, schedule, [&] { schedule.Refresh(nullptr); }, offset, stop});
    std::thread thread([&] {
        tid = static_cast<long>(syscall(SYS_gettid));
        const long before = VoluntarySwitches(tid);
        const double cpu = ThreadCpuSeconds();
        monitor.Run();
        figures.switches = VoluntarySwitches(tid) - before;
        figures.cpu = ThreadCpuSeconds() - cpu;
        figures.wakeUps = static_cast<long>(monitor.WakeUps());
    });
    std::this_thread::sleep_for(std::chrono::seconds(seconds));
    stop = true;
    thread.join();
    return figures;
}

// The former loop: a 14 ms sleep and one clock text per tick.
ThreadFigures RunPoll(int seconds)
{
    ThreadFigures figures;
    std::thread thread([&] {
        const long tid = static_cast<long>(syscall(SYS_gettid));
        const long before = VoluntarySwitches(tid);
        const double cpu = ThreadCpuSeconds();
        const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
        while (std::chrono::steady_clock::now() < end) {
            std::this_thread::sleep_for(milliseconds(14));
            (void)ClockText();
            ++figures.wakeUps;
        }
        figures.switches = VoluntarySwitches(tid) - before;
        figures.cpu = ThreadCpuSeconds() - cpu;
    });
    thread.join();
    return figures;
}

void Print(const char* name, const ThreadFigures& f, int seconds)
{
    std::printf("%-22s %8.2f wake-ups/s  %8.2f voluntary switches/s  %6.3f %% of a core\n", name,
                static_cast<double>(f.wakeUps) / seconds, static_cast<double>(f.switches) / seconds,
                100.0 * f.cpu / seconds);
}

} // namespace

int main(int argc, char** argv)
{
    const int seconds = argc > 1 ? std::max(12, std::atoi(argv[1])) : 20;
    // Fajer, Dhohur and Aser a few seconds ahead and apart (a notice is followed by a pause of a
    // second), Maghereb and Isha never during the run.
    const std::time_t now = std::time(nullptr);
    const std::string never = "--:--:--";
    tableText = LocalText(now + 3) + "*" + never + "*" + LocalText(now + 6) + "*" + LocalText(now + 9) + "*" + never +
                "*" + never + "*";

    BenchHost host;
    host.due = {{800, (now + 3) * 1000}, {801, (now + 6) * 1000}, {803, (now + 9) * 1000}};
    const ThreadFigures monitor = RunMonitor(seconds, host);
    const ThreadFigures poll = RunPoll(std::min(seconds, 5));
    std::printf("alarm monitor over %d s of the real clock\n", seconds);
    Print("monitor (now)", monitor, seconds);
    Print("14 ms poll (before)", poll, std::min(seconds, 5));
    std::printf("notices: %zu of 3 expected;", host.latencies.size());
    for (const auto& [id, ms] : host.latencies)
        std::printf(" %d %lld ms after its second began", id, static_cast<long long>(ms));
    std::printf("\n");
    return host.latencies.size() == 3 ? 0 : 1;
}
