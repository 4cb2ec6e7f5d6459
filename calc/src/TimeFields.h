// Pieces of the "trt" export that tests reach directly.
#pragma once

#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <optional>

namespace nuro::calc {

constexpr std::size_t kResultCapacity = 128;  // 127 characters and the terminator
// Beyond about two years of minutes an addition is a corrupt setting, not a correction.
constexpr int32_t kMaxAdditionMinutes = 1000000;

bool validDate(int year, int month, int day);

// floor without the library call it costs on the baseline instruction set (the same value, but +0 for -0).
inline double floorOf(double x) {
    if (!(std::fabs(x) < 1e15)) return std::floor(x);
    const double f = static_cast<double>(static_cast<long long>(x));
    return f > x ? f - 1.0 : f;
}

// Degrees from the three parts; the direction's low byte equal to negative (either case) makes it negative.
double angleFromParts(int32_t degrees, int32_t minutes, float seconds, int32_t direction, char negative);

// Six "HH:MM:SS*" fields ("--:--*" where there is no time) after additions and one rounding.
void formatFields(const std::array<std::optional<double>, 6>& seconds, const std::array<int32_t, 6>& additions,
                  bool toSecond, char* out, std::size_t size);

}  // namespace nuro::calc
