// mod: one UPDATE of nuro, on the user's copy, all or nothing.
#include <gtest/gtest.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "FieldList.h"
#include "TestDatabase.h"
#include "nuro_api.h"

extern char** environ;

namespace {

using nuro::test::TempDir;

class Updater : public ::testing::Test {
protected:
    void SetUp() override
    {
        installed_ = dir_.path() + "/share/nuro/data.ar";
        user_ = dir_.path() + "/user/nuro/data.ar";
        nuro::test::writePlaceDatabase(installed_);
        ::setenv("NURO_DATA_DIR", (dir_.path() + "/share/nuro").c_str(), 1);
        ::setenv("XDG_DATA_HOME", (dir_.path() + "/user").c_str(), 1);
    }

    // Runs mod with the arguments; returns the exit code and keeps standard error.
    int run(const std::vector<std::string>& args)
    {
        const std::string errFile = dir_.path() + "/stderr.txt";
        posix_spawn_file_actions_t fa;
        posix_spawn_file_actions_init(&fa);
        posix_spawn_file_actions_addopen(&fa, 2, errFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        std::vector<char*> argv{const_cast<char*>(NURO_MOD_PATH)};
        for (const auto& a : args)
            argv.push_back(const_cast<char*>(a.c_str()));
        argv.push_back(nullptr);
        pid_t pid = 0;
        int status = 0;
        const int rc = posix_spawn(&pid, NURO_MOD_PATH, &fa, nullptr, argv.data(), environ);
        posix_spawn_file_actions_destroy(&fa);
        if (rc != 0)
            return -1;
        waitpid(pid, &status, 0);
        std::ifstream in(errFile);
        std::stringstream ss;
        ss << in.rdbuf();
        stderr_ = ss.str();
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

    std::string value(const std::string& column, const std::string& name = "Tunis, Tunisia")
    {
        return nuro::test::queryValue(user_, "select " + column + " from nuro where nom='" + name + "'");
    }

    TempDir dir_;
    std::string installed_, user_, stderr_;
};

TEST_F(Updater, AppliesTheLocationDialogStatementToTheUserCopy)
{
    const std::string statement =
        "update NURO set d1=10 ,m1=11,s1='12.500',card1='E',d2=36 ,m2=48,s2='30.250',card2='N',"
        "t_zone='1.00',p='1013.00',t='20.00',h='0.00' where nom='Tunis, Tunisia';";
    ASSERT_FALSE(std::filesystem::exists(user_));
    EXPECT_EQ(run({statement}), 0) << stderr_;
    EXPECT_EQ(value("m1"), "11");
    EXPECT_EQ(value("s2"), "30.25");
    EXPECT_EQ(value("p"), "1013.0");
    EXPECT_EQ(nuro::test::queryValue(installed_, "select m1 from nuro where nom='Tunis, Tunisia'"), "10")
        << "the installed database is never written";
    // Split into words as a shell would, and joined again by blanks.
    EXPECT_EQ(run({"update", "NURO", "set", "h='7.00'", "where", "nom='Tunis,", "Tunisia';"}), 0) << stderr_;
    EXPECT_EQ(value("h"), "7.0");
    EXPECT_EQ(value("m1"), "11") << "the second run works on the user copy, not a fresh one";
}

TEST_F(Updater, NameWithAQuote)
{
    EXPECT_EQ(run({"update NURO set h='300.00' where nom='N'Djamena, Chad';"}), 0) << stderr_;
    EXPECT_EQ(value("h", "N''Djamena, Chad"), "300.0");
    EXPECT_EQ(run({"update NURO set h='301.00' where nom='N''Djamena, Chad';"}), 0) << stderr_;
    EXPECT_EQ(value("h", "N''Djamena, Chad"), "301.0");
}

TEST_F(Updater, RefusesEverythingElse)
{
    const char* refused[] = {
        "",
        "delete from nuro where nom='Tunis, Tunisia'",
        "drop table nuro",
        "insert into nuro (nom) values ('x')",
        "update other set x=1",
        "update nuro set d1=1 where nom='Tunis, Tunisia'; delete from nuro",
        "update nuro set d1=1 where nom='Tunis, Tunisia'; update nuro set d1=2 where nom='Mumbai, India'",
        "update nuro set d1=(select count(*) from other) where nom='Tunis, Tunisia'",
        "update nuro set d1=(select count(*) from sqlite_master) where nom='Tunis, Tunisia'",
        "attach database 'x' as x",
        "pragma writable_schema=1",
        "select * from nuro",
        "update nuro set d1=length(randomblob(10)) where nom='Tunis, Tunisia'",
        "update nuro set d1=1 where nom='Nowhere'",
        "update nuro set nom=NULL where nom='Tunis, Tunisia'",
        "update nuro set nom='Mumbai, India' where nom='Tunis, Tunisia'",
        "update nuro set nom='Tunis, Tunisia' where nom='Tunis, Tunisia'",
    };
    for (const char* sql : refused) {
        EXPECT_EQ(run({sql}), 2) << sql;
        EXPECT_FALSE(stderr_.empty()) << sql;
        EXPECT_EQ(stderr_.find('\n'), stderr_.size() - 1) << "one line: " << stderr_;
    }
    EXPECT_EQ(nuro::test::countRows(user_), 0) << "nothing refused reaches the user's places";
    EXPECT_EQ(nuro::test::countRows(installed_), 3);
    EXPECT_EQ(nuro::test::queryValue(installed_, "select d1 from nuro where nom='Tunis, Tunisia'"), "10");
    EXPECT_EQ(nuro::test::queryValue(installed_, "select count(*) from other"), "0");
}

// The user's database holds the changed places only, answers their place query first, and an earlier
// release's whole copy is read and changed as it stands.
TEST_F(Updater, ChangesLiveInTheUserDatabaseAndEarlierCopiesStillServe)
{
    const char* const zone[] = {"2", "zone", nuro::test::kColumnWork};
    auto lookup = [](const std::string& name, const char* const* columns = nuro::test::kPlaceColumns) {
        const std::string sql = "select " + std::string(columns == nuro::test::kPlaceColumns ? "*" : columns[1]) +
                                " from nuro where nom='" + name + "'";
        return std::string(connect5("data.ar", "user", "qvx", sql.c_str(), columns));
    };
    // The shipped places, read in place.
    ::setenv("NURO_DATA_DIR", NURO_BUILD_SHARE, 1);
    EXPECT_EQ(run({"update NURO set h='7.00' where nom='Sfax, Tunisia';"}), 0) << stderr_;
    EXPECT_EQ(nuro::test::countRows(user_), 1);
    EXPECT_LT(std::filesystem::file_size(user_), 1u << 20);
    EXPECT_EQ(value("h", "Sfax, Tunisia"), "7.0");
    EXPECT_EQ(value("zone", "Sfax, Tunisia"), "Africa/Tunis") << "the rest of the row comes along";
    EXPECT_EQ(value("name_ar", "Sfax, Tunisia"), "صفاقس");
    EXPECT_EQ(nuro::test::splitFields(lookup("Sfax, Tunisia")).at(12), "7.0");
    EXPECT_EQ(nuro::test::splitFields(lookup("Tunis, Tunisia")).at(12), "4.0") << "others come from the shipped data";
    EXPECT_EQ(run({"update NURO set t='30.00' where nom='Sfax, Tunisia';"}), 0) << stderr_;
    EXPECT_EQ(value("h", "Sfax, Tunisia"), "7.0") << "a later change keeps the earlier one";
    EXPECT_EQ(nuro::test::countRows(user_), 1);
    // Searches and lists read the shipped places, not the few the user changed.
    const std::string listed = connect5("data.ar", "user", "qvx",
                                        "select nom from nuro where nom like 'sfax%' escape '\\' order by nom limit 1",
                                        nuro::test::kPlaceColumns);
    EXPECT_EQ(listed.substr(0, 5), "Sfax,");

    // A whole copy made by an earlier release, without the zone column, holding a change of the user's.
    std::filesystem::remove(user_);
    nuro::test::writePlaceDatabase(user_, "11");
    EXPECT_EQ(nuro::test::splitFields(lookup("Tunis, Tunisia")).at(1), "11");
    EXPECT_EQ(lookup("Tunis, Tunisia", zone), "Africa/Tunis*") << "a column the copy lacks comes from the shipped data";
    EXPECT_EQ(run({"update NURO set h='9.00' where nom='Tunis, Tunisia';"}), 0) << stderr_;
    EXPECT_EQ(run({"update NURO set h='8.00' where nom='Sfax, Tunisia';"}), 0) << stderr_;
    EXPECT_EQ(nuro::test::countRows(user_), 4) << "a place the copy lacks joins it";
    EXPECT_EQ(nuro::test::splitFields(lookup("Tunis, Tunisia")).at(1), "11");
    EXPECT_EQ(nuro::test::splitFields(lookup("Tunis, Tunisia")).at(12), "9.0");
    EXPECT_EQ(nuro::test::splitFields(lookup("Sfax, Tunisia")).at(12), "8.0");
}

TEST_F(Updater, NoDatabaseAnywhere)
{
    ::setenv("NURO_DATA_DIR", (dir_.path() + "/absent").c_str(), 1);
    EXPECT_EQ(run({"update nuro set d1=1 where nom='Tunis, Tunisia'"}), 2);
    EXPECT_NE(stderr_.find("no place database"), std::string::npos) << stderr_;
    EXPECT_FALSE(std::filesystem::exists(user_));
}

} // namespace

// Two places changed at once on a first use: each mod may find no user copy and make one, yet neither
// copy may replace the other's after its change went in.
TEST_F(Updater, ConcurrentFirstChangesAreAllKept)
{
    const std::vector<std::pair<std::string, std::string>> changes = {{"h", "7.0"},      {"p", "999.0"}, {"t", "31.0"},
                                                                      {"t_zone", "3.0"}, {"m1", "44"},   {"m2", "33"}};
    int lost = 0;
    for (int round = 0; round < 8; ++round) {
        std::filesystem::remove(user_);
        std::vector<pid_t> mods;
        for (const auto& [column, text] : changes) {
            const std::string statement = "update NURO set " + column + "='" + text + "' where nom='Tunis, Tunisia';";
            std::vector<char*> argv{const_cast<char*>(NURO_MOD_PATH), const_cast<char*>(statement.c_str()), nullptr};
            pid_t pid = 0;
            ASSERT_EQ(posix_spawn(&pid, NURO_MOD_PATH, nullptr, nullptr, argv.data(), environ), 0);
            mods.push_back(pid);
        }
        for (pid_t pid : mods) {
            int status = 0;
            waitpid(pid, &status, 0);
            EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
        }
        for (const auto& [column, text] : changes)
            lost += value(column) != text;
    }
    EXPECT_EQ(lost, 0);
}
