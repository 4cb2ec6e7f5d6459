// The desktop's location service, GeoClue2 on the system bus: whether it is there, and the position
// asked for once, at a city's accuracy. Everything answers later on the user-interface thread, so no
// call waits on the bus.
#pragma once

#include <functional>
#include <string>

namespace nuro {

// GeoClue's agents authorise by the desktop file's id: the installed launcher is nuro.desktop.
inline constexpr const char* kGeoClueDesktopId = "nuro";
inline constexpr int kGeoClueDeadlineMs = 30000;

enum class LocateOutcome { Located, Missing, Refused, TimedOut };

struct LocateResult {
    LocateOutcome outcome = LocateOutcome::Missing;
    double latitude = 0, longitude = 0; // degrees, north and east positive, when Located
    std::string why; // the service's own words, for standard error
};

// `done(true)` when the system bus has GeoClue2 running or can start it, else `done(false)`.
void ProbeGeoClue(std::function<void(bool)> done);

// Asks GeoClue2 for the position once (a client of its own, started, stopped at the first fix) and
// calls `done` with it, or with why there is none: no service, a refusal, nothing before the deadline
// (0: kGeoClueDeadlineMs).
void LocateOnce(std::function<void(const LocateResult&)> done, int deadlineMs = 0);

} // namespace nuro
