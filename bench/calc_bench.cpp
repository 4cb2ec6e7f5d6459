// Accuracy of "trt" against the reference table (median and largest difference per event and latitude band)
// and its speed.
//   calc_bench reference.csv     accuracy
//   calc_bench --speed           speed
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "ReferenceTable.h"
#include "nuro_api.h"

using namespace nuro::test;

// Speed: one year of days for 100 places (the adhan peer runs the same place-dates), best of five passes:
// the machine may be shared, and the best pass is the least disturbed.
int speed()
{
    double best = 1e9;
    long calls = 0;
    unsigned checksum = 0;
    for (int pass = 0; pass < 5; ++pass) {
        const auto start = std::chrono::steady_clock::now();
        calls = 0;
        for (int p = 0; p < 100; ++p) {
            const int lat = -50 + p, lon = -170 + 3 * p;
            for (int m = 1; m <= 12; ++m)
                for (int d = 1; d <= 30; ++d) {
                    if (m == 2 && d > 28)
                        continue;
                    const char* r = trt(2025, m, d, std::abs(lon), 7, 30.0f, lon < 0 ? 'W' : 'E', std::abs(lat), 15,
                                        0.0f, lat < 0 ? 'S' : 'N', lon / 15, 1010.0f, 10.0f, 100.0f, 1 + p % 2, 0, 0, 7,
                                        0, 2, 0, 108, 108, p % 2);
                    checksum += static_cast<unsigned char>(r[1]);
                    ++calls;
                }
        }
        best = std::min(best, std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    }
    std::printf("speed: %ld place-dates in %.3f s = %.0f trt calls per second (checksum %u)\n", calls, best,
                calls / best, checksum);
    return 0;
}

// The same place-dates through "nuro_times" with a named method, to the minute the method's way; with
// sunnah, the night's midnight and last third too (without, no result is asked for and none is computed).
int speedMethod(const char* id, bool sunnah)
{
    nuro_method method{};
    if (nuro_method_get(id, &method) != 1) {
        std::fprintf(stderr, "calc_bench: unknown method %s\n", id);
        return 2;
    }
    double best = 1e9;
    long calls = 0;
    unsigned checksum = 0;
    nuro_result result{};
    result.size = sizeof result;
    for (int pass = 0; pass < 5; ++pass) {
        const auto start = std::chrono::steady_clock::now();
        calls = 0;
        for (int p = 0; p < 100; ++p) {
            const int lat = -50 + p, lon = -170 + 3 * p;
            nuro_query q{};
            q.size = sizeof q;
            q.latitude = lat + 15 / 60.0;
            q.longitude = lon < 0 ? lon - 7.5 / 60 : lon + 7.5 / 60;
            q.zone_seconds = lon / 15 * 3600;
            q.pressure = 1010, q.temperature = 10, q.elevation = 100;
            q.aser = 1 + p % 2;
            q.method = method;
            q.year = 2025;
            for (int m = 1; m <= 12; ++m)
                for (int d = 1; d <= 30; ++d) {
                    if (m == 2 && d > 28)
                        continue;
                    q.month = m, q.day = d;
                    const char* r = nuro_times(&q, sunnah ? &result : nullptr);
                    checksum += static_cast<unsigned char>(r[1]) + static_cast<unsigned>(result.midnight);
                    ++calls;
                }
        }
        best = std::min(best, std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    }
    std::printf("speed: %ld place-dates in %.3f s = %.0f nuro_times calls per second with %s%s (checksum %u)\n", calls,
                best, calls / best, id, sunnah ? " and the sunnah times" : "", checksum);
    return 0;
}

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(
            stderr, "usage: calc_bench reference.csv | calc_bench --speed | calc_bench --speed-method ID [--sunnah]\n");
        return 2;
    }
    if (std::string(argv[1]) == "--speed")
        return speed();
    if (std::string(argv[1]) == "--speed-method" && argc > 2)
        return speedMethod(argv[2], argc > 3 && std::string(argv[3]) == "--sunnah");
    const char* names[] = {"Fajer", "Shuroq", "Dhohur", "Aser", "Maghereb", "Isha"};
    const char* bands[] = {"|lat| <= 55", "55 < |lat| <= 65", "polar, |lat| > 65"};
    std::vector<double> diffs[3][6];
    int rows = 0, mismatched = 0;
    for (const auto& v : readReferenceTable(argv[1])) {
        if (v.size() < kReferenceColumns)
            continue;
        ++rows;
        const double latitude = std::stod(v[7]) + std::stod(v[8]) / 60.0 + std::stod(v[9]) / 3600.0;
        const int band = latitude <= 55.0 ? 0 : latitude <= 65.0 ? 1 : 2;
        std::vector<std::string> fields = splitFields(trtForReference(v));
        fields.resize(6);
        for (int e = 0; e < 6; ++e) {
            const std::string& got = fields[e];
            const std::string& ref = v[kFirstReferenceTime + e];
            if ((ref == "none") != (got == "--:--"))
                ++mismatched;
            if (ref == "none" || got == "--:--")
                continue;
            diffs[band][e].push_back(std::fabs(differenceSeconds(got, ref)));
        }
    }
    std::printf("libnuro against the reference table (%d place-dates, PRECISION 1, seconds):\n", rows);
    for (int b = 0; b < 3; ++b) {
        std::printf("  %s\n  %-9s %6s %8s %8s\n", bands[b], "event", "count", "median", "max");
        for (int e = 0; e < 6; ++e) {
            auto& d = diffs[b][e];
            if (d.empty())
                continue;
            std::sort(d.begin(), d.end());
            std::printf("  %-9s %6zu %8.2f %8.2f\n", names[e], d.size(), d[d.size() / 2], d.back());
        }
    }
    std::printf("  existence mismatches (a time where the table has none, or the reverse): %d\n", mismatched);
    return 0;
}
