// A private folder per test and a program run with its exit status and its two outputs.
#pragma once

#include <string>
#include <vector>

namespace nuro::test {

class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::string& Path() const { return path_; }
    std::string operator/(const std::string& name) const { return path_ + "/" + name; }

private:
    std::string path_;
};

std::string ReadFile(const std::string& path);
void WriteFile(const std::string& path, const std::string& text);

struct RunResult {
    int status = -1;
    std::string out, err;
};
// Runs `program` with `args` and the environment variables `env` ("NAME=value") added, outputs kept
// in `dir`.
RunResult RunProgram(const std::string& program, const std::vector<std::string>& args,
                     const std::vector<std::string>& env, const TempDir& dir);

} // namespace nuro::test
