// Starting outside programs: no shell, no waiting, no zombie.
#include "DialogTestEnv.h"

#include "platform/os/Spawn.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include <dirent.h>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

using namespace nuro;
using nuro::test::WaitFor;

namespace {

std::string ReadWhole(const std::string& path)
{
    std::ifstream in(path);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

// Our children that have ended but were not reaped.
int Zombies()
{
    int count = 0;
    DIR* proc = opendir("/proc");
    while (dirent* e = readdir(proc)) {
        const std::string stat = ReadWhole(std::string("/proc/") + e->d_name + "/stat");
        const auto close = stat.rfind(')');
        if (close == std::string::npos)
            continue;
        std::istringstream rest(stat.substr(close + 2));
        char state = 0;
        int ppid = 0;
        rest >> state >> ppid;
        if (state == 'Z' && ppid == getpid())
            ++count;
    }
    closedir(proc);
    return count;
}

TEST(SpawnDetached, EachArgumentArrivesAsItStandsWithoutAShell)
{
    QTemporaryDir dir;
    const std::string d = dir.path().toStdString();
    const std::string args[] = {
        "update NURO set d1=10 ,m1=11 where nom='N''Djamena, Chad';",
        "$(touch " + d + "/injected) `touch " + d + "/injected` ; | & > *",
        "",
        "  two  blanks  ",
    };
    // The script writes its first argument to the file named by its second, whole.
    const std::string script = d + "/writer.sh";
    std::ofstream(script) << "#!/bin/sh\nprintf '%s' \"$1\" > \"$2.part\" && mv \"$2.part\" \"$2\"\n";
    ::chmod(script.c_str(), 0755);
    int n = 0;
    for (const std::string& arg : args) {
        const std::string file = d + "/out" + std::to_string(n++);
        ASSERT_TRUE(SpawnDetached(script, {arg, file}, nullptr));
        ASSERT_TRUE(WaitFor([&] { return QFile::exists(QString::fromStdString(file)); }));
        EXPECT_EQ(ReadWhole(file), arg);
    }
    EXPECT_FALSE(QFile::exists(dir.path() + "/injected"));
    EXPECT_TRUE(WaitFor([] { return Zombies() == 0; }));
}

TEST(SpawnDetached, ReturnsAtOnceAndLeavesNoZombie)
{
    for (int i = 0; i < 5; ++i)
        ASSERT_TRUE(SpawnDetached("/bin/true", {}, nullptr));
    ASSERT_TRUE(SpawnDetached("/bin/sleep", {"1"}, nullptr)); // still running when we go on
    EXPECT_TRUE(WaitFor([] { return Zombies() == 0; }));
}

TEST(SpawnDetached, AMissingProgramIsReported)
{
    std::string error;
    EXPECT_FALSE(SpawnDetached("/nonexistent/mod", {"x"}, &error));
    EXPECT_NE(error.find("/nonexistent/mod"), std::string::npos);
}

TEST(FirstExecutable, TakesTheFirstExecutableFileInOrder)
{
    QTemporaryDir dir;
    const std::string d = dir.path().toStdString();
    auto make = [](const std::string& path, mode_t mode) {
        std::ofstream(path) << "#!/bin/sh\n";
        ::chmod(path.c_str(), mode);
    };
    make(d + "/plain", 0644);
    make(d + "/runnable", 0755);
    make(d + "/other", 0755);
    ::mkdir((d + "/folder").c_str(), 0755);
    struct Row {
        std::vector<std::string> candidates;
        std::string expected;
    };
    const Row rows[] = {
        {{d + "/missing", d + "/runnable", d + "/other"}, d + "/runnable"},
        {{d + "/plain", d + "/folder", d + "/other"}, d + "/other"},
        {{d + "/plain", d + "/missing"}, ""},
        {{}, ""},
    };
    for (const Row& r : rows)
        EXPECT_EQ(FirstExecutable(r.candidates), r.expected);
}

TEST(FindUpdater, TheBuildTreeUpdaterIsFound)
{
    // Tests run from build/bin, where the updater is built as well.
    const std::string updater = FindUpdater();
    ASSERT_FALSE(updater.empty());
    EXPECT_EQ(updater, ExecutableDir() + "/mod");
}

} // namespace
