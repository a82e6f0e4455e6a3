// The standard controls driven through headless widgets as a person and a
// panel drive them: the constraint rules of check boxes, radio buttons and
// pop-up lists, the stepper's ticket range, the text field's cut and
// validation, menus without translation and restored values that are not
// the control's own.
#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>

#include "host/headless/PersonActions.h"
#include "panelkit/controls/BaseButton.h"
#include "panelkit/controls/CheckBox.h"
#include "panelkit/controls/LittleArray.h"
#include "panelkit/controls/PopupControl.h"
#include "panelkit/controls/RadioButton.h"
#include "panelkit/controls/RadioGroup.h"
#include "panelkit/controls/StaticTextEditControl.h"
#include "panelkit/controls/TextEditCtrl.h"
#include "tests/support/PanelTestHost.h"
#include "tests/support/ScopedEnv.h"
#include "tests/support/TempDir.h"

namespace {

using platform::ui::Widget;
using platform::ui::WidgetKind;

int32_t FirstBoxID = 1, SecondBoxID = 2, ButtonID = 3, LabelID = 4, OtherButtonID = 5;
const int32_t* const kButtonAndLabel[] = {&ButtonID, &LabelID, nullptr};
const int32_t* const kOtherButton[] = {&OtherButtonID, nullptr};
const int32_t* const kSecondBox[] = {&SecondBoxID, nullptr};
// On (entry 1) disables the button and the label; off (entry 0) the other button.
const CnstrnArray kOnDisablesButton[] = {kOtherButton, kButtonAndLabel};
const CnstrnInfo kOnDisablesButtonRules{kOnDisablesButton, {}, {}, {}};
const CnstrnArray kOnDisablesSecondBox[] = {nullptr, kSecondBox};
const CnstrnInfo kOnDisablesSecondBoxRules{kOnDisablesSecondBox, {}, {}, {}};

const CheckBoxIniData kOff{0, 0, -1, 0, "Check Title", nullptr};
const CheckBoxIniData kOn{0, 1, -1, 0, "Check Title", nullptr};

const char* const kItemKeys[] = {"Item One", "Item Untranslated", "Item Three", nullptr};
const ListCtrlIniData kListTwo{0, 2, -1, 0, kItemKeys};

const LittleArrayIniData kStepper{0, 1, -1, 1, 254, 1, 0, 0};

// Digits only, 1 to 3 long: the number-in-sequence field.
const TextEditFilterData kDigits{{1, {{{48, 57}}}}, {1, {{{48, 57}}}}, "Message22k"};
const TextEditIniData kDigitsIni{"", "", 1, 3, 0};
const TextEditFilterData kAnyText{{1, {{{32, 255}}}}, {1, {{{32, 0xFFFF}}}}, nullptr};
const TextEditIniData kLongIni{"", "", 0, 255, 0};

constexpr CtrlAccessInfo kIntAccess{0, 0, "com.lumeral.vrk.printsettings.TestTicket", nullptr};
constexpr CtrlAccessInfo kTextAccess{kCtrlValueTypeText, kCtrlValueTypeText,
                                     "com.lumeral.vrk.printsettings.TestTextTicket", nullptr};

class StandardControlsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        dir.Write("Test.plugin/Resources/Localizable.strings",
                  "\"Check Title\" = \"Check\";\n\"Item One\" = \"One\";\n\"Item Three\" = \"Three\";\n"
                  "\"Message22k\" = \"Enter one to three digits.\";\n\"Alert OK Btn\" = \"OK\";\n");
        bundle = platform::Bundle::Open(dir.file("Test.plugin"));
        ASSERT_TRUE(bundle);
        host.Attach(panel);
    }

    Widget* NewWidget(WidgetKind kind, int tag)
    {
        return testing_support::PanelTestHost::AddWidget(panel, kind, tag);
    }

    template <typename Control>
    Control* Adopt(std::unique_ptr<Control> control)
    {
        Control* raw = control.get();
        EXPECT_GE(panel.RunTimeAddNewControl(std::move(control)), 0);
        return raw;
    }

    CheckBox* AddCheckBox(int32_t id, const CheckBoxIniData& ini, const CnstrnInfo* rules,
                          const CtrlAccessInfo* access = nullptr)
    {
        auto box = std::make_unique<CheckBox>();
        box->CreateCheckBox(NewWidget(WidgetKind::CheckBox, id), &ini, rules, access,
                            platform::PreferenceUser::Current);
        return Adopt(std::move(box));
    }

    BaseButton* AddButton(int32_t id)
    {
        auto button = std::make_unique<BaseButton>();
        button->CreateControl(NewWidget(WidgetKind::PushButton, id));
        return Adopt(std::move(button));
    }

    TextEditCtrl* AddTextField(int32_t id, const TextEditIniData& ini, const TextEditFilterData& filter)
    {
        auto field = std::make_unique<TextEditCtrl>();
        field->CreateControl(NewWidget(WidgetKind::TextField, id), &ini, nullptr, &kTextAccess,
                             platform::PreferenceUser::Current, &filter);
        return Adopt(std::move(field));
    }

    // The panel's first display: controls initialised, values from the
    // print settings (or their defaults), shown, and the first pass of rules.
    void Load()
    {
        panel.InitializeUserPane(&*bundle, nullptr);
        panel.GetValueFromPreset();
        panel.SetUIDataToIniData();
        panel.SetCurrentValueToUI();
    }

    testing_support::TempDir dir;
    std::optional<platform::Bundle> bundle;
    testing_support::PanelTestHost host;
    BasePrintPanel panel;
};

