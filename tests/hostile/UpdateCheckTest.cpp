// The updater runs exactly one plain UPDATE of one place: the check reads the statement with a
// parser of its own, and mod changes at most one row, or nothing.
#include "HostileSupport.h"
#include "UpdateCheck.h"

#include <gtest/gtest.h>

#include <sqlite3.h>
#include <unistd.h>

namespace nuro {
namespace {

TEST(UpdateCheck, OnlyOnePlainUpdateOfOnePlaceIsAllowed)
{
    const struct {
        std::string sql;
        const char* refusal; // a part of the reason; nullptr when allowed
    } rows[] = {
        {"update NURO set d1=10 ,m1=11,s1='12.500',card1='E',d2=36 ,m2=48,s2='30.250',card2='N',t_zone='1.00',"
         "p='1013.00',t='20.00',h='0.00' where nom='Tunis';",
         nullptr},
        {"UPDATE nuro SET h = -12.5e1, zone = 'Africa/Tunis' WHERE nom = 'Sfax, Tunisia'", nullptr},
        {"update \"nuro\" set [h]=1 where `nom`='x';  \n", nullptr},
        {"update nuro set zone='' where nom='x'", nullptr},
        {"update nuro set h=1 where nom='N'Djamena, Chad';", nullptr}, // bound as a value by mod
        {"update or replace nuro set nom='x'", "conflict clause"},
        {"update or replace nuro set h=1 where nom='x'", "conflict clause"},
        {"update nuro set h=1 where 1=1 or nom='x'; delete from nuro; --'", "comments"},
        {"update nuro set h=1 where 1=1 or nom='x'", "only condition"},
        {"update nuro set h=1 where nom='x' or 1=1", "nothing may follow"},
        {"update nuro set h=1 where nom='x' or nom='y'c'", "once"},
        {"update nuro set h=1 where nom='x'; delete from nuro", "nothing may follow"},
        {"update nuro set h=1 where nom='x';;", "nothing may follow"},
        {"update nuro set h=1 where nom='x' /* hidden */", "comments"},
        {"update nuro set h=1", "WHERE nom"},
        {"update nuro set h=(select 1) where nom='x'", "must be a number or a quoted text"},
        {"update nuro set h=abs(1) where nom='x'", "must be a number or a quoted text"},
        {"update nuro set h=x'00' where nom='x'", "not a number or a text"},
        {"update nuro set h=--1\n where nom='x'", "comments"},
        {"update nuro set h=1, h=2 where nom='x'", "set twice"},
        {"update nuro set nom='y' where nom='x'", "nom"},
        {"update nuro set secret=1 where nom='x'", "no column secret"},
        {"update main.nuro set h=1 where nom='x'", "only the table nuro"},
        {"update other set h=1 where nom='x'", "only the table nuro"},
        {"delete from nuro where nom='x'", "only an UPDATE"},
        {"with a as (select 1) update nuro set h=1 where nom='x'", "only an UPDATE"},
        {"update nuro set zone='../../../etc/passwd' where nom='x'", "not a zone"},
        {"update nuro set zone='Tunis' where nom='x'", "not a zone"},
        {"update nuro set zone=1 where nom='x'", "zone must be"},
        {"update nuro set h=1 where nom=?", "quoted text"},
        {"update nuro set h=1 where nom=x", "quoted text"},
        {"update nuro set h=1 where nom='x' returning *", "nothing may follow"},
        {std::string("update nuro set h=1 where nom='x\0y'", 35), "NUL"}, // the NUL and what follows it
        {"update nuro set h=1 where nom='" + std::string(20000, 'x') + "'", "longer than"},
        {"", "empty"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.sql.substr(0, 120));
        const auto why = updater::CheckUpdateStatement(row.sql);
        if (!row.refusal) {
            EXPECT_FALSE(why) << *why;
        } else {
            ASSERT_TRUE(why);
            EXPECT_NE(why->find(row.refusal), std::string::npos) << *why;
        }
    }
}

int Rows(const std::string& file, const std::string& sql)
{
    sqlite3* db = nullptr;
    sqlite3_open_v2(file.c_str(), &db, SQLITE_OPEN_READONLY, nullptr);
    sqlite3_stmt* st = nullptr;
    int n = -1;
    if (sqlite3_prepare_v2(db, sql.c_str(), -1, &st, nullptr) == SQLITE_OK && sqlite3_step(st) == SQLITE_ROW)
        n = sqlite3_column_int(st, 0);
    sqlite3_finalize(st);
    sqlite3_close(db);
    return n;
}

// The statements through mod itself, on a per-user copy of three places.
TEST(UpdateCheck, ModChangesOnePlaceOrNothing)
{
    const struct {
        std::string sql;
        int status;
        int changedToOne; // rows whose h is 1 afterwards
    } rows[] = {
        {"update nuro set h=1 where nom='Tunis, Tunisia';", 0, 1},
        {"update nuro set h=1 where nom='N'Djamena, Chad';", 0, 1},
        {"update or replace nuro set nom='x'", 2, 0},
        {"update nuro set h=1 where 1=1 or nom='x'; delete from nuro; --'", 2, 0},
        {"update nuro set h=1 where nom='Nowhere';", 2, 0},
        {"update nuro set zone='../../../etc/passwd' where nom='Tunis, Tunisia';", 2, 0},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.sql);
        test::TempDir dir;
        const std::string db = dir / "data.ar";
        sqlite3* h = nullptr;
        ASSERT_EQ(sqlite3_open(db.c_str(), &h), SQLITE_OK);
        ASSERT_EQ(sqlite3_exec(
                      h,
                      "CREATE TABLE nuro (nom TEXT PRIMARY KEY NOT NULL, d1 INTEGER, m1 INTEGER, s1 REAL,"
                      " card1 TEXT, d2 INTEGER, m2 INTEGER, s2 REAL, card2 TEXT, t_zone REAL, p REAL, t REAL,"
                      " h REAL, zone TEXT);"
                      "INSERT INTO nuro VALUES ('Tunis, Tunisia',10,10,53,'E',36,48,23,'N',1,1010,10,4,'Africa/Tunis');"
                      "INSERT INTO nuro VALUES ('N''Djamena, Chad',15,2,40,'E',12,6,47,'N',1,1010,10,298,'');"
                      "INSERT INTO nuro VALUES ('x',0,0,0,'E',0,0,0,'N',0,0,0,0,'');",
                      nullptr, nullptr, nullptr),
                  SQLITE_OK);
        sqlite3_close(h);
        const auto r = test::RunProgram(NURO_MOD_PATH, {row.sql},
                                        {"XDG_DATA_HOME=" + dir.Path(), "NURO_DATA_DIR=" + dir.Path()}, dir);
        EXPECT_EQ(r.status, row.status) << r.err;
        // A refused statement never gets as far as the per-user copy.
        const std::string copy = access((dir / "nuro/data.ar").c_str(), F_OK) == 0 ? dir / "nuro/data.ar" : db;
        // The user's own database holds the changed place only; the installed one keeps all three.
        EXPECT_EQ(Rows(copy, "select count(*) from nuro"), copy == db ? 3 : row.changedToOne);
        EXPECT_EQ(Rows(db, "select count(*) from nuro"), 3);
        EXPECT_EQ(Rows(copy, "select count(*) from nuro where h=1"), row.changedToOne);
        EXPECT_EQ(Rows(copy, "select count(*) from nuro where zone like '%/%' and zone not like 'Africa/%'"), 0);
    }
}

} // namespace
} // namespace nuro
