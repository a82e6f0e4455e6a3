#include "platform/PlatformRelease.h"

#include <gtest/gtest.h>

namespace {

// One rule for every release text: the leading number is the major release,
// the number after the first dot the minor one.
TEST(SystemVersionCode, EveryReleaseTextHasOneCode)
{
    const struct {
        const char* release;
        std::uint32_t code;
    } cases[] = {
        {"11.4.2", 0x1074},
        {"17.0.0", 0x10D0},
        {"17", 0x10D0},
        {"7", 0x1030},
        {"7.9.0", 0x1039},
        {"7.31.0", 0x103F},
        {"8.0.0", 0x1040},
        {"10.5", 0x1065},
        {"17.", 0x10D0},
        {"17.x", 0x10D0},
        {"6.1.0-18-amd64", 0x1021},
        {"3.0", 0x1FF0},
        {"", 0x1000},
        {"abc", 0x1000},
        {".5", 0x1000},
        {"-7.1", 0x1000},
        {"x7.0", 0x1000},
        {"4294967313.3", 0x10D3}, // 2^32 + 17
        {"99999999999999999999999.99999999999999999999", 0x1FBF},
    };
    for (const auto& c : cases)
        EXPECT_EQ(platform::SystemVersionCode(c.release), c.code) << '"' << c.release << '"';
}

} // namespace
