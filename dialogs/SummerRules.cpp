#include "dialogs/SummerRules.h"

#include "core/NumberText.h"

namespace nuro {
namespace {

bool DayFits(std::int32_t year, std::int32_t month, std::int32_t day)
{
    if (month == 2)
        return day <= (year % 4 == 0 ? 29 : 28);
    if (month == 4 || month == 6 || month == 9 || month == 11)
        return day <= 30;
    return true;
}

} // namespace

std::string SummerEntryText(int number)
{
    return FormatInt(number) + " ";
}

std::int32_t ReadSummerNumber(std::string_view selectionText)
{
    return ParseInt(selectionText.substr(0, 2));
}

std::optional<SummerWindow> ValidateSummerWindow(std::int32_t year, std::int32_t m1, std::int32_t d1, std::int32_t m2,
                                                 std::int32_t d2)
{
    if (!DayFits(year, m1, d1) || !DayFits(year, m2, d2))
        return std::nullopt;
    const std::int32_t v1 = m1 * 100 + d1;
    const std::int32_t v2 = m2 * 100 + d2;
    if (v1 > v2)
        return std::nullopt;
    return SummerWindow{v1, v2};
}

} // namespace nuro
