// The Expert dialog's value rules: how an addition shows as magnitude and sign, and the clamp that keeps
// every shown value within its 7-character display text.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace nuro {

inline constexpr std::size_t kExpertTextChars = 7;

// An addition as shown: its magnitude (at most 9999999) and whether the "-" button is checked
// (zero and below).
struct AdditionView {
    std::string magnitude;
    bool minus;
};
AdditionView ShowAddition(std::int32_t value);

// An angle as shown with "%d", clamped to -999999 .. 9999999.
std::string ShowAngle(std::int32_t value);

// What a field reads back as (room for 10 characters, the atol rule), clamped as above.
std::int32_t ReadAddition(std::string_view fieldText, bool minusChecked);
std::int32_t ReadAngle(std::string_view fieldText);

} // namespace nuro
