// The committed table of an independent ephemeris (reference.csv), read the same way by the oracle test
// and the bench: per row the 18 arguments of "trt" that matter, then the six events in seconds after
// local midnight ("none" where there is no event).
#pragma once

#include <cmath>
#include <cstdint>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "FieldList.h"
#include "nuro_api.h"

namespace nuro::test {

constexpr std::size_t kReferenceColumns = 24;
constexpr std::size_t kFirstReferenceTime = 18;

// The rows after the header, each as its cells.
inline std::vector<std::vector<std::string>> readReferenceTable(const std::string& file)
{
    std::ifstream in(file);
    std::vector<std::vector<std::string>> rows;
    std::string line;
    std::getline(in, line);
    while (std::getline(in, line)) {
        std::vector<std::string>& cells = rows.emplace_back();
        std::stringstream ss(line);
        std::string cell;
        while (std::getline(ss, cell, ','))
            cells.push_back(cell);
    }
    return rows;
}

// "trt" for a row's place-date: no additions, PRECISION 1.
inline std::string trtForReference(const std::vector<std::string>& v)
{
    auto i = [&](int k) { return static_cast<int32_t>(std::stol(v[k])); };
    auto f = [&](int k) { return std::stof(v[k]); };
    return trt(i(0), i(1), i(2), i(3), i(4), f(5), v[6][0], i(7), i(8), f(9), v[10][0], i(11), f(12), f(13), f(14),
               i(15), 0, 0, 0, 0, 0, 0, i(16), i(17), 1);
}

// The library's "HH:MM:SS" minus the reference seconds, the short way round midnight.
inline double differenceSeconds(const std::string& got, const std::string& reference)
{
    double d = std::fmod(clockSeconds(got) - std::stod(reference), 86400.0);
    if (d > 43200)
        d -= 86400;
    if (d < -43200)
        d += 86400;
    return d;
}

} // namespace nuro::test
