#include "platform/Bundle.h"
#include "platform/BundleRegistry.h"
#include "platform/StringsTable.h"

#include <gtest/gtest.h>

#include "tests/support/ScopedEnv.h"
#include "tests/support/TempDir.h"

namespace platform {
namespace {

using testing_support::ScopedEnv;
using testing_support::TempDir;

constexpr const char* kInfo = R"(<?xml version="1.0" encoding="UTF-8"?>
<!DOCTYPE plist PUBLIC "-//Apple//DTD PLIST 1.0//EN" "http://www.apple.com/DTDs/PropertyList-1.0.dtd">
<plist version="1.0"><dict>
<key>CFBundleIdentifier</key><string>com.quorvel.kt.mq22.pde.Features</string>
<key>CFBundleDevelopmentRegion</key><string>English</string>
<key>CFBundleHelpBookName</key><string>Features Help</string>
<key>SupportedKeys</key><array><string>QVInputSlot</string><integer>4</integer><string>Duplex</string></array>
</dict></plist>
)";

class BundleFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        root = dir.file("featurepanel.plugin");
        dir.Write("featurepanel.plugin/Info.plist", kInfo);
        dir.Write("featurepanel.plugin/Resources/English.lproj/Localizable.strings",
                  "/* titles */\n\"Alert OK Btn\" = \"OK\";\n\"Only English\" = \"en\";\n");
        dir.Write("featurepanel.plugin/Resources/ja.lproj/Localizable.strings",
                  "\"Alert OK Btn\" = \"\\U306f\\U3044\";\n");
        dir.Write("featurepanel.plugin/Resources/Localizable2.strings",
                  "\"Message22k\" = \"Enter 1 to 999.\";\n");
        dir.Write("featurepanel.plugin/Resources/AlertIcon.png", "png");
        dir.Write("featurepanel.plugin/Resources/Layouts/Margin.layout", "x");
        dir.Write("featurepanel.plugin/Resources/English.lproj/Help/index.htm", "<html/>");
    }

    TempDir dir;
    std::string root;
    ScopedEnv language{"LANGUAGE", std::nullopt};
    ScopedEnv all{"LC_ALL", std::nullopt};
    ScopedEnv messages{"LC_MESSAGES", std::nullopt};
    ScopedEnv lang{"LANG", std::string("C.UTF-8")};
};

TEST_F(BundleFixture, InformationDictionary)
{
    const std::optional<Bundle> bundle = Bundle::Open(root + "/");
    ASSERT_TRUE(bundle);
    EXPECT_EQ(bundle->Path(), root);
    EXPECT_EQ(bundle->Identifier(), "com.quorvel.kt.mq22.pde.Features");
    EXPECT_EQ(bundle->InfoStringArray("SupportedKeys"), (std::vector<std::string>{"QVInputSlot", "Duplex"}));
    EXPECT_FALSE(bundle->InfoString("SupportedKeys"));
    EXPECT_FALSE(bundle->InfoString("Absent"));
    EXPECT_FALSE(Bundle::Open(dir.file("nothing.plugin")));
}

TEST_F(BundleFixture, LocalizedStringsFollowTheLanguageAndFallBack)
{
    const std::optional<Bundle> bundle = Bundle::Open(root);
    ASSERT_TRUE(bundle);
    EXPECT_EQ(bundle->LocalizedString("Alert OK Btn", "no translation", ""), "OK");
    EXPECT_EQ(bundle->LocalizedString("Missing", "no translation", ""), "no translation");
    EXPECT_EQ(bundle->LocalizedString("Missing", "", ""), "Missing");
    EXPECT_EQ(bundle->LocalizedString("Message22k", "no translation", "Localizable2"), "Enter 1 to 999.");
    EXPECT_EQ(bundle->LocalizedString("Message22k", "no translation", "../Localizable2"), "no translation");

    ScopedEnv japanese("LANG", std::string("ja_JP.UTF-8"));
    const std::optional<Bundle> ja = Bundle::Open(root);
    EXPECT_EQ(ja->LocalizedString("Alert OK Btn", "no translation", ""), "\xE3\x81\xAF\xE3\x81\x84");
    // A key the Japanese table lacks is taken from the development region's table.
    EXPECT_EQ(ja->LocalizedString("Only English", "no translation", ""), "en");
}

