// The "connect5" export: one read-only lookup in the place database.
#include <dlfcn.h>
#include <sqlite3.h>
#include <strings.h>

#include <cstdlib>
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

std::string runQuery(const char* database, const char* sql, const char* const* columns) {
    if (!database || !sql) return {};
    const std::string path = nuro::paths::resolveDataFile(database, libraryDir());
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK) {
        sqlite3_close(db);
        return {};
    }
    nuro::paths::limitConnection(db);
    std::string reason, row;
    sqlite3_stmt* stmt = nuro::paths::prepareGuarded(db, sql, nuro::paths::StatementKind::SelectPlaces, &reason);
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

}  // namespace

extern "C" NURO_EXPORT const char* connect5(const char* database, const char* /*user*/, const char* /*password*/,
                                            const char* sql, const char* const* columns) {
    // SQLite has no accounts: the fixed user and password the program sends are accepted as they are.
    thread_local std::string result;
    result = runQuery(database, sql, columns);
    return result.c_str();
}
