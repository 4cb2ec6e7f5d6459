// connect5: where the database is found, what a row looks like, and what is refused.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "TestDatabase.h"
#include "nuro_api.h"

namespace {

using nuro::test::kColumnWork;
using nuro::test::kPlaceColumns;
using nuro::test::TempDir;

class PlaceQuery : public ::testing::Test {
protected:
    void SetUp() override
    {
        installed_ = dir_.path() + "/share/nuro";
        nuro::test::writePlaceDatabase(installed_ + "/data.ar");
        ::setenv("NURO_DATA_DIR", installed_.c_str(), 1);
        ::setenv("XDG_DATA_HOME", (dir_.path() + "/user").c_str(), 1);
    }
    std::string query(const std::string& sql, const char* const* columns = kPlaceColumns)
    {
        return connect5("data.ar", "user", "qvx", sql.c_str(), columns);
    }
    TempDir dir_;
    std::string installed_;
};

TEST_F(PlaceQuery, RowsInColumnTableOrder)
{
    struct Row {
        const char* sql;
        const char* expected;
    };
    const Row rows[] = {
        {"select * from nuro where nom='Tunis, Tunisia'",
         "Tunis, Tunisia*10*10*53.0*E*36*48*23.0*N*1.0*1010.0*10.0*4.0*"},
        {"SELECT * FROM NURO WHERE nom='Mumbai, India';", "Mumbai, India*72*51*25.0*E*19*1*1.0*N*5.5*1010.0*10.0*0.0*"},
        {"select * from nuro where nom='N''Djamena, Chad'",
         "N'Djamena, Chad*15*2*40.0*E*12*6*47.0*N*1.0*1010.0*10.0*298.0*"},
        // The program formats the name unescaped: a quote inside it still finds the place.
        {"select * from nuro where nom='N'Djamena, Chad'",
         "N'Djamena, Chad*15*2*40.0*E*12*6*47.0*N*1.0*1010.0*10.0*298.0*"},
        {"select * from nuro where nom='Nowhere'", ""},
        {"select * from nuro where nom='x' or '1'='1' order by nom",
         "Mumbai, India*72*51*25.0*E*19*1*1.0*N*5.5*1010.0*10.0*0.0*"},
    };
    for (const Row& r : rows)
        EXPECT_EQ(query(r.sql), r.expected) << r.sql;

    const char* const reordered[] = {"4", "h", "NOM", "missing", kColumnWork};
    EXPECT_EQ(query("select * from nuro where nom='Tunis, Tunisia'", reordered), "4.0*Tunis, Tunisia**");
    EXPECT_EQ(query("select * from nuro where nom='Tunis, Tunisia'", nullptr),
              "Tunis, Tunisia*10*10*53.0*E*36*48*23.0*N*1.0*1010.0*10.0*4.0*");
}

TEST_F(PlaceQuery, RefusesAnythingButOneSelectOfNuro)
{
    const char* refused[] = {
        "delete from nuro",
        "drop table nuro",
        "update nuro set d1=0",
        "insert into nuro (nom) values ('x')",
        "select * from other",
        "select * from sqlite_master",
        "select * from nuro; select * from nuro",
        "select * from nuro where nom='Tunis, Tunisia'; drop table nuro",
        "select * from nuro where nom='a'; delete from nuro where nom='Tunis, Tunisia'",
        "attach database 'x.db' as x",
        "pragma table_info(nuro)",
        "select load_extension('/tmp/evil')",
        "select randomblob(100000000)",
        "select 1",
        "select 1 from nuro where 0=1 union select sqlite_version()",
        "create table t(x)",
        "begin",
        "vacuum",
        "",
        "   ;",
    };
    for (const char* sql : refused)
        EXPECT_EQ(query(sql), "") << sql;
    EXPECT_EQ(nuro::test::countRows(installed_ + "/data.ar"), 3);
    EXPECT_EQ(nuro::test::queryValue(installed_ + "/data.ar", "select d1 from nuro where nom='Tunis, Tunisia'"), "10");
    EXPECT_STREQ(connect5("data.ar", "user", "qvx", nullptr, kPlaceColumns), "");
    EXPECT_STREQ(connect5(nullptr, "user", "qvx", "select * from nuro", kPlaceColumns), "");
}

TEST_F(PlaceQuery, PerUserCopyComesFirst)
{
    const std::string sql = "select * from nuro where nom='Tunis, Tunisia'";
    EXPECT_EQ(query(sql).substr(0, 18), "Tunis, Tunisia*10*");
    nuro::test::writePlaceDatabase(dir_.path() + "/user/nuro/data.ar", "11");
    EXPECT_EQ(query(sql).substr(0, 18), "Tunis, Tunisia*11*");
    ::setenv("XDG_DATA_HOME", "", 1);
    ::setenv("HOME", (dir_.path() + "/home").c_str(), 1);
    EXPECT_EQ(query(sql).substr(0, 18), "Tunis, Tunisia*10*") << "an empty XDG_DATA_HOME means ~/.local/share";
    nuro::test::writePlaceDatabase(dir_.path() + "/home/.local/share/nuro/data.ar", "12");
    EXPECT_EQ(query(sql).substr(0, 18), "Tunis, Tunisia*12*");
}

TEST_F(PlaceQuery, MissingDatabaseGivesNoRowAndCreatesNothing)
{
    ::setenv("NURO_DATA_DIR", (dir_.path() + "/absent").c_str(), 1);
    EXPECT_EQ(query("select * from nuro where nom='Tunis, Tunisia'"), "");
    EXPECT_EQ(nuro::test::queryValue(dir_.path() + "/absent/data.ar", "select 1"), "<error>");
}

} // namespace
