// Any query bytes, any result size: "nuro_times" must give "" or six fields within trt's limits, numbers
// that are the fields' clock times, write no more of the result than its size says, and the look-ups must
// take any text.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "nuro_api.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    nuro_query q{};
    std::memcpy(&q, data, size < sizeof q ? size : sizeof q);
    const uint8_t control = size > sizeof q ? data[sizeof q] : 0;
    if (control & 1) q.size = sizeof q;
    // Plausible days, places and a named method now and then, so the astronomy itself is exercised.
    if (control & 2) {
        q.year = 1900 + static_cast<int32_t>(static_cast<uint32_t>(q.year) % 300);
        q.month = 1 + static_cast<int32_t>(static_cast<uint32_t>(q.month) % 12);
        q.day = 1 + static_cast<int32_t>(static_cast<uint32_t>(q.day) % 28);
        q.latitude = std::isfinite(q.latitude) ? std::fmod(q.latitude, 90.0) : 0.0;
        q.longitude = std::isfinite(q.longitude) ? std::fmod(q.longitude, 180.0) : 0.0;
        q.zone_seconds = static_cast<int32_t>(static_cast<uint32_t>(q.zone_seconds) % 100801) - 50400;
        q.pressure = 1010, q.temperature = 10;
        q.elevation = std::isfinite(q.elevation) ? std::fmod(std::fabs(q.elevation), 5000.0) : 0.0;
        for (int32_t& a : q.additions) a = static_cast<int32_t>(static_cast<uint32_t>(a) % 121) - 60;
    }
    if (control & 4) {
        int32_t count = 0;
        while (nuro_method_id(count)) ++count;
        const char* id = nuro_method_id(static_cast<int32_t>(static_cast<uint32_t>(q.hijri_month) % count));
        if (nuro_method_get(id, &q.method) != 1 || !nuro_method_name(id) || !nuro_method_description(id)) std::abort();
        q.hijri_month = (control & 8) ? 9 : 1;
    }
    // The caller's result exactly as large as it says, so that a write past it is seen.
    const uint32_t resultSize = size > sizeof q + 1 ? data[sizeof q + 1] % (sizeof(nuro_result) + 1) : 0;
    std::vector<unsigned char> storage(resultSize < sizeof(uint32_t) ? sizeof(uint32_t) : resultSize);
    std::memcpy(storage.data(), &resultSize, sizeof resultSize);
    nuro_result* result = (control & 16) ? nullptr : reinterpret_cast<nuro_result*>(storage.data());

    const char* r = nuro_times(&q, result);
    const size_t n = std::strlen(r);
    if (n > 127) std::abort();
    std::vector<std::string> fields;
    std::string field;
    for (size_t k = 0; k < n; ++k) {
        if (r[k] == '*') {
            fields.push_back(field);
            field.clear();
        } else if ((field += r[k]).size() > 8) {
            std::abort();
        }
    }
    if (n > 0 && (fields.size() != 6 || r[n - 1] != '*')) std::abort();
    if (result && resultSize >= sizeof(nuro_result) && n > 0) {
        nuro_result full;
        std::memcpy(&full, storage.data(), sizeof full);
        for (int i = 0; i < 6; ++i) {
            const int32_t s = full.seconds[i];
            if ((fields[i] == "--:--") != (s == NURO_MISSING)) std::abort();
            if (s == NURO_MISSING) continue;
            const int clock = ((s % 86400) + 86400) % 86400;
            char expected[9];
            std::snprintf(expected, sizeof expected, "%02d:%02d:%02d", clock / 3600, clock / 60 % 60, clock % 60);
            if (fields[i] != expected) std::abort();
        }
    }

    // The same bytes as look-up texts.
    const std::string text(reinterpret_cast<const char*>(data), size < 16 ? size : 16);
    nuro_method m;
    int32_t aser = 0;
    nuro_method_get(text.c_str(), &m);
    nuro_method_name(text.c_str());
    nuro_country_method(text.c_str(), &aser);
    return 0;
}
