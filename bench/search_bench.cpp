// Figures for place search on the shipped database: each keystroke of a few typed names runs what a
// search needs through the library (the exact names, then the word prefixes, largest first), and the
// first start's largest places of a zone.
//   search_bench [DATA-DIR]   (default: the build tree's share/nuro)
#include <sys/stat.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <iterator>
#include <string>
#include <vector>

#include "nuro_api.h"

namespace {

const char kWork[28] = {};
const char* const kColumns[] = {"5", "nom", "region", "country", "population", kWork};

double ms(std::chrono::steady_clock::duration d)
{
    return std::chrono::duration<double, std::milli>(d).count();
}

std::string quotedWords(const std::string& typed)
{
    std::string out, word;
    auto flush = [&] {
        if (word.empty())
            return;
        out += (out.empty() ? "\"" : " \"") + word + "\"*";
        word.clear();
    };
    for (char c : typed) {
        if (c == ' ' || c == ',') {
            flush();
        } else {
            word += c;
            if (c == '"')
                word += '"';
            if (c == '\'')
                word += '\'';
        }
    }
    flush();
    return out;
}

// One keystroke: the places of exactly that name, then those with words beginning so.
int keystroke(const std::string& typed)
{
    std::string exact = "select nom, region, country, population from nuro where asciiname = '";
    for (char c : typed)
        exact += c == '\'' ? std::string("''") : std::string(1, c);
    exact += "' collate nocase order by rowid limit 20";
    const std::string words = "select nuro.nom, nuro.region, nuro.country, nuro.population from nuro_search join nuro"
                              " on nuro.rowid = nuro_search.rowid where nuro_search match '" +
                              quotedWords(typed) + "' order by nuro_search.rowid limit 20";
    int rows = 0;
    for (const std::string& sql : {exact, words}) {
        const std::string out = connect5_rows("data.ar", "user", "qvx", sql.c_str(), kColumns, 20);
        rows += static_cast<int>(std::count(out.begin(), out.end(), '\n'));
    }
    return rows;
}

} // namespace

int main(int argc, char** argv)
{
    const std::string dir = argc > 1 ? argv[1] : NURO_BUILD_SHARE;
    ::setenv("NURO_DATA_DIR", dir.c_str(), 1);
    ::setenv("XDG_DATA_HOME", "/nonexistent", 1);
    struct stat st {};
    if (::stat((dir + "/data.ar").c_str(), &st) != 0) {
        std::fprintf(stderr, "search_bench: no %s/data.ar\n", dir.c_str());
        return 1;
    }
    std::printf("database: %s/data.ar, %.1f MB\n", dir.c_str(), st.st_size / 1e6);

    const auto t0 = std::chrono::steady_clock::now();
    const std::string first =
        connect5_rows("data.ar", "user", "qvx",
                      "select nom from nuro where zone = 'Africa/Tunis' order by rowid limit 10", kColumns, 10);
    std::printf("first start, the 10 largest places of a zone: %.2f ms (first call of the process)\n",
                ms(std::chrono::steady_clock::now() - t0));
    if (first.empty())
        return 1;

    const char* typed[] = {"london", "sao paulo", "zurich", "springfield", "makkah", "تونس", "kuala lumpur", "s"};
    std::vector<double> all;
    std::printf("%-14s %9s %9s %6s\n", "typed", "median ms", "worst ms", "rows");
    for (const char* name : typed) {
        const std::string text(name);
        std::vector<double> times;
        int rows = 0;
        // Every beginning of the text, as each keystroke makes it (whole UTF-8 characters only).
        for (std::size_t n = 1; n <= text.size(); ++n) {
            if (n < text.size() && (static_cast<unsigned char>(text[n]) & 0xC0) == 0x80)
                continue;
            // The median of five runs, so that another process's burst on a shared machine is not taken
            // for the keystroke's cost.
            double runs[5];
            for (double& r : runs) {
                const auto a = std::chrono::steady_clock::now();
                rows = keystroke(text.substr(0, n));
                r = ms(std::chrono::steady_clock::now() - a);
            }
            std::sort(std::begin(runs), std::end(runs));
            times.push_back(runs[2]);
        }
        std::sort(times.begin(), times.end());
        all.insert(all.end(), times.begin(), times.end());
        std::printf("%-14s %9.2f %9.2f %6d\n", name, times[times.size() / 2], times.back(), rows);
    }
    std::sort(all.begin(), all.end());
    std::printf("all keystrokes: median %.2f ms, worst %.2f ms (%zu)\n", all[all.size() / 2], all.back(), all.size());
    return 0;
}
