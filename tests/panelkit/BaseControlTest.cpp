// BaseControl's own behaviour: counted enable and hide, the constraint
// lists and their table lengths, bounded copies into the value blocks,
// restored values checked against the control's own, and the widget link.
#include <gtest/gtest.h>

#include "tests/panelkit/TestControl.h"

namespace {

constexpr CtrlAccessInfo kIntAccess{kCtrlValueTypeInteger, kCtrlValueTypeInteger,
                                    "com.lumeral.vrk.printsettings.TestIntTicket",
                                    "com.lumeral.vrk.printsettings.TestIntReference"};

int32_t ButtonID = 30;
const int32_t* const kButtonList[] = {&ButtonID, nullptr};
const CnstrnArray kDisableButton[] = {kButtonList, nullptr};
const CnstrnInfo kDisablesButton{kDisableButton, kDisableButton, kDisableButton, {}};

class BaseControlTest : public ::testing::Test {
protected:
    void SetUp() override { host.Attach(panel); }

    testing_support::PanelTestHost host;
    BasePrintPanel panel;
};

TEST_F(BaseControlTest, EnableBeforeDisableLeavesTheControlEnabled)
{
    TestControl* control = AddTestControl(panel, 1, &kIntAccess);
    platform::ui::Widget* widget = control->GetControlPtr();
    control->Enable();
    EXPECT_EQ(control->GetConstrainCount(), -1);
    control->Disable();
    EXPECT_EQ(control->GetConstrainCount(), 0);
    EXPECT_TRUE(widget->isEnabled());
    control->Disable();
    EXPECT_FALSE(widget->isEnabled());

    control->Show();
    control->Hide();
    EXPECT_FALSE(widget->isHidden());
    control->Hide();
    EXPECT_TRUE(widget->isHidden());
    control->ResetStatus();
    EXPECT_EQ(control->GetConstrainCount(), 0);
    EXPECT_EQ(control->GetHideCount(), 0);
    EXPECT_TRUE(widget->isEnabled());
    EXPECT_FALSE(widget->isHidden());
}

TEST_F(BaseControlTest, AControlDisabledByTwoIsEnabledOnlyWhenBothRelease)
{
    TestControl* first = AddTestControl(panel, 1, &kIntAccess, TestControl::Form::Integer,
                                        platform::PreferenceUser::Current, &kDisablesButton);
    TestControl* second = AddTestControl(panel, 2, &kIntAccess, TestControl::Form::Integer,
                                         platform::PreferenceUser::Current, &kDisablesButton);
    TestControl* button = AddTestControl(panel, ButtonID, nullptr);
    first->DisableControlConstrains();
    second->DisableControlConstrains();
    EXPECT_FALSE(button->GetControlPtr()->isEnabled());
    first->EnableControlConstrains();
    EXPECT_FALSE(button->GetControlPtr()->isEnabled());
    second->EnableControlConstrains();
    EXPECT_TRUE(button->GetControlPtr()->isEnabled());

    first->HideControlConstrains();
    EXPECT_TRUE(button->GetControlPtr()->isHidden());
    first->ShowControlConstrains();
    EXPECT_FALSE(button->GetControlPtr()->isHidden());
    first->DoControlUpdateConstrain();
    EXPECT_EQ(button->updates, 1);
}

TEST_F(BaseControlTest, AnArrayNumberOutsideTheTableMeansNoList)
{
    TestControl* control = AddTestControl(panel, 1, &kIntAccess, TestControl::Form::Integer,
                                          platform::PreferenceUser::Current, &kDisablesButton);
    TestControl* button = AddTestControl(panel, ButtonID, nullptr);
    // The table has two entries: 0 lists the button, 1 lists nothing.
    for (int number : {-1, 1, 2, 1000}) {
        control->arrayNumber = number;
        control->DisableControlConstrains();
        control->HideControlConstrains();
        control->UIEventHandler();
        control->DoControlUpdateConstrain();
        EXPECT_TRUE(button->GetControlPtr()->isEnabled()) << number;
        EXPECT_FALSE(button->GetControlPtr()->isHidden()) << number;
        EXPECT_EQ(button->updates, 0) << number;
    }
    EXPECT_EQ(CnstrnEntry(kDisablesButton.selfLists, 0), nullptr);
}

TEST_F(BaseControlTest, CopiesIntoValueBlocksStayWithinThem)
{
    TestControl* integer = AddTestControl(panel, 1, &kIntAccess);
    TestControl* text = AddTestControl(panel, 2, &kIntAccess, TestControl::Form::Text);

    // Text into a 4-byte block: three bytes and the terminator.
    integer->setExternalValueToData("abcdefgh", 8, 0);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(integer->GetControlBlkPtr()), 4),
              std::string("abc\0", 4));
    // Type 2 needs a whole word; other types change nothing.
    const int32_t seven = 7;
    integer->setExternalValueToData(&seven, 4, 2);
    EXPECT_EQ(integer->Value(), 7);
    integer->setExternalValueToData(&seven, 2, 2);
    integer->setExternalValueToData(&seven, 4, 1);
    EXPECT_EQ(integer->Value(), 7);

    // 254 ASCII bytes then a three-byte character: the character would
    // cross the last byte, so it is left out whole.
    const std::string long_text = std::string(254, 'x') + "\xE3\x81\x82" + "tail";
    text->setExternalValueToData(long_text.data(), long_text.size(), 0);
    EXPECT_EQ(text->Text(), std::string(254, 'x'));
    const std::string fits = std::string(252, 'x') + "\xE3\x81\x82";
    text->setExternalValueToData(fits.data(), fits.size(), 0);
    EXPECT_EQ(text->Text(), fits);

    // A preference value longer than the preference buffer meets the text
    // block cut to the buffer less its terminator.
    const std::string stored = std::string(300, 'y');
    host.Settings().SetValue(std::string("TestPrinter") + kIntAccess.prefKey, stored, false);
    ASSERT_TRUE(text->GetValueFromPreferenceWithPrinterSettings());
    EXPECT_EQ(text->Text(), std::string(kPreferenceBufferSize - 1, 'y'));

    DataBlock block;
    EXPECT_EQ(block.SetText("abc"), 0u);
    block.Allocate(4);
    const unsigned char bytes[] = {1, 2, 3, 4, 5, 6};
    EXPECT_EQ(block.SetBytes(bytes), 4u);
    EXPECT_EQ(block.SetText("\xC3\xA9\xC3\xA9"), 2u);
}

