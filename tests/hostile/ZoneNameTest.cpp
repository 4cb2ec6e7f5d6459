// Zone names: only what the tz database lists is a zone, never a path, a FIFO or a POSIX rule; an
// unknown name is said to be unknown, as Europe/Nowhere always was.
#include "HostileSupport.h"
#include "core/ZoneNames.h"
#include "core/ZoneRules.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace nuro {
namespace {

TEST(ZoneNames, OnlyNamesTheTzDatabaseListsAreZones)
{
    test::TempDir dir;
    ASSERT_EQ(mkfifo((dir / "fifo").c_str(), 0600), 0);
    const std::string fifoPath = "../../../.." + dir.Path() + "/fifo";
    const struct {
        std::string name;
        bool listed;
    } rows[] = {
        {"Africa/Tunis", true},
        {"Europe/London", true},
        {"America/Argentina/Buenos_Aires", true},
        {"Asia/Calcutta", true}, // a link of the database
        {"Etc/GMT+5", true},
        {"UTC", true},
        {"Tunis", false}, // a POSIX rule to QTimeZone: UTC, an hour off
        {"Europe/Nowhere", false},
        {"../../../tmp/x.tzif", false},
        {"../../../etc/passwd", false},
        {"/etc/passwd", false},
        {"Africa/../Africa/Tunis", false},
        {"Africa//Tunis", false},
        {"Africa/Tunis/", false},
        {"./Africa/Tunis", false},
        {fifoPath, false},
        {"zone.tab", false},
        {"Africa/Tunis\n", false},
        {"", false},
        {std::string(300, 'A'), false},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(IsListedZoneName(row.name), row.listed);
        EXPECT_EQ(SystemZoneRules().Known(row.name), row.listed);
        const ResolvedZone resolved = ResolveZone(SystemZoneRules(), row.name);
        if (row.listed) {
            EXPECT_EQ(resolved.name, row.name);
            EXPECT_EQ(resolved.error, "");
        } else if (!row.name.empty()) {
            EXPECT_NE(resolved.error.find("unknown time zone"), std::string::npos) << resolved.error;
            EXPECT_EQ(SystemZoneRules().OffsetAt(row.name, 1767225600), 0);
        }
    }
    EXPECT_EQ(SystemZoneRules().OffsetAt("Africa/Tunis", 1767225600), 3600);
}

} // namespace
} // namespace nuro
