// Sound files looked at before SDL sees them: a header no decoder can take, a file that is not a
// regular one, an empty or enormous one is refused with its reason, and the alert falls back.
#include "HostileSupport.h"
#include "platform/os/Sound.h"
#include "platform/os/SoundCheck.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cstdint>
#include <sstream>

namespace nuro {
namespace {

using test::TempDir;

struct WaveHeader {
    std::uint16_t tag = 1, channels = 1;
    std::uint32_t rate = 22050;
    std::uint16_t align = 2, bits = 16;
    std::uint32_t dataBytes = 4410;
    bool data = true;
};

void Put16(std::string& s, std::uint32_t v)
{
    s += char(v & 0xFF), s += char((v >> 8) & 0xFF);
}
void Put32(std::string& s, std::uint32_t v)
{
    Put16(s, v & 0xFFFF), Put16(s, v >> 16);
}

std::string Wave(const WaveHeader& h)
{
    std::string s = "RIFF";
    Put32(s, 36 + h.dataBytes);
    s += "WAVEfmt ";
    Put32(s, 16);
    Put16(s, h.tag);
    Put16(s, h.channels);
    Put32(s, h.rate);
    Put32(s, h.rate * h.align);
    Put16(s, h.align);
    Put16(s, h.bits);
    if (h.data) {
        s += "data";
        Put32(s, h.dataBytes);
        s += std::string(h.dataBytes, '\0');
    }
    return s;
}

// The first Ogg page's header with one packet: Vorbis or Opus identification.
std::string Ogg(const std::string& packet)
{
    std::string s = "OggS";
    s += std::string(22, '\0');
    s += char(1);
    s += char(packet.size());
    return s + packet;
}

std::string Vorbis(unsigned channels, std::uint32_t rate)
{
    std::string p = "\x01vorbis";
    Put32(p, 0);
    p += char(channels);
    Put32(p, rate);
    p.append(14, '\0');
    return p;
}

std::string Opus(unsigned channels, std::uint32_t rate)
{
    std::string p = "OpusHead\x01";
    p += char(channels);
    Put16(p, 312);
    Put32(p, rate);
    return p + std::string(3, '\0');
}

std::string Flac(std::uint32_t rate, unsigned channels)
{
    std::string s = "fLaC";
    s += std::string("\x80\x00\x00\x22", 4); // last block, STREAMINFO, 34 bytes
    std::string info(34, '\0');
    info[10] = char(rate >> 12), info[11] = char(rate >> 4);
    info[12] = char(((rate & 0xF) << 4) | (((channels - 1) & 7) << 1));
    return s + info;
}

// MPEG-1 layer III frames at 128 kbit/s and 44.1 kHz, after an optional ID3 tag of `tagBytes`.
std::string Mp3(std::size_t tagBytes, unsigned char third = 0x90)
{
    std::string s;
    if (tagBytes) {
        s = std::string("ID3\x03\x00\x00", 6);
        s += char((tagBytes >> 21) & 0x7F), s += char((tagBytes >> 14) & 0x7F), s += char((tagBytes >> 7) & 0x7F),
            s += char(tagBytes & 0x7F);
        s += std::string(tagBytes, '\0');
    }
    for (int i = 0; i < 4; ++i)
        s += std::string("\xFF\xFB", 2) + char(third) + std::string(414, '\0');
    return s;
}

TEST(SoundFileCheck, RefusesWhatNoDecoderCanTakeAndSaysWhy)
{
    TempDir dir;
    const struct {
        const char* name;
        std::string bytes; // written to the file, unless `make` makes it
        const char* reason; // a part of the reason; "" for a file that is taken
        std::function<void(const std::string&)> make = {};
    } rows[] = {
        {"mono 16-bit WAV", Wave({}), ""},
        {"stereo 24-bit WAV", Wave({1, 2, 48000, 6, 24}), ""},
        {"float WAV", Wave({3, 1, 44100, 4, 32}), ""},
        {"WAV with 0 channels", Wave({1, 0, 22050, 2, 16}), "0 channels"},
        {"WAV with 99 channels", Wave({1, 99, 22050, 198, 16}), "99 channels"},
        {"WAV at 0 Hz", Wave({1, 1, 0, 2, 16}), "rate of 0 Hz"},
        {"WAV at 4 GHz", Wave({1, 1, 4000000000u, 2, 16}), "rate of 4000000000 Hz"},
        {"WAV with block size 0", Wave({1, 1, 22050, 0, 16}), "block size of 0"},
        {"WAV whose block size contradicts its samples", Wave({1, 2, 22050, 2, 16}), "block size of 2"},
        {"WAV of 7-bit samples", Wave({1, 1, 22050, 1, 7}), "7 bits"},
        {"WAV of an unknown coding", Wave({0x55, 1, 22050, 2, 16}), "format 85"},
        {"WAV without sound data", Wave({.data = false}), "not among its first 64 KiB"},
        {"WAV with empty sound data", Wave({.dataBytes = 0}), "no sound"},
        {"WAV cut inside its header", Wave({}).substr(0, 30), "cut short"},
        {"Ogg Vorbis", Ogg(Vorbis(2, 44100)), ""},
        {"Ogg Vorbis with 0 channels", Ogg(Vorbis(0, 44100)), "0 channels"},
        {"Ogg Vorbis at 0 Hz", Ogg(Vorbis(1, 0)), "rate of 0 Hz"},
        {"Ogg Opus without an input rate", Ogg(Opus(2, 0)), ""},
        {"Ogg Opus with 0 channels", Ogg(Opus(0, 48000)), "0 channels"},
        {"Ogg of something else", Ogg("\x80theora"), "neither Vorbis"},
        {"FLAC", Flac(44100, 2), ""},
        {"FLAC at 0 Hz", Flac(0, 2), "rate of 0 Hz"},
        {"MP3", Mp3(0), ""},
        {"MP3 after a 100 KiB tag (cover art)", Mp3(100 * 1024), ""},
        {"MP3 frames of a forbidden rate", Mp3(0, 0x9C), "not a WAV"},
        {"ID3 tag and no frame", Mp3(64).substr(0, 74), "no MP3 frame"},
        {"text", "just some text", "not a WAV, Ogg, FLAC or MP3"},
        {"empty file", "", "empty"},
        {"FIFO", "", "not a regular file", [](const std::string& p) { ASSERT_EQ(mkfifo(p.c_str(), 0600), 0); }},
        {"folder", "", "not a regular file", [](const std::string& p) { ASSERT_EQ(mkdir(p.c_str(), 0700), 0); }},
        // Only a link: stat tells the device from it, nothing ever opens the device.
        {"link to a device", "", "not a regular file",
         [](const std::string& p) { ASSERT_EQ(symlink("/dev/zero", p.c_str()), 0); }},
        {"missing", "", "cannot be found", [](const std::string&) {}},
        {"larger than the limit (sparse)", "", "larger than 256 MB",
         [](const std::string& p) {
             test::WriteFile(p, Wave({}));
             ASSERT_EQ(truncate(p.c_str(), kSoundFileLimit + 1), 0);
         }},
    };
    int n = 0;
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const std::string path = dir / ("sound" + std::to_string(n++));
        if (row.make)
            row.make(path);
        else
            test::WriteFile(path, row.bytes);
        const std::string why = CheckSoundFile(path);
        if (*row.reason)
            EXPECT_NE(why.find(row.reason), std::string::npos) << why;
        else
            EXPECT_EQ(why, "");
    }
}

// The alert itself on SDL's dummy device: the header that made SDL2 divide by zero is refused before
// it gets there, the reason reaches the log, and um.wav plays instead.
TEST(SoundFileCheck, ABrokenChosenSoundFallsBackWithItsReason)
{
    TempDir dir;
    const std::string fallback = dir / "um.wav";
    test::WriteFile(fallback, Wave({}));
    const struct {
        const char* name;
        std::string bytes;
        const char* logged;
    } rows[] = {
        {"0 channels", Wave({1, 0, 22050, 2, 16}), "0 channels"},
        {"0 Hz", Wave({1, 1, 0, 2, 16}), "rate of 0 Hz"},
        {"Vorbis with 0 channels", Ogg(Vorbis(0, 44100)), "0 channels"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const std::string chosen = dir / "chosen";
        test::WriteFile(chosen, row.bytes);
        std::ostringstream log;
        PlayChosenSound(chosen, fallback, log);
        EXPECT_NE(log.str().find(row.logged), std::string::npos) << log.str();
        EXPECT_NE(log.str().find("instead"), std::string::npos) << log.str();
    }
}

} // namespace
} // namespace nuro
