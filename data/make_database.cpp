// Build step: makes the place database from the committed CSV.
//   make_database places.csv data.ar
#include <sqlite3.h>

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "PlaceTable.h"

namespace {

constexpr int kColumns = 14;  // the 13 of the place query, then zone

// One CSV record: fields separated by commas, a field in double quotes may hold commas and "" for a quote.
bool parseLine(const std::string& line, std::vector<std::string>* fields) {
    fields->clear();
    std::string cur;
    bool quoted = false;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (quoted) {
            if (c == '"' && i + 1 < line.size() && line[i + 1] == '"') {
                cur += '"';
                ++i;
            } else if (c == '"') {
                quoted = false;
            } else {
                cur += c;
            }
        } else if (c == '"') {
            quoted = true;
        } else if (c == ',') {
            fields->push_back(cur);
            cur.clear();
        } else if (c != '\r') {
            cur += c;
        }
    }
    fields->push_back(cur);
    return !quoted;
}

int fail(const std::string& why) {
    std::fprintf(stderr, "make_database: %s\n", why.c_str());
    return 1;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) return fail("usage: make_database places.csv data.ar");
    std::ifstream in(argv[1]);
    if (!in) return fail(std::string("cannot read ") + argv[1]);
    const std::string tmp = std::string(argv[2]) + ".tmp";
    std::remove(tmp.c_str());
    sqlite3* db = nullptr;
    if (sqlite3_open(tmp.c_str(), &db) != SQLITE_OK) return fail("cannot create " + tmp);
    const std::string schema =
        std::string("PRAGMA journal_mode=DELETE;") + nuro::paths::kCreatePlaceTable + nuro::paths::kAddZoneColumn + "BEGIN;";
    if (sqlite3_exec(db, schema.c_str(), nullptr, nullptr, nullptr) != SQLITE_OK) return fail(sqlite3_errmsg(db));
    sqlite3_stmt* ins = nullptr;
    sqlite3_prepare_v2(db, "INSERT INTO nuro VALUES (?,?,?,?,?,?,?,?,?,?,?,?,?,?)", -1, &ins, nullptr);
    std::string line;
    std::vector<std::string> f;
    int lineNo = 0, rows = 0;
    while (std::getline(in, line)) {
        ++lineNo;
        if (lineNo == 1 || line.empty()) continue;  // header
        if (!parseLine(line, &f) || f.size() != kColumns) return fail("bad line " + std::to_string(lineNo));
        // Each column keeps its declared type: text, or a number converted by the column's affinity.
        for (int i = 0; i < kColumns; ++i) sqlite3_bind_text(ins, i + 1, f[i].c_str(), -1, SQLITE_TRANSIENT);
        if (sqlite3_step(ins) != SQLITE_DONE)
            return fail("line " + std::to_string(lineNo) + ": " + sqlite3_errmsg(db));
        sqlite3_reset(ins);
        ++rows;
    }
    sqlite3_finalize(ins);
    if (sqlite3_exec(db, "COMMIT;", nullptr, nullptr, nullptr) != SQLITE_OK) return fail(sqlite3_errmsg(db));
    sqlite3_close(db);
    if (std::rename(tmp.c_str(), argv[2]) != 0) return fail(std::string("cannot write ") + argv[2]);
    std::printf("make_database: %d places\n", rows);
    return 0;
}
