#include "platform/os/Autostart.h"

#include "platform/os/Profile.h"

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <unistd.h>

namespace nuro {

std::string AutostartEntryPath()
{
    if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg && *xdg == '/')
        return std::string(xdg) + "/autostart/nuro.desktop";
    if (const char* home = std::getenv("HOME"); home && *home)
        return std::string(home) + "/.config/autostart/nuro.desktop";
    return {};
}

bool UpdateAutostartEntry(bool logonStartRuns)
{
    const std::string path = AutostartEntryPath();
    if (path.empty())
        return false;
    std::error_code ec;
    if (!logonStartRuns)
        return ::unlink(path.c_str()) == 0 || errno == ENOENT;
    if (std::filesystem::exists(path, ec))
        return true;
    for (const std::string& candidate : DefaultSettingsCandidates(kAutostartTemplate)) {
        std::ifstream in(candidate, std::ios::binary);
        if (!in)
            continue;
        std::ostringstream text;
        text << in.rdbuf();
        std::filesystem::create_directories(std::filesystem::path(path).parent_path(), ec);
        std::string error;
        return ReplaceFileAtomically(path, text.str(), &error);
    }
    return false;
}

} // namespace nuro
