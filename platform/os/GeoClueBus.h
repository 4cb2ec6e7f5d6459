// Which bus the location service is asked on: the system bus unless a test gives its own private one.
#pragma once

#include "platform/os/GeoClue.h"

#include <string>

namespace nuro {

// Empty: the system bus (DBUS_SYSTEM_BUS_ADDRESS, else the system's socket). `deadlineMs` bounds
// LocateOnce's wait for a position when it is given no deadline of its own.
void SetGeoClueBus(const std::string& address, int deadlineMs = kGeoClueDeadlineMs);

} // namespace nuro
