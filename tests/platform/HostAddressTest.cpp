// The resolver seam's bounded wait and the compact client address, which the
// filter and the Job Accounting pane both send.
#include "platform/HostAddress.h"

#include <gtest/gtest.h>

#include <netinet/in.h>

#include <atomic>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

namespace platform {
namespace {

sockaddr_storage IPv4()
{
    sockaddr_storage storage{};
    storage.ss_family = AF_INET;
    return storage;
}

// A resolver that blocks until the test lets it go.
TEST(HostResolveBound, AStuckResolverIsAbandoned)
{
    struct Gate {
        std::mutex mutex;
        std::condition_variable opened;
        bool open = false;
        std::atomic<bool> returned{false};
    };
    auto gate = std::make_shared<Gate>();
    const HostResolver stuck = [gate](const std::string&) -> HostAddressList {
        std::unique_lock<std::mutex> lock(gate->mutex);
        gate->opened.wait(lock, [&] { return gate->open; });
        gate->returned = true;
        return std::vector<sockaddr_storage>{IPv4()};
    };
    const HostAddressList result = ResolveWithTimeout(stuck, "office-mac", std::chrono::milliseconds(50));
    EXPECT_FALSE(result.has_value());
    EXPECT_FALSE(gate->returned) << "the wait ended only because the resolver answered";
    {
        const std::lock_guard<std::mutex> lock(gate->mutex);
        gate->open = true;
    }
    gate->opened.notify_all();
}

TEST(HostResolveBound, AnAnswerWithinTheBoundIsUsed)
{
    const HostResolver quick = [](const std::string& name) -> HostAddressList {
        if (name != "office-mac") return std::nullopt;
        return std::vector<sockaddr_storage>{IPv4()};
    };
    const HostAddressList result = ResolveWithTimeout(quick, "office-mac", std::chrono::seconds(30));
    ASSERT_TRUE(result.has_value());
    ASSERT_EQ(result->size(), 1u);
    EXPECT_EQ(result->front().ss_family, AF_INET);
    EXPECT_FALSE(ResolveWithTimeout(quick, "other", std::chrono::seconds(30)).has_value());
}

TEST(CompactClientAddress, IPv4TwoDigitsPerOctet)
{
    EXPECT_EQ(EncodeClientAddress("10.1.200.15"), "I0A01C80F");
    EXPECT_EQ(EncodeClientAddress("0.0.0.0"), "I00000000");
    EXPECT_EQ(EncodeClientAddress("255.255.255.255"), "IFFFFFFFF");
    EXPECT_EQ(EncodeClientAddress("010.001.200.015"), "I0A01C80F");
}

TEST(CompactClientAddress, MalformedIPv4GivesNothing)
{
    for (const char* bad : {"256.1.1.1", "1000.1.1.1", "1.2.3", "1.2.3.4.5", "1..3.4", "1.2.3.4.", "a.b.c.d",
                            "::ffff:1.2.3.4", "."})
        EXPECT_EQ(EncodeClientAddress(bad), "") << bad;
}

TEST(CompactClientAddress, IPv6FullyExpanded)
{
    EXPECT_EQ(EncodeClientAddress("2001:db8::1"), "620010db8000000000000000000000001");
    EXPECT_EQ(EncodeClientAddress("fe80::1%en0"), "6fe800000000000000000000000000001");
    EXPECT_EQ(EncodeClientAddress("::"), "6" + std::string(32, '0'));
    EXPECT_EQ(EncodeClientAddress("::1"), "6" + std::string(31, '0') + "1");
    EXPECT_EQ(EncodeClientAddress("1:2:3:4:5:6:7::"), "60001000200030004000500060007"
                                                      "0000");
    EXPECT_EQ(EncodeClientAddress("2001:DB8:0:0:A:B:C:D"), "620010DB800000000000A000B000C000D");
    for (const char* bad : {"1::2::3", "1:2:3:4:5:6:7:8:9", "1:2:3", "12345::1", "g::1", ":1::"})
        EXPECT_EQ(EncodeClientAddress(bad), "") << bad;
}

} // namespace
} // namespace platform
