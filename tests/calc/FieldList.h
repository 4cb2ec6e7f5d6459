// Reading the library's answers: a '*'-ended field list and the "HH:MM:SS" times in it.
#pragma once

#include <string>
#include <vector>

namespace nuro::test {

// The fields of a '*'-ended list; text after the last '*' is no field.
inline std::vector<std::string> splitFields(const std::string& text)
{
    std::vector<std::string> out;
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i)
        if (text[i] == '*') {
            out.push_back(text.substr(start, i - start));
            start = i + 1;
        }
    return out;
}

// Seconds after midnight of "HH:MM:SS".
inline int clockSeconds(const std::string& t)
{
    return std::stoi(t.substr(0, 2)) * 3600 + std::stoi(t.substr(3, 2)) * 60 + std::stoi(t.substr(6, 2));
}

} // namespace nuro::test
