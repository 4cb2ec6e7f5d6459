// The "connect5" export: one read-only lookup in the place database.
#include <dlfcn.h>
#include <sqlite3.h>
#include <strings.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "DataPath.h"
#include "StatementGuard.h"
#include "nuro_api.h"

namespace {

constexpr int kMaxColumns = 64;
constexpr std::size_t kMaxFieldLength = 255;

std::string libraryDir() {
    Dl_info info{};
    if (dladdr(reinterpret_cast<void*>(&connect5), &info) && info.dli_fname)
        return nuro::paths::directoryOf(info.dli_fname);
    return ".";
}

// A field cannot hold the separator, and a line feed belongs to no field.
void appendField(std::string& out, const unsigned char* text) {
    std::size_t n = 0;
    for (const unsigned char* p = text; p && *p && n < kMaxFieldLength; ++p, ++n)
        out += (*p == '*' || *p == '\n') ? ' ' : static_cast<char>(*p);
    out += '*';
}

std::vector<std::string> requestedColumns(const char* const* columns) {
    std::vector<std::string> names;
    if (!columns || !columns[0]) return names;
    const long count = std::atol(columns[0]);
    for (long i = 1; i < count && i <= kMaxColumns && columns[i]; ++i) names.emplace_back(columns[i]);
    return names;
}

// A file that is no database, a damaged one or one without the place table: SQLite says so when the
// statement is prepared (opening is lazy).
bool damagedDatabase(sqlite3* db) {
    const int code = sqlite3_errcode(db);
    if (code == SQLITE_NOTADB || code == SQLITE_CORRUPT || code == SQLITE_IOERR || code == SQLITE_CANTOPEN) return true;
    const char* message = sqlite3_errmsg(db);
    return message && std::strstr(message, "no such table") != nullptr;
}

// Once per process: a damaged per-user copy would otherwise hide every place behind "no place named".
void reportDamaged(const std::string& path, const std::string& why) {
    static std::atomic<bool> told{false};
    if (!told.exchange(true))
        std::fprintf(stderr, "nuro: the place database %s cannot be used (%s); the installed one is used instead\n",
                     path.c_str(), why.c_str());
}

std::string queryFile(const std::string& path, const char* sql, const char* const* columns, std::string* damaged) {
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK) {
        if (damaged) *damaged = db ? sqlite3_errmsg(db) : "out of memory";
        sqlite3_close(db);
        return {};
    }
    nuro::paths::limitConnection(db);
    std::string reason, row;
    sqlite3_stmt* stmt = nuro::paths::prepareGuarded(db, sql, nuro::paths::StatementKind::SelectPlaces, &reason);
    if (!stmt && damaged && damagedDatabase(db)) *damaged = sqlite3_errmsg(db);
    if (stmt && sqlite3_step(stmt) == SQLITE_ROW) {
        const int n = sqlite3_column_count(stmt);
        const std::vector<std::string> names = requestedColumns(columns);
        if (names.empty()) {
            for (int c = 0; c < n; ++c) appendField(row, sqlite3_column_text(stmt, c));
        } else {
            for (const std::string& name : names) {
                const unsigned char* text = nullptr;
                for (int c = 0; c < n; ++c) {
                    const char* cn = sqlite3_column_name(stmt, c);
                    if (cn && strcasecmp(cn, name.c_str()) == 0) {
                        text = sqlite3_column_text(stmt, c);
                        break;
                    }
                }
                appendField(row, text);
            }
        }
    }
    sqlite3_finalize(stmt);
    sqlite3_close(db);
    return row;
}

std::string runQuery(const char* database, const char* sql, const char* const* columns) {
    if (!database || !sql) return {};
    const std::string dir = libraryDir();
    const std::string path = nuro::paths::resolveDataFile(database, dir);
    const std::string installed = nuro::paths::installedDataDir(dir) + "/" + database;
    if (path == installed || std::strchr(database, '/')) return queryFile(path, sql, columns, nullptr);
    std::string damaged;
    std::string row = queryFile(path, sql, columns, &damaged);
    if (damaged.empty()) return row;
    reportDamaged(path, damaged);
    return queryFile(installed, sql, columns, nullptr);
}

}  // namespace

extern "C" NURO_EXPORT const char* connect5(const char* database, const char* /*user*/, const char* /*password*/,
                                            const char* sql, const char* const* columns) {
    // SQLite has no accounts: the fixed user and password the program sends are accepted as they are.
    thread_local std::string result;
    result = runQuery(database, sql, columns);
    return result.c_str();
}
