#include "platform/os/ReminderState.h"

#include "platform/os/Profile.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace nuro {
namespace {

constexpr std::string_view kHeader = "# NURO: reminders raised (date, prayers)";
constexpr unsigned kSlotBits = (1u << 6) - 1;
constexpr std::size_t kLongestFile = 4096; // a few lines; anything larger is not ours

} // namespace

std::string FormatRaisedReminders(const RaisedReminders& raised)
{
    std::string text(kHeader);
    text += '\n';
    for (const auto& [date, prayers] : raised) {
        char line[40];
        std::snprintf(line, sizeof line, "%04d-%02d-%02d %u\n", date.year, date.month, date.day, prayers & kSlotBits);
        text += line;
    }
    return text;
}

RaisedReminders ParseRaisedReminders(std::string_view text)
{
    RaisedReminders raised;
    std::istringstream lines{std::string(text.substr(0, kLongestFile))};
    std::string line;
    while (std::getline(lines, line)) {
        int year = 0, month = 0, day = 0;
        unsigned prayers = 0;
        char end = 0;
        if (std::sscanf(line.c_str(), "%4d-%2d-%2d %u%c", &year, &month, &day, &prayers, &end) != 4)
            continue;
        if (year < 1 || month < 1 || month > 12 || day < 1 || day > 31 || (prayers & ~kSlotBits) != 0)
            continue;
        raised.emplace_back(LocalDate{year, static_cast<std::int8_t>(day), static_cast<std::int8_t>(month)}, prayers);
    }
    return raised;
}

std::string ReminderStatePath()
{
    namespace fs = std::filesystem;
    const char* state = std::getenv("XDG_STATE_HOME");
    const char* home = std::getenv("HOME");
    // The XDG rules ignore a relative XDG_STATE_HOME.
    if (state && state[0] == '/')
        return (fs::path(state) / "nuro" / "reminders").string();
    if (home && home[0] == '/')
        return (fs::path(home) / ".local" / "state" / "nuro" / "reminders").string();
    return {};
}

RaisedReminders LoadRaisedReminders()
{
    const std::string path = ReminderStatePath();
    if (path.empty())
        return {};
    std::ifstream in(path, std::ios::binary);
    std::string text(kLongestFile, '\0');
    in.read(text.data(), static_cast<std::streamsize>(text.size()));
    text.resize(static_cast<std::size_t>(in.gcount()));
    return ParseRaisedReminders(text);
}

bool SaveRaisedReminders(const RaisedReminders& raised)
{
    const std::string path = ReminderStatePath();
    if (path.empty())
        return false;
    std::error_code ec;
    std::filesystem::create_directories(std::filesystem::path(path).parent_path(), ec);
    return ReplaceFileAtomically(path, FormatRaisedReminders(raised), nullptr);
}

} // namespace nuro
