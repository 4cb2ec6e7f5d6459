// A small place database written by the test itself, and environment switches for where it is found.
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
std::string queryValue(const std::string& file, const std::string& sql);

}  // namespace nuro::test
