// The character walks shared by the filter and the framework: the UTF-8
// decoder, the Shift_JIS lead-byte test and the decimal text of itoa.
#include "platform/DecimalText.h"
#include "platform/TextEncoding.h"

#include <array>
#include <climits>
#include <utility>

#include <gtest/gtest.h>

namespace {

TEST(DecodeUtf8Char, ShortestFormsDecodeAndEverythingElseIsRefusedInPlace)
{
    const struct {
        std::string_view bytes;
        std::optional<char32_t> cp; // nothing: refused
        std::size_t length;
    } cases[] = {
        {"A", U'A', 1},
        {"\xC3\xA9", U'\u00E9', 2},
        {"\xDF\xBF", U'\u07FF', 2},
        {"\xE2\x82\xAC", U'\u20AC', 3},
        {"\xEF\xBF\xBF", U'\uFFFF', 3},
        {"\xF0\x9F\x98\x80", U'\U0001F600', 4},
        {"\xF4\x8F\xBF\xBF", U'\U0010FFFF', 4},
        {"\xC3\xA9tail", U'\u00E9', 2},
        {"\xC0\x80", std::nullopt, 0},         // overlong
        {"\xE0\x80\x80", std::nullopt, 0},     // overlong
        {"\xED\xA0\x80", std::nullopt, 0},     // surrogate
        {"\xF4\x90\x80\x80", std::nullopt, 0}, // above U+10FFFF
        {"\xF5\x80\x80\x80", std::nullopt, 0},
        {"\x80", std::nullopt, 0}, // continuation byte alone
        {"\xC3(", std::nullopt, 0},
        {"\xC3", std::nullopt, 0}, // cut short
        {"\xE2\x82", std::nullopt, 0},
        {"", std::nullopt, 0},
    };
    for (const auto& c : cases) {
        std::size_t pos = 0;
        EXPECT_EQ(platform::DecodeUtf8Char(c.bytes, pos), c.cp) << testing::PrintToString(c.bytes);
        EXPECT_EQ(pos, c.length);
    }
    std::size_t past = 3;
    EXPECT_EQ(platform::DecodeUtf8Char("ab", past), std::nullopt);
    EXPECT_EQ(past, 3u);
}

TEST(ShiftJisLeadByte, BothRowsAndTheirBounds)
{
    const std::pair<unsigned char, bool> cases[] = {
        {0x41, false}, {0x80, false}, {0x81, true},  {0x9F, true},  {0xA0, false}, {0xDF, false},
        {0xE0, true},  {0xFC, true},  {0xFD, false}, {0xFF, false}, {0x5C, false}, {0xB1, false}};
    for (const auto& [byte, lead] : cases) EXPECT_EQ(platform::IsShiftJisLeadByte(byte), lead) << int(byte);
}

TEST(Itoa, DigitsRightAlignedOrNothingWhenTheyDoNotFit)
{
    std::array<char, 11> buffer{};
    const char* first = itoa(INT_MAX, buffer); // exactly fits: ten digits and the terminator
    EXPECT_STREQ(first, "2147483647");
    EXPECT_EQ(first, buffer.data());
    EXPECT_EQ(itoa(INT_MAX, std::span(buffer).first(10)), nullptr);
    EXPECT_STREQ(itoa(INT_MIN, buffer), "");
    EXPECT_EQ(itoa(0, buffer), buffer.data() + 10);
    EXPECT_EQ(itoa(1, std::span<char>()), nullptr);
    EXPECT_EQ(itoa(1, std::span(buffer).first(1)), nullptr);
}

} // namespace
