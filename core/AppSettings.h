// The settings record: one process-wide instance, fields named by their INI keys.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <mutex>

namespace nuro {

inline constexpr std::size_t kPlaceNameCapacity = 54; // with the terminator

struct AppSettings {
    std::int32_t D1 = 0, M1 = 0;
    float S1 = 0;
    char CARD1 = 0;
    std::int32_t D2 = 0, M2 = 0;
    float S2 = 0;
    char CARD2 = 0;
    float T_ZONE = 0, P = 0, T = 0, H = 0;
    std::int32_t ASER = 0;
    // p_faj, p_shu, p_dho, p_ase, p_mag, p_ich, a_faj, a_ich: walked as one array by load and save.
    std::array<std::int32_t, 8> corrections{};
    std::int32_t PRECISION = 0;
    std::int32_t STARTUP = 0;
    std::int32_t SUMMER = 0;
    std::int32_t month1 = 0, day1 = 0, month2 = 0, day2 = 0;
    std::int32_t val1 = 0, val2 = 0;
    std::array<char, kPlaceNameCapacity> PlaceName{};
    bool English = false;

    std::int32_t& p_faj() { return corrections[0]; }
    std::int32_t& p_shu() { return corrections[1]; }
    std::int32_t& p_dho() { return corrections[2]; }
    std::int32_t& p_ase() { return corrections[3]; }
    std::int32_t& p_mag() { return corrections[4]; }
    std::int32_t& p_ich() { return corrections[5]; }
    std::int32_t& a_faj() { return corrections[6]; }
    std::int32_t& a_ich() { return corrections[7]; }
};

enum CorrectionIndex { kFaj = 0, kShu, kDho, kAse, kMag, kIch, kAngleFaj, kAngleIch };

// Sets PlaceName from any text, cut so that it always keeps its terminator.
void SetPlaceName(AppSettings& settings, const char* text);

// The process-wide record. The user-interface thread edits it while the monitor thread's refresh reads
// it: both hold SettingsLock() while they touch it, so a refresh never sees half an edit.
AppSettings& Settings();
std::mutex& SettingsLock();

// A consistent copy of the record, taken under the lock.
AppSettings SnapshotSettings();

} // namespace nuro
