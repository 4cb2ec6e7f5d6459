#include "dialogs/ExpertRules.h"

#include "core/NumberText.h"

#include <algorithm>

namespace nuro {
namespace {

constexpr std::int64_t kMaxShown = 9999999; // 7 digits
constexpr std::int64_t kMinShown = -999999; // 6 digits and the sign
constexpr std::size_t kReadChars = 10;

std::int64_t Magnitude(std::int32_t value)
{
    return std::min<std::int64_t>(value < 0 ? -static_cast<std::int64_t>(value) : value, kMaxShown);
}

// The atol rule, but a number too long for the display saturates instead of wrapping around 32 bits,
// so ten typed nines never come back as a small or negative value.
std::int64_t ReadClamped(std::string_view text, std::int64_t low, std::int64_t high)
{
    text = text.substr(0, kReadChars);
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || (text[i] >= '\t' && text[i] <= '\r')))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        negative = text[i++] == '-';
    std::int64_t value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i)
        value = std::min<std::int64_t>(value * 10 + (text[i] - '0'), high + 1 - low);
    return std::clamp<std::int64_t>(negative ? -value : value, low, high);
}

} // namespace

AdditionView ShowAddition(std::int32_t value)
{
    return {FormatInt(Magnitude(value)), value < 1};
}

std::string ShowAngle(std::int32_t value)
{
    return FormatInt(std::clamp<std::int64_t>(value, kMinShown, kMaxShown));
}

std::int32_t ReadAddition(std::string_view fieldText, bool minusChecked)
{
    const std::int64_t number = ReadClamped(fieldText, -kMaxShown, kMaxShown);
    return static_cast<std::int32_t>(minusChecked ? -number : number);
}

std::int32_t ReadAngle(std::string_view fieldText)
{
    return static_cast<std::int32_t>(ReadClamped(fieldText, kMinShown, kMaxShown));
}

} // namespace nuro
