// The clock control's initial data (resource type 240, id 13) and the walk that delivers such blocks.
#include "resources/Pictures.h"

#include <array>
#include <string_view>

namespace nuro {
namespace {

constexpr std::size_t kBlockSize = 223;
constexpr std::size_t kEntryHeader = 8; // id, message word, data length
constexpr std::size_t kClockDataSize = 213;
constexpr std::uint32_t kInitMessage = 1024;

class Writer {
public:
    constexpr explicit Writer(std::array<std::uint8_t, kBlockSize>& out) : out_(out) {}
    constexpr void u8(std::uint32_t v) { out_[at_++] = static_cast<std::uint8_t>(v & 0xff); }
    constexpr void u16(std::uint32_t v)
    {
        u8(v);
        u8(v >> 8);
    }
    constexpr void u32(std::uint32_t v)
    {
        u16(v & 0xffff);
        u16(v >> 16);
    }
    constexpr void text(std::string_view s)
    {
        u8(static_cast<std::uint32_t>(s.size()));
        for (char c : s)
            u8(static_cast<unsigned char>(c));
    }
    constexpr void seek(std::size_t at) { at_ = at; }
    constexpr std::size_t at() const { return at_; }

private:
    std::array<std::uint8_t, kBlockSize>& out_;
    std::size_t at_ = 0;
};

// The properties are the clock's own business: each is a one-byte tag and its value.
constexpr std::array<std::uint8_t, kBlockSize> BuildClockBlock()
{
    std::array<std::uint8_t, kBlockSize> block{};
    Writer w(block);
    w.u16(109);
    w.u16(kInitMessage);
    w.u32(kClockDataSize);
    w.u16(0x0200); // property stream version
    w.u8(0x01); // name
    w.text("MhClock1");
    w.u8(0x02); // left, top, width, height in dialog units
    w.u16(88);
    w.u16(88);
    w.u16(35);
    w.u16(12);
    w.u8(0x03); // colours: background, text (RGB)
    w.u32(0x00c0c0c0);
    w.u32(0x00000000);
    w.u8(0x04); // style: digital, 24-hour, seconds shown
    w.u8(1);
    w.u8(1);
    w.u8(1);
    w.u8(0x05); // alarm off, at midnight
    w.u8(0);
    w.text("00:00:00");
    w.u8(0x06); // tick interval in milliseconds
    w.u16(1000);
    w.u8(0x07); // font: face, points, weight, italic
    w.text("System");
    w.u16(10);
    w.u16(700);
    w.u8(0);
    w.u8(0x00); // end of properties; the rest of the data stays zero
    if (w.at() > kEntryHeader + kClockDataSize)
        throw "clock properties overflow their data";
    w.seek(kEntryHeader + kClockDataSize);
    w.u16(0); // end of the entries
    if (w.at() != kBlockSize)
        throw "clock block has the wrong size";
    return block;
}

constexpr std::array<std::uint8_t, kBlockSize> kClockBlock = BuildClockBlock();

std::uint32_t ReadLe(const std::uint8_t* p, int bytes)
{
    std::uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; --i)
        v = v << 8 | p[i];
    return v;
}

} // namespace

std::span<const std::uint8_t> ClockControlData()
{
    return kClockBlock;
}

int SendControlData(std::span<const std::uint8_t> block, const ControlDataSink& sink)
{
    int delivered = 0;
    std::size_t at = 0;
    while (block.size() - at >= 2) {
        const std::uint32_t id = ReadLe(&block[at], 2);
        if (id == 0)
            break;
        // An entry that runs past the block is never handed on: its data would be read out of bounds.
        if (block.size() - at < kEntryHeader)
            break;
        const std::uint32_t message = ReadLe(&block[at + 2], 2);
        const std::size_t length = ReadLe(&block[at + 4], 4);
        if (length > block.size() - at - kEntryHeader)
            break;
        const std::uint8_t* data = block.data() + at + kEntryHeader;
        ++delivered;
        if (sink(static_cast<int>(id), static_cast<int>(message), data, length) == -1)
            break;
        at += kEntryHeader + length;
    }
    return delivered;
}

} // namespace nuro