TEST_F(StandardControlsTest, TwoCheckBoxesReleaseTheirButtonOnlyWhenBothAreOff)
{
    CheckBox* first = AddCheckBox(FirstBoxID, kOff, &kOnDisablesButtonRules);
    CheckBox* second = AddCheckBox(SecondBoxID, kOff, &kOnDisablesButtonRules);
    BaseButton* button = AddButton(ButtonID);
    BaseButton* other = AddButton(OtherButtonID);
    auto label = std::make_unique<StaticTextEditControl>();
    label->CreateControl(NewWidget(WidgetKind::StaticText, LabelID), nullptr, nullptr, nullptr, std::nullopt,
                         nullptr, "Check Title");
    Widget* labelWidget = Adopt(std::move(label))->GetControlPtr();
    Load();
    // Both boxes are off: each applied the list of 0 once.
    EXPECT_EQ(other->GetConstrainCount(), 2);
    EXPECT_EQ(first->GetControlPtr()->title(), "Check");
    EXPECT_EQ(labelWidget->stringValue(), "Check");

    Widget& buttonWidget = *button->GetControlPtr();
    ASSERT_EQ(host::Click(*first->GetControlPtr()), host::ActionOutcome::Done);
    ASSERT_EQ(host::Click(*second->GetControlPtr()), host::ActionOutcome::Done);
    EXPECT_FALSE(buttonWidget.isEnabled());
    EXPECT_EQ(labelWidget->textColor(), platform::ui::TextColor::LightGray);
    EXPECT_EQ(other->GetConstrainCount(), 0);
    host::Click(*first->GetControlPtr());
    EXPECT_FALSE(buttonWidget.isEnabled());
    EXPECT_EQ(labelWidget->textColor(), platform::ui::TextColor::LightGray);
    host::Click(*second->GetControlPtr());
    EXPECT_TRUE(buttonWidget.isEnabled());
    EXPECT_EQ(labelWidget->textColor(), platform::ui::TextColor::Black);
    EXPECT_EQ(button->GetConstrainCount(), 0);
    EXPECT_EQ(*reinterpret_cast<const int32_t*>(first->GetValueFromUIDataBlk()), 0);
}

TEST_F(StandardControlsTest, TheFirstPassAppliesTheLoadedValueAndReleasesNothing)
{
    // A box loaded on and a list loaded on its second item: the initial -1
    // in their UI blocks means there is no old value whose list to release.
    AddCheckBox(FirstBoxID, kOn, &kOnDisablesButtonRules);
    auto list = std::make_unique<PopupControl>();
    list->CreateControl(NewWidget(WidgetKind::PopUp, SecondBoxID), &kListTwo, &kOnDisablesButtonRules,
                        nullptr, std::nullopt);
    PopupControl* popup = Adopt(std::move(list));
    BaseButton* button = AddButton(ButtonID);
    BaseButton* other = AddButton(OtherButtonID);
    Load();
    EXPECT_EQ(popup->GetControlPtr()->indexOfSelectedItem(), 1);
    EXPECT_EQ(button->GetConstrainCount(), 2);
    EXPECT_EQ(other->GetConstrainCount(), 0);

    // Choosing the first item releases the second item's list.
    ASSERT_EQ(host::Choose(*popup->GetControlPtr(), 0), host::ActionOutcome::Done);
    EXPECT_EQ(button->GetConstrainCount(), 1);
    EXPECT_EQ(other->GetConstrainCount(), 1);
}

