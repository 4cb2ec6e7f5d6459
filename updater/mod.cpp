// mod: applies one UPDATE of the place table to the user's own place database, which holds only the
// places the user changed (an earlier release's whole copy is updated as it stands).
// Exit 0 when applied, 2 with one line on standard error otherwise.
#include <sqlite3.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <string>
#include <vector>

#include "DataPath.h"
#include "PlaceTable.h"
#include "StatementGuard.h"
#include "UpdateCheck.h"

namespace {

int fail(const std::string& reason)
{
    std::fprintf(stderr, "mod: %s\n", reason.c_str());
    return 2;
}

std::string executableDir()
{
    char buf[4096];
    const ssize_t n = ::readlink("/proc/self/exe", buf, sizeof buf - 1);
    if (n <= 0)
        return ".";
    buf[n] = '\0';
    return nuro::paths::directoryOf(buf);
}

bool makeDirs(const std::string& dir)
{
    for (std::size_t i = 1; i <= dir.size(); ++i) {
        if (i == dir.size() || dir[i] == '/') {
            const std::string part = dir.substr(0, i);
            if (::mkdir(part.c_str(), 0755) != 0 && errno != EEXIST)
                return false;
        }
    }
    return true;
}

// The user's database starts empty; made aside, then linked into place so that a half-made file is
// never taken for it, and only if none stands there yet: a second mod making one at the same moment must
// not replace the first one's and its change.
bool createStore(const std::string& to)
{
    const std::string tmp = to + ".part." + std::to_string(::getpid());
    std::remove(tmp.c_str());
    sqlite3* db = nullptr;
    const std::string schema = std::string("PRAGMA journal_mode=DELETE;") + nuro::paths::kCreatePlaceTable +
                               nuro::paths::kAddZoneColumn + nuro::paths::kAddPlaceColumns;
    const bool made = sqlite3_open(tmp.c_str(), &db) == SQLITE_OK &&
                      sqlite3_exec(db, schema.c_str(), nullptr, nullptr, nullptr) == SQLITE_OK;
    sqlite3_close(db);
    bool linked = made && (::link(tmp.c_str(), to.c_str()) == 0 || errno == EEXIST);
    // A file system without hard links: a rename, taken only while no database stands there yet.
    if (made && !linked && !nuro::paths::fileExists(to))
        linked = std::rename(tmp.c_str(), to.c_str()) == 0;
    std::remove(tmp.c_str());
    return linked;
}

std::string quoted(const std::string& name)
{
    std::string out = "\"";
    for (char c : name)
        out += c == '"' ? std::string("\"\"") : std::string(1, c);
    return out + "\"";
}

// Copies the installed row of the place the statement names into the user's database, in the columns both
// have; false when the installed database has no such place.
bool copyInstalledRow(sqlite3* store, const std::string& installed, const std::string& statement)
{
    std::string name = nuro::paths::trailingPlaceName(statement);
    if (name.empty())
        return false;
    sqlite3* from = nullptr;
    if (sqlite3_open_v2(installed.c_str(), &from, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK) {
        sqlite3_close(from);
        return false;
    }
    sqlite3_stmt* row = nullptr;
    sqlite3_prepare_v2(from, "select * from nuro where nom=?", -1, &row, nullptr);
    bool found = false;
    // The name as it stands between the quotes, else with its doubled quotes read as SQL reads them.
    for (int attempt = 0; attempt < 2 && row && !found; ++attempt) {
        if (attempt == 1) {
            for (std::size_t at = name.find("''"); at != std::string::npos; at = name.find("''", at + 1))
                name.erase(at, 1);
        }
        sqlite3_reset(row);
        sqlite3_bind_text(row, 1, name.c_str(), -1, SQLITE_TRANSIENT);
        found = sqlite3_step(row) == SQLITE_ROW;
    }
    bool copied = false;
    if (found) {
        std::string have = ",";
        sqlite3_stmt* info = nullptr;
        sqlite3_prepare_v2(store, "select name from pragma_table_info('nuro')", -1, &info, nullptr);
        while (info && sqlite3_step(info) == SQLITE_ROW)
            have += std::string(reinterpret_cast<const char*>(sqlite3_column_text(info, 0))) + ",";
        sqlite3_finalize(info);
        std::string cols, marks;
        std::vector<int> fromColumns;
        for (int c = 0; c < sqlite3_column_count(row); ++c) {
            const std::string col = sqlite3_column_name(row, c);
            if (have.find("," + col + ",") == std::string::npos)
                continue;
            cols += (cols.empty() ? "" : ",") + quoted(col);
            marks += marks.empty() ? "?" : ",?";
            fromColumns.push_back(c);
        }
        sqlite3_stmt* ins = nullptr;
        const std::string sql = "insert or ignore into nuro(" + cols + ") values (" + marks + ")";
        if (sqlite3_prepare_v2(store, sql.c_str(), -1, &ins, nullptr) == SQLITE_OK) {
            for (std::size_t i = 0; i < fromColumns.size(); ++i)
                sqlite3_bind_value(ins, static_cast<int>(i) + 1, sqlite3_column_value(row, fromColumns[i]));
            copied = sqlite3_step(ins) == SQLITE_DONE;
        }
        sqlite3_finalize(ins);
    }
    sqlite3_finalize(row);
    sqlite3_close(from);
    return copied;
}

} // namespace

int main(int argc, char** argv)
{
    std::string statement;
    for (int i = 1; i < argc; ++i) {
        if (i > 1)
            statement += ' ';
        statement += argv[i];
    }
    if (statement.find_first_not_of(" \t\r\n") == std::string::npos)
        return fail("usage: mod UPDATE-STATEMENT");
    if (const auto why = nuro::updater::CheckUpdateStatement(statement))
        return fail("refused: " + *why);

    const std::string userDir = nuro::paths::perUserDataDir();
    if (userDir.empty())
        return fail("no per-user data directory (HOME is not set)");
    const std::string target = userDir + "/data.ar";
    const std::string installed = nuro::paths::installedDataDir(executableDir()) + "/data.ar";
    if (!nuro::paths::fileExists(target)) {
        if (!nuro::paths::fileExists(installed))
            return fail("no place database at " + installed);
        if (!makeDirs(userDir) || !createStore(target))
            return fail("cannot create the database " + target);
    }

    sqlite3* db = nullptr;
    if (sqlite3_open_v2(target.c_str(), &db, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK) {
        const std::string why = db ? sqlite3_errmsg(db) : "out of memory";
        sqlite3_close(db);
        return fail("cannot open " + target + ": " + why);
    }
    sqlite3_busy_timeout(db, 5000);
    nuro::paths::limitConnection(db);
    auto finish = [&](int code, const std::string& why) {
        if (code != 0)
            sqlite3_exec(db, "ROLLBACK", nullptr, nullptr, nullptr);
        sqlite3_close(db);
        return code == 0 ? 0 : fail(why);
    };
    if (sqlite3_exec(db, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr) != SQLITE_OK)
        return finish(2, std::string("cannot start a transaction: ") + sqlite3_errmsg(db));

    std::string reason;
    sqlite3_stmt* stmt = nuro::paths::prepareGuarded(db, statement, nuro::paths::StatementKind::UpdatePlaces, &reason);
    if (!stmt)
        return finish(2, "refused: " + reason);
    int rc = sqlite3_step(stmt);
    // A place's first change: its installed row joins the user's places, then takes the change.
    if (rc == SQLITE_DONE && sqlite3_changes(db) == 0 && copyInstalledRow(db, installed, statement)) {
        sqlite3_reset(stmt);
        rc = sqlite3_step(stmt);
    }
    sqlite3_finalize(stmt);
    if (rc != SQLITE_DONE)
        return finish(2, std::string("update failed: ") + sqlite3_errmsg(db));
    // Reporting success for a statement that matched no place would hide a lost edit.
    if (sqlite3_changes(db) == 0)
        return finish(2, "no place matched the statement");
    // One statement changes one place; more is undone before it is committed.
    if (sqlite3_changes(db) > 1)
        return finish(2, "the statement would change " + std::to_string(sqlite3_changes(db)) +
                             " places; none was changed");
    if (sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr) != SQLITE_OK)
        return finish(2, std::string("commit failed: ") + sqlite3_errmsg(db));
    return finish(0, {});
}
