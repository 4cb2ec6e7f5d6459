// Figures for the place search as the Config dialog and nuro-times make it, through the places module
// and the real library on the shipped database: each keystroke of the tests' searches, the first start's
// offer (the largest places of a zone) and the nearest places of a position.
//   places_bench [DATA-DIR]   (default: the build tree's share/nuro)
#include "places/Places.h"
#include "schedule/CalcLibrary.h"

#include <sys/stat.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
double Ms(Clock::duration d)
{
    return std::chrono::duration<double, std::milli>(d).count();
}

// Each prefix of `text`, by whole characters.
std::vector<std::string> Keystrokes(const std::string& text)
{
    std::vector<std::string> out;
    for (std::size_t i = 1; i <= text.size(); ++i)
        if (i == text.size() || (static_cast<unsigned char>(text[i]) & 0xC0) != 0x80)
            out.emplace_back(text.data(), i);
    return out;
}

} // namespace

int main(int argc, char** argv)
{
    const std::string dir = argc > 1 ? argv[1] : NURO_BUILD_SHARE;
    setenv("NURO_DATA_DIR", dir.c_str(), 1);
    setenv("XDG_DATA_HOME", "/nonexistent-nuro-bench", 1); // the shipped database alone
    struct stat st {};
    const std::string db = dir + "/data.ar";
    if (stat(db.c_str(), &st) != 0) {
        std::fprintf(stderr, "places_bench: no %s\n", db.c_str());
        return 1;
    }
    nuro::CalcLibrary calc(nuro::MakeSystemLibraryLoader());

    // The first start: the library loaded, then the computer's zone's largest places.
    const Clock::time_point t0 = Clock::now();
    const auto offer = nuro::places::LargestInZone(calc, "Europe/Paris");
    const double firstStart = Ms(Clock::now() - t0);
    if (!offer) {
        std::fprintf(stderr, "places_bench: %s not found\n", nuro::kCalcLibraryName);
        return 1;
    }
    std::printf("database %s: %.1f MB\n", db.c_str(), st.st_size / 1e6);
    std::printf("first start: library loaded and the zone's 10 largest places in %.2f ms (%s first)\n", firstStart,
                offer->empty() ? "none" : offer->front().label.c_str());

    const char* searches[] = {"london",   "springfield",    "sfax",    "zurich", "zürich",       "sao paulo",
                              "تونس",     "ڈھاكه",          "القاهره", "makkah", "kuala lumpur", "toronto",
                              "new york", "london, canada", "s",       "xqzvw"};
    std::vector<double> all;
    std::printf("%-16s %6s %10s %10s  %s\n", "search", "keys", "median ms", "worst ms", "best match");
    for (const char* s : searches) {
        std::vector<double> times;
        std::string best;
        for (int round = 0; round < 5; ++round) {
            for (const std::string& typed : Keystrokes(s)) {
                const Clock::time_point t = Clock::now();
                const auto found = nuro::places::Search(calc, typed);
                times.push_back(Ms(Clock::now() - t));
                best.assign(found && !found->empty() ? found->front().label : std::string(1, '-'));
            }
        }
        all.insert(all.end(), times.begin(), times.end());
        std::sort(times.begin(), times.end());
        std::printf("%-16s %6zu %10.2f %10.2f  %s\n", s, Keystrokes(s).size(), times[times.size() / 2], times.back(),
                    best.c_str());
    }
    std::sort(all.begin(), all.end());
    std::printf("all %zu keystrokes: median %.2f ms, 95th percentile %.2f ms, worst %.2f ms\n", all.size(),
                all[all.size() / 2], all[all.size() * 95 / 100], all.back());

    const Clock::time_point tn = Clock::now();
    const auto near = nuro::places::Nearest(calc, 36.80, 10.18);
    std::printf("nearest places to 36.80 N 10.18 E: %.2f ms (%s first)\n", Ms(Clock::now() - tn),
                near && !near->empty() ? near->front().label.c_str() : "none");
    return 0;
}
