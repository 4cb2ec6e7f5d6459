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

std::string FormatInt(std::int64_t value);                // "%d"
std::string FormatFixed(double value, int decimals);      // "%.3f" / "%.2f", in full, never cut

} // namespace nuro
