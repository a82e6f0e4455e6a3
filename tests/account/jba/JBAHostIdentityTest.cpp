// The identity stamped on accounting jobs: the computer name's byte filter,
// the date and time, and the five keys written together.
#include <arpa/inet.h>
#include <netinet/in.h>

#include <gtest/gtest.h>

#include "account/jba/JBAHostIdentity.h"
#include "account/jba/JBATextFields.h"
#include "platform/HostAddress.h"
#include "platform/PrintSettingsKeys.h"
#include "tests/support/ScopedEnv.h"

namespace {

using testing_support::ScopedEnv;

sockaddr_storage Address(const std::string& text)
{
    sockaddr_storage storage{};
    auto* v4 = reinterpret_cast<sockaddr_in*>(&storage);
    auto* v6 = reinterpret_cast<sockaddr_in6*>(&storage);
    if (inet_pton(AF_INET, text.c_str(), &v4->sin_addr) == 1)
        v4->sin_family = AF_INET;
    else if (inet_pton(AF_INET6, text.c_str(), &v6->sin6_addr) == 1)
        v6->sin6_family = AF_INET6;
    return storage;
}

// Installs a resolver answering the addresses, and the system's again at the end.
struct FixedResolver {
    explicit FixedResolver(const std::vector<std::string>& texts)
    {
        std::vector<sockaddr_storage> list;
        for (const std::string& text : texts) list.push_back(Address(text));
        platform::SetHostResolver([list](const std::string&) { return platform::HostAddressList(list); });
    }
    ~FixedResolver() { platform::SetHostResolver({}); }
};

TEST(JBAHostIdentity, ComputerNameByteFilter)
{
    const std::string forty(40, 'a');
    const std::string cutInside = std::string(31, 'b') + "\xC3\xA9"; // 33 bytes, "é" last
    struct Case {
        std::string name;
        std::string written;
    } cases[] = {
        {"Office\xE2\x80\x99s Mac", "Office___s Mac"},
        {"   ", ""},
        {"", ""},
        {forty, forty.substr(0, 32)},
        {cutInside, std::string(31, 'b')},
        {"Caf\xC3\xA9", "Caf\xC3\xA9"}, // within 0x20..0xFE
        {"a\xFFz\tb", "a_z_b"},         // above and below the range
        {std::string(64, 'x'), ""},     // does not fit the 64-byte buffer
        {std::string(63, 'x'), std::string(32, 'x')},
    };
    for (const Case& c : cases) EXPECT_EQ(ByteFilteredText(c.name, 0x20, 0xFE, 64), c.written) << c.name;
}

TEST(JBAHostIdentity, SecondsAreCutNotRounded)
{
    struct Case {
        const char* now;
        const char* date;
        const char* time;
    } cases[] = {
        {"2026-12-31T23:59:59.600", "12/31/2026", "23:59:59"}, // rounding would give :60
        {"2026-07-04T02:04:05.200", "07/04/2026", "02:04:05"},
    };
    for (const Case& c : cases) {
        ScopedEnv now("QV_NOW", c.now);
        char date[17] = {};
        char time[17] = {};
        GetCurrentDateAndTime(date, time);
        EXPECT_STREQ(date, c.date) << c.now;
        EXPECT_STREQ(time, c.time) << c.now;
    }
}

TEST(JBAHostIdentity, AllFiveKeysWrittenWhenTheNameIsCutInsideACharacter)
{
    FixedResolver resolver({"127.0.1.1", "::1", "fe80::5", "192.168.0.5"});
    ScopedEnv name("QV_COMPUTER_NAME", std::string(31, 'm') + "\xC3\xA9");
    ScopedEnv now("QV_NOW", "2026-07-04T02:04:05");
    platform::PrintSettings settings;
    EXPECT_TRUE(SetInformationToTicket(&settings, false));
    std::string value;
    ASSERT_EQ(settings.GetValue(printsettings::JBAMacHostNameStringTicket, &value), 0);
    EXPECT_EQ(value, std::string(31, 'm'));
    ASSERT_EQ(settings.GetValue(printsettings::JBAIPAddressStringTicket, &value), 0);
    EXPECT_EQ(value, "IC0A80005");
    for (const char* key : {printsettings::JBAHostNameStringTicket, printsettings::JBAPllrPrintDateTicketKey,
                            printsettings::JBAPllrPrintTimeTicketKey}) {
        EXPECT_EQ(settings.GetValue(key, &value), 0) << key;
        EXPECT_FALSE(value.empty()) << key;
    }
}

TEST(JBAHostIdentity, OnlyLoopbackAndLinkLocalGiveAnEmptyAddress)
{
    FixedResolver resolver({"127.0.1.1", "169.254.9.9", "::1", "fe80::1"});
    char host[65] = {};
    char address[40] = {};
    GetClientIPAddress(host, address);
    EXPECT_STREQ(address, "");
}

TEST(JBAHostIdentity, LoginNameOutsidePrintableAsciiIsUnknownUser)
{
    EXPECT_EQ(JBAWndLoginTECtrl::LoginNameText("j\xC3\xBCrgen"), "UnknownUser");
    EXPECT_EQ(JBAWndLoginTECtrl::LoginNameText(""), "UnknownUser");
    EXPECT_EQ(JBAWndLoginTECtrl::LoginNameText("alice smith"), "alice smith");
    EXPECT_EQ(JBAWndLoginTECtrl::LoginNameText(std::string(40, 'k')), std::string(32, 'k'));
}

} // namespace
