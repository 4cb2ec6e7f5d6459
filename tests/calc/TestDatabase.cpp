#include "TestDatabase.h"

#include <sqlite3.h>

#include <cstdlib>
#include <filesystem>
#include <stdexcept>

#include "PlaceTable.h"

namespace nuro::test {

TempDir::TempDir()
{
    std::string tmpl = (std::filesystem::temp_directory_path() / "nuro-calc-XXXXXX").string();
    if (!::mkdtemp(tmpl.data()))
        throw std::runtime_error("mkdtemp failed");
    path_ = tmpl;
}

TempDir::~TempDir()
{
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
}

void writePlaceDatabase(const std::string& file, const std::string& tunisLongitudeDegrees)
{
    std::filesystem::create_directories(std::filesystem::path(file).parent_path());
    sqlite3* db = nullptr;
    sqlite3_open(file.c_str(), &db);
    const std::string sql =
        std::string(nuro::paths::kCreatePlaceTable) +
        "CREATE TABLE other (x);"
        "INSERT INTO nuro VALUES ('Tunis, Tunisia'," +
        tunisLongitudeDegrees +
        ",10,53.0,'E',36,48,23.0,'N',1.0,1010.0,10.0,4.0);"
        "INSERT INTO nuro VALUES ('N''Djamena, Chad',15,2,40.0,'E',12,6,47.0,'N',1.0,1010.0,10.0,298.0);"
        "INSERT INTO nuro VALUES ('Mumbai, India',72,51,25.0,'E',19,1,1.0,'N',5.5,1010.0,10.0,0.0);";
    if (sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr) != SQLITE_OK)
        throw std::runtime_error(sqlite3_errmsg(db));
    sqlite3_close(db);
}

std::string queryValue(const std::string& file, const std::string& sql)
{
    sqlite3* db = nullptr;
    sqlite3_open_v2(file.c_str(), &db, SQLITE_OPEN_READONLY, nullptr);
    sqlite3_stmt* st = nullptr;
    std::string out = "<error>";
    if (sqlite3_prepare_v2(db, sql.c_str(), -1, &st, nullptr) == SQLITE_OK) {
        out = "<none>";
        if (sqlite3_step(st) == SQLITE_ROW && sqlite3_column_text(st, 0))
            out = reinterpret_cast<const char*>(sqlite3_column_text(st, 0));
    }
    sqlite3_finalize(st);
    sqlite3_close(db);
    return out;
}

int countRows(const std::string& file)
{
    return std::atoi(queryValue(file, "SELECT count(*) FROM nuro").c_str());
}

} // namespace nuro::test
