// The clock control's data block and the walk that hands control data blocks to their controls.
#include "FileBytes.h"

#include "resources/Pictures.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string_view>

namespace nuro::test {
namespace {

std::vector<std::uint8_t> Block()
{
    const auto data = ClockControlData();
    return {data.begin(), data.end()};
}

std::size_t Find(const std::vector<std::uint8_t>& b, std::string_view text, std::size_t from = 0)
{
    const auto at = std::search(b.begin() + static_cast<long>(from), b.end(), text.begin(), text.end());
    return at == b.end() ? std::string_view::npos : static_cast<std::size_t>(at - b.begin());
}

TEST(ClockControlData, Layout)
{
    const auto b = Block();
    ASSERT_EQ(b.size(), 223u);
    EXPECT_EQ(Le(b, 0, 2), 109u) << "clock control id";
    EXPECT_EQ(Le(b, 2, 2), 1024u) << "message word";
    EXPECT_EQ(Le(b, 4, 4), 213u) << "data length";
    EXPECT_EQ(Le(b, 221, 2), 0u) << "end mark";
    const std::size_t name = Find(b, "MhClock1");
    ASSERT_NE(name, std::string_view::npos);
    EXPECT_LT(name, 8u + 16u) << "the control name comes near the start of the data";
    const std::size_t face = Find(b, "System", name);
    ASSERT_NE(face, std::string_view::npos);
    EXPECT_GT(face, name + 8);
    EXPECT_LT(face + 6, 221u) << "inside the data";
}

TEST(ClockControlData, WalkHandsTheDataToControl109Once)
{
    const auto data = ClockControlData();
    int calls = 0;
    const int delivered = SendControlData(data, [&](int id, int msg, const std::uint8_t* bytes, std::size_t len) {
        ++calls;
        EXPECT_EQ(id, 109);
        EXPECT_EQ(msg, 1024);
        EXPECT_EQ(bytes, data.data() + 8);
        EXPECT_EQ(len, 213u);
        return 0;
    });
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(delivered, 1);
}

// An entry: id, message word, then its data with a 32-bit length in front.
void Entry(std::vector<std::uint8_t>& b, int id, int msg, std::vector<std::uint8_t> data, int claimedLength = -1)
{
    const std::uint32_t length =
        claimedLength < 0 ? static_cast<std::uint32_t>(data.size()) : static_cast<std::uint32_t>(claimedLength);
    for (std::uint32_t v : {static_cast<std::uint32_t>(id), static_cast<std::uint32_t>(msg)}) {
        b.push_back(v & 0xff);
        b.push_back(v >> 8 & 0xff);
    }
    for (int i = 0; i < 4; ++i)
        b.push_back(length >> (8 * i) & 0xff);
    b.insert(b.end(), data.begin(), data.end());
}

void End(std::vector<std::uint8_t>& b)
{
    b.push_back(0);
    b.push_back(0);
}

TEST(SendControlData, StopsAtTheEndMarkAnAnswerOfMinusOneOrACutEntry)
{
    struct Row {
        const char* what;
        std::vector<std::uint8_t> block;
        std::vector<int> answers; // per call, 0 after the list ends
        std::vector<int> wantIds;
        std::vector<std::size_t> wantLengths;
    };
    std::vector<Row> rows;
    {
        Row r{"two entries then the end mark", {}, {}, {109, 300}, {3, 0}};
        Entry(r.block, 109, 1024, {1, 2, 3});
        Entry(r.block, 300, 1025, {});
        End(r.block);
        rows.push_back(r);
    }
    {
        Row r{"nothing after the end mark is read", {}, {}, {109}, {2}};
        Entry(r.block, 109, 1024, {7, 7});
        End(r.block);
        Entry(r.block, 110, 1024, {9});
        rows.push_back(r);
    }
    {
        Row r{"-1 ends the walk early", {}, {-1}, {109}, {1}};
        Entry(r.block, 109, 1024, {1});
        Entry(r.block, 110, 1024, {2});
        End(r.block);
        rows.push_back(r);
    }
    {
        Row r{"other answers go on", {}, {-2, 1, 0}, {5, 6, 7}, {1, 1, 1}};
        Entry(r.block, 5, 1024, {1});
        Entry(r.block, 6, 1024, {2});
        Entry(r.block, 7, 1024, {3});
        End(r.block);
        rows.push_back(r);
    }
    {
        Row r{"an entry claiming more data than the block holds is not delivered", {}, {}, {109}, {1}};
        Entry(r.block, 109, 1024, {1});
        Entry(r.block, 110, 1024, {1, 2}, 200);
        rows.push_back(r);
    }
    {
        Row r{"a header cut short ends the walk", {}, {}, {109}, {0}};
        Entry(r.block, 109, 1024, {});
        r.block.insert(r.block.end(), {110, 0, 0});
        rows.push_back(r);
    }
    rows.push_back({"empty block", {}, {}, {}, {}});
    rows.push_back({"end mark only", {0, 0}, {}, {}, {}});
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        std::vector<int> ids;
        std::vector<std::size_t> lengths;
        const int delivered = SendControlData(row.block, [&](int id, int, const std::uint8_t*, std::size_t len) {
            ids.push_back(id);
            lengths.push_back(len);
            return ids.size() <= row.answers.size() ? row.answers[ids.size() - 1] : 0;
        });
        EXPECT_EQ(ids, row.wantIds);
        EXPECT_EQ(lengths, row.wantLengths);
        EXPECT_EQ(delivered, static_cast<int>(row.wantIds.size()));
    }
}

} // namespace
} // namespace nuro::test
