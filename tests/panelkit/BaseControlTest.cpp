// BaseControl: counted enable and hide, constraint lists and their table
// lengths, bounded copies into the value blocks, restored values checked,
// and the widget's link to its control.
#include <gtest/gtest.h>

#include "tests/panelkit/TestControl.h"

namespace {

constexpr CtrlAccessInfo kAccess{0, 0, "com.lumeral.vrk.printsettings.TestTicket",
                                 "com.lumeral.vrk.printsettings.TestReference"};
int32_t ButtonID = 30;
const int32_t* const kButtonList[] = {&ButtonID, nullptr};
const CnstrnArray kEntry0Lists[] = {kButtonList, nullptr}; // value 0 lists the button, 1 nothing
const CnstrnInfo kRules{kEntry0Lists, kEntry0Lists, kEntry0Lists, {}};

class BaseControlTest : public ::testing::Test {
protected:
    void SetUp() override { host.Attach(panel); }
    testing_support::PanelTestHost host;
    BasePrintPanel panel;
};

TEST_F(BaseControlTest, CountedRulesReleaseAControlOnlyWhenEveryHolderHas)
{
    TestControl* first =
        AddTestControl(panel, 1, &kAccess, false, platform::PreferenceUser::Current, &kRules);
    TestControl* second =
        AddTestControl(panel, 2, &kAccess, false, platform::PreferenceUser::Current, &kRules);
    TestControl* button = AddTestControl(panel, ButtonID, nullptr);
    platform::ui::Widget* widget = button->GetControlPtr();
    first->DisableControlConstrains();
    second->DisableControlConstrains();
    first->EnableControlConstrains();
    EXPECT_FALSE(widget->isEnabled());
    second->EnableControlConstrains();
    EXPECT_TRUE(widget->isEnabled());

    // Enable before Disable: the counter goes to -1, and the Disable only back to 0.
    button->Enable();
    button->Disable();
    EXPECT_EQ(button->GetConstrainCount(), 0);
    EXPECT_TRUE(widget->isEnabled());
    first->HideControlConstrains();
    first->DoControlUpdateConstrain();
    EXPECT_TRUE(widget->isHidden());
    EXPECT_EQ(button->updates, 1);
    button->ResetStatus();
    EXPECT_FALSE(widget->isHidden());

    // A control that is gone leaves no owner or action behind in its widget.
    platform::ui::Widget* loose =
        testing_support::PanelTestHost::AddWidget(panel, platform::ui::WidgetKind::CheckBox, 5);
    std::make_unique<TestControl>(loose, &kAccess)->setTargetandAction();
    EXPECT_EQ(loose->owner(), nullptr);
    loose->sendAction();

    // Array numbers outside the two-entry tables mean no list.
    for (int number : {-1, 2, 1000}) {
        first->arrayNumber = number;
        first->DisableControlConstrains();
        first->UIEventHandler();
        EXPECT_TRUE(widget->isEnabled() && !widget->isHidden() && button->updates == 1) << number;
    }
}

TEST_F(BaseControlTest, CopiesIntoValueBlocksStayWithinThemAndRestoredValuesAreChecked)
{
    TestControl* integer = AddTestControl(panel, 1, &kAccess);
    TestControl* text = AddTestControl(panel, 2, &kAccess, true);
    integer->setExternalValueToData("abcdefgh", 8, 0);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(integer->GetControlBlkPtr()), 4),
              std::string("abc\0", 4));
    const int32_t seven = 7;
    integer->setExternalValueToData(&seven, 2, 2); // no whole word: nothing
    EXPECT_EQ(integer->Value(), 0x636261);
    // A three-byte character that would cross the block's last byte is left out whole.
    const std::string longText = std::string(254, 'x') + "\xE3\x81\x82";
    text->setExternalValueToData(longText.data(), longText.size(), 0);
    EXPECT_EQ(text->Text(), std::string(254, 'x'));
    // A stored text longer than the preference buffer is cut to it.
    host.Settings().SetValue(std::string("TestPrinter") + kAccess.prefKey, std::string(300, 'y'), false);
    ASSERT_TRUE(text->GetValueFromPreferenceWithPrinterSettings());
    EXPECT_EQ(text->Text(), std::string(kPreferenceBufferSize - 1, 'y'));

    const std::pair<const char*, int32_t> cases[] = {{"0", 0}, {" 1", 1}, {"7", 5}, {"-1", 5}, {"abc", 5}};
    integer->defaultValue = 5; // a default outside the own values shows where it was taken
    for (const auto& [stored, value] : cases) {
        host.Settings().SetValue(std::string("TestPrinter") + kAccess.prefKey, stored, false);
        host.Settings().SetValue(kAccess.ticketKey, stored, false);
        integer->SetValue(9);
        panel.GetValueFromPreferenceWithPrinterSettings();
        EXPECT_EQ(integer->Value(), value) << "preference " << stored;
        integer->SetValue(9);
        panel.GetValueFromPreset();
        EXPECT_EQ(integer->Value(), value) << "preset " << stored;
    }
}

} // namespace
