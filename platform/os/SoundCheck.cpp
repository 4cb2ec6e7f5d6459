#include "platform/os/SoundCheck.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <vector>

namespace nuro {
namespace {

constexpr std::size_t kHeadBytes = 64 * 1024;
// What decoders are built for; a header beyond these is damaged or made to harm.
constexpr std::uint32_t kMaxChannels = 8;
constexpr std::uint32_t kMinRate = 1000, kMaxRate = 384000;

using Bytes = std::vector<unsigned char>;

std::uint32_t U16(const Bytes& b, std::size_t at)
{
    return b[at] | (b[at + 1] << 8);
}
std::uint32_t U32(const Bytes& b, std::size_t at)
{
    return b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) | (std::uint32_t{b[at + 3]} << 24);
}
bool Has(const Bytes& b, std::size_t at, const char* text)
{
    const std::size_t n = std::strlen(text);
    return at + n <= b.size() && std::memcmp(b.data() + at, text, n) == 0;
}

std::string ChannelsAndRate(std::uint32_t channels, std::uint32_t rate, bool rateOptional = false)
{
    if (channels == 0 || channels > kMaxChannels)
        return "its header gives " + std::to_string(channels) + " channels";
    if ((rate == 0 && !rateOptional) || (rate != 0 && (rate < kMinRate || rate > kMaxRate)))
        return "its header gives a rate of " + std::to_string(rate) + " Hz";
    return {};
}

std::string CheckWave(const Bytes& b)
{
    bool haveFormat = false;
    std::size_t at = 12;
    while (at + 8 <= b.size()) {
        const std::uint32_t size = U32(b, at + 4);
        if (Has(b, at, "fmt ")) {
            if (size < 16 || at + 8 + 16 > b.size())
                return "its format chunk is cut short";
            const std::size_t f = at + 8;
            std::uint32_t tag = U16(b, f);
            const std::uint32_t channels = U16(b, f + 2), rate = U32(b, f + 4), align = U16(b, f + 12),
                                bits = U16(b, f + 14);
            if (tag == 0xFFFE) {
                if (size < 40 || f + 26 > b.size())
                    return "its extensible format chunk is cut short";
                tag = U16(b, f + 24);
            }
            if (std::string why = ChannelsAndRate(channels, rate); !why.empty())
                return why;
            if (align == 0)
                return "its header gives a block size of 0";
            const bool pcm = tag == 1, real = tag == 3;
            if (pcm || real) {
                const bool bitsOk =
                    pcm ? (bits == 8 || bits == 16 || bits == 24 || bits == 32) : (bits == 32 || bits == 64);
                if (!bitsOk)
                    return "its header gives " + std::to_string(bits) + " bits per sample";
                if (align != channels * bits / 8)
                    return "its header gives a block size of " + std::to_string(align) + " for " +
                           std::to_string(channels) + " channels of " + std::to_string(bits) + " bits";
            } else if (tag != 2 && tag != 6 && tag != 7 && tag != 0x11) {
                return "its sound is coded in a way NURO does not play (format " + std::to_string(tag) + ")";
            }
            haveFormat = true;
        } else if (Has(b, at, "data")) {
            if (!haveFormat)
                return "its sound data comes before its format";
            if (size == 0)
                return "it holds no sound";
            return {};
        }
        // Chunks are padded to an even size.
        const std::uint64_t next = std::uint64_t{at} + 8 + size + (size & 1);
        if (next > b.size())
            break;
        at = static_cast<std::size_t>(next);
    }
    return haveFormat ? "its sound data is not among its first 64 KiB" : "it has no format chunk";
}

std::string CheckFlacInfo(const Bytes& b, std::size_t info)
{
    if (info + 18 > b.size())
        return "its FLAC header is cut short";
    const std::uint32_t rate = (b[info + 10] << 12) | (b[info + 11] << 4) | (b[info + 12] >> 4);
    const std::uint32_t channels = ((b[info + 12] >> 1) & 7) + 1;
    return ChannelsAndRate(channels, rate);
}

std::string CheckOgg(const Bytes& b)
{
    if (b.size() < 27)
        return "its first Ogg page is cut short";
    const std::size_t segments = b[26];
    const std::size_t p = 27 + segments;
    if (Has(b, p, "\x01vorbis")) {
        if (p + 16 > b.size())
            return "its Vorbis header is cut short";
        return ChannelsAndRate(b[p + 11], U32(b, p + 12));
    }
    if (Has(b, p, "OpusHead")) {
        if (p + 16 > b.size())
            return "its Opus header is cut short";
        return ChannelsAndRate(b[p + 9], U32(b, p + 12), true); // Opus always decodes at 48 kHz
    }
    if (Has(b, p,
            "\x7F"
            "FLAC") &&
        Has(b, p + 9, "fLaC"))
        return CheckFlacInfo(b, p + 17);
    return "its Ogg stream is neither Vorbis, Opus nor FLAC";
}

bool Mp3FrameAt(const Bytes& b, std::size_t at)
{
    if (at + 4 > b.size() || b[at] != 0xFF || (b[at + 1] & 0xE0) != 0xE0)
        return false;
    const unsigned version = (b[at + 1] >> 3) & 3, layer = (b[at + 1] >> 1) & 3;
    const unsigned bitrate = b[at + 2] >> 4, rate = (b[at + 2] >> 2) & 3;
    return version != 1 && layer != 0 && bitrate != 0 && bitrate != 15 && rate != 3;
}

ssize_t ReadAt(int fd, unsigned char* into, std::size_t size, off_t at)
{
    for (;;) {
        const ssize_t n = pread(fd, into, size, at);
        if (n < 0 && errno == EINTR)
            continue;
        return n;
    }
}

std::string CheckMp3(int fd, const Bytes& head, std::int64_t fileSize)
{
    std::uint64_t start = 0;
    if (Has(head, 0, "ID3")) {
        if (head.size() < 10 || ((head[6] | head[7] | head[8] | head[9]) & 0x80))
            return "its ID3 tag is damaged";
        const std::uint64_t size = (head[6] << 21) | (head[7] << 14) | (head[8] << 7) | head[9];
        start = 10 + size + ((head[5] & 0x10) ? 10 : 0);
    }
    if (start >= static_cast<std::uint64_t>(fileSize))
        return "it holds no MP3 frame";
    Bytes window(4096);
    const ssize_t n = ReadAt(fd, window.data(), window.size(), static_cast<off_t>(start));
    if (n < 0)
        return std::string("it cannot be read: ") + std::strerror(errno);
    window.resize(static_cast<std::size_t>(n));
    // A few bytes of padding may stand between the tag and the first frame.
    for (std::size_t at = 0; at + 4 <= window.size(); ++at)
        if (Mp3FrameAt(window, at))
            return {};
    return "it holds no MP3 frame where one should begin";
}

} // namespace

