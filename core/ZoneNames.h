// The zone names of the system's tz database, read from its own tables, so that a configured or
// stored name is never used as a path: "../../../etc/passwd" or a name leading to a FIFO is no zone.
#pragma once

#include <string>
#include <string_view>

namespace nuro {

// Parts of letters, digits, '_', '-' and '+' joined by single '/', none starting with '.' or '-',
// at most 255 characters: the shape of every tz database name, and never a path that leaves it.
bool HasZoneNameShape(std::string_view name);

// True when `name` has that shape and the tz database lists it as a zone or a link: the Zone and Link
// lines of tzdata.zi, else the zones of zone1970.tab and zone.tab (in /usr/share/zoneinfo, else
// /usr/lib/zoneinfo); "UTC" always. The tables are read once per process.
bool IsListedZoneName(std::string_view name);

// Where the tz database's files are, and whether `name`'s file there is a regular file (looked at
// without opening it).
std::string ZoneInfoDir();
bool ZoneFileIsRegular(std::string_view name);

} // namespace nuro
