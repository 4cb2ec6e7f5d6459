// What a start may do, decided from the command line and the start-up switch before any window exists.
#pragma once

#include <cstdint>

namespace nuro {

enum class StartMode {
    Normal, // main frame window shown
    AtLogon, // started with "S" and allowed: runs with the main frame window hidden
    Refused, // started with "S" while STARTUP forbids it: ends at once
};

inline constexpr int kExitRefusedStart = 0; // also a start that found NURO already running
inline constexpr int kExitRegular = 1; // every end through ExitProgram
inline constexpr int kExitCannotStart = 2; // no display, no private folder, a lock that cannot be had

// Only argv[1] is looked at, and only for the exact text "S".
StartMode DecideStart(int argc, const char* const* argv, std::int32_t startupSwitch);

// What a second instance asks the running one to do: a normal start brings its main frame to view,
// a start at log-on (the autostart entry firing again) shows nothing.
inline constexpr const char* kInstanceShow = "show";
inline constexpr const char* kInstanceQuiet = "quiet";
const char* InstanceRequest(StartMode mode);

} // namespace nuro
