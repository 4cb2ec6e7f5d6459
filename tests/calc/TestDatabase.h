// A small place database written by the test itself, and the column table the program passes to connect5.
#pragma once

#include <string>

namespace nuro::test {

// A fresh directory under the system's temporary directory, removed by the destructor.
class TempDir {
public:
    TempDir();
    ~TempDir();
    const std::string& path() const { return path_; }

private:
    std::string path_;
};

// Writes data.ar with the table nuro and a few places, one of them holding a quote in its name.
void writePlaceDatabase(const std::string& file, const std::string& tunisLongitudeDegrees = "10");

int countRows(const std::string& file);

// The program's column table for connect5: the count, the thirteen columns, the work area.
inline const char kColumnWork[28] = {};
inline const char* const kPlaceColumns[] = {"14", "nom",   "d1",     "m1", "s1", "card1", "d2",       "m2",
                                            "s2", "card2", "t_zone", "p",  "t",  "h",     kColumnWork};
std::string queryValue(const std::string& file, const std::string& sql);

} // namespace nuro::test
