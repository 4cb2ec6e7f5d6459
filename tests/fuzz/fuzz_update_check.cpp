// Any statement text: the check must answer without crashing, and whatever it lets through must,
// run as the updater runs it, change at most one place and nothing but the place table's values.
#include "StatementGuard.h"
#include "UpdateCheck.h"

#include <sqlite3.h>

#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

sqlite3* g_db = nullptr;
int g_schema = 0; // entries of sqlite_master: tables and their indexes

int Count(const char* sql)
{
    sqlite3_stmt* st = nullptr;
    int n = -1;
    if (sqlite3_prepare_v2(g_db, sql, -1, &st, nullptr) == SQLITE_OK && sqlite3_step(st) == SQLITE_ROW)
        n = sqlite3_column_int(st, 0);
    sqlite3_finalize(st);
    return n;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    if (sqlite3_open(":memory:", &g_db) != SQLITE_OK)
        std::abort();
    const char* sql =
        "CREATE TABLE nuro (nom TEXT PRIMARY KEY NOT NULL, d1 INTEGER, m1 INTEGER, s1 REAL, card1 TEXT,"
        " d2 INTEGER, m2 INTEGER, s2 REAL, card2 TEXT, t_zone REAL, p REAL, t REAL, h REAL, zone TEXT);"
        "CREATE TABLE other (x);"
        "INSERT INTO nuro VALUES ('Tunis, Tunisia',10,10,53.0,'E',36,48,23.0,'N',1.0,1010.0,10.0,4.0,'Africa/Tunis');"
        "INSERT INTO nuro VALUES ('N''Djamena, "
        "Chad',15,2,40.0,'E',12,6,47.0,'N',1.0,1010.0,10.0,298.0,'Africa/Ndjamena');"
        "INSERT INTO nuro VALUES ('x',0,0,0,'E',0,0,0,'N',0,0,0,0,'');";
    if (sqlite3_exec(g_db, sql, nullptr, nullptr, nullptr) != SQLITE_OK)
        std::abort();
    nuro::paths::limitConnection(g_db);
    g_schema = Count("SELECT count(*) FROM sqlite_master");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string sql(reinterpret_cast<const char*>(data), size);
    if (nuro::updater::CheckUpdateStatement(sql))
        return 0;
    sqlite3_exec(g_db, "BEGIN", nullptr, nullptr, nullptr);
    std::string reason;
    sqlite3_stmt* stmt = nuro::paths::prepareGuarded(g_db, sql, nuro::paths::StatementKind::UpdatePlaces, &reason);
    if (stmt) {
        sqlite3_step(stmt);
        sqlite3_finalize(stmt);
        if (sqlite3_changes(g_db) > 1)
            std::abort();
    }
    if (Count("SELECT count(*) FROM nuro") != 3 || Count("SELECT count(*) FROM other") != 0 ||
        Count("SELECT count(*) FROM sqlite_master") != g_schema)
        std::abort();
    sqlite3_exec(g_db, "ROLLBACK", nullptr, nullptr, nullptr);
    return 0;
}