std::string CheckSoundFile(const std::string& path)
{
    struct stat st {};
    // Looked at before it is opened: opening a device can itself act on the device.
    if (stat(path.c_str(), &st) != 0)
        return std::string("it cannot be found: ") + std::strerror(errno);
    if (!S_ISREG(st.st_mode))
        return "it is not a regular file";
    const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return std::string("it cannot be opened for reading: ") + std::strerror(errno);
    struct Closer {
        int fd;
        ~Closer() { close(fd); }
    } closer{fd};
    // The file opened may not be the one looked at (replaced in between).
    if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode))
        return "it is not a regular file";
    if (st.st_size == 0)
        return "it is empty";
    if (st.st_size > kSoundFileLimit)
        return "it is larger than " + std::to_string(kSoundFileLimit / (1024 * 1024)) + " MB";
    Bytes head(static_cast<std::size_t>(std::min<std::int64_t>(st.st_size, kHeadBytes)));
    std::size_t got = 0;
    while (got < head.size()) {
        const ssize_t n = ReadAt(fd, head.data() + got, head.size() - got, static_cast<off_t>(got));
        if (n < 0)
            return std::string("it cannot be read: ") + std::strerror(errno);
        if (n == 0)
            break;
        got += static_cast<std::size_t>(n);
    }
    head.resize(got);
    if (Has(head, 0, "RIFF") && Has(head, 8, "WAVE"))
        return CheckWave(head);
    if (Has(head, 0, "OggS"))
        return CheckOgg(head);
    if (Has(head, 0, "fLaC"))
        return CheckFlacInfo(head, 8);
    if (Has(head, 0, "ID3") || Mp3FrameAt(head, 0))
        return CheckMp3(fd, head, st.st_size);
    return "it is not a WAV, Ogg, FLAC or MP3 file";
}

} // namespace nuro
