#include "panelkit/UtilityFunction.h"
#include "platform/RecordingHostServices.h"

#include <array>
#include <cstring>

#include <gtest/gtest.h>

#include "tests/support/ScopedEnv.h"
#include "tests/support/TempDir.h"

namespace {

using testing_support::ScopedEnv;
using testing_support::TempDir;

TEST(UtilityFunction, GestaltFromTheReleaseText)
{
    ScopedEnv release("QV_PLATFORM_RELEASE", std::string("11.4.2"));
    int32_t value = 0;
    EXPECT_EQ(Gestalt_ALT(gestaltSystemVersion, &value), 0);
    EXPECT_EQ(value, 0x1074);
    EXPECT_EQ(Gestalt_ALT(gestaltSystemVersionMajor, &value), 0);
    EXPECT_EQ(value, 10);
    EXPECT_EQ(Gestalt_ALT(gestaltSystemVersionMinor, &value), 0);
    EXPECT_EQ(value, 7);
    EXPECT_EQ(Gestalt_ALT(gestaltSystemVersionBugFix, &value), 0);
    EXPECT_EQ(value, 4);
    EXPECT_EQ(getOSMinorVersion(), 7);
    value = 12345;
    EXPECT_EQ(Gestalt_ALT(0x61626364 /* 'abcd' */, &value), -1);
    EXPECT_EQ(value, 12345);
}

TEST(UtilityFunction, GestaltDefaultsAndUnreadableRelease)
{
    int32_t value = 0;
    {
        ScopedEnv release("QV_PLATFORM_RELEASE", std::nullopt);
        Gestalt_ALT(gestaltSystemVersion, &value);
        EXPECT_GE(value, 0x1080);
    }
    {
        ScopedEnv release("QV_PLATFORM_RELEASE", std::string("7.9.0"));
        Gestalt_ALT(gestaltSystemVersion, &value);
        EXPECT_EQ(value, 0x1039);
    }
    {
        // A release without a minor number reads as the cache stamp reads it.
        ScopedEnv release("QV_PLATFORM_RELEASE", std::string("17"));
        Gestalt_ALT(gestaltSystemVersion, &value);
        EXPECT_EQ(value, 0x10D0);
    }
    ScopedEnv release("QV_PLATFORM_RELEASE", std::string("garbage"));
    Gestalt_ALT(gestaltSystemVersion, &value);
    EXPECT_EQ(value, 0x1000);
}

TEST(UtilityFunction, TenthsTextBothWays)
{
    std::array<char, 16> text{};
    const auto toText = [&](int value) {
        text.fill('#');
        EXPECT_TRUE(ConvertIntToFloatStr(&value, text));
        return std::string(text.data());
    };
    EXPECT_EQ(toText(7), "0.7");
    EXPECT_EQ(toText(123), "12.3");
    EXPECT_EQ(toText(0), "0.0");
    EXPECT_EQ(toText(10), "1.0");
    EXPECT_EQ(toText(-5), "-0.5");
    EXPECT_EQ(ConvertFloatStrToInt("0.7"), 7);
    EXPECT_EQ(ConvertFloatStrToInt("7"), 70);
    EXPECT_EQ(ConvertFloatStrToInt("2.5"), 25);
    EXPECT_EQ(ConvertFloatStrToInt(".5"), 5);
    EXPECT_EQ(ConvertFloatStrToInt("12"), 120);
    EXPECT_EQ(ConvertFloatStrToInt("012"), 120);
    EXPECT_EQ(ConvertFloatStrToInt("2.55"), 255);
    EXPECT_EQ(ConvertFloatStrToInt("5."), 5);
    EXPECT_EQ(ConvertFloatStrToInt(""), 0);
    EXPECT_EQ(ConvertFloatStrToInt(nullptr), 0);
    for (int value : {1, 9, 25, 100, 999, 12345}) {
        EXPECT_EQ(ConvertFloatStrToInt(toText(value).c_str()), value) << value;
    }
    std::array<char, 4> tight{};
    const int big = 12345;
    EXPECT_FALSE(ConvertIntToFloatStr(&big, tight));
    EXPECT_EQ(tight[0], '\0');
}

TEST(UtilityFunction, PointsInText)
{
    EXPECT_EQ(GetStringPointCount(u"1.2.3"), 2);
    EXPECT_EQ(GetStringPointIndex(u"12.5"), 3);
    EXPECT_EQ(GetStringPointIndex(u"125"), 4);
    EXPECT_EQ(GetStringPointIndex(u""), 1);
    EXPECT_EQ(numCompare(1, 2, nullptr), -1);
    EXPECT_EQ(numCompare(2, 2, nullptr), 0);
    EXPECT_EQ(numCompare(3, 2, nullptr), 1);
}

// itoa is tested with the platform layer.
TEST(UtilityFunction, TheValueEscapeDecodedInPlace)
{
    char escaped[] = "/97/44/98";
    numstrtochar(escaped);
    EXPECT_STREQ(escaped, "a,b");
    char slash[] = "/47/120";
    numstrtochar(slash);
    EXPECT_STREQ(slash, "/x");
    char plain[] = "abc";
    numstrtochar(plain);
    EXPECT_STREQ(plain, "abc");
    char wide[] = "/65/300/66";
    numstrtochar(wide);
    EXPECT_EQ(std::memcmp(wide, "A\0B", 3), 0);
    // No terminator within the buffer: decoding stays inside it.
    std::array<char, 4> unterminated = {'/', '6', '5', '/'};
    numstrtochar(unterminated);
    EXPECT_EQ(unterminated[0], 'A');
}

TEST(UtilityFunction, TimeZoneTexts)
{
    {
        ScopedEnv tz("TZ", std::string("Asia/Tokyo"));
        EXPECT_EQ(GetActualTimeZoneString(), "+0900");
        EXPECT_EQ(GetActualDSTSecondOffset(), 0);
        LongDateRec date;
        date.hour = 9;
        date.minute = 5;
        std::array<char, 64> text{};
        ASSERT_TRUE(ConvertLongDateToNSDate(date, text));
        EXPECT_STREQ(text.data(), "2001-01-01 09:05:00 +0900");
        date.hour = 17;
        date.minute = 45;
        ASSERT_TRUE(ConvertLongDateToNSDate(date, text));
        EXPECT_STREQ(text.data(), "2001-01-01 17:45:00 +0900");
    }
    {
        ScopedEnv tz("TZ", std::string("<-0330>3:30"));
        EXPECT_EQ(GetActualTimeZoneString(), "-0330");
    }
    {
        // Newfoundland: -03:30 standard time, daylight saving in summer; the
        // standard offset is reported whatever the season.
        ScopedEnv tz("TZ", std::string("America/St_Johns"));
        EXPECT_EQ(GetActualTimeZoneString(), "-0330");
        EXPECT_EQ(GetActualDSTSecondOffset(), 3600);
    }
    {
        // Daylight saving all year round: the current offset is -02:30, the
        // standard one still -03:30.
        ScopedEnv tz("TZ", std::string("<-0330>3:30<-0230>,0/0,J365/25"));
        EXPECT_EQ(GetActualTimeZoneString(), "-0330");
    }
    {
        ScopedEnv tz("TZ", std::string("Asia/Kathmandu"));
        EXPECT_EQ(GetActualTimeZoneString(), "+0545");
    }
    {
        ScopedEnv tz("TZ", std::string("UTC"));
        EXPECT_EQ(GetActualTimeZoneString(), "+0000");
    }
    {
        ScopedEnv tz("TZ", std::string("<+0030>-0:30"));
        EXPECT_EQ(GetActualTimeZoneString(), "+0030");
    }
    {
        ScopedEnv tz("TZ", std::string("America/Los_Angeles"));
        EXPECT_EQ(GetActualTimeZoneString(), "-0800");
    }
}

TEST(UtilityFunction, DateTextToLongDate)
{
    LongDateRec date;
    ASSERT_TRUE(ConvertNSDateToLongDate("2001-01-01 09:05:00 +0900", &date));
    EXPECT_EQ(date.hour, 9);
    EXPECT_EQ(date.minute, 5);
    date.hour = 1;
    EXPECT_FALSE(ConvertNSDateToLongDate("2001-01-01 9", &date));
    EXPECT_FALSE(ConvertNSDateToLongDate("2001-01-01 ab:cd:00", &date));
    EXPECT_EQ(date.hour, 1);
}

TEST(UtilityFunction, SessionAndSettings)
{
    platform::PrintSession session;
    int32_t value = -1;
    EXPECT_EQ(GetTicketFromSession(&session, "count", &value), -30891);
    session.SetData("count", 42LL);
    EXPECT_EQ(GetTicketFromSession(&session, "count", &value), 0);
    EXPECT_EQ(value, 42);
    session.SetData("text", std::string("42"));
    EXPECT_EQ(GetTicketFromSession(&session, "text", &value), -30891);
    EXPECT_EQ(GetTicketFromSession(nullptr, "count", &value), -30891);

    std::string key;
    EXPECT_EQ(SetPrinterString(&session, &key), 1);
    session.SetCurrentPrinter(platform::Printer("KZ63"));
    EXPECT_EQ(SetPrinterString(&session, &key), 0);
    EXPECT_EQ(SetPrinterString(&session, nullptr), 1);
    EXPECT_TRUE(
        CreateKeyWithCurrentPrinter("com.lumeral.vrk.printsettings.PrintTypeUserNameReference", "", &key));
    EXPECT_EQ(key, "KZ63com.lumeral.vrk.printsettings.PrintTypeUserNameReference");
    EXPECT_FALSE(CreateKeyWithCurrentPrinter(nullptr, "KZ63", &key));
    EXPECT_FALSE(CreateKeyWithCurrentPrinter("k", "KZ63", nullptr));

    platform::PrintSettings settings;
    const char* ticket = "com.lumeral.vrk.printsettings.PrintTypeTicketKey";
    EXPECT_EQ(SetValueToSettingsWithTicketKeyAndLock("2", &settings, ticket, true), 0);
    std::string stored;
    EXPECT_EQ(settings.GetValue(ticket, &stored), 0);
    EXPECT_EQ(stored, "2");
    EXPECT_TRUE(settings.IsLocked(ticket));
    EXPECT_EQ(SetValueToSettingsWithTicketKeyAndLock(nullptr, &settings, ticket, false), -50);
    EXPECT_EQ(SetValueToSettingsWithTicketKeyAndLock("2", nullptr, ticket, false), -50);
    EXPECT_EQ(SetValueToSettingsWithTicketKeyAndLock("2", &settings, nullptr, false), -50);
    EXPECT_EQ(SetValueToSettingsWithTicketKeyAndLock("\xC3", &settings, ticket, false), -108);
    EXPECT_EQ(settings.GetValue(ticket, &stored), 0);
    EXPECT_EQ(stored, "2");
}

TEST(UtilityFunction, UserGroupsFromTheTestsOwnDatabase)
{
    TempDir dir;
    ScopedEnv passwd("QV_PASSWD_FILE", dir.Write("passwd", "alice:x:1001:1001::/home/alice:/bin/sh\n"
                                                           "bob:x:1002:50::/home/bob:/bin/sh\n"));
    ScopedEnv group("QV_GROUP_FILE", dir.Write("group", "alice:x:1001:\nstaff:x:50:\nprint:x:60:alice\n"));
    EXPECT_TRUE(CheckUserGroups("alice", "print"));
    EXPECT_TRUE(CheckUserGroups("bob", "staff"));
    EXPECT_FALSE(CheckUserGroups("bob", "print"));
    EXPECT_FALSE(CheckUserGroups("alice", "nosuchgroup"));
    testing::internal::CaptureStderr();
    EXPECT_FALSE(CheckUserGroups("mallory", "staff"));
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "groups: no such user.\n");
}

