// Host identity as the filter reports it: the host name, the choice of one
// address among those the resolver hands back, and the owner block's address
// text. The resolver is always a test double: no test talks to a name server.
#include "filter/HostIdentity.h"

#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/un.h>
#include <unistd.h>

#include <memory>
#include <mutex>
#include <string>
#include <vector>

namespace {

sockaddr_storage Address(const std::string& text)
{
    sockaddr_storage storage{};
    if (text.find(':') != std::string::npos) {
        auto* v6 = reinterpret_cast<sockaddr_in6*>(&storage);
        v6->sin6_family = AF_INET6;
        EXPECT_EQ(inet_pton(AF_INET6, text.c_str(), &v6->sin6_addr), 1) << text;
    } else {
        auto* v4 = reinterpret_cast<sockaddr_in*>(&storage);
        v4->sin_family = AF_INET;
        EXPECT_EQ(inet_pton(AF_INET, text.c_str(), &v4->sin_addr), 1) << text;
    }
    return storage;
}

// Installs a resolver that answers with a fixed list and remembers what it was asked.
class FakeResolver {
public:
    explicit FakeResolver(platform::HostAddressList answer) : state_(std::make_shared<State>())
    {
        state_->answer = std::move(answer);
        platform::SetHostResolver([state = state_](const std::string& name) {
            const std::lock_guard<std::mutex> lock(state->mutex);
            state->asked.push_back(name);
            return state->answer;
        });
    }
    static FakeResolver Of(const std::vector<std::string>& texts)
    {
        std::vector<sockaddr_storage> list;
        for (const auto& t : texts) list.push_back(Address(t));
        return FakeResolver(list);
    }
    ~FakeResolver() { platform::SetHostResolver(nullptr); }
    FakeResolver(const FakeResolver&) = delete;
    FakeResolver& operator=(const FakeResolver&) = delete;
    std::vector<std::string> Asked() const
    {
        const std::lock_guard<std::mutex> lock(state_->mutex);
        return state_->asked;
    }

private:
    struct State {
        std::mutex mutex;
        platform::HostAddressList answer;
        std::vector<std::string> asked;
    };
    std::shared_ptr<State> state_;
};

struct Chosen {
    int result;
    std::string address;
};

Chosen Resolve(const char* name, size_t bufferSize = 46)
{
    std::vector<char> buffer(bufferSize, 'x');
    const int result = getHostAddress(name, buffer);
    return {result, std::string(buffer.data())};
}

TEST(HostAddressChoice, SkipsIPv4LoopbackForTheNextAddress)
{
    FakeResolver fake = FakeResolver::Of({"127.0.0.1", "192.168.0.5"});
    const Chosen chosen = Resolve("office-mac");
    EXPECT_EQ(chosen.result, 1);
    EXPECT_EQ(chosen.address, "192.168.0.5");
    EXPECT_EQ(fake.Asked(), std::vector<std::string>{"office-mac"});
}

TEST(HostAddressChoice, LinkLocalAndLoopbackOnlyGiveNoAddress)
{
    FakeResolver fake = FakeResolver::Of({"fe80::1", "127.0.0.1"});
    const Chosen chosen = Resolve("office-mac");
    // Both addresses had numeric text, so the flag is set; the buffer is what counts.
    EXPECT_EQ(chosen.result, 1);
    EXPECT_EQ(chosen.address, "");
}

TEST(HostAddressChoice, IPv4WinsOverAnEarlierIPv6Address)
{
    FakeResolver fake = FakeResolver::Of({"2001:db8::7", "10.1.200.15", "192.168.0.5"});
    EXPECT_EQ(Resolve("office-mac").address, "10.1.200.15");
}

TEST(HostAddressChoice, LastUsableIPv6AddressWhenThereIsNoIPv4)
{
    FakeResolver fake = FakeResolver::Of({"2001:db8::7", "fe80::1234", "2001:db8::8", "127.0.0.1"});
    // Every fe80::/10 address is link-local and passed over.
    EXPECT_EQ(Resolve("office-mac").address, "2001:db8::8");
}

TEST(HostAddressChoice, EveryLoopbackAndLinkLocalAddressIsPassedOver)
{
    // Debian's /etc/hosts gives 127.0.1.1 for the host name.
    FakeResolver fake = FakeResolver::Of({"127.0.1.1", "169.254.3.4", "::1", "fe90::2", "192.168.0.5"});
    EXPECT_EQ(Resolve("office-mac").address, "192.168.0.5");
    FakeResolver none = FakeResolver::Of({"127.0.1.1", "169.254.3.4", "::1", "febf::1"});
    EXPECT_EQ(Resolve("office-mac").address, "");
}

TEST(HostAddressChoice, AddressWithoutNumericTextClearsTheFlag)
{
    sockaddr_storage local{};
    local.ss_family = AF_UNIX;
    FakeResolver fake(std::vector<sockaddr_storage>{Address("192.168.0.5")});
    EXPECT_EQ(Resolve("office-mac").result, 1);

    FakeResolver unusable(std::vector<sockaddr_storage>{Address("2001:db8::7"), local});
    const Chosen chosen = Resolve("office-mac");
    EXPECT_EQ(chosen.result, 0);
    EXPECT_EQ(chosen.address, "2001:db8::7");
}

TEST(HostAddressChoice, FailuresAndBadNamesGiveNothing)
{
    FakeResolver failing(std::nullopt);
    Chosen chosen = Resolve("office-mac");
    EXPECT_EQ(chosen.result, 0);
    EXPECT_EQ(chosen.address, "");

    FakeResolver empty(std::vector<sockaddr_storage>{});
    EXPECT_EQ(Resolve("office-mac").result, 0);

    FakeResolver fake = FakeResolver::Of({"192.168.0.5"});
    EXPECT_EQ(Resolve(nullptr).result, 0);
    EXPECT_EQ(Resolve("").result, 0);
    chosen = Resolve("b\xC3\xBCro-mac"); // not ASCII
    EXPECT_EQ(chosen.result, 0);
    EXPECT_EQ(chosen.address, "");
    EXPECT_TRUE(fake.Asked().empty()) << "a non-ASCII name must not be resolved";
    EXPECT_EQ(getHostAddress("office-mac", std::span<char>()), 0);
}

TEST(HostAddressChoice, AddressIsCutToTheBuffer)
{
    FakeResolver fake = FakeResolver::Of({"192.168.100.200"});
    EXPECT_EQ(Resolve("office-mac", 8).address, "192.168");
}

TEST(OwnerHostAddress, IPv4WithoutLeadingZerosIPv6Compact)
{
    EXPECT_EQ(EncodeOwnerHostAddress("10.1.200.15"), "IA1C8F");
    EXPECT_EQ(EncodeOwnerHostAddress("192.168.0.5"), "IC0A805");
    EXPECT_EQ(EncodeOwnerHostAddress("0.0.0.0"), "I0000");
    EXPECT_EQ(EncodeOwnerHostAddress("2001:db8::1"), "620010db8000000000000000000000001");
    EXPECT_EQ(EncodeOwnerHostAddress("300.1.1.1"), "");
    EXPECT_EQ(EncodeOwnerHostAddress("office-mac"), "");
}

TEST(HostNameFit, UTF8PrintersShowAtMost32Characters)
{
    char buffer[97];
    const std::string ascii40(40, 'h');
    FitHostName(ascii40, true, buffer);
    EXPECT_EQ(std::string(buffer), std::string(32, 'h'));
    FitHostName(ascii40, false, buffer);
    EXPECT_EQ(std::string(buffer), ascii40);

    std::string kana;
    for (int i = 0; i < 40; ++i) kana += "\xE3\x81\x82"; // あ
    FitHostName(kana, true, buffer);
    EXPECT_EQ(std::string(buffer), kana.substr(0, 96));

    // A character outside the basic plane takes two UTF-16 units and is not split.
    const std::string emoji = std::string(31, 'h') + "\xF0\x9F\x98\x80";
    FitHostName(emoji, true, buffer);
    EXPECT_EQ(std::string(buffer), std::string(31, 'h'));

    // At most 96 bytes of any name.
    FitHostName(std::string(200, 'h'), false, buffer);
    EXPECT_EQ(std::string(buffer), std::string(96, 'h'));
}

TEST(HostNameFit, SystemHostName)
{
    char expected[256] = {};
    ASSERT_EQ(gethostname(expected, sizeof expected - 1), 0);
    char buffer[97];
    getHostName(buffer, false);
    EXPECT_EQ(std::string(buffer), std::string(expected).substr(0, 96));
}

TEST(ClientIPAddress, HostNameAndCompactAddress)
{
    FakeResolver fake = FakeResolver::Of({"127.0.0.1", "10.1.200.15"});
    char host[97];
    char client[40];
    GetClientIPAddress(host, client, false);
    char expected[97] = {};
    getHostName(expected, false);
    EXPECT_EQ(std::string(host), std::string(expected));
    EXPECT_EQ(std::string(client), "I0A01C80F");
    if (expected[0] != '\0') {
        EXPECT_EQ(fake.Asked(), std::vector<std::string>{expected});
    }

    FakeResolver v6 = FakeResolver::Of({"2001:db8::1"});
    GetClientIPAddress(host, client, false);
    EXPECT_EQ(std::string(client), host[0] != '\0' ? "620010db8000000000000000000000001" : "");

    FakeResolver none = FakeResolver::Of({"fe80::1", "127.0.0.1"});
    GetClientIPAddress(host, client, false);
    EXPECT_EQ(std::string(client), "");
}

} // namespace
