// Place data and the edges of the two programs: a damaged per-user database gives way to the
// installed one, a socket path that cannot be listened on is told, nuro-times keeps to the years
// 1 to 9999 and to listed zones, and the manual pages name every option and exit status.
#include "HostileSupport.h"
#include "schedule/cli/TimesReport.h"
#include "shell/SingleInstance.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <set>

namespace nuro {
namespace {

using test::RunProgram;
using test::TempDir;

// nuro-times on the build's place database, with a settings folder of its own.
test::RunResult Times(const TempDir& dir, const std::vector<std::string>& args, std::vector<std::string> env = {})
{
    env.push_back("XDG_CONFIG_HOME=" + dir.Path() + "/config");
    env.push_back("NURO_DEFAULTS_DIR=" + std::string(NURO_BUILD_SHARE));
    env.push_back("NURO_DATA_DIR=" + std::string(NURO_BUILD_SHARE));
    bool dataHome = false;
    for (const auto& e : env)
        dataHome = dataHome || e.starts_with("XDG_DATA_HOME=");
    if (!dataHome)
        env.push_back("XDG_DATA_HOME=" + dir.Path() + "/data");
    return RunProgram(NURO_TIMES_PATH, args, env, dir);
}

TEST(PlaceData, NuroTimesOnHostileDatesZonesSettingsAndDatabases)
{
    const struct {
        const char* name;
        std::vector<std::string> args;
        std::function<void(const TempDir&)> prepare;
        int status;
        const char* out; // a part of standard output, or ""
        const char* err; // a part of standard error, or ""
    } rows[] = {
        {"an ordinary day", {"--date", "2026-12-08"}, {}, 0, "Tunis", ""},
        {"year 0", {"--date", "0000-01-01"}, {}, 2, "", "years 1 to 9999"},
        {"the first year", {"--date", "0001-01-01"}, {}, 0, "", ""},
        {"the last day", {"--date", "9999-12-31"}, {}, 0, "", ""},
        {"days running past 9999", {"--date", "9999-12-31", "--days", "2"}, {}, 2, "", "after the year 9999"},
        {"a listed zone", {"--date", "2026-12-08", "--zone", "Europe/London"}, {}, 0, "Europe/London", ""},
        {"a bare city as zone", {"--date", "2026-12-08", "--zone", "Tunis"}, {}, 1, "", "unknown time zone 'Tunis'"},
        {"a path as zone", {"--date", "2026-12-08", "--zone", "../../../etc/passwd"}, {}, 1, "", "unknown time zone"},
        {"a zone in the settings that is a path",
         {"--date", "2026-12-08"},
         [](const TempDir& d) {
             mkdir((d / "config").c_str(), 0700);
             mkdir((d / "config/nuro").c_str(), 0700);
             test::WriteFile(d / "config/nuro/nuro.ini",
                             "[SETUP]\nCOUNTRY=Tunis, Tunisia\nAUTO_TZ=1\nZONE=../../../etc/passwd\n");
         },
         1,
         "",
         "unknown time zone"},
        {"a settings file that is a folder",
         {"--date", "2026-12-08"},
         [](const TempDir& d) {
             mkdir((d / "config").c_str(), 0700);
             mkdir((d / "config/nuro").c_str(), 0700);
             mkdir((d / "config/nuro/nuro.ini").c_str(), 0700);
         },
         0,
         "",
         "settings file cannot be used"},
        {"a damaged per-user database",
         {"--date", "2026-12-08", "--place", "Tunis"},
         [](const TempDir& d) {
             mkdir((d / "data").c_str(), 0700);
             mkdir((d / "data/nuro").c_str(), 0700);
             test::WriteFile(d / "data/nuro/data.ar", std::string(4096, 'x'));
         },
         0,
         "Tunis, Tunisia",
         "the installed one is used"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        TempDir dir;
        if (row.prepare)
            row.prepare(dir);
        const auto r = Times(dir, row.args);
        EXPECT_EQ(r.status, row.status) << r.err;
        EXPECT_NE(r.out.find(row.out), std::string::npos) << r.out;
        EXPECT_NE(r.err.find(row.err), std::string::npos) << r.err;
    }
}

TEST(PlaceData, ASocketPathThatCannotBeListenedOnIsTold)
{
    const struct {
        const char* name;
        std::function<void(const std::string&)> make;
        bool listens;
        const char* reason;
    } rows[] = {
        {"a folder there", [](const std::string& p) { mkdir(p.c_str(), 0700); }, false, "not a socket"},
        {"a folder holding files there",
         [](const std::string& p) {
             mkdir(p.c_str(), 0700);
             test::WriteFile(p + "/x", "x");
         },
         false, "not a socket"},
        // Last: the process then listens for the rest of the run.
        {"nothing there", [](const std::string&) {}, true, ""},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        TempDir dir;
        chmod(dir.Path().c_str(), 0700);
        setenv("XDG_RUNTIME_DIR", dir.Path().c_str(), 1);
        std::string error;
        ASSERT_EQ(ClaimOrHandOver("show", error, 2000), StartClaim::Claimed) << error;
        row.make(dir / "nuro.socket");
        std::string why;
        EXPECT_EQ(ListenForLaterStarts([](const std::string&) {}, &why), row.listens);
        EXPECT_NE(why.find(row.reason), std::string::npos) << why;
        if (!row.listens) {
            EXPECT_NE(why.find(dir / "nuro.socket"), std::string::npos) << why;
        }
        ReleaseSingleInstance();
        unsetenv("XDG_RUNTIME_DIR");
    }
}

TEST(PlaceData, ManualPagesNameEveryOptionAndExitStatus)
{
    const std::string source = NURO_SOURCE_DIR;
    const struct {
        std::string page;
        std::set<std::string> options;
        std::vector<std::string> statuses;
    } rows[] = {
        {"shell/desktop/man/nuro-times.1", {}, {"0", "1", "2"}},
        {"shell/desktop/man/nuro.1", {}, {"0", "1", "2"}},
    };
    // The options nuro-times itself offers, from its usage text.
    std::set<std::string> offered;
    const std::string usage = times::kUsage;
    for (std::size_t at = usage.find("--"); at != std::string::npos; at = usage.find("--", at + 2)) {
        std::size_t end = at + 2;
        while (end < usage.size() && usage[end] >= 'a' && usage[end] <= 'z')
            ++end;
        if (end > at + 2)
            offered.insert(usage.substr(at, end - at));
    }
    ASSERT_TRUE(offered.count("--zone"));
    for (const auto& row : rows) {
        SCOPED_TRACE(row.page);
        const std::string text = test::ReadFile(source + "/" + row.page);
        ASSERT_FALSE(text.empty());
        if (row.page.find("nuro-times") != std::string::npos) {
            for (const std::string& o : offered)
                EXPECT_NE(text.find("\\-\\-" + o.substr(2)), std::string::npos) << o;
        }
        const auto status = text.find(".SH EXIT STATUS");
        ASSERT_NE(status, std::string::npos);
        for (const std::string& s : row.statuses)
            EXPECT_NE(text.find(".B " + s + "\n", status), std::string::npos) << s;
    }
}

} // namespace
} // namespace nuro
