// Accuracy of "trt" against the reference table (median and largest difference per event) and its speed.
//   calc_bench reference.csv
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "nuro_api.h"

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: calc_bench reference.csv\n");
        return 2;
    }
    std::ifstream in(argv[1]);
    std::string line;
    std::getline(in, line);
    const char* names[] = {"Fajer", "Shuroq", "Dhohur", "Aser", "Maghereb", "Isha"};
    std::vector<double> diffs[6];
    int rows = 0, mismatched = 0;
    while (std::getline(in, line)) {
        std::vector<std::string> v;
        std::stringstream ss(line);
        std::string cell;
        while (std::getline(ss, cell, ',')) v.push_back(cell);
        if (v.size() < 24) continue;
        ++rows;
        auto i = [&](int k) { return static_cast<int32_t>(std::stol(v[k])); };
        auto f = [&](int k) { return std::stof(v[k]); };
        std::stringstream out(trt(i(0), i(1), i(2), i(3), i(4), f(5), v[6][0], i(7), i(8), f(9), v[10][0], i(11),
                                  f(12), f(13), f(14), i(15), 0, 0, 0, 0, 0, 0, i(16), i(17), 1));
        for (int e = 0; e < 6; ++e) {
            std::string got;
            std::getline(out, got, '*');
            const std::string& ref = v[18 + e];
            if ((ref == "none") != (got == "--:--")) ++mismatched;
            if (ref == "none" || got == "--:--") continue;
            const int s = std::stoi(got.substr(0, 2)) * 3600 + std::stoi(got.substr(3, 2)) * 60 + std::stoi(got.substr(6));
            double d = std::fmod(s - std::stod(ref), 86400.0);
            if (d > 43200) d -= 86400;
            if (d < -43200) d += 86400;
            diffs[e].push_back(std::fabs(d));
        }
    }
    std::printf("libnuro against the reference table (%d place-dates, PRECISION 1, seconds):\n", rows);
    std::printf("  %-9s %6s %8s %8s\n", "event", "count", "median", "max");
    for (int e = 0; e < 6; ++e) {
        auto& d = diffs[e];
        if (d.empty()) continue;
        std::sort(d.begin(), d.end());
        std::printf("  %-9s %6zu %8.2f %8.2f\n", names[e], d.size(), d[d.size() / 2], d.back());
    }
    std::printf("  existence mismatches (a time where the table has none, or the reverse): %d\n", mismatched);

    // Speed: one year of days for 100 places.
    const auto start = std::chrono::steady_clock::now();
    long calls = 0;
    unsigned checksum = 0;
    for (int p = 0; p < 100; ++p) {
        const int lat = -50 + p, lon = -170 + 3 * p;
        for (int m = 1; m <= 12; ++m)
            for (int d = 1; d <= 30; ++d) {
                if (m == 2 && d > 28) continue;
                const char* r = trt(2025, m, d, std::abs(lon), 7, 30.0f, lon < 0 ? 'W' : 'E', std::abs(lat), 15, 0.0f,
                                    lat < 0 ? 'S' : 'N', lon / 15, 1010.0f, 10.0f, 100.0f, 1 + p % 2, 0, 0, 7, 0, 2,
                                    0, 108, 108, p % 2);
                checksum += static_cast<unsigned char>(r[1]);
                ++calls;
            }
    }
    const double secs = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("speed: %ld calls in %.3f s = %.0f trt calls per second (checksum %u)\n", calls, secs, calls / secs,
                checksum);
    return 0;
}
