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

// floor without the library call it costs on the baseline instruction set.
double floorOf(double x) {
    if (!(std::fabs(x) < 1e15)) return std::floor(x);
    const double f = static_cast<double>(static_cast<long long>(x));
    return f > x ? f - 1.0 : f;
}

}  // namespace

void formatFields(const std::array<std::optional<double>, 6>& seconds, const std::array<int32_t, 6>& additions,
                  bool toSecond, char* out, std::size_t size) {
    std::size_t used = 0;
    out[0] = '\0';
    for (int i = 0; i < 6; ++i) {
        char field[16] = "--:--";
        if (seconds[i] && std::isfinite(*seconds[i]) && additions[i] >= -kMaxAdditionMinutes &&
            additions[i] <= kMaxAdditionMinutes) {
            const double moved = *seconds[i] + 60.0 * additions[i];
            const double rounded = toSecond ? floorOf(moved + 0.5) : 60.0 * floorOf(moved / 60.0 + 0.5);
            long long s = static_cast<long long>(rounded) % 86400;
            if (s < 0) s += 86400;
            // "%02d:%02d:%02d" by hand: formatting was a third of the call's time.
            const int parts[3] = {static_cast<int>(s / 3600), static_cast<int>(s / 60 % 60),
                                  static_cast<int>(s % 60)};
            for (int k = 0; k < 3; ++k) {
                field[3 * k] = static_cast<char>('0' + parts[k] / 10);
                field[3 * k + 1] = static_cast<char>('0' + parts[k] % 10);
                field[3 * k + 2] = k < 2 ? ':' : '\0';
            }
        }
        // Whole fields only: a cut field would read as a time that was never computed.
        const std::size_t n = std::strlen(field) + 1;
        if (used + n >= size) break;
        std::memcpy(out + used, field, n - 1);
        out[used + n - 1] = '*';
        used += n;
        out[used] = '\0';
    }
}

}  // namespace nuro::calc
