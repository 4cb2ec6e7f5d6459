// A nuro_times query built from trt's argument spelling, and the reading of its answers.
#pragma once

#include <cmath>
#include <cstdint>
#include <string>

#include "nuro_api.h"

namespace nuro::test {

// Degrees as the library reads trt's parts: the same expression, so that both see the same number.
inline double degreesOf(int32_t d, int32_t m, float s, char dir, char negative)
{
    const double v = d + m / 60.0 + static_cast<double>(s) / 3600.0;
    return dir == negative ? -v : v;
}

inline nuro_query query(int year, int month, int day, double latitude, double longitude, double zoneHours,
                        const char* method = "MWL", double elevation = 0)
{
    nuro_query q{};
    q.size = sizeof q;
    q.year = year, q.month = month, q.day = day;
    q.latitude = latitude, q.longitude = longitude, q.elevation = elevation;
    q.pressure = 1010, q.temperature = 10;
    q.zone_seconds = static_cast<int32_t>(std::lround(zoneHours * 3600));
    q.aser = 1;
    if (method)
        nuro_method_get(method, &q.method);
    return q;
}

struct Answer {
    std::string text;
    nuro_result numbers{};
};

inline Answer times(const nuro_query& q)
{
    Answer a;
    a.numbers.size = sizeof a.numbers;
    a.text = nuro_times(&q, &a.numbers);
    return a;
}

} // namespace nuro::test
