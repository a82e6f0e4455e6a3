#include "host/headless/HeadlessWidget.h"

#include <gtest/gtest.h>

#include "host/headless/HeadlessToolkit.h"
#include "tests/support/PlistXml.h"
#include "tests/support/ScopedEnv.h"
#include "tests/support/TempDir.h"

namespace host {
namespace {

using platform::ui::Rect;
using platform::ui::Widget;
using platform::ui::WidgetKind;

TEST(HeadlessWidgetTest, ValuesFollowTheKind)
{
    HeadlessToolkit toolkit;
    auto view = toolkit.createView({0, 0, 400, 300});
    Widget* box = view->addWidget(WidgetKind::CheckBox, {}, "AutoFit");
    Widget* field = view->addWidget(WidgetKind::TextField, {});
    Widget* stepper = view->addWidget(WidgetKind::Stepper, {});
    Widget* twin = view->addWidget(WidgetKind::PushButton, {});
    box->setTag(7);
    twin->setTag(7);

    box->setIntValue(5); // any integer other than 0 turns a box on
    EXPECT_EQ(box->intValue(), 1);
    box->setIntValue(0);
    EXPECT_EQ(box->intValue(), 0);

    field->setStringValue(" -42mm");
    EXPECT_EQ(field->intValue(), -42);
    field->setStringValue("99999999999");
    EXPECT_EQ(field->intValue(), 2147483647);
    field->setIntValue(17);
    EXPECT_EQ(field->stringValue(), "17");

    EXPECT_EQ(stepper->minValue(), 0);
    EXPECT_EQ(stepper->maxValue(), 59);
    stepper->setMinValue(1);
    stepper->setMaxValue(254);
    stepper->setIntValue(0); // shown as given; only a person's step keeps to the range
    EXPECT_EQ(stepper->intValue(), 0);

    // Operations foreign to a kind do nothing.
    box->setMaxValue(9);
    box->addItem("x", "y");
    EXPECT_EQ(box->maxValue(), 0);
    EXPECT_EQ(box->numberOfItems(), 0);

    EXPECT_EQ(view->viewWithTag(7), box);
    EXPECT_EQ(view->viewWithTag(8), nullptr);
    EXPECT_EQ(view->widgetForOutlet("AutoFit"), box);
    EXPECT_EQ(view->widgetForOutlet(""), nullptr);
    EXPECT_EQ(view->widgets(), (std::vector<Widget*>{box, field, stepper, twin}));
}

TEST(HeadlessWidgetTest, PopUpMenu)
{
    HeadlessToolkit toolkit;
    auto view = toolkit.createView({});
    Widget* popup = view->addWidget(WidgetKind::PopUp, {});
    EXPECT_EQ(popup->indexOfSelectedItem(), -1);
    popup->setAutoenablesItems(false);
    popup->addItem("Millimetres", "mm");
    EXPECT_EQ(popup->indexOfSelectedItem(), 0); // the first item added is selected
    popup->addItem("Inches", "inch");
    popup->setItemEnabled(1, false);
    EXPECT_EQ(popup->itemAtIndex(1).representedObject, "inch");
    EXPECT_FALSE(popup->itemAtIndex(1).enabled);
    EXPECT_FALSE(static_cast<HeadlessWidget*>(popup)->AutoenablesItems());

    popup->selectItemAtIndex(1);
    popup->selectItemAtIndex(2); // outside the menu: no change
    EXPECT_EQ(popup->indexOfSelectedItem(), 1);
    EXPECT_EQ(popup->itemAtIndex(2).title, "");
    popup->selectItemAtIndex(-1);
    EXPECT_EQ(popup->indexOfSelectedItem(), -1);
    popup->selectItemAtIndex(0);
    popup->removeAllItems();
    EXPECT_EQ(popup->numberOfItems(), 0);
    EXPECT_EQ(popup->indexOfSelectedItem(), -1);
}

TEST(HeadlessWidgetTest, TextWidthIsSevenPointsPerDisplayUnit)
{
    HeadlessToolkit toolkit;
    EXPECT_EQ(toolkit.textWidth(""), 0);
    EXPECT_EQ(toolkit.textWidth("Copies"), 42);
    EXPECT_EQ(toolkit.textWidth("a\xC3\xA9"), 21);        // a, e acute
    EXPECT_EQ(toolkit.textWidth("\xF0\x9F\x98\x80"), 14); // one character beyond 16 bits
    EXPECT_EQ(toolkit.textWidth("a\xFF"), 21);            // a stray byte counts as a replacement character
}

TEST(HeadlessWidgetTest, LayoutsBuildLocalisedWidgets)
{
    testing_support::TempDir dir;
    const testing_support::ScopedEnv lang("LANG", std::string("C.UTF-8"));
    dir.Write("p.plugin/Resources/English.lproj/Localizable2.strings",
              "\"Margin Title\" = \"Margin\";\n\"mm\" = \"Millimetres\";\n\"Auto Fit\" = \"Fit\";\n");
    dir.Write("p.plugin/Resources/Margin.plist", testing_support::PlistXml(R"(<dict>
<key>Title</key><string>Margin Title</string>
<key>Frame</key><array><integer>0</integer><integer>0</integer><integer>300</integer><integer>100</integer></array>
<key>Outlets</key><array>
 <dict><key>Name</key><string>Unit</string><key>Kind</key><string>popup</string><key>Tag</key><integer>12</integer>
  <key>Items</key><array><string>mm</string><string>inch</string></array><key>Enabled</key><false/></dict>
 <dict><key>Name</key><string>Label</string><key>Kind</key><string>text</string><key>Title</key><string>Auto Fit</string>
  <key>Hidden</key><true/></dict>
 <dict><key>Name</key><string>Step</string><key>Kind</key><string>stepper</string><key>Min</key><integer>1</integer>
  <key>Max</key><integer>254</integer></dict>
</array></dict>)"));
    const std::optional<platform::Bundle> bundle = platform::Bundle::Open(dir.file("p.plugin"));
    ASSERT_TRUE(bundle);
    HeadlessToolkit toolkit;
    auto panel = toolkit.loadView(*bundle, "Margin", "Localizable2");
    ASSERT_TRUE(panel);
    EXPECT_EQ(panel->frame(), (Rect{0, 0, 300, 100}));

    auto window = toolkit.loadWindow(*bundle, "Margin", "Localizable2", panel.get());
    ASSERT_TRUE(window);
    EXPECT_EQ(window->title(), "Margin");
    EXPECT_EQ(panel->windows(), (std::vector<platform::ui::Window*>{window.get()}));
    for (platform::ui::View* view : {panel.get(), &window->contentView()}) {
        Widget* unit = view->widgetForOutlet("Unit");
        ASSERT_NE(unit, nullptr);
        EXPECT_EQ(unit->tag(), 12);
        EXPECT_FALSE(unit->isEnabled());
        EXPECT_EQ(unit->itemAtIndex(0).title, "Millimetres");
        EXPECT_EQ(unit->itemAtIndex(1).title, "inch"); // no translation: the key itself
        EXPECT_EQ(unit->itemAtIndex(1).representedObject, "inch");
        Widget* label = view->widgetForOutlet("Label");
        EXPECT_EQ(label->title(), "Fit");
        EXPECT_EQ(label->stringValue(), "Fit");
        EXPECT_EQ(label->titleKey(), "Auto Fit");
        EXPECT_TRUE(label->isHidden());
        EXPECT_EQ(view->widgetForOutlet("Step")->maxValue(), 254);
    }
    EXPECT_EQ(toolkit.loadView(*bundle, "Missing", ""), nullptr);
    EXPECT_EQ(toolkit.loadWindow(*bundle, "../p.plugin/Resources/Margin", "", nullptr), nullptr);
}

} // namespace
} // namespace host
