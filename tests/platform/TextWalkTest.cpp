// The character walks shared by the filter and the framework: the UTF-8
// decoder, the Shift_JIS lead-byte test and the decimal text of itoa.
#include "platform/DecimalText.h"
#include "platform/TextEncoding.h"

#include <array>
#include <climits>
#include <cstring>
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

// The filter and the framework call this one itoa.
TEST(Itoa, DigitsRightAlignedOrNothingWhenTheyDoNotFit)
{
    const struct {
        int value;
        std::size_t size;
        const char* text; // null: no text
    } cases[] = {{255, 5, "255"},
                 {7, 5, "7"},
                 {0, 5, ""},
                 {-3, 5, ""},
                 {1234, 5, "1234"},
                 {12345, 5, nullptr},
                 {1234567, 8, "1234567"},
                 {INT_MAX, 11, "2147483647"},
                 {INT_MAX, 10, nullptr},
                 {INT_MIN, 11, ""},
                 {1, 1, nullptr},
                 {1, 0, nullptr}};
    for (const auto& c : cases) {
        std::array<char, 12> buffer{};
        buffer.fill('#');
        const char* first = itoa(c.value, std::span(buffer).first(c.size));
        if (c.text == nullptr) {
            EXPECT_EQ(first, nullptr) << c.value << " in " << c.size;
            continue;
        }
        EXPECT_STREQ(first, c.text);
        EXPECT_EQ(first + std::strlen(c.text), buffer.data() + c.size - 1); // the last byte ends the digits
    }
}

} // namespace
