// nuro-times' calculation options: --method, --methods, --at, --aser, --high-lat, --sunnah.
#pragma once

#include "schedule/cli/TimesReport.h"

#include <cstddef>
#include <string>
#include <vector>

namespace nuro::times {

enum class OptionParse { NotMine, Taken, Wrong };

// Takes args[i] (and its value, advancing i) when it is one of these options.
OptionParse ParseMethodOption(const std::vector<std::string>& args, std::size_t& i, MethodOptions& options,
                              std::string* error);

// Every method: "ID  Name: parameters", one a line; empty when the library has none.
std::string MethodListing(CalcLibrary& calc);

// The options' changes to the run's settings: the coordinates (before the zone is settled), then the
// method, school and rule (after it, since AUTO asks the place's country). Exit status kExitUsage with
// `err` set for an unknown method id; -1 when all went well.
void ApplyCoordinates(const MethodOptions::At& at, AppSettings& settings);
int ApplyMethodChoice(const MethodOptions& options, bool newPlace, AppSettings& settings, CalcLibrary& calc,
                      const ZoneRules& zones, std::string& err);

// "Method: ..." for the report when a method is in force (not for the custom values "trt" takes).
// English gives the library's own description; another language the Expert dialog's words for it.
std::string MethodLine(CalcLibrary& calc, const AppSettings& settings, const TimesWords& words = EnglishTimesWords());

} // namespace nuro::times