TEST_F(BundleFixture, ResourcesByNameTypeAndSubfolder)
{
    const std::optional<Bundle> bundle = Bundle::Open(root);
    EXPECT_EQ(bundle->PathForResource("AlertIcon", "png"), root + "/Resources/AlertIcon.png");
    EXPECT_EQ(bundle->PathForResource("Margin", "layout", "Layouts"),
              root + "/Resources/Layouts/Margin.layout");
    EXPECT_EQ(bundle->PathForResource("index", "htm", "Help"),
              root + "/Resources/English.lproj/Help/index.htm");
    EXPECT_FALSE(bundle->PathForResource("Margin", "layout"));
    EXPECT_FALSE(bundle->PathForResource("../Info", "plist"));
    EXPECT_EQ(bundle->HelpDirectory(), root + "/Resources/English.lproj/Help");
}

TEST_F(BundleFixture, RegistryFindsBundlesByIdentifier)
{
    auto bundle = std::make_shared<const Bundle>(*Bundle::Open(root));
    BundleRegistry registry;
    registry.Register(bundle);
    EXPECT_EQ(registry.Find("com.quorvel.kt.mq22.pde.Features"), bundle);
    EXPECT_EQ(BundleRegistry().Find("com.quorvel.kt.mq22.pde.Features"), nullptr); // no process-wide list
    registry.Unregister("com.quorvel.kt.mq22.pde.Features");
    EXPECT_EQ(registry.Find("com.quorvel.kt.mq22.pde.Features"), nullptr);
}

TEST(StringsTable, TextFormWithCommentsEscapesAndBareWords)
{
    const auto table = ParseStringsTable(
        "// line comment\n/* block\n comment */ \"a\" = \"x\\\"y\\\\z\\n\";\nbare_key = bare.value;\n"
        "\"self\";\n\"pair\" = \"\\UD83D\\UDE00\";\n\"a\" = \"later\";");
    ASSERT_TRUE(table);
    EXPECT_EQ(table->at("a"), "later");
    EXPECT_EQ(table->at("bare_key"), "bare.value");
    EXPECT_EQ(table->at("self"), "self");
    EXPECT_EQ(table->at("pair"), "\xF0\x9F\x98\x80");
    const auto escaped = ParseStringsTable("\"k\" = \"x\\\"y\\\\z\\n\";");
    EXPECT_EQ(escaped->at("k"), "x\"y\\z\n");
}

TEST(StringsTable, Utf16WithByteOrderMarkAndPlistForm)
{
    const std::string text = "\"k\" = \"\xC3\xA9\";";
    std::string le = "\xFF\xFE";
    for (char16_t unit : std::u16string(u"\"k\" = \"\u00E9\";")) {
        le += static_cast<char>(unit & 0xFF);
        le += static_cast<char>(unit >> 8);
    }
    const auto fromUtf16 = ParseStringsTable(le);
    ASSERT_TRUE(fromUtf16);
    EXPECT_EQ(fromUtf16->at("k"), "\xC3\xA9");
    const auto fromPlist = ParseStringsTable(
        "<?xml version=\"1.0\"?><plist version=\"1.0\"><dict><key>k</key><string>v</string></dict></plist>");
    ASSERT_TRUE(fromPlist);
    EXPECT_EQ(fromPlist->at("k"), "v");
}

TEST(StringsTable, MalformedTablesAreRefusedWithoutCrashing)
{
    for (const std::string& bad : std::vector<std::string>{
             "\"k\" = \"v\"", "\"k\" = \"unterminated;", "/* open", "\"k\" = ;", "= \"v\";",
             "\"k\" = \"\\U12\";", std::string("\xFF\xFE\x41", 3), "\"k\" = \"\xC3\";", "\"k\" \"v\";"}) {
        EXPECT_FALSE(ParseStringsTable(bad)) << bad;
    }
    EXPECT_TRUE(ParseStringsTable(""));
    EXPECT_TRUE(ParseStringsTable("  /* nothing */ "));
}

} // namespace
} // namespace platform