TEST_F(BaseControlTest, RestoredValuesThatAreNotTheControlsOwnGiveTheDefault)
{
    TestControl* control = AddTestControl(panel, 1, &kIntAccess);
    control->defaultValue = 1;
    const std::string prefKey = std::string("TestPrinter") + kIntAccess.prefKey;
    const struct {
        const char* stored;
        int32_t value;
    } cases[] = {{"0", 0}, {" 1", 1}, {"7", 1}, {"-1", 1}, {"abc", 1}, {"99999999999", 1}};
    for (const auto& c : cases) {
        control->SetValue(5);
        host.Settings().SetValue(prefKey, c.stored, false);
        host.Settings().SetValue(kIntAccess.ticketKey, c.stored, false);
        panel.GetValueFromPreferenceWithPrinterSettings();
        EXPECT_EQ(control->Value(), c.value) << "preference " << c.stored;
        control->SetValue(5);
        panel.GetValueFromPreset();
        EXPECT_EQ(control->Value(), c.value) << "preset " << c.stored;
    }
}

TEST_F(BaseControlTest, TheWidgetForgetsAControlThatIsGone)
{
    platform::ui::Widget* widget =
        testing_support::PanelTestHost::AddWidget(panel, platform::ui::WidgetKind::CheckBox, 5);
    {
        TestControl control(widget, &kIntAccess);
        control.InitializeCtrl(nullptr, nullptr);
        control.SetValue(1);
        EXPECT_EQ(widget->owner(), &control);
        EXPECT_EQ(std::get<long long>(widget->owner()->ControlStoredValue()), 1);
        control.setTargetandAction();
    }
    EXPECT_EQ(widget->owner(), nullptr);
    widget->sendAction(); // no control to call: nothing happens
}

} // namespace
