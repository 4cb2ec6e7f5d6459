// Build step: makes the place database from the committed CSV.
//   make_database places.csv data.ar
#include <sqlite3.h>

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "ArabicFold.h"
#include "PlaceTable.h"

namespace {

// The CSV's header names the columns: the 13 of the place query, zone, the columns added after it, then
// "names", the words the search table indexes.
constexpr std::size_t kFirstColumns = 14;
constexpr char kNamesColumn[] = "names";

// One CSV record: fields separated by commas, a field in double quotes may hold commas and "" for a quote.
bool parseLine(const std::string& line, std::vector<std::string>* fields)
{
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

// The words to index: each as the CSV has it, followed by its Arabic fold where that differs, so a search
// folded the same way (any alef, heh or yeh form, marks or not) meets it.
std::string indexedWords(const std::string& names)
{
    std::string out;
    std::size_t start = 0;
    while (start <= names.size()) {
        std::size_t end = names.find(' ', start);
        if (end == std::string::npos)
            end = names.size();
        const std::string word = names.substr(start, end - start);
        if (!word.empty()) {
            out += (out.empty() ? "" : " ") + word;
            const std::string folded = nuro::paths::FoldArabicWord(word);
            if (folded != word && !folded.empty())
                out += " " + folded;
        }
        start = end + 1;
    }
    return out;
}

int fail(const std::string& why)
{
    std::fprintf(stderr, "make_database: %s\n", why.c_str());
    return 1;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3)
        return fail("usage: make_database places.csv data.ar");
    std::ifstream in(argv[1]);
    if (!in)
        return fail(std::string("cannot read ") + argv[1]);
    std::string line;
    std::vector<std::string> header, f;
    if (!std::getline(in, line) || !parseLine(line, &header) || header.size() < kFirstColumns)
        return fail("no header line");
    const bool hasNames = header.back() == kNamesColumn;
    const std::size_t tableColumns = header.size() - (hasNames ? 1 : 0);

    const std::string tmp = std::string(argv[2]) + ".tmp";
    std::remove(tmp.c_str());
    sqlite3* db = nullptr;
    if (sqlite3_open(tmp.c_str(), &db) != SQLITE_OK)
        return fail("cannot create " + tmp);
    std::string schema = std::string("PRAGMA journal_mode=OFF; PRAGMA synchronous=OFF;") +
                         nuro::paths::kCreatePlaceTable + nuro::paths::kAddZoneColumn;
    if (tableColumns > kFirstColumns)
        schema += nuro::paths::kAddPlaceColumns;
    if (hasNames)
        schema += nuro::paths::kCreateSearchTable;
    schema += "BEGIN;";
    if (sqlite3_exec(db, schema.c_str(), nullptr, nullptr, nullptr) != SQLITE_OK)
        return fail(sqlite3_errmsg(db));

    // Rows keep the CSV's order, largest place first: the rowid is the rank searches order by.
    std::string sql = "INSERT INTO nuro(rowid";
    for (std::size_t i = 0; i < tableColumns; ++i)
        sql += "," + header[i];
    sql += ") VALUES (?";
    for (std::size_t i = 0; i < tableColumns; ++i)
        sql += ",?";
    sql += ")";
    sqlite3_stmt* ins = nullptr;
    sqlite3_stmt* words = nullptr;
    if (sqlite3_prepare_v2(db, sql.c_str(), -1, &ins, nullptr) != SQLITE_OK)
        return fail(sqlite3_errmsg(db));
    if (hasNames &&
        sqlite3_prepare_v2(db, "INSERT INTO nuro_search(rowid, names) VALUES (?,?)", -1, &words, nullptr) != SQLITE_OK)
        return fail(sqlite3_errmsg(db));
    int lineNo = 1, rows = 0;
    while (std::getline(in, line)) {
        ++lineNo;
        if (line.empty())
            continue;
        if (!parseLine(line, &f) || f.size() != header.size())
            return fail("bad line " + std::to_string(lineNo));
        ++rows;
        sqlite3_bind_int(ins, 1, rows);
        // Each column keeps its declared type: text, or a number converted by the column's affinity.
        for (std::size_t i = 0; i < tableColumns; ++i)
            sqlite3_bind_text(ins, static_cast<int>(i) + 2, f[i].c_str(), -1, SQLITE_TRANSIENT);
        if (sqlite3_step(ins) != SQLITE_DONE)
            return fail("line " + std::to_string(lineNo) + ": " + sqlite3_errmsg(db));
        sqlite3_reset(ins);
        if (words) {
            sqlite3_bind_int(words, 1, rows);
            const std::string indexed = indexedWords(f.back());
            sqlite3_bind_text(words, 2, indexed.c_str(), -1, SQLITE_TRANSIENT);
            if (sqlite3_step(words) != SQLITE_DONE)
                return fail("line " + std::to_string(lineNo) + ": " + sqlite3_errmsg(db));
            sqlite3_reset(words);
        }
    }
    sqlite3_finalize(ins);
    sqlite3_finalize(words);
    std::string finish = "COMMIT;";
    if (tableColumns > kFirstColumns)
        finish += nuro::paths::kCreatePlaceIndexes;
    if (words)
        finish += "INSERT INTO nuro_search(nuro_search) VALUES ('optimize');";
    finish += "VACUUM;";
    if (sqlite3_exec(db, finish.c_str(), nullptr, nullptr, nullptr) != SQLITE_OK)
        return fail(sqlite3_errmsg(db));
    sqlite3_close(db);
    if (std::rename(tmp.c_str(), argv[2]) != 0)
        return fail(std::string("cannot write ") + argv[2]);
    std::printf("make_database: %d places\n", rows);
    return 0;
}
