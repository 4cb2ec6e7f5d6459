#include "TimeFields.h"

#include <cmath>
#include <cstring>

namespace nuro::calc {

bool validDate(int year, int month, int day) {
    if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1) return false;
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return day <= kDays[month - 1] + (month == 2 && leap ? 1 : 0);
}

double angleFromParts(int32_t degrees, int32_t minutes, float seconds, int32_t direction, char negative) {
    const double v = degrees + minutes / 60.0 + static_cast<double>(seconds) / 3600.0;
    const char letter = static_cast<char>(direction & 0xff);
    return (letter == negative || letter == negative + ('a' - 'A')) ? -v : v;
}

namespace {

constexpr char kTwoDigits[] =
    "00010203040506070809101112131415161718192021222324252627282930"
    "31323334353637383940414243444546474849505152535455565758596061";

}  // namespace

void formatFields(const std::array<std::optional<double>, 6>& seconds, const std::array<int32_t, 6>& additions,
                  bool toSecond, char* out, std::size_t size) {
    // Each field is written in place, "--:--" or "HH:MM:SS" and its '*': formatting was a large share of
    // the call's time, and the two widths are known without measuring.
    std::size_t used = 0;
    out[0] = '\0';
    for (int i = 0; i < 6; ++i) {
        const bool present = seconds[i] && std::isfinite(*seconds[i]) && additions[i] >= -kMaxAdditionMinutes &&
                             additions[i] <= kMaxAdditionMinutes;
        const std::size_t n = present ? 9 : 6;
        // Whole fields only: a cut field would read as a time that was never computed.
        if (used + n >= size) break;
        char* field = out + used;
        if (present) {
            const double moved = *seconds[i] + 60.0 * additions[i];
            const double rounded = toSecond ? floorOf(moved + 0.5) : 60.0 * floorOf(moved / 60.0 + 0.5);
            long long s = static_cast<long long>(rounded) % 86400;
            if (s < 0) s += 86400;
            const unsigned v = static_cast<unsigned>(s), hours = v / 3600, rest = v - 3600 * hours, minutes = rest / 60;
            std::memcpy(field, kTwoDigits + 2 * hours, 2);
            field[2] = ':';
            std::memcpy(field + 3, kTwoDigits + 2 * minutes, 2);
            field[5] = ':';
            std::memcpy(field + 6, kTwoDigits + 2 * (rest - 60 * minutes), 2);
            field[8] = '*';
        } else {
            std::memcpy(field, "--:--*", 6);
        }
        used += n;
        out[used] = '\0';
    }
}

}  // namespace nuro::calc
