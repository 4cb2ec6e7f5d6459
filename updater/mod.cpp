// mod: applies one UPDATE of the place table to the user's copy of the place database.
// Exit 0 when applied, 2 with one line on standard error otherwise.
#include <sqlite3.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <fstream>
#include <string>

#include "DataPath.h"
#include "StatementGuard.h"
#include "UpdateCheck.h"

namespace {

int fail(const std::string& reason) {
    std::fprintf(stderr, "mod: %s\n", reason.c_str());
    return 2;
}

std::string executableDir() {
    char buf[4096];
    const ssize_t n = ::readlink("/proc/self/exe", buf, sizeof buf - 1);
    if (n <= 0) return ".";
    buf[n] = '\0';
    return nuro::paths::directoryOf(buf);
}

bool makeDirs(const std::string& dir) {
    for (std::size_t i = 1; i <= dir.size(); ++i) {
        if (i == dir.size() || dir[i] == '/') {
            const std::string part = dir.substr(0, i);
            if (::mkdir(part.c_str(), 0755) != 0 && errno != EEXIST) return false;
        }
    }
    return true;
}

// The first change of a user starts from the installed places; written aside, then linked into place
// so that a half-copied file is never taken for the database, and only if no copy stands there yet:
// a second mod copying at the same moment must not replace the first one's copy and its change.
bool copyFile(const std::string& from, const std::string& to) {
    const std::string tmp = to + ".part." + std::to_string(::getpid());
    {
        std::ifstream in(from, std::ios::binary);
        std::ofstream out(tmp, std::ios::binary | std::ios::trunc);
        if (!in || !out) return false;
        out << in.rdbuf();
        out.flush();
        if (!out) {
            std::remove(tmp.c_str());
            return false;
        }
    }
    bool linked = ::link(tmp.c_str(), to.c_str()) == 0 || errno == EEXIST;
    // A file system without hard links: a rename, taken only while no copy stands there yet.
    if (!linked && !nuro::paths::fileExists(to)) linked = std::rename(tmp.c_str(), to.c_str()) == 0;
    std::remove(tmp.c_str());
    return linked;
}

}  // namespace

int main(int argc, char** argv) {
    std::string statement;
    for (int i = 1; i < argc; ++i) {
        if (i > 1) statement += ' ';
        statement += argv[i];
    }
    if (statement.find_first_not_of(" \t\r\n") == std::string::npos) return fail("usage: mod UPDATE-STATEMENT");
    if (const auto why = nuro::updater::CheckUpdateStatement(statement)) return fail("refused: " + *why);

    const std::string userDir = nuro::paths::perUserDataDir();
    if (userDir.empty()) return fail("no per-user data directory (HOME is not set)");
    const std::string target = userDir + "/data.ar";
    if (!nuro::paths::fileExists(target)) {
        const std::string installed = nuro::paths::installedDataDir(executableDir()) + "/data.ar";
        if (!nuro::paths::fileExists(installed)) return fail("no place database at " + installed);
        if (!makeDirs(userDir) || !copyFile(installed, target)) return fail("cannot copy the database to " + target);
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
        if (code != 0) sqlite3_exec(db, "ROLLBACK", nullptr, nullptr, nullptr);
        sqlite3_close(db);
        return code == 0 ? 0 : fail(why);
    };
    if (sqlite3_exec(db, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr) != SQLITE_OK)
        return finish(2, std::string("cannot start a transaction: ") + sqlite3_errmsg(db));

    std::string reason;
    sqlite3_stmt* stmt = nuro::paths::prepareGuarded(db, statement, nuro::paths::StatementKind::UpdatePlaces, &reason);
    if (!stmt) return finish(2, "refused: " + reason);
    const int rc = sqlite3_step(stmt);
    sqlite3_finalize(stmt);
    if (rc != SQLITE_DONE) return finish(2, std::string("update failed: ") + sqlite3_errmsg(db));
    // Reporting success for a statement that matched no place would hide a lost edit.
    if (sqlite3_changes(db) == 0) return finish(2, "no place matched the statement");
    // One statement changes one place; more is undone before it is committed.
    if (sqlite3_changes(db) > 1)
        return finish(2, "the statement would change " + std::to_string(sqlite3_changes(db)) + " places; none was changed");
    if (sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr) != SQLITE_OK)
        return finish(2, std::string("commit failed: ") + sqlite3_errmsg(db));
    return finish(0, {});
}
