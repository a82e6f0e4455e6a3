#include "constraints/QvHash.h"
#include "constraints/XppdTable.h"

#include <gtest/gtest.h>

#include <unordered_map>

namespace {

TEST(QvHash, FiveTimesPlusEachSignedByte)
{
    EXPECT_EQ(qvHash(""), 0u);
    EXPECT_EQ(qvHash("a"), 97u);
    EXPECT_EQ(qvHash("ab"), 5u * 97u + 98u);
    EXPECT_EQ(qvHash("A:B"), (5u * 65u + 58u) * 5u + 66u);
    // Bytes above 0x7F count as negative.
    EXPECT_EQ(qvHash("\xFF"), static_cast<std::uint64_t>(-1));
    EXPECT_EQ(qvHash("a\x80"), 5u * 97u - 128u);
    // The arithmetic wraps at 64 bits: 30 bytes of 'z' overflow it.
    std::uint64_t h = 0;
    for (int i = 0; i < 30; ++i) h = 5 * h + 'z';
    EXPECT_EQ(qvHash(std::string(30, 'z')), h);
    EXPECT_EQ(QvHasher{}(std::string("QVStaple:None")), static_cast<std::size_t>(qvHash("QVStaple:None")));
}

TEST(XppdTable, EntriesUnderOneKeyComeBackInOrderWithDuplicates)
{
    XppdTable table;
    EXPECT_TRUE(table.Empty());
    EXPECT_TRUE(table.Find("A:1").empty());
    table.Insert("A:1", {0, 1, 2});
    table.Insert("B:1", {3, 4, 5});
    table.Insert("A:1", {0, 1, 2});
    table.Insert("A:1", {6, 7, 8});
    EXPECT_EQ(table.Size(), 4u);
    EXPECT_EQ(table.KeyCount(), 2u);
    const auto a = table.Find("A:1");
    ASSERT_EQ(a.size(), 3u);
    EXPECT_EQ(a[0], (x_constraints{0, 1, 2}));
    EXPECT_EQ(a[1], (x_constraints{0, 1, 2}));
    EXPECT_EQ(a[2], (x_constraints{6, 7, 8}));
    EXPECT_TRUE(table.Find("a:1").empty());
    EXPECT_TRUE(table.Find("A:").empty());

    const std::vector<std::string_view> keys = table.SortedKeys();
    EXPECT_EQ(keys, (std::vector<std::string_view>{"A:1", "B:1"}));
    table.Clear();
    EXPECT_EQ(table.Size(), 0u);
    EXPECT_TRUE(table.Find("A:1").empty());
}

TEST(XppdTable, GrowsFarPastItsBucketHint)
{
    XppdTable table;
    for (int i = 0; i < 20000; ++i)
        table.Insert("K:" + std::to_string(i), {0, 0, static_cast<std::uint16_t>(i % 7)});
    EXPECT_EQ(table.Size(), 20000u);
    EXPECT_EQ(table.Find("K:19999").size(), 1u);
    EXPECT_EQ(table.Find("K:19999")[0].choice, 19999 % 7);
}

} // namespace
