// The zone a calendar file labels nuro-times' wall-clock times with.
#pragma once

#include "core/AppSettings.h"
#include "schedule/cli/TimesFormat.h"

#include <cstdint>
#include <string>

namespace nuro::times {

// The place's own zone (ZONE when AUTO_TZ is 1), else the computer's; empty when neither is a
// zone of the system's time-zone database.
std::string ZoneName(const AppSettings& settings);

// The zone with its offset changes from `fromUtc` to `toUtc`; an empty id when `name` is empty or
// not a zone of the system's database.
CalendarZone DescribeZone(const std::string& name, std::int64_t fromUtc, std::int64_t toUtc);

} // namespace nuro::times
