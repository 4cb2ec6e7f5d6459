#include "core/ZoneNames.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <set>
#include <sstream>

namespace nuro {
namespace {

constexpr std::size_t kMaxNameChars = 255;
constexpr off_t kMaxTableBytes = 8 * 1024 * 1024; // tzdata.zi is about 110 KB

bool NamePartChar(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_' || c == '-' ||
           c == '+';
}

// A regular file of reasonable size, read without waiting on anything else.
bool ReadTable(const std::string& path, std::string& text)
{
    struct stat st {};
    if (stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode) || st.st_size > kMaxTableBytes)
        return false;
    const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return false;
    bool ok = fstat(fd, &st) == 0 && S_ISREG(st.st_mode);
    char buffer[1 << 14];
    while (ok) {
        const ssize_t n = read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            ok = n == 0;
            break;
        }
        text.append(buffer, static_cast<std::size_t>(n));
        ok = text.size() <= static_cast<std::size_t>(kMaxTableBytes);
    }
    close(fd);
    return ok;
}

std::set<std::string, std::less<>> LoadNames()
{
    std::set<std::string, std::less<>> names{"UTC"};
    const std::string dir = ZoneInfoDir();
    std::string text;
    if (ReadTable(dir + "/tzdata.zi", text)) {
        // "Z Africa/Tunis ..." and "L Etc/UTC UTC" (target, then the link's own name).
        std::istringstream lines(text);
        for (std::string line; std::getline(lines, line);) {
            std::istringstream words(line);
            std::string kind, first, second;
            words >> kind >> first >> second;
            if (kind == "Z" && HasZoneNameShape(first))
                names.insert(first);
            else if (kind == "L" && HasZoneNameShape(second))
                names.insert(second);
        }
        return names;
    }
    for (const char* table : {"/zone1970.tab", "/zone.tab"}) {
        text.clear();
        if (!ReadTable(dir + table, text))
            continue;
        // Country codes, coordinates, then the zone name.
        std::istringstream lines(text);
        for (std::string line; std::getline(lines, line);) {
            if (line.empty() || line[0] == '#')
                continue;
            std::istringstream words(line);
            std::string codes, place, zone;
            words >> codes >> place >> zone;
            if (HasZoneNameShape(zone))
                names.insert(zone);
        }
    }
    return names;
}

} // namespace

bool HasZoneNameShape(std::string_view name)
{
    if (name.empty() || name.size() > kMaxNameChars)
        return false;
    std::size_t start = 0;
    for (;;) {
        const std::size_t slash = name.find('/', start);
        const std::string_view part = name.substr(start, slash == std::string_view::npos ? slash : slash - start);
        if (part.empty() || part[0] == '-')
            return false;
        for (char c : part)
            if (!NamePartChar(c))
                return false;
        if (slash == std::string_view::npos)
            return true;
        start = slash + 1;
    }
}

std::string ZoneInfoDir()
{
    struct stat st {};
    for (const char* dir : {"/usr/share/zoneinfo", "/usr/lib/zoneinfo"})
        if (stat(dir, &st) == 0 && S_ISDIR(st.st_mode))
            return dir;
    return "/usr/share/zoneinfo";
}

bool IsListedZoneName(std::string_view name)
{
    if (!HasZoneNameShape(name))
        return false;
    static const std::set<std::string, std::less<>> names = LoadNames();
    return names.find(name) != names.end();
}

bool ZoneFileIsRegular(std::string_view name)
{
    if (!HasZoneNameShape(name))
        return false;
    struct stat st {};
    return stat((ZoneInfoDir() + "/" + std::string(name)).c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

} // namespace nuro
