// Reading committed resource files byte by byte, as the formats define them.
#pragma once

#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace nuro::test {

inline std::vector<std::uint8_t> ReadFileBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Little-endian unsigned value at `at`; 0 past the end, so a short file fails its checks instead of crashing.
inline std::uint32_t Le(const std::vector<std::uint8_t>& b, std::size_t at, int bytes)
{
    std::uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; --i)
        v = v << 8 | (at + i < b.size() ? b[at + i] : 0u);
    return v;
}

inline std::int32_t LeSigned32(const std::vector<std::uint8_t>& b, std::size_t at)
{
    return static_cast<std::int32_t>(Le(b, at, 4));
}

inline std::string ResourcePath(const std::string& relative)
{
    return std::string(NURO_RESOURCES_DIR) + "/" + relative;
}

// The committed file of picture `id`.
inline std::vector<std::uint8_t> PictureFile(int id)
{
    return ReadFileBytes(ResourcePath("pictures/" + std::to_string(id) + ".bmp"));
}

inline int BmpRowBytes(int width, int bitsPerPixel)
{
    return (width * bitsPerPixel + 31) / 32 * 4;
}

// The palette index (indexed files) or 0xRRGGBB (24-bit) of pixel (x, y), y counted from the top.
inline std::uint32_t BmpPixel(const std::vector<std::uint8_t>& b, int x, int y)
{
    const int width = LeSigned32(b, 18), height = LeSigned32(b, 22), bits = static_cast<int>(Le(b, 28, 2));
    const std::size_t row = Le(b, 10, 4) + static_cast<std::size_t>(height - 1 - y) * BmpRowBytes(width, bits);
    switch (bits) {
    case 24:
        return Le(b, row + 3 * x, 3);
    case 8:
        return Le(b, row + x, 1);
    case 4:
        return x % 2 ? Le(b, row + x / 2, 1) & 0x0f : Le(b, row + x / 2, 1) >> 4;
    default:
        return 0;
    }
}

// The colour of pixel (x, y) as 0xRRGGBB, through the palette where there is one.
inline std::uint32_t BmpColour(const std::vector<std::uint8_t>& b, int x, int y)
{
    const std::uint32_t value = BmpPixel(b, x, y);
    if (Le(b, 28, 2) == 24)
        return value;
    return Le(b, 54 + 4 * value, 3);
}

} // namespace nuro::test
