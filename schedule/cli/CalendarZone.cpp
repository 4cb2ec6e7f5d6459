#include "schedule/cli/CalendarZone.h"

#include "core/ZoneNames.h"

#include <cstdlib>
#include <ctime>
#include <fstream>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace nuro::times {
namespace {

// A name the database lists ("Africa/Tunis"), never a path out of it or a POSIX rule text.
bool KnownZone(const std::string& name)
{
    return IsListedZoneName(name) && ZoneFileIsRegular(name);
}

std::string AfterZoneInfo(const std::string& path)
{
    const auto at = path.find("zoneinfo/");
    return at == std::string::npos ? path : path.substr(at + 9);
}

std::string ComputerZone()
{
    if (const char* tz = std::getenv("TZ"); tz && *tz) {
        std::string name = tz[0] == ':' ? tz + 1 : tz;
        return AfterZoneInfo(name);
    }
    std::string name;
    if (std::ifstream file("/etc/timezone"); file && std::getline(file, name) && KnownZone(name))
        return name;
    char link[512];
    const ssize_t n = ::readlink("/etc/localtime", link, sizeof link - 1);
    if (n <= 0)
        return {};
    link[n] = '\0';
    return AfterZoneInfo(link);
}

struct Local {
    long offset;
    bool daylight;
    std::string abbreviation;
    bool operator==(const Local& o) const { return offset == o.offset && daylight == o.daylight; }
};

Local LocalAt(std::int64_t utc)
{
    const std::time_t t = static_cast<std::time_t>(utc);
    std::tm tm{};
    ::localtime_r(&t, &tm);
    return {tm.tm_gmtoff, tm.tm_isdst > 0, tm.tm_zone ? tm.tm_zone : ""};
}

// Runs `work` with TZ naming `zone`, then puts the caller's TZ back.
template <typename Work> void InZone(const std::string& zone, Work work)
{
    const char* old = std::getenv("TZ");
    const std::optional<std::string> saved = old ? std::optional<std::string>(old) : std::nullopt;
    ::setenv("TZ", (":" + zone).c_str(), 1);
    ::tzset();
    work();
    if (saved)
        ::setenv("TZ", saved->c_str(), 1);
    else
        ::unsetenv("TZ");
    ::tzset();
}

} // namespace

std::string ZoneName(const AppSettings& settings)
{
    const std::string own = settings.extra.AUTO_TZ == 1 ? settings.extra.ZONE : std::string();
    const std::string name = own.empty() ? ComputerZone() : own;
    return KnownZone(name) ? name : std::string();
}

CalendarZone DescribeZone(const std::string& name, std::int64_t fromUtc, std::int64_t toUtc)
{
    CalendarZone zone;
    if (!KnownZone(name))
        return zone;
    zone.id = name;
    InZone(name, [&] {
        Local before = LocalAt(fromUtc);
        zone.shifts.push_back({fromUtc, static_cast<int>(before.offset), static_cast<int>(before.offset),
                               before.daylight, before.abbreviation});
        // Six-hour steps, then halving to the second at each change.
        constexpr std::int64_t kStep = 6 * 3600;
        for (std::int64_t t = fromUtc; t < toUtc; t += kStep) {
            const Local after = LocalAt(t + kStep);
            if (after == before)
                continue;
            std::int64_t lo = t, hi = t + kStep; // lo has the old offset, hi the new
            while (hi - lo > 1) {
                const std::int64_t mid = lo + (hi - lo) / 2;
                (LocalAt(mid) == before ? lo : hi) = mid;
            }
            const Local now = LocalAt(hi);
            zone.shifts.push_back(
                {hi, static_cast<int>(before.offset), static_cast<int>(now.offset), now.daylight, now.abbreviation});
            before = now;
        }
    });
    return zone;
}

} // namespace nuro::times
