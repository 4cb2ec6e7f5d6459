// The Summer Time dialog's rules: the combo entry texts, how a selection reads back, and the check of
// the yearly window.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace nuro {

// "%d ": the trailing blank keeps "1 " from matching "10 " in the prefix search.
std::string SummerEntryText(int number);

// A selection read with room for 2 characters by the atol rule; no selection reads as 0.
std::int32_t ReadSummerNumber(std::string_view selectionText);

struct SummerWindow {
    std::int32_t val1, val2; // month * 100 + day of the first and last day
};

// Accepts the window From m1/d1 To m2/d2 in `year`: February has 29 days when the year is divisible
// by 4, else 28; April, June, September and November 30; From must not lie after To.
std::optional<SummerWindow> ValidateSummerWindow(std::int32_t year, std::int32_t m1, std::int32_t d1, std::int32_t m2,
                                                 std::int32_t d2);

} // namespace nuro
