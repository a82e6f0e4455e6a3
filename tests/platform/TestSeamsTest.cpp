// The seams that fix the clock and the machine's identity for tests and
// scripted dialog runs: QV_NOW, QV_HOST_ADDRESSES, QV_HOST_NAME and
// QV_COMPUTER_NAME.
#include <gtest/gtest.h>

#include <ctime>

#include "platform/HostAddress.h"
#include "platform/SystemClock.h"
#include "tests/support/ScopedEnv.h"

namespace {

using testing_support::ScopedEnv;

std::string LocalText(std::chrono::system_clock::time_point moment)
{
    const time_t seconds = std::chrono::system_clock::to_time_t(moment);
    tm local{};
    localtime_r(&seconds, &local);
    char text[32] = {};
    std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%S", &local);
    const auto ms =
        std::chrono::duration_cast<std::chrono::milliseconds>(moment.time_since_epoch()).count() % 1000;
    return std::string(text) + "." + std::to_string(ms);
}

TEST(TestSeamsTest, TheClockTakesALocalTimeAndRefusesAnythingElse)
{
    const ScopedEnv zone("TZ", "Europe/Berlin");
    tzset();
    EXPECT_EQ(LocalText(*platform::ParseLocalTimestamp("2026-03-29T01:59:59")), "2026-03-29T01:59:59.0");
    EXPECT_EQ(LocalText(*platform::ParseLocalTimestamp("2024-02-29T23:00:00.250")),
              "2024-02-29T23:00:00.250");
    for (const char* bad : {"", "2026-02-30T10:00:00", "2025-02-29T10:00:00", "2026-13-01T10:00:00",
                            "2026-01-01 10:00:00", "2026-01-01T24:00:00", "2026-01-01T10:00",
                            "2026-01-01T10:00:00.5", "2026-01-01T10:00:00Z", "20x6-01-01T10:00:00"})
        EXPECT_FALSE(platform::ParseLocalTimestamp(bad)) << bad;

    {
        const ScopedEnv now("QV_NOW", "2025-03-15T09:08:07.006");
        EXPECT_TRUE(platform::IsClockOverrideValid());
        EXPECT_EQ(LocalText(platform::CurrentTime()), "2025-03-15T09:08:07.6");
    }
    const ScopedEnv broken("QV_NOW", "yesterday");
    EXPECT_FALSE(platform::IsClockOverrideValid());
    const auto real = std::chrono::system_clock::now();
    EXPECT_LT(std::chrono::abs(platform::CurrentTime() - real), std::chrono::minutes(1));
}

TEST(TestSeamsTest, TheResolverAnswerAndNamesComeFromTheEnvironment)
{
    {
        const ScopedEnv addresses("QV_HOST_ADDRESSES", "10.1.200.15,fe80::1,not-an-address,192.168.0.9");
        const platform::HostAddressList list = platform::ResolveHostName("anything.example");
        ASSERT_TRUE(list);
        std::vector<std::string> texts;
        for (const sockaddr_storage& address : *list) texts.push_back(*platform::NumericAddressText(address));
        EXPECT_EQ(texts, (std::vector<std::string>{"10.1.200.15", "fe80::1", "192.168.0.9"}));
        // A resolver a test installs still comes first.
        platform::SetHostResolver([](const std::string&) { return platform::HostAddressList(); });
        EXPECT_FALSE(platform::ResolveHostName("anything.example"));
        platform::SetHostResolver(nullptr);
    }
    {
        const ScopedEnv failed("QV_HOST_ADDRESSES", "");
        EXPECT_FALSE(platform::ResolveHostName("anything.example"));
    }
    const ScopedEnv host("QV_HOST_NAME", "ws-alice");
    EXPECT_EQ(platform::LocalHostName(), "ws-alice");
    EXPECT_EQ(platform::ComputerName(), "ws-alice");
    const ScopedEnv computer("QV_COMPUTER_NAME", "Alice's Workstation");
    EXPECT_EQ(platform::ComputerName(), "Alice's Workstation");
}

} // namespace