TEST(UtilityFunction, ResourceNames)
{
    EXPECT_EQ(GetAppResourceName("Margin-Booklet", 0), "Margin");
    EXPECT_EQ(GetAppResourceName("Margin-Booklet", 1), "Booklet");
    EXPECT_EQ(GetAppResourceName("Margin-Booklet-x", 1), "Booklet-x");
    EXPECT_EQ(GetAppResourceName("Margin", 0), "Margin");
    EXPECT_EQ(GetAppResourceName("Margin", 1), "");
    EXPECT_EQ(GetAppResourceNameNS("a-b", 1), "b");
    EXPECT_EQ(GetAppFullResourceName("Panel", 0, "Tiger", "Panther"), "TigerPanel");
    EXPECT_EQ(GetAppFullResourceName("Panel", 1, "Tiger", "Panther"), "PantherPanel");
    EXPECT_EQ(GetAppFullResourceName("Panel", 2, "Tiger", "Panther"), "Panel");
    EXPECT_EQ(GetAppFullResourceName(std::string(300, 'n'), 0, "p", "q").size(), 255u);

    // 85 three-byte characters take 255 bytes; the 86th does not fit.
    const std::u16string wide(90, u'\u3042');
    EXPECT_EQ(NSStringCreateWithCFString(wide), std::u16string(85, u'\u3042'));
    // A pair is never split: 254 bytes of ASCII leave no room for its 4 bytes.
    const std::u16string mixed = std::u16string(254, u'a') + u"\U0001F600";
    EXPECT_EQ(NSStringCreateWithCFString(mixed), std::u16string(254, u'a'));
    auto owned = std::make_unique<std::u16string>(u"x");
    ReleaseCFString(&owned);
    EXPECT_EQ(owned, nullptr);
}