TEST_F(StandardControlsTest, AControlListedBeforeItsDisablerEndsDisabledAndIgnoresExternalValues)
{
    CheckBox* second = AddCheckBox(SecondBoxID, kOff, nullptr);
    AddCheckBox(FirstBoxID, kOn, &kOnDisablesSecondBoxRules);
    Load();
    Widget& widget = *second->GetControlPtr();
    EXPECT_FALSE(widget.isEnabled());

    const int32_t on = 1;
    EXPECT_FALSE(second->SetExternalValueToUI(&on, sizeof on));
    EXPECT_EQ(widget.intValue(), 0);
    second->ResetStatus();
    EXPECT_TRUE(second->SetExternalValueToUI(&on, sizeof on));
    EXPECT_EQ(widget.intValue(), 1);
}

TEST_F(StandardControlsTest, RadioSiblingsSwitchOffOnBothSidesOfTheUpdateVersion)
{
    struct Case {
        const char* release;
        bool staleListReleased; // an off button whose lists are still applied
    };
    for (const Case& c : {Case{"11.4.2", false}, Case{"12.0.0", true}}) {
        SCOPED_TRACE(c.release);
        testing_support::ScopedEnv release("QV_PLATFORM_RELEASE", c.release);
        testing_support::PanelTestHost radioHost;
        BasePrintPanel radioPanel;
        radioHost.Attach(radioPanel);

        static int32_t RadioIDs[3] = {11, 12, 13};
        static int32_t TargetIDs[3] = {21, 22, 23};
        static const int32_t* const kTargets[3][2] = {
            {&TargetIDs[0], nullptr}, {&TargetIDs[1], nullptr}, {&TargetIDs[2], nullptr}};
        static const int32_t* const kSiblings[3][3] = {{&RadioIDs[1], &RadioIDs[2], nullptr},
                                                       {&RadioIDs[0], &RadioIDs[2], nullptr},
                                                       {&RadioIDs[0], &RadioIDs[1], nullptr}};
        static const CnstrnArray kDisable[3][2] = {
            {nullptr, kTargets[0]}, {nullptr, kTargets[1]}, {nullptr, kTargets[2]}};
        static const CnstrnArray kUpdate[3][1] = {{kSiblings[0]}, {kSiblings[1]}, {kSiblings[2]}};
        static const CnstrnInfo kRules[3] = {{kDisable[0], {}, kUpdate[0], {}},
                                             {kDisable[1], {}, kUpdate[1], {}},
                                             {kDisable[2], {}, kUpdate[2], {}}};

        auto group = std::make_unique<RadioGroup>();
        RadioGroup* radios = group.get();
        radioPanel.RunTimeAddNewControl(std::move(group));
        RadioButton* buttons[3];
        BaseControl* targets[3];
        for (int i = 0; i < 3; ++i) {
            Widget* widget =
                testing_support::PanelTestHost::AddWidget(radioPanel, WidgetKind::Radio, RadioIDs[i]);
            auto button = std::make_unique<RadioButton>(widget, i == 0 ? &kOn : &kOff, &kRules[i], nullptr,
                                                        std::nullopt);
            buttons[i] = button.get();
            EXPECT_EQ(radios->RunTimeAddNewControl(buttons[i]), i);
            radioPanel.RunTimeAddNewControl(std::move(button));
            auto target = std::make_unique<BaseButton>();
            target->CreateControl(
                testing_support::PanelTestHost::AddWidget(radioPanel, WidgetKind::PushButton, TargetIDs[i]));
            targets[i] = target.get();
            radioPanel.RunTimeAddNewControl(std::move(target));
        }
        radioPanel.InitializeUserPane(&*bundle, nullptr);
        radioPanel.GetValueFromPreset();
        radioPanel.SetUIDataToIniData();
        radioPanel.SetCurrentValueToUI();
        EXPECT_EQ(radios->GetcurRadio(), 0);
        EXPECT_EQ(targets[0]->GetConstrainCount(), 1);

        // Choosing the second switches the first off through its Update,
        // which runs the first's rules with value 0.
        host::Click(*buttons[1]->GetControlPtr());
        EXPECT_EQ(radios->GetcurRadio(), 1);
        EXPECT_EQ(buttons[0]->GetControlPtr()->intValue(), 0);
        EXPECT_EQ(targets[0]->GetConstrainCount(), 0);
        EXPECT_EQ(targets[1]->GetConstrainCount(), 1);

        // The second is switched off on screen without its rules running;
        // choosing the third then reaches it only from version 0x1080 on.
        const int32_t off = 0;
        buttons[1]->SetExternalValueToUI(&off, sizeof off);
        host::Click(*buttons[2]->GetControlPtr());
        EXPECT_EQ(radios->GetcurRadio(), 2);
        EXPECT_EQ(targets[2]->GetConstrainCount(), 1);
        EXPECT_EQ(targets[1]->GetConstrainCount(), c.staleListReleased ? 0 : 1);
    }
}

