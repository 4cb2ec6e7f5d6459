// Sound fixtures made in the tests: a sine tone and a 16-bit mono PCM wave file of it.
#pragma once

#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <vector>

namespace nuro {

inline std::vector<float> Tone(double seconds, int rate)
{
    std::vector<float> samples(static_cast<std::size_t>(seconds * rate));
    for (std::size_t i = 0; i < samples.size(); ++i)
        samples[i] = 0.3f * static_cast<float>(std::sin(2 * M_PI * 440.0 * double(i) / rate));
    return samples;
}

inline void WriteWav(const std::filesystem::path& path, double seconds, int rate = 22050)
{
    const std::vector<float> tone = Tone(seconds, rate);
    const auto dataBytes = static_cast<std::uint32_t>(tone.size() * 2);
    std::ofstream out(path, std::ios::binary);
    auto u32 = [&](std::uint32_t v) { out.write(reinterpret_cast<const char*>(&v), 4); };
    auto u16 = [&](std::uint16_t v) { out.write(reinterpret_cast<const char*>(&v), 2); };
    out.write("RIFF", 4);
    u32(36 + dataBytes);
    out.write("WAVEfmt ", 8);
    u32(16);
    u16(1); // PCM
    u16(1); // mono
    u32(static_cast<std::uint32_t>(rate));
    u32(static_cast<std::uint32_t>(rate) * 2);
    u16(2);
    u16(16);
    out.write("data", 4);
    u32(dataBytes);
    for (float f : tone)
        u16(static_cast<std::uint16_t>(static_cast<std::int16_t>(f * 32767)));
}

} // namespace nuro
