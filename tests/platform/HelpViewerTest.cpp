#include "platform/HelpViewer.h"
#include "platform/PlistHandle.h"

#include <gtest/gtest.h>

#include "tests/support/ScopedEnv.h"
#include "tests/support/TempDir.h"

namespace platform {
namespace {

using testing_support::ScopedEnv;
using testing_support::TempDir;

TEST(HelpViewer, RegisteredBookHandsPagesToTheHost)
{
    TempDir dir;
    ScopedEnv registration("QV_HELP_REGISTRATION", dir.file("prefs/help.plist"));
    ScopedEnv lang("LANG", std::string("C"));
    dir.Write("x.plugin/Info.plist",
              "<?xml version=\"1.0\"?><plist version=\"1.0\"><dict><key>CFBundleIdentifier</key>"
              "<string>com.quorvel.test</string><key>CFBundleHelpBookName</key><string>Test Help</string>"
              "</dict></plist>");
    dir.Write("x.plugin/Resources/Help/page1.htm", "<html/>");
    const auto bundle = Bundle::Open(dir.file("x.plugin"));
    ASSERT_TRUE(bundle);

    std::string shown;
    std::string shownAnchor;
    HelpViewer::SetPageHandler([&](const std::string& page, const std::string& anchor) {
        shown = page;
        shownAnchor = anchor;
        return 0;
    });
    EXPECT_EQ(HelpViewer::GotoPage("Test Help", "page1.htm", ""), kHelpNotFound); // not registered yet
    ASSERT_EQ(HelpViewer::RegisterHelpBook(*bundle), kHelpNoError);
    EXPECT_EQ(HelpViewer::GotoPage("Test Help", "page1.htm", "top"), 0);
    EXPECT_EQ(shown, dir.file("x.plugin/Resources/Help/page1.htm"));
    EXPECT_EQ(shownAnchor, "top");
    EXPECT_EQ(HelpViewer::GotoPage("Test Help", "missing.htm", ""), kHelpNotFound);
    EXPECT_EQ(HelpViewer::GotoPage("Test Help", "../Info.plist", ""), kHelpBadParameter);

    // The registration file names the book's folder.
    const PlistHandle root = ReadPlistFile(dir.file("prefs/help.plist"));
    ASSERT_TRUE(root);
    plist_t entries =
        plist_dict_get_item(plist_dict_get_item(root.get(), "RegisteredBooks"), "com.quorvel.test");
    ASSERT_NE(entries, nullptr);
    EXPECT_EQ(PlistStringValue(plist_dict_get_item(plist_array_get_item(entries, 0), "url")),
              "file://" + dir.file("x.plugin/Resources/Help/"));
    HelpViewer::SetPageHandler(nullptr);
    EXPECT_EQ(HelpViewer::GotoPage("Test Help", "page1.htm", ""), kHelpNotFound);
}

TEST(HelpViewer, BundleWithoutHelpFolderCannotRegister)
{
    TempDir dir;
    dir.Write("y.plugin/Resources/AlertIcon.png", "x");
    const auto bundle = Bundle::Open(dir.file("y.plugin"));
    ASSERT_TRUE(bundle);
    EXPECT_EQ(HelpViewer::RegisterHelpBook(*bundle), kHelpNotFound);
}

} // namespace
} // namespace platform