TEST_F(StandardControlsTest, StepperWritesOnlyValuesWithinItsRange)
{
    auto stepper = std::make_unique<LittleArray>();
    stepper->LittleArrayControl(NewWidget(WidgetKind::Stepper, 40), &kStepper, nullptr, &kIntAccess,
                                std::nullopt, "Stepper Summary");
    LittleArray* little = Adopt(std::move(stepper));
    Load();
    EXPECT_EQ(little->GetControlPtr()->minValue(), 1);
    EXPECT_EQ(little->GetControlPtr()->maxValue(), 254);

    struct Case {
        int32_t value;
        std::optional<std::string> written;
    };
    for (const Case& c : {Case{0, std::nullopt}, Case{1, "1"}, Case{254, "254"}, Case{255, std::nullopt},
                          Case{-1, std::nullopt}}) {
        SCOPED_TRACE(c.value);
        platform::PrintSettings settings;
        little->setExternalValueToData(&c.value, sizeof c.value, 2);
        EXPECT_EQ(little->SetValueToTicket(&settings, false), c.written.has_value());
        std::string value;
        const bool present = settings.GetValue(kIntAccess.ticketKey, &value) == noErr;
        EXPECT_EQ(present, c.written.has_value());
        if (c.written) {
            EXPECT_EQ(value, *c.written);
        }
    }

    const int32_t tenths = 25;
    little->setExternalValueToData(&tenths, sizeof tenths, 2);
    SummaryDictionary summary;
    SummaryOrder order;
    little->GetSummaryText(summary, order);
    EXPECT_EQ(summary["Stepper Summary"], "2.5");
    EXPECT_EQ(order, SummaryOrder{"Stepper Summary"});
}

TEST_F(StandardControlsTest, TextFieldValidatesOnCommitWithTheFiltersMessage)
{
    TextEditCtrl* field = AddTextField(50, kDigitsIni, kDigits);
    Load();
    Widget& widget = *field->GetControlPtr();
    ASSERT_EQ(widget.formatter(), field->GetFormatter());

    // Typed: the formatter keeps three digits and beeps at the fourth.
    host::Type(widget, "1234");
    EXPECT_EQ(widget.stringValue(), "123");
    EXPECT_EQ(host.Services().BeepCount(), 1);
    EXPECT_TRUE(field->InvalidateData());

    // Set by program, past the formatter: the commit decides.
    struct Case {
        const char* text;
        bool accepted;
    };
    for (const Case& c : {Case{"12", true}, Case{"", true}, Case{"1234", false}, Case{"1a", false}}) {
        SCOPED_TRACE(c.text);
        const std::size_t alerts = host.Toolkit().Alerts().size();
        widget.setStringValue(c.text);
        field->GetValueFromUI();
        EXPECT_EQ(field->InvalidateDataAndReturnError(), c.accepted);
        EXPECT_EQ(field->InvalidateData(), c.accepted);
        ASSERT_EQ(host.Toolkit().Alerts().size(), alerts + (c.accepted ? 0 : 1));
        if (c.accepted) continue;
        const platform::ui::Alert& alert = host.Toolkit().Alerts().back();
        EXPECT_EQ(alert.informativeKey, "Message22k");
        EXPECT_EQ(alert.informativeText, "Enter one to three digits.");
        EXPECT_EQ(alert.messageText, "");
        EXPECT_EQ(alert.buttonTitles, std::vector<std::string>{"OK"});
        EXPECT_EQ(alert.style, platform::ui::AlertStyle::Warning);
        EXPECT_EQ(alert.iconPath, bundle->ResourcesDirectory() + "/AlertIcon.png");
        EXPECT_EQ(host.Toolkit().Events().back().event, "focus");
        EXPECT_EQ(host.Toolkit().Events().back().tag, 50);
    }
}

