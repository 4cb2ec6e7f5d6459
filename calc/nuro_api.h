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
NURO_EXPORT const char* trt(int32_t year, int32_t month, int32_t day, int32_t lonDeg, int32_t lonMin, float lonSec,
                            int32_t lonDir, int32_t latDeg, int32_t latMin, float latSec, int32_t latDir,
                            int32_t zoneHours, float pressure, float temperature, float elevation, int32_t aserMethod,
                            int32_t addFajer, int32_t addShuroq, int32_t addDhohur, int32_t addAser,
                            int32_t addMaghereb, int32_t addIsha, int32_t angleFajer, int32_t angleIsha,
                            int32_t precision);

/* trt with a rule for latitudes where the sun does not reach the twilight angles: highLatRule 0 is
 * the middle of the night (exactly trt's results, as is any value other than 1 and 2), 1 one seventh of
 * the night, 2 the twilight angle's share of the night (depression angle / 60, the depression being the
 * zenith angle - 90, or the angle itself when given as 1..89). The night runs from sunset to the next
 * sunrise. Rules 1 and 2 are bounds: Fajer is the later of the twilight and sunrise - share, or sunrise -
 * share when the sun does not reach the angle; Isha the earlier of the twilight and sunset + share, or
 * sunset + share. Without the sunrise (Fajer) or sunset (Isha) there is no night to share and the field
 * is as trt gives it. The first 25 arguments and the result are trt's. */
NURO_EXPORT const char* trt_hl(int32_t year, int32_t month, int32_t day, int32_t lonDeg, int32_t lonMin, float lonSec,
                               int32_t lonDir, int32_t latDeg, int32_t latMin, float latSec, int32_t latDir,
                               int32_t zoneHours, float pressure, float temperature, float elevation,
                               int32_t aserMethod, int32_t addFajer, int32_t addShuroq, int32_t addDhohur,
                               int32_t addAser, int32_t addMaghereb, int32_t addIsha, int32_t angleFajer,
                               int32_t angleIsha, int32_t precision, int32_t highLatRule);

/* One row of a query on the place database, as a '*'-ended field list in the column table's order,
 * or "" when there is no row or the query is refused. columns[0] is the count text, columns[1..13]
 * the column names, the last entry a caller-owned work area. Same lifetime rule as trt. */
NURO_EXPORT const char* connect5(const char* database, const char* user, const char* password, const char* sql,
                                 const char* const* columns);

/* Up to maxRows (1..100) rows of a query or search on the place database, each a '*'-ended field list
 * followed by '\n' ("" when there is none or the query is refused); no field holds '*' or '\n'. The
 * arguments and the lifetime rule are connect5's. data/README.md lists the tables and the statements
 * admitted. */
NURO_EXPORT const char* connect5_rows(const char* database, const char* user, const char* password, const char* sql,
                                      const char* const* columns, int32_t maxRows);
/* ---- Named calculation methods ------------------------------------------------------------------
 *
 * nuro_times computes one local day from a nuro_query: the day, the place, the user's choices and a
 * nuro_method (the community's rule set, from nuro_method_get or filled in by hand for a custom method).
 * The query begins with its own size, so later versions only add fields at its end; a library reading an
 * older, shorter query takes the documented default for every field the caller did not pass. */

#define NURO_MISSING INT32_MIN /* a time that does not exist on that day (see nuro_times) */

enum { NURO_FAJR_ANGLE = 0, NURO_FAJR_MOONSIGHTING = 1 };
enum {
    NURO_ISHA_ANGLE = 0,
    NURO_ISHA_INTERVAL = 1,          /* isha_minutes after Maghreb */
    NURO_ISHA_MOONSIGHTING = 2,      /* the committee's seasonal rule, general shafaq */
    NURO_ISHA_MOONSIGHTING_RED = 3,  /* shafaq ahmer */
    NURO_ISHA_MOONSIGHTING_WHITE = 4 /* shafaq abyad */
};
enum { NURO_HORIZON_STANDARD = 0, NURO_HORIZON_ANGLE = 1 };
enum { NURO_ROUND_NEAREST = 0, NURO_ROUND_UP = 1 };
enum {
    NURO_HIGHLAT_MIDDLE = 0,         /* trt_hl's rule 0 */
    NURO_HIGHLAT_SEVENTH = 1,        /* trt_hl's rule 1 */
    NURO_HIGHLAT_ANGLE = 2,          /* trt_hl's rule 2 */
    NURO_HIGHLAT_SEVENTH_FROM_55 = 3 /* the Moonsighting Committee's: see high_lat */
};
enum { NURO_MIDNIGHT_STANDARD = 0, NURO_MIDNIGHT_JAFARI = 1 };
enum { NURO_FAJER = 0, NURO_SHUROQ = 1, NURO_DHOHUR = 2, NURO_ASER = 3, NURO_MAGHEREB = 4, NURO_ISHA = 5 };

