// The 25 arguments of "trt" (and the rule of "trt_hl") with a place-date to vary from: Tunis, 21 June 2024.
#pragma once

#include <cstdint>
#include <string>

#include "nuro_api.h"

namespace nuro::test {

struct Args {
    int32_t year = 2024, month = 6, day = 21;
    int32_t lonDeg = 10, lonMin = 10;
    float lonSec = 53;
    int32_t lonDir = 'E';
    int32_t latDeg = 36, latMin = 48;
    float latSec = 23;
    int32_t latDir = 'N';
    int32_t zone = 1;
    float pressure = 1010, temperature = 10, elevation = 4;
    int32_t aser = 1;
    int32_t add[6] = {0, 0, 0, 0, 0, 0};
    int32_t angleFajer = 108, angleIsha = 108, precision = 1;
};

inline std::string call(const Args& a)
{
    return trt(a.year, a.month, a.day, a.lonDeg, a.lonMin, a.lonSec, a.lonDir, a.latDeg, a.latMin, a.latSec, a.latDir,
               a.zone, a.pressure, a.temperature, a.elevation, a.aser, a.add[0], a.add[1], a.add[2], a.add[3], a.add[4],
               a.add[5], a.angleFajer, a.angleIsha, a.precision);
}

inline std::string callRule(const Args& a, int32_t rule)
{
    return trt_hl(a.year, a.month, a.day, a.lonDeg, a.lonMin, a.lonSec, a.lonDir, a.latDeg, a.latMin, a.latSec,
                  a.latDir, a.zone, a.pressure, a.temperature, a.elevation, a.aser, a.add[0], a.add[1], a.add[2],
                  a.add[3], a.add[4], a.add[5], a.angleFajer, a.angleIsha, a.precision, rule);
}

// Tromsø, 69°39' N 18°57' E, zone 1, on a day of 2024.
inline Args tromso(int32_t month, int32_t day = 21)
{
    Args a;
    a.month = month, a.day = day;
    a.lonDeg = 18, a.lonMin = 57, a.lonSec = 0;
    a.latDeg = 69, a.latMin = 39, a.latSec = 0;
    return a;
}

} // namespace nuro::test