TEST_F(StandardControlsTest, TextFieldKeepsTheFirstHundredDisplayUnits)
{
    TextEditCtrl* field = AddTextField(51, kLongIni, kAnyText);
    Load();
    struct Case {
        std::string typed;
        std::string stored;
        uint32_t length;
    };
    std::string wide;
    for (int i = 0; i < 60; ++i) wide += "\xC3\xA9"; // e-acute, two units wide
    for (const Case& c :
         {Case{std::string(120, 'x'), std::string(100, 'x'), 100}, Case{wide, wide.substr(0, 100), 100},
          Case{"x" + wide, "x" + wide.substr(0, 98), 99}}) {
        ASSERT_EQ(host::Type(*field->GetControlPtr(), c.typed), host::ActionOutcome::Done);
        panel.SetValueFromUIToControl();
        EXPECT_EQ(reinterpret_cast<const char*>(field->GetControlBlkPtr()), c.stored);
        EXPECT_EQ(field->GetDataBlkSize(), c.length);
    }
}

TEST_F(StandardControlsTest, PopupItemWithoutTranslationShowsItsKey)
{
    auto list = std::make_unique<PopupControl>();
    list->CreateControl(NewWidget(WidgetKind::PopUp, 60), &kListTwo, nullptr, nullptr, std::nullopt);
    PopupControl* popup = Adopt(std::move(list));
    Load();
    Widget& widget = *popup->GetControlPtr();
    ASSERT_EQ(widget.numberOfItems(), 3);
    const char* titles[] = {"One", "Item Untranslated", "Three"};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(widget.itemAtIndex(i).title, titles[i]);
        EXPECT_EQ(widget.itemAtIndex(i).representedObject, kItemKeys[i]);
    }
}

TEST_F(StandardControlsTest, RestoredValuesThatAreNotTheControlsOwnBecomeTheDefault)
{
    static constexpr CtrlAccessInfo kBoxAccess{0, 0, "com.lumeral.vrk.printsettings.BoxTicket", nullptr};
    static constexpr CtrlAccessInfo kListAccess{0, 0, "com.lumeral.vrk.printsettings.ListTicket", nullptr};
    CheckBox* box = AddCheckBox(70, kOn, nullptr, &kBoxAccess);
    auto list = std::make_unique<PopupControl>();
    list->CreateControl(NewWidget(WidgetKind::PopUp, 71), &kListTwo, nullptr, &kListAccess, std::nullopt);
    PopupControl* popup = Adopt(std::move(list));
    auto stepper = std::make_unique<LittleArray>();
    stepper->LittleArrayControl(NewWidget(WidgetKind::Stepper, 72), &kStepper, nullptr, &kIntAccess,
                                std::nullopt, nullptr);
    LittleArray* little = Adopt(std::move(stepper));
    panel.InitializeUserPane(&*bundle, nullptr);

    struct Case {
        const char* box;
        const char* list;
        const char* stepper;
        int32_t boxValue, listValue, stepperValue;
        int32_t stepperShown; // a restored value is shown; the default is not
    };
    for (const Case& c : {Case{"0", "3", "254", 0, 3, 254, 254}, Case{"2", "4", "255", 1, 2, 1, 254},
                          Case{"-1", "0", "0", 1, 2, 1, 254}, Case{"abc", "", " 7x", 1, 2, 7, 7}}) {
        SCOPED_TRACE(std::string(c.box) + "," + c.list + "," + c.stepper);
        host.Settings().SetValue(kBoxAccess.ticketKey, c.box, false);
        host.Settings().SetValue(kListAccess.ticketKey, c.list, false);
        host.Settings().SetValue(kIntAccess.ticketKey, c.stepper, false);
        panel.GetValueFromPreset();
        EXPECT_EQ(*reinterpret_cast<const int32_t*>(box->GetValueFromControl()), c.boxValue);
        EXPECT_EQ(*reinterpret_cast<const int32_t*>(popup->GetValueFromControl()), c.listValue);
        EXPECT_EQ(*reinterpret_cast<const int32_t*>(little->GetValueFromControl()), c.stepperValue);
        EXPECT_EQ(little->GetControlPtr()->intValue(), c.stepperShown);
        EXPECT_EQ(little->GetLastValue(), c.stepperShown);
    }
    // The preference form goes through the same check.
    EXPECT_FALSE(box->ConvertFromPreferenceString("5"));
    EXPECT_TRUE(box->ConvertFromPreferenceString("0"));
    EXPECT_EQ(*reinterpret_cast<const int32_t*>(box->GetValueFromControl()), 0);
}

} // namespace