/* A method. Angles are real degrees of the sun's centre below the horizon, geometric (no refraction,
 * no dip), as every authority states them. trt's angle a of 90..180 (a zenith distance) is a - 90 here. */
typedef struct nuro_method {
    double fajr_angle;            /* NURO_FAJR_ANGLE: the depression, 0 <= a <= 90; NURO_FAJR_MOONSIGHTING: the angle
                              compared with the seasonal time (the committee's 18) */
    double isha_angle;            /* NURO_ISHA_ANGLE: the depression, 0 <= a <= 90; NURO_ISHA_MOONSIGHTING*: the angle
                              compared with the seasonal time (18) */
    double shuroq_angle;          /* NURO_HORIZON_ANGLE: depression of the sun's centre at Shuroq, 0 <= a <= 90 */
    double maghreb_angle;         /* NURO_HORIZON_ANGLE: depression at Maghreb (Tehran 4.5, Kemenag 1) */
    int32_t fajr_rule;            /* NURO_FAJR_*: Fajer at fajr_angle; or the committee's: the later of the angle's
                              time (from 55 degrees of latitude: sunrise - 1/7 of the night) and its seasonal
                              time before sunrise */
    int32_t isha_rule;            /* NURO_ISHA_*: Isha at isha_angle; isha_minutes after Maghreb; or the committee's:
                              the earlier of the angle's time (from 55 degrees: sunset + 1/7 of the night) and
                              its seasonal time after sunset for the shafaq named */
    int32_t isha_minutes;         /* NURO_ISHA_INTERVAL: minutes after Maghreb as the method publishes it (the
                              method's Maghreb minutes included, the user's not), 0..1440 */
    int32_t isha_minutes_ramadan; /* the interval while the query's hijri_month is 9; 0: isha_minutes */
    int32_t shuroq_rule;          /* NURO_HORIZON_STANDARD: the sun's centre 50' down corrected for the atmosphere and
                              lowered by the elevation's dip as in trt; NURO_HORIZON_ANGLE: shuroq_angle */
    int32_t maghreb_rule;         /* the same for Maghreb with maghreb_angle */
    int32_t minutes[6];           /* the method's own minutes on Fajer .. Isha (NURO_FAJER ..), -1440..1440 */
    int32_t rounding;             /* NURO_ROUND_*, with precision 0: to the nearest minute, or up to the next one
                              (a time on a whole minute, to the second, stays) */
    int32_t high_lat;             /* NURO_HIGHLAT_*: where the sun does not reach an angle, or reaches it too deep
                              into the night, Fajer and Isha are held as trt_hl does (the night is sunset to
                              the next sunrise); NURO_HIGHLAT_SEVENTH_FROM_55: from 55 degrees of latitude
                              (north or south) the angle times are sunrise - and sunset + 1/7 of the night,
                              below it as NURO_HIGHLAT_MIDDLE. */
    int32_t midnight;             /* NURO_MIDNIGHT_*: the night for the sunnah times runs from sunset to the next
                              sunrise (standard) or to the next Fajer (Jafari) */
} nuro_method;

typedef struct nuro_query {
    uint32_t size;            /* sizeof(nuro_query) as the caller was built; smaller than version 1's: refused */
    int32_t year, month, day; /* the local civil date */
    double latitude;          /* degrees, north positive, -90..90 */
    double longitude;         /* degrees, east positive, -180..180 */
    double elevation;         /* metres above the surroundings; lowers the standard horizon as in trt */
    double pressure;          /* mbar; <= 0: 1010 */
    double temperature;       /* degrees Celsius; 10 gives the standard 34' of refraction at 1010 mbar */
    int32_t zone_seconds;     /* the clock's offset east of UTC, -86400..86400; summer time belongs here, not
                              in the additions, so that the sunnah times move too */
    int32_t aser;             /* 2: shadow factor 2 (Hanafi); anything else: 1 (standard) */
    int32_t hijri_month;      /* the day's Hijri month 1..12 as the caller counts it (HIJRI_ADJ); 9 is Ramadan;
                              0: unknown (never Ramadan) */
    int32_t precision;        /* 1: to the second, the method's rounding not applied; else to the minute */
    int32_t additions[6];     /* the user's minutes on Fajer .. Isha, on top of the method's; like trt's, a
                              value beyond +-1000000 makes that time missing */
    nuro_method method;
} nuro_query;

