// The value escape in both directions: what the extensions write, what the
// filter reads back, and that the one undoes the other.
#include "platform/ValueEscape.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace platform {
namespace {

using namespace std::string_literals;

TEST(ValueEscape, WritesEscapedOnlyTheValuesThatNeedIt)
{
    const struct {
        std::string value, written;
    } cases[] = {
        {"a,b", "/97/44/98"},
        {"/x", "/47/120"},
        {"it's", "/105/116/39/115"},
        {"C:\\", "/67/58/92"},
        {"\xff,", "/255/44"}, // bytes are unsigned
        {"abc", "abc"},
        {"a/b", "a/b"}, // a slash inside is harmless
        {"Board minutes", "Board minutes"},
        {"", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(EncodeValueEscape(c.value), c.written) << c.value;
}

TEST(ValueEscape, DecodesEveryCodeToOneByte)
{
    const struct {
        std::string escaped, decoded;
    } cases[] = {
        {"/65/66/67", "ABC"},       {"/72/105", "Hi"},
        {"/65/255", "A\xff"},       {"/65/300/67", "A\0C"s}, // out of range: a zero byte
        {"/65/256", "A\0"s},        {"/65/0/66", "A\0B"s},
        {"/65/4294967361", "A\0"s},               // saturates rather than wrapping round to 65
        {"/65/-191", "A\0"s},       {"/", "\0"s}, // a code without digits
        {"/65/", "A\0"s},           {"//65", "\0A"s},
        {"/ 65/+66", "AB"},     // read like atoi: white space and a sign
        {"/65x/66y", "AB"},     // anything after the digits up to the next "/"
        {"a/65/66", "a/65/66"}, // not escaped: unchanged
        {" /65", " /65"},           {"", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(DecodeValueEscape(c.escaped), c.decoded) << c.escaped;
}

TEST(ValueEscape, EveryByteStringWithoutZeroBytesComesBackUnchanged)
{
    // Every one- and two-byte value, then longer random ones.
    for (int a = 1; a < 256; ++a) {
        for (int b = 0; b < 256; ++b) {
            std::string value(1, static_cast<char>(a));
            if (b != 0) value += static_cast<char>(b);
            ASSERT_EQ(DecodeValueEscape(EncodeValueEscape(value)), value) << a << " " << b;
        }
    }
    std::mt19937 random(11);
    std::uniform_int_distribution<int> length(1, 255);
    std::uniform_int_distribution<int> byte(1, 255);
    for (int i = 0; i < 2000; ++i) {
        std::string value(static_cast<size_t>(length(random)), ' ');
        for (char& c : value) c = static_cast<char>(byte(random));
        ASSERT_EQ(DecodeValueEscape(EncodeValueEscape(value)), value);
    }
}

} // namespace
} // namespace platform
