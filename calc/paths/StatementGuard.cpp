#include "StatementGuard.h"

#include <sqlite3.h>
#include <strings.h>

#include <cctype>
#include <cstring>

namespace nuro::paths {
namespace {

constexpr const char* kTable = "nuro";
constexpr const char* kSearch = "nuro_search";

struct AuthState {
    StatementKind kind;
    int updates = 0;
    int selects = 0;
    int reads = 0;
};

bool inMain(const char* database) { return !database || strcmp(database, "main") == 0; }

bool isPlaceTable(const char* table, const char* database) {
    return table && strcasecmp(table, kTable) == 0 && inMain(database);
}

bool isSearchTable(const char* table, const char* database) {
    return table && strcasecmp(table, kSearch) == 0 && inMain(database);
}

bool allowedFunction(const char* name) {
    static constexpr const char* kAllowed[] = {"lower", "upper",  "trim",  "ltrim",   "rtrim",    "length", "abs",
                                               "round", "substr", "like",  "glob",    "coalesce", "ifnull", "nullif",
                                               "min",   "max",    "instr", "replace", "typeof",   "match"};
    if (!name) return false;
    for (const char* f : kAllowed)
        if (strcasecmp(name, f) == 0) return true;
    return false;
}

int authorize(void* ctx, int action, const char* a, const char* b, const char* database, const char*) {
    auto* st = static_cast<AuthState*>(ctx);
    switch (action) {
        case SQLITE_SELECT:
            if (st->kind != StatementKind::SelectPlaces) return SQLITE_DENY;
            ++st->selects;
            return SQLITE_OK;
        case SQLITE_READ:
            if (!isPlaceTable(a, database) && (st->kind != StatementKind::SelectPlaces || !isSearchTable(a, database)))
                return SQLITE_DENY;
            ++st->reads;
            return SQLITE_OK;
        case SQLITE_UPDATE:
            // The name is the key the user's changes are kept and found under: it never changes.
            if (st->kind != StatementKind::UpdatePlaces || !isPlaceTable(a, database) || !b ||
                strcasecmp(b, "nom") == 0)
                return SQLITE_DENY;
            ++st->updates;
            return SQLITE_OK;
        case SQLITE_FUNCTION:
            return allowedFunction(b) ? SQLITE_OK : SQLITE_DENY;
        default:
            return SQLITE_DENY;
    }
}

bool onlyBlanks(const char* s) {
    for (; *s; ++s)
        if (!std::isspace(static_cast<unsigned char>(*s)) && *s != ';') return false;
    return true;
}

// Splits "... nom='NAME'" (with an optional ';' and blanks after it) at its last " nom='", so NAME can be
// bound as it stands even when it holds a quote.
bool splitTrailingName(const std::string& sql, std::string* head, std::string* name) {
    std::string lower(sql);
    for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    const auto at = lower.rfind(" nom='");
    if (at == std::string::npos) return false;
    std::size_t end = sql.size();
    while (end > 0 && (std::isspace(static_cast<unsigned char>(sql[end - 1])) || sql[end - 1] == ';')) --end;
    const std::size_t start = at + 6;
    if (end <= start || sql[end - 1] != '\'') return false;
    *head = sql.substr(0, at) + " nom=?";
    *name = sql.substr(start, end - 1 - start);
    return true;
}

std::string normalized(const std::string& s) {
    std::string out;
    for (char c : s) {
        const char l = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        if (std::isspace(static_cast<unsigned char>(l))) {
            if (!out.empty() && out.back() != ' ') out += ' ';
        } else {
            out += l;
        }
    }
    while (!out.empty() && out.back() == ' ') out.pop_back();
    return out;
}

sqlite3_stmt* prepareOne(sqlite3* db, const std::string& sql, StatementKind kind, std::string* reason) {
    AuthState st{kind};
    sqlite3_set_authorizer(db, authorize, &st);
    sqlite3_stmt* stmt = nullptr;
    const char* tail = nullptr;
    const int rc = sqlite3_prepare_v2(db, sql.c_str(), static_cast<int>(sql.size()) + 1, &stmt, &tail);
    sqlite3_set_authorizer(db, nullptr, nullptr);
    auto refuse = [&](const char* why) -> sqlite3_stmt* {
        *reason = why;  // first: why may be the connection's own error text
        sqlite3_finalize(stmt);
        return nullptr;
    };
    if (rc != SQLITE_OK) return refuse(rc == SQLITE_AUTH ? "statement not allowed" : sqlite3_errmsg(db));
    if (!stmt) return refuse("empty statement");
    if (tail && !onlyBlanks(tail)) return refuse("only one statement is allowed");
    if (kind == StatementKind::UpdatePlaces && st.updates == 0) return refuse("only an UPDATE of nuro is allowed");
    if (kind == StatementKind::SelectPlaces && (st.selects == 0 || st.reads == 0 || !sqlite3_stmt_readonly(stmt)))
        return refuse("only a SELECT of nuro is allowed");
    return stmt;
}

int abortLongRun(void*) { return 1; }

}  // namespace

bool isPlaceLookup(const std::string& sql) {
    std::string head, name;
    if (!splitTrailingName(sql, &head, &name)) return false;
    const std::string h = normalized(head);
    const std::string tail = " from nuro where nom=?";
    return h.rfind("select ", 0) == 0 && h.size() > tail.size() &&
           h.compare(h.size() - tail.size(), tail.size(), tail) == 0;
}

std::string trailingPlaceName(const std::string& sql) {
    std::string head, name;
    return splitTrailingName(sql, &head, &name) ? name : std::string();
}

void limitConnection(sqlite3* db) {
    sqlite3_limit(db, SQLITE_LIMIT_SQL_LENGTH, 100000);
    sqlite3_limit(db, SQLITE_LIMIT_LENGTH, 1000000);
    sqlite3_limit(db, SQLITE_LIMIT_EXPR_DEPTH, 100);
    sqlite3_limit(db, SQLITE_LIMIT_COMPOUND_SELECT, 8);
    sqlite3_limit(db, SQLITE_LIMIT_ATTACHED, 0);
    sqlite3_limit(db, SQLITE_LIMIT_TRIGGER_DEPTH, 1);
    sqlite3_db_config(db, SQLITE_DBCONFIG_DEFENSIVE, 1, nullptr);
    sqlite3_db_config(db, SQLITE_DBCONFIG_TRUSTED_SCHEMA, 0, nullptr);
    sqlite3_db_config(db, SQLITE_DBCONFIG_ENABLE_TRIGGER, 0, nullptr);
    sqlite3_db_config(db, SQLITE_DBCONFIG_ENABLE_VIEW, 0, nullptr);
    // A statement that has not finished after some million steps is not a place lookup.
    sqlite3_progress_handler(db, 1000000, abortLongRun, nullptr);
}

sqlite3_stmt* prepareGuarded(sqlite3* db, const std::string& sql, StatementKind kind, std::string* reason) {
    // FTS5 reads its own tables when it first meets the search table on a connection; met here, before
    // the authorizer watches, a statement never needs those tables admitted.
    if (kind == StatementKind::SelectPlaces) {
        sqlite3_stmt* warm = nullptr;
        sqlite3_prepare_v2(db, "SELECT rowid FROM nuro_search LIMIT 0", -1, &warm, nullptr);
        sqlite3_finalize(warm);
    }
    sqlite3_stmt* stmt = prepareOne(db, sql, kind, reason);
    if (stmt) return stmt;
    std::string head, name;
    if (!splitTrailingName(sql, &head, &name) || name.find('\'') == std::string::npos) return nullptr;
    std::string second;
    stmt = prepareOne(db, head, kind, &second);
    if (!stmt || sqlite3_bind_parameter_count(stmt) != 1 ||
        sqlite3_bind_text(stmt, 1, name.c_str(), static_cast<int>(name.size()), SQLITE_TRANSIENT) != SQLITE_OK) {
        sqlite3_finalize(stmt);
        return nullptr;
    }
    return stmt;
}

}  // namespace nuro::paths
