/* Public interface of libnuro.so, the prayer-time calculation and place-database library.
 * Plain C linkage and 32-bit arguments only, so the program can resolve the exports by name at run time. */
#ifndef NURO_API_H
#define NURO_API_H

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

#if defined(__GNUC__)
#define NURO_EXPORT __attribute__((visibility("default")))
#else
#define NURO_EXPORT
#endif

/* The day's six times as "HH:MM:SS*" x 6 (Fajer, Shuroq, Dhohur, Aser, Maghereb, Isha); a field that
 * does not exist is "--:--" (its addition is then ignored). Direction letters travel in the low 8 bits of
 * their slot. The text is owned by the library and stays valid until the same thread's next call.
 *
 * Which fields can be missing, and when:
 * - all six: an impossible date, place or zone;
 * - Shuroq, Maghereb, Fajer, Isha: an impossible atmosphere (pressure, temperature or elevation not finite,
 *   temperature at or below -273); Dhohur and Aser are still given;
 * - Fajer, Isha: an angle outside 1..180;
 * - Shuroq: no sunrise between the night's lowest sun and noon (midnight sun, polar night, and the first
 *   day after the midnight sun); Maghereb: no sunset between noon and the night's lowest sun (midnight
 *   sun, polar night). The first sunset after the midnight sun, often just after local midnight, is the
 *   Maghereb of the day it ends, a day without Shuroq;
 * - Fajer needs that day's sunrise and Isha that day's sunset, except in the polar night (no sunrise or
 *   sunset, the sun below the horizon all day), where they are the moments the sun reaches the angle and
 *   are missing only when it does not. Where the sun does not reach the angle between sunset and sunrise,
 *   or reaches it beyond the middle of the night, the middle of the night is taken;
 * - Aser: the noon sun, refracted as for Shuroq and Maghereb, below the horizon, or the sun not sinking
 *   to the Aser altitude before the night's lowest point. Aser's shadow is factor x height plus the shadow
 *   at that day's noon (the noon sun's altitude, with noon's declination); with the noon sun geometrically
 *   below the horizon but seen refracted, both shadows are those of the refracted sun.
 * Times may fall on the next or previous clock day (an Isha or a Maghereb after midnight); the field holds
 * the clock time. */
NURO_EXPORT const char* trt(int32_t year, int32_t month, int32_t day,
                            int32_t lonDeg, int32_t lonMin, float lonSec, int32_t lonDir,
                            int32_t latDeg, int32_t latMin, float latSec, int32_t latDir,
                            int32_t zoneHours, float pressure, float temperature, float elevation,
                            int32_t aserMethod,
                            int32_t addFajer, int32_t addShuroq, int32_t addDhohur,
                            int32_t addAser, int32_t addMaghereb, int32_t addIsha,
                            int32_t angleFajer, int32_t angleIsha, int32_t precision);

/* trt with a rule for latitudes where the sun does not reach the twilight angles: highLatRule 0 is
 * the middle of the night (exactly trt's results, as is any value other than 1 and 2), 1 one seventh of
 * the night, 2 the twilight angle's share of the night (depression angle / 60, the depression being the
 * zenith angle - 90, or the angle itself when given as 1..89). The night runs from sunset to the next
 * sunrise. Rules 1 and 2 are bounds: Fajer is the later of the twilight and sunrise - share, or sunrise -
 * share when the sun does not reach the angle; Isha the earlier of the twilight and sunset + share, or
 * sunset + share. Without the sunrise (Fajer) or sunset (Isha) there is no night to share and the field
 * is as trt gives it. The first 25 arguments and the result are trt's. */
NURO_EXPORT const char* trt_hl(int32_t year, int32_t month, int32_t day,
                               int32_t lonDeg, int32_t lonMin, float lonSec, int32_t lonDir,
                               int32_t latDeg, int32_t latMin, float latSec, int32_t latDir,
                               int32_t zoneHours, float pressure, float temperature, float elevation,
                               int32_t aserMethod,
                               int32_t addFajer, int32_t addShuroq, int32_t addDhohur,
                               int32_t addAser, int32_t addMaghereb, int32_t addIsha,
                               int32_t angleFajer, int32_t angleIsha, int32_t precision,
                               int32_t highLatRule);

/* One row of a query on the place database, as a '*'-ended field list in the column table's order,
 * or "" when there is no row or the query is refused. columns[0] is the count text, columns[1..13]
 * the column names, the last entry a caller-owned work area. Same lifetime rule as trt. */
NURO_EXPORT const char* connect5(const char* database, const char* user, const char* password,
                                 const char* sql, const char* const* columns);

/* Up to maxRows (1..100) rows of a query or search on the place database, each a '*'-ended field list
 * followed by '\n' ("" when there is none or the query is refused); no field holds '*' or '\n'. The
 * arguments and the lifetime rule are connect5's. data/README.md lists the tables and the statements
 * admitted. */
NURO_EXPORT const char* connect5_rows(const char* database, const char* user, const char* password,
                                      const char* sql, const char* const* columns, int32_t maxRows);

typedef const char* (*nuro_trt_fn)(int32_t, int32_t, int32_t, int32_t, int32_t, float, int32_t, int32_t,
                                   int32_t, float, int32_t, int32_t, float, float, float, int32_t, int32_t,
                                   int32_t, int32_t, int32_t, int32_t, int32_t, int32_t, int32_t, int32_t);
typedef const char* (*nuro_trt_hl_fn)(int32_t, int32_t, int32_t, int32_t, int32_t, float, int32_t, int32_t,
                                      int32_t, float, int32_t, int32_t, float, float, float, int32_t, int32_t,
                                      int32_t, int32_t, int32_t, int32_t, int32_t, int32_t, int32_t, int32_t,
                                      int32_t);
typedef const char* (*nuro_connect5_fn)(const char*, const char*, const char*, const char*,
                                        const char* const*);
typedef const char* (*nuro_connect5_rows_fn)(const char*, const char*, const char*, const char*,
                                             const char* const*, int32_t);

#ifdef __cplusplus
}
#endif

#endif
