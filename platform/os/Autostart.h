// The user's own log-in start: $XDG_CONFIG_HOME/autostart/nuro.desktop (~/.config/autostart), made
// from the installed template. It exists exactly when a start at log-on would run (STARTUP is 0), so
// one user's choice never starts the program for another.
#pragma once

#include <string>

namespace nuro {

inline constexpr const char* kAutostartTemplate = "nuro-autostart.desktop";

// Where the entry lives; empty when neither XDG_CONFIG_HOME nor HOME is set.
std::string AutostartEntryPath();

// Writes the entry from the template when `logonStartRuns` and it is missing (an entry the user has
// changed is kept), removes it otherwise. False when the file could not be written or removed, or
// no template was found.
bool UpdateAutostartEntry(bool logonStartRuns);

} // namespace nuro
