#include "core/TimeOfDay.h"

namespace nuro {
namespace {

int TwoDigits(std::string_view text, std::size_t at)
{
    const char a = text[at], b = text[at + 1];
    if (a < '0' || a > '9' || b < '0' || b > '9')
        return -1;
    return (a - '0') * 10 + (b - '0');
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

void PutTwo(std::string& out, int value)
{
    out.push_back(static_cast<char>('0' + value / 10));
    out.push_back(static_cast<char>('0' + value % 10));
}

} // namespace

TimeOfDay TimeOfDay::Parse(std::string_view text)
{
    if (text.size() < 8 || IsDigit(text[2]) || IsDigit(text[5]))
        return {};
    const int hours = TwoDigits(text, 0), minutes = TwoDigits(text, 3), seconds = TwoDigits(text, 6);
    if (hours < 0 || hours > 23 || minutes < 0 || minutes > 59 || seconds < 0 || seconds > 59)
        return {};
    return TimeOfDay(hours * 3600 + minutes * 60 + seconds);
}

std::string TimeOfDay::Text() const
{
    if (!Known())
        return std::string(kNoTime);
    std::string out;
    out.reserve(8);
    PutTwo(out, seconds_ / 3600);
    out.push_back(':');
    PutTwo(out, seconds_ / 60 % 60);
    out.push_back(':');
    PutTwo(out, seconds_ % 60);
    return out;
}

std::string TimeOfDay::HoursMinutes() const
{
    if (!Known())
        return "--:--";
    return Text().substr(0, 5);
}

} // namespace nuro
