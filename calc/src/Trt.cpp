// The "trt" and "trt_hl" exports: argument checks, the day's events, additions, one rounding, and the text.
#include <cmath>
#include <array>
#include <cstdint>
#include <optional>

#include "PrayerTimes.h"
#include "TimeFields.h"
#include "nuro_api.h"

using namespace nuro::calc;

namespace {

const char* times(int32_t year, int32_t month, int32_t day, int32_t lonDeg, int32_t lonMin, float lonSec,
                  int32_t lonDir, int32_t latDeg, int32_t latMin, float latSec, int32_t latDir, int32_t zoneHours,
                  float pressure, float temperature, float elevation, int32_t aserMethod,
                  const std::array<int32_t, 6>& additions, int32_t angleFajer, int32_t angleIsha, int32_t precision,
                  int32_t highLatRule) {
    // Each thread keeps its own answer: the program calls from two threads at once.
    thread_local char result[kResultCapacity];
    std::array<std::optional<double>, 6> events{};

    DayQuery q;
    q.year = year;
    q.month = month;
    q.day = day;
    q.zoneHours = zoneHours;
    q.longitude = angleFromParts(lonDeg, lonMin, lonSec, lonDir, 'W');
    q.latitude = angleFromParts(latDeg, latMin, latSec, latDir, 'S');
    const bool placeOk = validDate(year, month, day) && std::isfinite(q.longitude) && std::isfinite(q.latitude) &&
                         std::fabs(q.longitude) <= 180.0 && std::fabs(q.latitude) <= 90.0 && zoneHours >= -24 &&
                         zoneHours <= 24;
    if (placeOk) {
        q.horizonAltitude = horizonAltitude(pressure, temperature, elevation);
        q.refraction = horizonRefraction(pressure, temperature);
        q.shadowFactor = aserMethod == 2 ? 2 : 1;
        q.fajerAltitude = twilightAltitude(angleFajer);
        q.ishaAltitude = twilightAltitude(angleIsha);
        // Rules added after trt_hl count as its middle of the night, as every value but 1 and 2 always did.
        q.highLatRule = highLatRule == SeventhOfNight || highLatRule == AngleShareOfNight ? highLatRule : MiddleOfNight;
        events = computeDay(q);
    }
    formatFields(events, additions, precision == 1, result, sizeof result);
    return result;
}

}  // namespace

extern "C" NURO_EXPORT const char* trt(int32_t year, int32_t month, int32_t day, int32_t lonDeg, int32_t lonMin,
                                       float lonSec, int32_t lonDir, int32_t latDeg, int32_t latMin, float latSec,
                                       int32_t latDir, int32_t zoneHours, float pressure, float temperature,
                                       float elevation, int32_t aserMethod, int32_t addFajer, int32_t addShuroq,
                                       int32_t addDhohur, int32_t addAser, int32_t addMaghereb, int32_t addIsha,
                                       int32_t angleFajer, int32_t angleIsha, int32_t precision) {
    return times(year, month, day, lonDeg, lonMin, lonSec, lonDir, latDeg, latMin, latSec, latDir, zoneHours, pressure,
                 temperature, elevation, aserMethod, {addFajer, addShuroq, addDhohur, addAser, addMaghereb, addIsha},
                 angleFajer, angleIsha, precision, MiddleOfNight);
}

extern "C" NURO_EXPORT const char* trt_hl(int32_t year, int32_t month, int32_t day, int32_t lonDeg, int32_t lonMin,
                                          float lonSec, int32_t lonDir, int32_t latDeg, int32_t latMin, float latSec,
                                          int32_t latDir, int32_t zoneHours, float pressure, float temperature,
                                          float elevation, int32_t aserMethod, int32_t addFajer, int32_t addShuroq,
                                          int32_t addDhohur, int32_t addAser, int32_t addMaghereb, int32_t addIsha,
                                          int32_t angleFajer, int32_t angleIsha, int32_t precision,
                                          int32_t highLatRule) {
    return times(year, month, day, lonDeg, lonMin, lonSec, lonDir, latDeg, latMin, latSec, latDir, zoneHours, pressure,
                 temperature, elevation, aserMethod, {addFajer, addShuroq, addDhohur, addAser, addMaghereb, addIsha},
                 angleFajer, angleIsha, precision, highLatRule);
}
