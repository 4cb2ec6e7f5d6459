// Number texts: integers by the atol rule, reals by the strtod rule with '.' as the decimal point,
// and the few formats numbers are written back with. None of them depends on the process locale.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace nuro {

// Leading white space, one optional sign, then digits up to the first non-digit; no digits gives 0.
// Values beyond 32 bits wrap instead of being undefined.
std::int32_t ParseInt(std::string_view text);
// The same digits, but a value beyond 32 bits gives the nearest 32-bit one, with `clamped` set.
std::int32_t ParseIntClamped(std::string_view text, bool* clamped);

// Leading white space, optional sign, digits with optional '.' and exponent (also inf/nan);
// parsing stops at the first character that does not fit; no number gives 0.
double ParseReal(std::string_view text);

std::string FormatInt(std::int64_t value); // "%d"
std::string FormatFixed(double value, int decimals); // "%.3f" / "%.2f", in full, never cut

// The signs a language writes texts for reading with, numbers in ASCII digits: German "292,5" and
// "6.974", French "6 974" (a narrow no-break space), English "292.5" and "6,974"; the comma, semicolon
// and colon between a list's items and after a label (Arabic script "،" and "؛", French " :").
struct ReadingSigns {
    std::string_view decimal = ".";
    std::string_view group = ",";
    std::string_view comma = ", ";
    std::string_view semicolon = "; ";
    std::string_view colon = ": ";
};
ReadingSigns ReadingSignsOf(std::string_view language); // "de", "de_DE.UTF-8"; English's for others

// A number for reading: `decimals` places, the integer part grouped by threes, in those signs.
std::string ReadingNumber(double value, int decimals, const ReadingSigns& signs = {});

} // namespace nuro
