#include "platform/HelpViewer.h"
#include "platform/PlistHandle.h"

#include <gtest/gtest.h>

#include "tests/support/ScopedEnv.h"
#include "tests/support/TempDir.h"

namespace platform {
namespace {

using testing_support::ScopedEnv;
using testing_support::TempDir;

TEST(HelpViewer, RegisteredBookFindsItsPages)
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

    HelpViewer viewer;
    std::string page = "unchanged";
    EXPECT_EQ(viewer.FindPage("Test Help", "page1.htm", page), fnfErr); // not registered yet
    ASSERT_EQ(viewer.RegisterHelpBook(*bundle), noErr);
    EXPECT_EQ(viewer.FindPage("Test Help", "page1.htm", page), noErr);
    EXPECT_EQ(page, dir.file("x.plugin/Resources/Help/page1.htm"));
    EXPECT_EQ(viewer.FindPage("Test Help", "", page), noErr); // the book itself
    EXPECT_EQ(page, dir.file("x.plugin/Resources/Help"));
    page = "unchanged";
    EXPECT_EQ(viewer.FindPage("Test Help", "missing.htm", page), fnfErr);
    EXPECT_EQ(viewer.FindPage("Test Help", "../Info.plist", page), paramErr);
    EXPECT_EQ(viewer.FindPage("Test Help", "/etc/passwd", page), paramErr);
    EXPECT_EQ(viewer.FindPage("Other Help", "page1.htm", page), fnfErr);
    EXPECT_EQ(page, "unchanged");
    // Books are the viewer's own: another host's viewer has none.
    EXPECT_EQ(HelpViewer().FindPage("Test Help", "page1.htm", page), fnfErr);

    // The registration file names the book's folder.
    const PlistHandle root = ReadPlistFile(dir.file("prefs/help.plist"));
    ASSERT_TRUE(root);
    plist_t entries =
        plist_dict_get_item(plist_dict_get_item(root.get(), "RegisteredBooks"), "com.quorvel.test");
    ASSERT_NE(entries, nullptr);
    EXPECT_EQ(PlistStringValue(plist_dict_get_item(plist_array_get_item(entries, 0), "url")),
              "file://" + dir.file("x.plugin/Resources/Help/"));
}

TEST(HelpViewer, BundleWithoutHelpFolderCannotRegister)
{
    TempDir dir;
    dir.Write("y.plugin/Resources/AlertIcon.png", "x");
    const auto bundle = Bundle::Open(dir.file("y.plugin"));
    ASSERT_TRUE(bundle);
    EXPECT_EQ(HelpViewer().RegisterHelpBook(*bundle), fnfErr);
}

} // namespace
} // namespace platform
