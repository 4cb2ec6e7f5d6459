// Any 25 arguments (26 for "trt_hl"): "trt" and "trt_hl" must return six fields within its limits and never touch memory it does not own.
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "nuro_api.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    uint32_t w[26] = {};
    std::memcpy(w, data, size < sizeof w ? size : sizeof w);
    auto i = [&](int k) { return static_cast<int32_t>(w[k]); };
    auto f = [&](int k) {
        float v;
        std::memcpy(&v, &w[k], sizeof v);
        return v;
    };
    // Plausible dates and places now and then, so the astronomy itself is exercised, not only the checks.
    const bool tame = size > 100 && (data[100] & 1);
    const int32_t year = tame ? 1900 + static_cast<int32_t>(w[0] % 300) : i(0);
    const int32_t month = tame ? 1 + static_cast<int32_t>(w[1] % 12) : i(1);
    const int32_t day = tame ? 1 + static_cast<int32_t>(w[2] % 28) : i(2);
    const int32_t lonDeg = tame ? static_cast<int32_t>(w[3] % 180) : i(3);
    const int32_t latDeg = tame ? static_cast<int32_t>(w[7] % 90) : i(7);
    const int32_t zone = tame ? static_cast<int32_t>(w[11] % 29) - 14 : i(11);
    // The rule too, now and then a valid one.
    const bool withRule = size > 100 && (data[100] & 2);
    const int32_t rule = tame ? static_cast<int32_t>(w[25] % 4) : i(25);
    const char* r =
        withRule ? trt_hl(year, month, day, lonDeg, i(4), f(5), i(6), latDeg, i(8), f(9), i(10), zone, f(12), f(13),
                          f(14), i(15), i(16), i(17), i(18), i(19), i(20), i(21), i(22), i(23), i(24), rule)
                 : trt(year, month, day, lonDeg, i(4), f(5), i(6), latDeg, i(8), f(9), i(10), zone, f(12), f(13), f(14),
                       i(15), i(16), i(17), i(18), i(19), i(20), i(21), i(22), i(23), i(24));
    const size_t n = std::strlen(r);
    int stars = 0;
    size_t fieldLength = 0;
    for (size_t k = 0; k < n; ++k) {
        if (r[k] == '*') {
            ++stars;
            fieldLength = 0;
        } else if (++fieldLength > 8) {
            std::abort();
        }
    }
    if (n > 127 || stars != 6 || r[n - 1] != '*') std::abort();
    return 0;
}
