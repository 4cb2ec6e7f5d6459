// The "nuro_times" export and the method and country look-ups. Not computed yet: every call answers
// with missing times and unknown ids until the method model lands.
#include <cstdint>

#include "nuro_api.h"

extern "C" NURO_EXPORT const char* nuro_times(const nuro_query*, nuro_result* result) {
    if (result && result->size >= sizeof(nuro_result)) {
        for (int32_t& s : result->seconds) s = NURO_MISSING;
        result->midnight = result->last_third = NURO_MISSING;
    }
    return "";
}

extern "C" NURO_EXPORT const char* nuro_method_id(int32_t) { return nullptr; }
extern "C" NURO_EXPORT int32_t nuro_method_get(const char*, nuro_method*) { return 0; }
extern "C" NURO_EXPORT const char* nuro_method_name(const char*) { return nullptr; }
extern "C" NURO_EXPORT const char* nuro_method_description(const char*) { return nullptr; }
extern "C" NURO_EXPORT const char* nuro_country_method(const char*, int32_t*) { return nullptr; }
