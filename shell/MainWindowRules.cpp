#include "shell/MainWindowRules.h"

#include "core/NumberText.h"

namespace nuro {

std::optional<std::int32_t> NoticeOffsetFor(std::string_view boxText, bool afterOn, bool beforeOn)
{
    std::string_view read = boxText.substr(0, kOffsetReadChars);
    if (read.empty())
        return 0;
    if (afterOn)
        return ParseInt(read);
    if (beforeOn)
        return -ParseInt(read);
    return std::nullopt;
}

std::array<LayoutStep, 18> LayoutSteps(bool english)
{
    const auto& hide = english ? kArabicLabels : kEnglishLabels;
    const auto& show = english ? kEnglishLabels : kArabicLabels;
    std::array<LayoutStep, 18> steps{};
    for (std::size_t i = 0; i < hide.size(); ++i)
        steps[i] = {hide[i], false};
    for (std::size_t i = 0; i < show.size(); ++i)
        steps[hide.size() + i] = {show[i], true};
    return steps;
}

} // namespace nuro
