#include "platform/ui/Layout.h"

#include <gtest/gtest.h>

#include "platform/PlistHandle.h"

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

    // The same layout in binary form.
    const std::string xml = PlistXml(kMarginWindow);
    plist_t root = nullptr;
    plist_from_xml(xml.data(), static_cast<uint32_t>(xml.size()), &root);
    const PlistHandle owner(root);
    char* binary = nullptr;
    uint32_t length = 0;
    plist_to_bin(owner.get(), &binary, &length);
    ASSERT_NE(binary, nullptr);
    const std::string bytes(binary, length);
    plist_to_bin_free(binary);
    const std::optional<Layout> fromBinary = ParseLayout(bytes, &error);
    ASSERT_TRUE(fromBinary) << error;
    EXPECT_EQ(fromBinary->outlets[1].minValue, -2);
    EXPECT_EQ(fromBinary->outlets[0].tag, -7);
    EXPECT_EQ(fromBinary->frame, layout->frame);
}

std::string Outlet(std::string_view entries) { return "<dict>" + std::string(entries) + "</dict>"; }

std::string WithOutlets(std::string_view outlets)
{
    return "<dict><key>Outlets</key><array>" + std::string(outlets) + "</array></dict>";
}

std::string NamedOutlet(std::string_view extra)
{
    return Outlet("<key>Name</key><string>A</string><key>Kind</key><string>button</string>" +
                  std::string(extra));
}

TEST(LayoutReaderTest, MalformedLayoutsAreRefusedWithAReason)
{
    std::string manyOutlets;
    for (int i = 0; i < 1001; ++i)
        manyOutlets += Outlet("<key>Name</key><string>N" + std::to_string(i) +
                              "</string><key>Kind</key><string>view</string>");
    std::string manyItems;
    for (int i = 0; i < 1001; ++i) manyItems += "<string>k</string>";

    const struct {
        const char* why;
        std::string bytes;
        const char* reasonPart;
    } cases[] = {
        {"empty bytes", "", "empty"},
        {"not a plist", "<html>", "not a property list"},
        {"root is an array", PlistXml("<array/>"), "not a dictionary"},
        {"unknown root key", PlistXml("<dict><key>Titel</key><string>x</string></dict>"),
         "unknown key \"Titel\""},
        {"title not a string", PlistXml("<dict><key>Title</key><integer>1</integer></dict>"), "not a string"},
        {"outlets not an array", PlistXml("<dict><key>Outlets</key><dict/></dict>"), "not an array"},
        {"outlet not a dictionary", PlistXml(WithOutlets("<string>A</string>")), "not a dictionary"},
        {"outlet without name", PlistXml(WithOutlets(Outlet("<key>Kind</key><string>box</string>"))),
         "no \"Name\""},
        {"outlet without kind", PlistXml(WithOutlets(Outlet("<key>Name</key><string>A</string>"))),
         "no \"Kind\""},
        {"unknown kind",
         PlistXml(
             WithOutlets(Outlet("<key>Name</key><string>A</string><key>Kind</key><string>slider</string>"))),
         "unknown kind \"slider\""},
        {"tag not an integer", PlistXml(WithOutlets(NamedOutlet("<key>Tag</key><string>4</string>"))),
         "not an integer"},
        {"tag beyond 32 bits",
         PlistXml(WithOutlets(NamedOutlet("<key>Tag</key><integer>4294967296</integer>"))), "out of range"},
        {"frame of three numbers",
         PlistXml(WithOutlets(NamedOutlet(
             "<key>Frame</key><array><integer>1</integer><integer>1</integer><integer>1</integer></array>"))),
         "four numbers"},
        {"frame holding a string",
         PlistXml(WithOutlets(NamedOutlet("<key>Frame</key><array><integer>1</integer><string>1</"
                                          "string><integer>1</integer><integer>1</integer></array>"))),
         "four numbers"},
        {"negative width",
         PlistXml(WithOutlets(NamedOutlet("<key>Frame</key><array><integer>0</integer><integer>0</"
                                          "integer><integer>-1</integer><integer>5</integer></array>"))),
         "negative size"},
        {"non-finite height",
         PlistXml(WithOutlets(NamedOutlet("<key>Frame</key><array><integer>0</integer><integer>0</"
                                          "integer><integer>1</integer><real>nan</real></array>"))),
         "not finite"},
        {"absurd origin",
         PlistXml("<dict><key>Frame</key><array><real>1e300</real><integer>0</integer><integer>1</"
                  "integer><integer>1</integer></array></dict>"),
         "out of range"},
        {"enabled not a Boolean",
         PlistXml(WithOutlets(NamedOutlet("<key>Enabled</key><integer>1</integer>"))), "not a Boolean"},
        {"items on a button", PlistXml(WithOutlets(NamedOutlet("<key>Items</key><array/>"))), "not a pop-up"},
        {"item not a string",
         PlistXml(WithOutlets(Outlet("<key>Name</key><string>P</string><key>Kind</key><string>popup</"
                                     "string><key>Items</key><array><integer>1</integer></array>"))),
         "item 0 is not a string"},
        {"range on a button", PlistXml(WithOutlets(NamedOutlet("<key>Max</key><integer>3</integer>"))),
         "not a stepper"},
        {"minimum above maximum",
         PlistXml(WithOutlets(
             Outlet("<key>Name</key><string>S</string><key>Kind</key><string>stepper</string><key>Min</"
                    "key><integer>5</integer><key>Max</key><integer>4</integer>"))),
         "above"},
        {"duplicate names", PlistXml(WithOutlets(NamedOutlet("") + NamedOutlet(""))),
         "two outlets are named \"A\""},
        {"too many outlets", PlistXml(WithOutlets(manyOutlets)), "more than 1000 outlets"},
        {"too many items",
         PlistXml(WithOutlets(Outlet(
             "<key>Name</key><string>P</string><key>Kind</key><string>popup</string><key>Items</key><array>" +
             manyItems + "</array>"))),
         "more than 1000 items"},
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
