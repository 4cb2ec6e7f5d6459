// Any SQL text: connect5 must refuse or answer without crashing, and the database must stay as it was.
#include <sqlite3.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "PlaceTable.h"
#include "nuro_api.h"

namespace {
std::string g_db;

void makeDatabase(const std::string& dir) {
    g_db = dir + "/data.ar";
    sqlite3* db = nullptr;
    sqlite3_open(g_db.c_str(), &db);
    const std::string sql =
        std::string(nuro::paths::kCreatePlaceTable) +
        "CREATE TABLE other (x);"
        "INSERT INTO nuro VALUES ('Tunis, Tunisia',10,10,53.0,'E',36,48,23.0,'N',1.0,1010.0,10.0,4.0);"
        "INSERT INTO nuro VALUES ('N''Djamena, Chad',15,2,40.0,'E',12,6,47.0,'N',1.0,1010.0,10.0,298.0);";
    sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr);
    sqlite3_close(db);
}

int rowCount() {
    sqlite3* db = nullptr;
    sqlite3_open_v2(g_db.c_str(), &db, SQLITE_OPEN_READONLY, nullptr);
    sqlite3_stmt* st = nullptr;
    int n = -1;
    if (sqlite3_prepare_v2(db, "SELECT count(*) FROM nuro", -1, &st, nullptr) == SQLITE_OK &&
        sqlite3_step(st) == SQLITE_ROW)
        n = sqlite3_column_int(st, 0);
    sqlite3_finalize(st);
    sqlite3_close(db);
    return n;
}
}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    char tmpl[] = "/tmp/nuro-fuzz-XXXXXX";
    const char* dir = mkdtemp(tmpl);
    if (!dir) std::abort();
    makeDatabase(dir);
    setenv("NURO_DATA_DIR", dir, 1);
    setenv("XDG_DATA_HOME", (std::string(dir) + "/user").c_str(), 1);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const char kWork[28] = {};
    static const char* const columns[] = {"14", "nom",   "d1",     "m1", "s1", "card1", "d2", "m2",
                                          "s2", "card2", "t_zone", "p",  "t",  "h",     kWork};
    const std::string sql(reinterpret_cast<const char*>(data), size);
    const char* r = connect5("data.ar", "user", "qvx", sql.c_str(), columns);
    if (!r) std::abort();
    // Either no row, or thirteen fields.
    int stars = 0;
    for (const char* p = r; *p; ++p) stars += *p == '*';
    if (*r && stars != 13) std::abort();
    if (rowCount() != 2) std::abort();
    return 0;
}
