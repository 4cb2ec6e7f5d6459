// The "connect5" and "connect5_rows" exports: read-only lookups and searches in the place database.
#include <dlfcn.h>
#include <sqlite3.h>
#include <strings.h>

#include <algorithm>
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

constexpr int kMaxRows = 100;

void appendRow(std::string& out, sqlite3_stmt* stmt, const std::vector<std::string>& names) {
    const int n = sqlite3_column_count(stmt);
    if (names.empty()) {
        for (int c = 0; c < n; ++c) appendField(out, sqlite3_column_text(stmt, c));
        return;
    }
    for (const std::string& name : names) {
        const unsigned char* text = nullptr;
        for (int c = 0; c < n; ++c) {
            const char* cn = sqlite3_column_name(stmt, c);
            if (cn && strcasecmp(cn, name.c_str()) == 0) {
                text = sqlite3_column_text(stmt, c);
                break;
            }
        }
        appendField(out, text);
    }
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

// Up to maxRows rows, each ended by a line feed when several may come; false when the database cannot
// be opened or refuses the statement.
bool runOn(const std::string& path, const char* sql, const std::vector<std::string>& names, int maxRows,
           std::string* out, std::string* damaged = nullptr) {
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK) {
        if (damaged) *damaged = db ? sqlite3_errmsg(db) : "out of memory";
        sqlite3_close(db);
        return false;
    }
    nuro::paths::limitConnection(db);
    std::string reason;
    sqlite3_stmt* stmt = nuro::paths::prepareGuarded(db, sql, nuro::paths::StatementKind::SelectPlaces, &reason);
    if (!stmt && damaged && damagedDatabase(db)) *damaged = sqlite3_errmsg(db);
    for (int r = 0; stmt && r < std::max(maxRows, 1) && sqlite3_step(stmt) == SQLITE_ROW; ++r) {
        appendRow(*out, stmt, names);
        if (maxRows > 0) *out += '\n';
    }
    const bool ran = stmt != nullptr;
    sqlite3_finalize(stmt);
    sqlite3_close(db);
    return ran;
}

// The installed database is read in place. The user's own database holds the places the user changed
// (or, made by an earlier release, a whole copy of the place table): a place lookup asks it first, and
// the installed one when it has no such row or cannot answer the statement (a column it lacks).
std::string runQuery(const char* database, const char* sql, const char* const* columns, int maxRows) {
    if (!database || !sql) return {};
    const std::vector<std::string> names = requestedColumns(columns);
    std::string out;
    const std::string name(database);
    if (name.find('/') != std::string::npos) {
        runOn(name, sql, names, maxRows, &out);
        return out;
    }
    const std::string userDir = nuro::paths::perUserDataDir();
    const std::string user = userDir.empty() ? std::string() : userDir + "/" + name;
    const bool hasUser = !user.empty() && nuro::paths::fileExists(user);
    const std::string installed = nuro::paths::installedDataDir(libraryDir()) + "/" + name;
    if (hasUser && nuro::paths::isPlaceLookup(sql)) {
        std::string damaged;
        if (runOn(user, sql, names, maxRows, &out, &damaged) && !out.empty()) return out;
        if (!damaged.empty()) reportDamaged(user, damaged);
        out.clear();
    }
    if (!nuro::paths::fileExists(installed)) {
        if (hasUser) runOn(user, sql, names, maxRows, &out);
        return out;
    }
    runOn(installed, sql, names, maxRows, &out);
    return out;
}

}  // namespace

extern "C" NURO_EXPORT const char* connect5(const char* database, const char* /*user*/, const char* /*password*/,
                                            const char* sql, const char* const* columns) {
    // SQLite has no accounts: the fixed user and password the program sends are accepted as they are.
    thread_local std::string result;
    result = runQuery(database, sql, columns, 0);
    return result.c_str();
}

extern "C" NURO_EXPORT const char* connect5_rows(const char* database, const char* /*user*/, const char* /*password*/,
                                                 const char* sql, const char* const* columns, int32_t maxRows) {
    thread_local std::string result;
    result = runQuery(database, sql, columns, std::clamp<int32_t>(maxRows, 1, kMaxRows));
    return result.c_str();
}
