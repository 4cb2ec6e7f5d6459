// Apparent geocentric place of the sun and the Earth-rotation quantities the event search needs.
#pragma once

namespace nuro::calc {

struct SolarPlace {
    double rightAscension;  // radians, apparent, true equator and equinox of date
    double declination;     // radians
    double distance;        // astronomical units
};

// Julian day number (UT or TT, as the caller means it) of a proleptic Gregorian date at 0h.
double julianDay0h(int year, int month, int day);

// TT minus UT in seconds for a decimal year.
double deltaT(double decimalYear);

// Sun's apparent places one day before jde (TT), at jde and one day after, from one evaluation of the
// theory, and the equation of the equinoxes (apparent minus mean sidereal time, radians) at jde.
struct SolarDay {
    SolarPlace place[3];
    double equationOfEquinoxes;
};
SolarDay solarDay(double jde);

// The instruction sets the solar series run on; solarDay takes the widest this processor has. Each gives
// the baseline's sums to the bit (AVX takes the products in the baseline's order).
enum class InstructionSet { Baseline, Avx };
bool available(InstructionSet set);
SolarDay solarDay(double jde, InstructionSet set);

// Greenwich mean sidereal time in radians at the Julian day jd (UT), not reduced to one turn.
double meanSiderealTime(double jd);

}  // namespace nuro::calc