TEST(UtilityFunction, AppIdentityBundleAndHelp)
{
    TempDir dir;
    ScopedEnv registration("QV_HELP_REGISTRATION", dir.file("help.plist"));
    ScopedEnv lang("LANG", std::string("C"));
    ScopedEnv language("LANGUAGE", std::nullopt);
    ScopedEnv all("LC_ALL", std::nullopt);
    dir.Write("account.plugin/Info.plist",
              "<?xml version=\"1.0\"?><plist version=\"1.0\"><dict><key>CFBundleIdentifier</key>"
              "<string>com.quorvel.kt.mq22.pde.Account</string><key>CFBundleHelpBookName</key>"
              "<string>Account Help</string></dict></plist>");
    dir.Write("account.plugin/Resources/English.lproj/Localizable.strings",
              "\"HelpBookName\" = \"Account Help\";");
    dir.Write("account.plugin/Resources/English.lproj/Help/jba.htm", "<html/>");

    platform::RecordingHostServices host;
    const AppIdentity account{"com.quorvel.kt.mq22.pde.Account", kAccountClientID};
    EXPECT_EQ(GetAppClientID(account), "com.quorvel.kt.mq22.AccountKind");
    EXPECT_EQ(GetAppBundleRef(host, account), nullptr);
    EXPECT_EQ(RegisterMyHelpBook(host, account), -43);

    auto bundle =
        std::make_shared<const platform::Bundle>(*platform::Bundle::Open(dir.file("account.plugin")));
    host.Bundles().Register(bundle);
    EXPECT_EQ(GetAppBundleRef(host, account), bundle);
    EXPECT_EQ(GetAppBundleRef(host, AppIdentity{"", kAccountClientID}), nullptr); // before initWithBundle
    EXPECT_EQ(RegisterMyHelpBook(host, account), 0);

    EXPECT_EQ(GotoHelpPage(host, bundle.get(), "jba.htm", "top", "HelpBookName"), 0);
    const std::vector<platform::ShownHelpPage> shown = {
        {dir.file("account.plugin/Resources/English.lproj/Help/jba.htm"), "top"}};
    EXPECT_EQ(host.ShownPages(), shown);
    EXPECT_EQ(GotoHelpPage(host, nullptr, "jba.htm", "", "HelpBookName"), -43);
    EXPECT_EQ(GotoHelpPage(host, bundle.get(), "jba.htm", "", nullptr), -43);
    // A key without translation names the book "no translation", which is not registered.
    EXPECT_EQ(GotoHelpPage(host, bundle.get(), "jba.htm", "", "NoSuchKey"), -43);
    EXPECT_EQ(GotoHelpPage(host, bundle.get(), "../../Info.plist", "", "HelpBookName"), -50);
    EXPECT_EQ(host.ShownPages(), shown);
}

} // namespace
