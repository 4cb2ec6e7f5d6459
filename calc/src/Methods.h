// The named methods and the country defaults behind the look-up exports.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "nuro_api.h"

namespace nuro::calc {

struct NamedMethod {
    const char* id;
    const char* name;
    nuro_method params;
};

constexpr nuro_method angles(double fajr, double isha) {
    nuro_method m{};
    m.fajr_angle = fajr;
    m.isha_angle = isha;
    m.fajr_rule = NURO_FAJR_ANGLE;
    m.isha_rule = NURO_ISHA_ANGLE;
    return m;
}

constexpr nuro_method interval(double fajr, int32_t minutes, int32_t ramadan) {
    nuro_method m = angles(fajr, 0);
    m.isha_rule = NURO_ISHA_INTERVAL;
    m.isha_minutes = minutes;
    m.isha_minutes_ramadan = ramadan;
    return m;
}

constexpr nuro_method with(nuro_method m, int32_t f, int32_t s, int32_t d, int32_t a, int32_t mg, int32_t i) {
    m.minutes[0] = f, m.minutes[1] = s, m.minutes[2] = d, m.minutes[3] = a, m.minutes[4] = mg, m.minutes[5] = i;
    return m;
}

constexpr nuro_method roundedUp(nuro_method m) {
    m.rounding = NURO_ROUND_UP;
    return m;
}

// Maghreb at a depression of its own and the night ending at Fajer: the Shia institutes' rule.
constexpr nuro_method shia(nuro_method m, double maghreb) {
    m.maghreb_rule = NURO_HORIZON_ANGLE;
    m.maghreb_angle = maghreb;
    m.midnight = NURO_MIDNIGHT_JAFARI;
    return m;
}

constexpr nuro_method kemenag() {
    nuro_method m = roundedUp(with(angles(20, 18), 2, -3, 3, 2, 2, 2));
    m.shuroq_rule = m.maghreb_rule = NURO_HORIZON_ANGLE;
    m.shuroq_angle = m.maghreb_angle = 1;
    return m;
}

constexpr nuro_method moonsighting() {
    nuro_method m = with(angles(18, 18), 0, 0, 5, 0, 3, 0);
    m.fajr_rule = NURO_FAJR_MOONSIGHTING;
    m.isha_rule = NURO_ISHA_MOONSIGHTING;
    m.high_lat = NURO_HIGHLAT_SEVENTH_FROM_55;
    return m;
}

// Each row is the authority's own rule where it publishes one or its published tables show it; the
// minutes are its precautions (ihtiyat, temkin), not corrections of ours.
inline constexpr NamedMethod kMethods[] = {
    {"MWL", "Muslim World League", angles(18, 17)},
    {"ISNA", "Islamic Society of North America", angles(15, 15)},
    {"EGYPT", "Egyptian General Authority of Survey", angles(19.5, 17.5)},
    {"KARACHI", "University of Islamic Sciences, Karachi", angles(18, 18)},
    {"UMM_AL_QURA", "Umm al-Qura, Makkah", interval(18.5, 90, 120)},
    {"GULF", "Gulf Region", interval(19.5, 90, 0)},
    {"DUBAI", "United Arab Emirates, Awqaf (Dubai)", with(angles(18.2, 18.2), 0, -3, 3, 3, 3, 0)},
    {"KUWAIT", "Kuwait, Ministry of Awqaf", angles(18, 17.5)},
    {"QATAR", "Qatar, Ministry of Awqaf", with(interval(18, 90, 120), -1, 0, 0, 0, 2, 0)},
    {"SINGAPORE", "Majlis Ugama Islam Singapura", roundedUp(with(angles(20, 18), 0, 0, 1, 0, 0, 0))},
    {"JAKIM", "JAKIM, Malaysia", roundedUp(with(angles(18, 18), 0, -1, 1, 0, 0, 0))},
    {"KEMENAG", "Kementerian Agama, Indonesia", kemenag()},
    {"DIYANET", "Diyanet, Turkey", with(angles(18, 17), 0, -7, 5, 4, 7, 0)},
    {"TEHRAN", "Institute of Geophysics, University of Tehran", shia(angles(17.7, 14), 4.5)},
    {"JAFARI", "Shia Ithna-Ashari, Leva Institute, Qum", shia(angles(16, 14), 4)},
    {"FRANCE_UOIF", "Musulmans de France (UOIF)", angles(12, 12)},
    {"RUSSIA", "Spiritual Administration of the Muslims of Russia", angles(16, 15)},
    {"MOONSIGHTING", "Moonsighting Committee Worldwide", moonsighting()},
    {"TUNISIA", "Tunisia, Ministry of Religious Affairs", with(angles(18, 18), 0, 0, 7, 0, 2, 0)},
    {"ALGERIA", "Algeria, Ministry of Religious Affairs", roundedUp(with(angles(18, 17), 0, 0, 0, 0, 3, 0))},
    {"MOROCCO", "Morocco, Ministry of Habous and Islamic Affairs", with(angles(19, 17), 0, -3, 5, 0, 5, 0)},
    {"JORDAN", "Jordan, Ministry of Awqaf", with(angles(18, 18), 0, 0, 0, 0, 5, 0)},
};
inline constexpr std::size_t kMethodCount = sizeof kMethods / sizeof kMethods[0];

// Index of a method id, -1 when unknown; constexpr so that the country table is checked when it compiles.
constexpr int methodIndex(std::string_view id) {
    for (std::size_t i = 0; i < kMethodCount; ++i)
        if (id == kMethods[i].id) return static_cast<int>(i);
    return -1;
}

struct CountryDefault {
    char code[3];
    int method;  // index into kMethods
    int aser;    // 1 standard, 2 Hanafi
};

// The method's parameters in one line of English ("Fajr 18.5°, Isha 90 min after Maghreb, 120 in Ramadan").
std::string describeMethod(const nuro_method& m);

// The Moonsighting Committee's seasonal minutes before sunrise (Fajer) or after sunset (Isha, by shafaq)
// for a latitude on a date.
double seasonalMinutes(bool morning, int32_t shafaq, double latitude, int year, int month, int day);

}  // namespace nuro::calc
