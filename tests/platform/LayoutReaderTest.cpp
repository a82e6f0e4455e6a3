#include "platform/ui/Layout.h"

#include <gtest/gtest.h>

#include "tests/support/PlistXml.h"
#include "tests/support/ScopedEnv.h"
#include "tests/support/TempDir.h"

namespace platform::ui {
namespace {

using testing_support::PlistXml;

// A window layout with one outlet of each kind that carries extra data.
constexpr std::string_view kMarginWindow = R"(<dict>
<key>Title</key><string>Margin Window Title</string>
<key>Frame</key><array><integer>0</integer><integer>0</integer><real>320.5</real><integer>200</integer></array>
<key>Outlets</key><array>
 <dict><key>Name</key><string>UnitPopup</string><key>Kind</key><string>popup</string><key>Tag</key><integer>-7</integer>
  <key>Frame</key><array><integer>20</integer><integer>-4</integer><integer>120</integer><integer>22</integer></array>
  <key>Items</key><array><string>mm</string><string>inch</string></array></dict>
 <dict><key>Name</key><string>MarginStepper</string><key>Kind</key><string>stepper</string><key>Tag</key><integer>3</integer>
  <key>Min</key><integer>-2</integer><key>Max</key><integer>254</integer><key>Enabled</key><false/><key>Hidden</key><true/></dict>
 <dict><key>Name</key><string>AutoFit</string><key>Kind</key><string>checkbox</string><key>Title</key><string>Auto Fit</string></dict>
</array></dict>)";

TEST(LayoutReaderTest, GoodLayoutReadsBack)
{
    std::string error;
    const std::optional<Layout> layout = ParseLayout(PlistXml(kMarginWindow), &error);
    ASSERT_TRUE(layout) << error;
    EXPECT_EQ(layout->titleKey, "Margin Window Title");
    EXPECT_EQ(layout->frame, (Rect{0, 0, 320.5, 200}));
    ASSERT_EQ(layout->outlets.size(), 3u);

    const LayoutOutlet& popup = layout->outlets[0];
    EXPECT_EQ(popup.name, "UnitPopup");
    EXPECT_EQ(popup.kind, WidgetKind::PopUp);
    EXPECT_EQ(popup.tag, -7);
    EXPECT_EQ(popup.frame, (Rect{20, -4, 120, 22}));
    EXPECT_EQ(popup.itemKeys, (std::vector<std::string>{"mm", "inch"}));
    EXPECT_TRUE(popup.enabled);
    EXPECT_FALSE(popup.hidden);

    const LayoutOutlet& stepper = layout->outlets[1];
    EXPECT_EQ(stepper.kind, WidgetKind::Stepper);
    EXPECT_EQ(stepper.minValue, -2);
    EXPECT_EQ(stepper.maxValue, 254);
    EXPECT_FALSE(stepper.enabled);
    EXPECT_TRUE(stepper.hidden);
    EXPECT_EQ(stepper.frame, Rect{});

    EXPECT_EQ(layout->outlets[2].kind, WidgetKind::CheckBox);
    EXPECT_EQ(layout->outlets[2].titleKey, "Auto Fit");
}

// An outlet of the kind and name with the entries given.
std::string Outlet(std::string_view entries, std::string_view kind = "button", std::string_view name = "A")
{
    return "<dict><key>Name</key><string>" + std::string(name) + "</string><key>Kind</key><string>" +
           std::string(kind) + "</string>" + std::string(entries) + "</dict>";
}

std::string WithOutlets(std::string_view outlets)
{
    return PlistXml("<dict><key>Outlets</key><array>" + std::string(outlets) + "</array></dict>");
}

std::string Frame(std::string_view numbers)
{
    return "<key>Frame</key><array>" + std::string(numbers) + "</array>";
}

TEST(LayoutReaderTest, MalformedLayoutsAreRefusedWithAReason)
{
    std::string manyOutlets;
    for (int i = 0; i < 1001; ++i) manyOutlets += Outlet("", "view", "N" + std::to_string(i));
    const std::string one = "<integer>1</integer>";
    // Found by fuzz_layout_reader: a binary list whose dictionary key (UTF-16)
    // holds zero bytes; reading that key aborted the process inside libplist.
    const std::string keyWithZeroBytes(
        "bplist00\xd1\x02\x01\x54\x55\x3a\x00\x00\x00\x00\x00\x00\x00\x20\x31\x08\x0b\x03\x00\x00"
        "\x42\x00\x11\x00\x01\x01\x00\x00\x00\x00\x00\x00\x00\x03\x00\x00\x00\x00\x00\x00\x00\x00"
        "\x00\x00\x00\x00\x00\x00\x00\x17",
        58);

    const struct {
        const char* why;
        std::string bytes;
        const char* reasonPart;
    } cases[] = {
        {"not a plist", "<html>", "not a property list"},
        {"binary key holding zero bytes", keyWithZeroBytes, "not a property list"},
        {"root is an array", PlistXml("<array/>"), "not a dictionary"},
        {"unknown key", PlistXml("<dict><key>Titel</key><string>x</string></dict>"), "unknown key \"Titel\""},
        {"outlets not an array", PlistXml("<dict><key>Outlets</key><dict/></dict>"), "not an array"},
        {"outlet without name", WithOutlets("<dict><key>Kind</key><string>box</string></dict>"),
         "no \"Name\""},
        {"unknown kind", WithOutlets(Outlet("", "slider")), "unknown kind \"slider\""},
        {"tag not an integer", WithOutlets(Outlet("<key>Tag</key><string>4</string>")), "not an integer"},
        {"tag beyond 32 bits", WithOutlets(Outlet("<key>Tag</key><integer>4294967296</integer>")),
         "out of range"},
        {"frame of three numbers", WithOutlets(Outlet(Frame(one + one + one))), "four numbers"},
        {"negative width", WithOutlets(Outlet(Frame(one + one + "<integer>-1</integer>" + one))),
         "negative size"},
        {"non-finite height", WithOutlets(Outlet(Frame(one + one + one + "<real>nan</real>"))), "not finite"},
        {"absurd origin", WithOutlets(Outlet(Frame("<real>1e300</real>" + one + one + one))), "out of range"},
        {"flag not a Boolean", WithOutlets(Outlet("<key>Hidden</key>" + one)), "not a Boolean"},
        {"items on a button", WithOutlets(Outlet("<key>Items</key><array/>")), "not a pop-up"},
        {"item not a string", WithOutlets(Outlet("<key>Items</key><array>" + one + "</array>", "popup")),
         "item 0 is not a string"},
        {"range on a button", WithOutlets(Outlet("<key>Max</key>" + one)), "not a stepper"},
        {"minimum above maximum",
         WithOutlets(Outlet("<key>Min</key><integer>5</integer><key>Max</key>" + one, "stepper")), "above"},
        {"duplicate names", WithOutlets(Outlet("") + Outlet("", "box")), "two outlets are named \"A\""},
        {"too many outlets", WithOutlets(manyOutlets), "more than 1000 outlets"},
        {"title key too long",
         PlistXml("<dict><key>Title</key><string>" + std::string(1025, 'k') + "</string></dict>"),
         "not a usable text"},
    };
    for (const auto& c : cases) {
        std::string error;
        EXPECT_FALSE(ParseLayout(c.bytes, &error)) << c.why;
        EXPECT_NE(error.find(c.reasonPart), std::string::npos) << c.why << ": " << error;
    }
}

TEST(LayoutReaderTest, ReadByNameFromTheBundleOnly)
{
    testing_support::TempDir dir;
    const testing_support::ScopedEnv lang("LANG", std::string("C.UTF-8"));
    dir.Write("p.plugin/Resources/English.lproj/ZKPrintFeature.plist", PlistXml(kMarginWindow));
    dir.Write("p.plugin/Resources/Broken.plist", PlistXml("<dict><key>Outlets</key><string/></dict>"));
    dir.Write("Outside.plist", PlistXml(kMarginWindow));
    const std::optional<Bundle> bundle = Bundle::Open(dir.file("p.plugin"));
    ASSERT_TRUE(bundle);

    std::string error;
    const std::optional<Layout> layout = ReadLayout(*bundle, "ZKPrintFeature", &error);
    ASSERT_TRUE(layout) << error;
    EXPECT_EQ(layout->outlets.size(), 3u);

    EXPECT_FALSE(ReadLayout(*bundle, "Broken", &error));
    EXPECT_NE(error.find("not an array"), std::string::npos) << error;
    EXPECT_FALSE(ReadLayout(*bundle, "Missing", &error));
    EXPECT_FALSE(ReadLayout(*bundle, "../../Outside", &error));
    EXPECT_FALSE(ReadLayout(*bundle, dir.file("Outside"), &error));
}

} // namespace
} // namespace platform::ui
