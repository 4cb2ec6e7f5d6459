// The main window's rules that need no window: the notice offset, the two label sets, the colour rule.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace nuro {

// Control and command identifiers of template 13 and menu 13.
enum MainId : int {
    kIdSoundBox = 32,
    kIdOk = 101,
    kIdAbout = 102,
    kIdOffsetBox = 110,
    kIdAfterRadio = 111,
    kIdBeforeRadio = 112,
    kIdHijriDate = 114,
    kIdBackground = 400,
    kIdSoundOn = 705,
    kIdSoundOff = 706,
    kIdAlarmClock = 17,
    kCmdArabic = 11842,
    kCmdExit = 11843,
    kCmdConfig = 11844,
    kCmdEnglish = 11845,
    kCmdExpert = 11846,
    kCmdSummerTime = 11847,
    kCmdSounds = 11848,
};

// Slot (Fajer .. Isha) to time box: Aser goes to 107 and Maghereb to 106.
inline constexpr std::array<int, 6> kTimeBoxIds = {103, 104, 105, 107, 106, 108};

// The label pictures of each language, in the order the layouts show (Arabic) or hide them.
inline constexpr std::array<int, 9> kArabicLabels = {11, 12, 13, 14, 15, 19, 20, 18, 16};
inline constexpr std::array<int, 9> kEnglishLabels = {8000, 8001, 8002, 8003, 8004, 8005, 8006, 8007, 8008};

inline constexpr std::size_t kOffsetReadChars = 3;

// NoticeOffset from the offset box and the two radios; nullopt when neither radio is on (the offset
// then stays as it was). Only the first three characters of the box count.
std::optional<std::int32_t> NoticeOffsetFor(std::string_view boxText, bool afterOn, bool beforeOn);

struct LayoutStep {
    int id;
    bool show;
};
// Every show and hide of a language switch, in order: the other set hidden, then this set shown.
std::array<LayoutStep, 18> LayoutSteps(bool english);

inline constexpr int kMainRed = 0, kMainGreen = 128, kMainBlue = 255; // the main dialog's colour

} // namespace nuro