typedef struct nuro_result {
    uint32_t size;      /* sizeof(nuro_result) as the caller was built; only that much is written */
    int32_t seconds[6]; /* Fajer .. Isha in seconds from the local date's 00:00, after the method's and the
                              user's minutes and the rounding; may be below 0 or from 86400 on (a time on the
                              previous or next clock day; the field list holds the clock time); NURO_MISSING */
    int32_t midnight;   /* the middle of the night that begins this evening (after the rounding, without
                              additions), usually from 86400 on; NURO_MISSING */
    int32_t last_third; /* the beginning of that night's last third; NURO_MISSING */
} nuro_result;

/* The day's times for a query: returns trt's six '*'-ended fields (a missing time is "--:--"), owned by
 * the library until the same thread's next call, and fills *result when it is not NULL. A NULL query or
 * one whose size is below version 1's gives "" and a result of missing times.
 *
 * A time is missing (NURO_MISSING and "--:--"):
 * - all six and the sunnah times: an impossible date, place, zone or atmosphere as for trt;
 * - Fajer: fajr_angle not a number in 0 <= a <= 90, an unknown fajr_rule, or no sunrise that day (outside the
 *   polar night, as trt; the committee's rule always needs it); Isha: the same for isha_*, no sunset, or,
 *   for an interval, no Maghreb or an interval outside 0..1440;
 * - Shuroq and Maghreb: as trt for the standard horizon; by angle, without that day's standard sunrise or
 *   sunset or with the angle outside 0 <= a <= 90. A time by angle is never further from the standard
 *   sunrise or sunset than the angle's share of the night (angle / 60), and is that where the sun does not
 *   reach the angle;
 * - Dhohur and Aser: as trt;
 * - a time whose method minutes are outside -1440..1440 or whose addition is outside +-1000000;
 * - midnight and last_third: no sunset this evening or no end of the night (next sunrise or Fajer).
 * Without Ramadan (hijri_month other than 9) the method's Ramadan interval is ignored. */
NURO_EXPORT const char* nuro_times(const nuro_query* query, nuro_result* result);

/* The named methods, in a fixed order: nuro_method_id(i) for i from 0 gives each stable id ("MWL", "ISNA",
 * "UMM_AL_QURA" ...) and NULL after the last. Ids compare exactly (upper case). */
NURO_EXPORT const char* nuro_method_id(int32_t index);
/* Fills *out with a named method's parameters: 1, or 0 (out untouched) for an unknown id. */
NURO_EXPORT int32_t nuro_method_get(const char* id, nuro_method* out);
/* The method's full English name ("Umm al-Qura, Makkah") and a one-line English description
 * of its parameters ("Fajr 18.5°, Isha 90 min after Maghreb, 120 in Ramadan"), UTF-8, static; NULL for an
 * unknown id. */
NURO_EXPORT const char* nuro_method_name(const char* id);
NURO_EXPORT const char* nuro_method_description(const char* id);
/* A country's default: the method id for an ISO 3166-1 alpha-2 code (either case), and in *aser (when not
 * NULL) its Aser school, 1 standard or 2 Hanafi. NULL (and *aser untouched) for a code not in the table. */
NURO_EXPORT const char* nuro_country_method(const char* countryCode, int32_t* aser);

typedef const char* (*nuro_trt_fn)(int32_t, int32_t, int32_t, int32_t, int32_t, float, int32_t, int32_t, int32_t, float,
                                   int32_t, int32_t, float, float, float, int32_t, int32_t, int32_t, int32_t, int32_t,
                                   int32_t, int32_t, int32_t, int32_t, int32_t);
typedef const char* (*nuro_trt_hl_fn)(int32_t, int32_t, int32_t, int32_t, int32_t, float, int32_t, int32_t, int32_t,
                                      float, int32_t, int32_t, float, float, float, int32_t, int32_t, int32_t, int32_t,
                                      int32_t, int32_t, int32_t, int32_t, int32_t, int32_t, int32_t);
typedef const char* (*nuro_connect5_fn)(const char*, const char*, const char*, const char*, const char* const*);
typedef const char* (*nuro_connect5_rows_fn)(const char*, const char*, const char*, const char*, const char* const*,
                                             int32_t);
typedef const char* (*nuro_times_fn)(const nuro_query*, nuro_result*);
typedef const char* (*nuro_method_id_fn)(int32_t);
typedef int32_t (*nuro_method_get_fn)(const char*, nuro_method*);
typedef const char* (*nuro_method_text_fn)(const char*);
typedef const char* (*nuro_country_method_fn)(const char*, int32_t*);

#ifdef __cplusplus
}
#endif

#endif
