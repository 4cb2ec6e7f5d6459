#include "core/NumberText.h"

#include <algorithm>
#include <limits>

#include <charconv>
#include <cmath>
#include <cstdio>
#include <system_error>

namespace nuro {
namespace {

bool IsSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}
bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

std::size_t SkipSpace(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size() && IsSpace(text[i]))
        ++i;
    return i;
}

} // namespace

std::int32_t ParseInt(std::string_view text)
{
    std::size_t i = SkipSpace(text);
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    std::uint32_t value = 0;
    for (; i < text.size() && IsDigit(text[i]); ++i)
        value = value * 10u + static_cast<std::uint32_t>(text[i] - '0');
    if (negative)
        value = 0u - value;
    return static_cast<std::int32_t>(value);
}

std::int32_t ParseIntClamped(std::string_view text, bool* clamped)
{
    std::size_t i = SkipSpace(text);
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    constexpr std::int64_t kBeyond = std::int64_t{1} << 32; // past either end, however many digits follow
    std::int64_t magnitude = 0;
    for (; i < text.size() && IsDigit(text[i]); ++i)
        magnitude = std::min(kBeyond, magnitude * 10 + (text[i] - '0'));
    const std::int64_t value = negative ? -magnitude : magnitude;
    const std::int64_t lowest = std::numeric_limits<std::int32_t>::min(),
                       highest = std::numeric_limits<std::int32_t>::max();
    const std::int64_t kept = std::clamp(value, lowest, highest);
    if (clamped)
        *clamped = kept != value;
    return static_cast<std::int32_t>(kept);
}

double ParseReal(std::string_view text)
{
    std::size_t i = SkipSpace(text);
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    // from_chars takes no sign of its own after ours: a second sign is not a number.
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        return 0.0;
    double value = 0.0;
    const char* first = text.data() + i;
    const char* last = text.data() + text.size();
    auto [ptr, ec] = std::from_chars(first, last, value, std::chars_format::general);
    if (ptr == first)
        return 0.0;
    if (ec == std::errc::result_out_of_range) {
        // strtod gives HUGE_VAL on overflow and (close to) zero on underflow.
        bool tiny = false;
        for (const char* p = first; p < ptr; ++p) {
            if (*p == 'e' || *p == 'E') {
                tiny = p + 1 < ptr && p[1] == '-';
                break;
            }
        }
        value = tiny ? 0.0 : HUGE_VAL;
    }
    return negative ? -value : value;
}

std::string FormatInt(std::int64_t value)
{
    char buffer[24];
    auto [ptr, ec] = std::to_chars(buffer, buffer + sizeof buffer, value);
    (void)ec;
    return std::string(buffer, ptr);
}

std::string FormatFixed(double value, int decimals)
{
    if (std::isnan(value))
        return std::signbit(value) ? "-nan" : "nan";
    if (std::isinf(value))
        return value < 0 ? "-inf" : "inf";
    // The largest double is 309 digits long: room for every finite value.
    char buffer[400];
    auto [ptr, ec] = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
    if (ec != std::errc())
        return "0";
    return std::string(buffer, ptr);
}

ReadingSigns ReadingSignsOf(std::string_view language)
{
    language = language.substr(0, language.find_first_of("_-.@"));
    // Turkish, Indonesian and German group with a dot and write a decimal comma; French groups with a
    // narrow no-break space and spaces its colon and semicolon. Malay, Bengali and the Arabic script in
    // ASCII digits write numbers as English; the Arabic script has its own comma and semicolon.
    if (language == "de" || language == "tr" || language == "id")
        return {",", ".", ", ", "; ", ": "};
    if (language == "fr")
        return {",", "\u202f", ", ", "\u202f; ", "\u00a0: "};
    if (language == "ar" || language == "ur" || language == "fa")
        return {".", ",", "\u060c ", "\u061b ", ": "};
    return {};
}

std::string ReadingNumber(double value, int decimals, const ReadingSigns& signs)
{
    const std::string fixed = FormatFixed(value, decimals);
    const std::size_t point = fixed.find('.');
    const std::size_t first = fixed[0] == '-' ? 1 : 0;
    const std::string whole = fixed.substr(first, point == std::string::npos ? std::string::npos : point - first);
    if (!std::all_of(whole.begin(), whole.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return fixed; // nan, inf
    std::string out = fixed.substr(0, first);
    for (std::size_t i = 0; i < whole.size(); ++i) {
        if (i > 0 && (whole.size() - i) % 3 == 0)
            out += signs.group;
        out += whole[i];
    }
    if (point != std::string::npos)
        out.append(signs.decimal).append(fixed, point + 1);
    return out;
}

} // namespace nuro
