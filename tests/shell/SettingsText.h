// The settings file as tests read it back: its whole text, and its keys.
#pragma once

#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>

namespace nuro::test {

inline std::string ReadWholeFile(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

// Key to value of every "key=value" line; the file has the one section SETUP.
inline std::map<std::string, std::string> SettingsKeys(const std::string& text)
{
    std::map<std::string, std::string> keys;
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line))
        if (auto eq = line.find('='); eq != std::string::npos && line[0] != '[')
            keys[line.substr(0, eq)] = line.substr(eq + 1);
    return keys;
}

} // namespace nuro::test
