// The tab margin and booklet margin windows of the Features panel on the
// KZ63, driven as a person drives them: opened from their setup buttons,
// typed into, stepped, switched between units, confirmed and cancelled; their
// messages, beeps, summaries and print-settings keys, and reading back from
// a preset; and through printdialog, the job options after printing.
#include <gtest/gtest.h>

#include "DialogRun.h"
#include "features/FeatureControlRecords.h"
#include "host/headless/PersonActions.h"
#include "panelkit/panel/PopupWinInPanel.h"
#include "platform/PrintSettingsKeys.h"
#include "tests/features/FeaturesPanelHarness.h"

using featurestest::FeaturesPanelHarness;
using featurestest::ProjectPPD;

namespace {

const std::string kKz63 = ProjectPPD("quorvel-kz63-color-mfp.ppd");

// Tags of the two windows' controls.
struct UnitTags {
    int field;
    int stepper;
    int radio;
};
constexpr UnitTags kTabMM{213, 214, 215};
constexpr UnitTags kTabInch{211, 212, 216};
constexpr UnitTags kBookletMM{313, 314, 315};
constexpr UnitTags kBookletInch{311, 312, 316};

enum class Which { Tab, Booklet };

class MarginWindows : public testing::Test {
protected:
    FeaturesPanelHarness dialog{kKz63};

    KPRINTFEATURESPDE& Panel() { return *dialog.Panel(); }

    PopupWinInPanel* Window(Which which)
    {
        return which == Which::Tab ? Panel().getTabMarginWnd() : Panel().getBookletMarginWnd();
    }
    platform::ui::Widget& W(Which which, int tag)
    {
        platform::ui::Widget* widget = FeaturesPanelHarness::WindowWidget(Window(which), tag);
        if (widget == nullptr) throw std::runtime_error("no widget " + std::to_string(tag));
        return *widget;
    }
    platform::ui::Widget& Button(Which which, const char* outlet)
    {
        return *Window(which)->GetWindow()->contentView().widgetForOutlet(outlet);
    }
    bool IsOpen(Which which) { return Window(which)->GetWindow()->isOpen(); }

    // The margin switched on in the panel and its window opened by its button.
    void Open(Which which)
    {
        if (which == Which::Tab) {
            ASSERT_TRUE(dialog.ShowPage("Advanced Features"));
            if (!Panel().IsTabMarginShift()) dialog.Check("QVTabMarginShiftEx", 1);
            ASSERT_EQ(host::Click(*Panel().GetPanelControl(&pfTabMarginSetupButtonID)->GetControlPtr()),
                      host::ActionOutcome::Done);
        } else {
            ASSERT_TRUE(dialog.ShowPage("Booklet"));
            if (!Panel().IsBookletMarginShift()) {
                dialog.Choose("QVSignature", "LeftBinding");
                host::SetCheck(*Panel().GetPanelControl(&pfBookletMarginCheckBoxID)->GetControlPtr(), true);
            }
            ASSERT_EQ(host::Click(*Panel().GetPanelControl(&pfBookletMarginSetupButtonID)->GetControlPtr()),
                      host::ActionOutcome::Done);
        }
        ASSERT_TRUE(IsOpen(which));
    }

    void OK(Which which) { host::Click(Button(which, "OKButton")); }
    void Cancel(Which which) { host::Click(Button(which, "CancelButton")); }
};

} // namespace

TEST_F(MarginWindows, ATypedValueSetsItsStepperAndTheOtherUnitFollows)
{
    ASSERT_NE(dialog.Panel(), nullptr);
    struct Case {
        Which which;
        UnitTags typedIn;
        UnitTags other;
        const char* typed;
        int stepper;
        const char* otherText;
        int otherStepper;
    };
    for (const Case& c : {
             Case{Which::Tab, kTabMM, kTabInch, "12.7", 127, "0.50", 50},
             Case{Which::Tab, kTabMM, kTabInch, "15.0", 150, "0.59", 59},
             Case{Which::Tab, kTabMM, kTabInch, "0.1", 1, "0.00", 0},
             Case{Which::Tab, kTabInch, kTabMM, "0.59", 59, "15.0", 150},
             Case{Which::Tab, kTabInch, kTabMM, "0.05", 5, "1.3", 13},
             Case{Which::Booklet, kBookletMM, kBookletInch, "25", 25, "1.0", 10},
             Case{Which::Booklet, kBookletMM, kBookletInch, "7", 7, "0.3", 3},
             Case{Which::Booklet, kBookletInch, kBookletMM, "0.3", 3, "8", 8},
             Case{Which::Booklet, kBookletInch, kBookletMM, "1.0", 10, "25", 25},
         }) {
        SCOPED_TRACE(c.typed);
        Open(c.which);
        host::Click(W(c.which, c.typedIn.radio));
        EXPECT_FALSE(W(c.which, c.typedIn.field).isHidden());
        EXPECT_TRUE(W(c.which, c.other.field).isHidden());
        host::Type(W(c.which, c.typedIn.field), c.typed);
        EXPECT_EQ(W(c.which, c.typedIn.stepper).intValue(), c.stepper);
        EXPECT_EQ(W(c.which, c.other.field).stringValue(), c.otherText);
        EXPECT_EQ(W(c.which, c.other.stepper).intValue(), c.otherStepper);
        // Switching units shows the converted value.
        host::Click(W(c.which, c.other.radio));
        EXPECT_FALSE(W(c.which, c.other.field).isHidden());
        EXPECT_TRUE(W(c.which, c.typedIn.field).isHidden());
        EXPECT_EQ(W(c.which, c.other.field).stringValue(), c.otherText);
        OK(c.which);
        EXPECT_FALSE(IsOpen(c.which));
        EXPECT_TRUE(dialog.NewAlertKeys().empty());
    }
}

TEST_F(MarginWindows, ARefusedTextShowsItsFieldsMessageOnOKAndTheWindowStaysOpen)
{
    ASSERT_NE(dialog.Panel(), nullptr);
    struct Case {
        Which which;
        UnitTags unit;
        const char* text;
        const char* message; // null: accepted
    };
    for (const Case& c : {
             Case{Which::Tab, kTabMM, "15.0", nullptr},
             Case{Which::Tab, kTabMM, "15.1", "Message22b"},
             Case{Which::Tab, kTabMM, "12.70", "Message22b"},
             Case{Which::Tab, kTabMM, ".5", "Message22b"},
             Case{Which::Tab, kTabMM, "5.", "Message22b"},
             Case{Which::Tab, kTabMM, "", "Message22b"},
             Case{Which::Tab, kTabInch, "0.50", nullptr},
             Case{Which::Tab, kTabInch, "0.5", "Message22b2"},
             Case{Which::Tab, kTabInch, "1", "Message22b2"},
             Case{Which::Tab, kTabInch, "0.60", "Message22b2"},
             Case{Which::Booklet, kBookletMM, "25", nullptr},
             Case{Which::Booklet, kBookletMM, "26", "Message22e"},
             Case{Which::Booklet, kBookletMM, "1.", "Message22e"},
             Case{Which::Booklet, kBookletInch, "1.0", nullptr},
             Case{Which::Booklet, kBookletInch, "1.1", "Message22e2"},
             Case{Which::Booklet, kBookletInch, "0.", "Message22e2"},
         }) {
        SCOPED_TRACE(c.text);
        Open(c.which);
        host::Click(W(c.which, c.unit.radio));
        // Put on screen as a whole (a paste): OK checks what the field shows.
        W(c.which, c.unit.field).setStringValue(c.text);
        OK(c.which);
        if (c.message == nullptr) {
            EXPECT_TRUE(dialog.NewAlertKeys().empty());
            EXPECT_FALSE(IsOpen(c.which));
            continue;
        }
        EXPECT_EQ(dialog.NewAlertKeys(), std::vector<std::string>{c.message});
        EXPECT_TRUE(IsOpen(c.which));
        EXPECT_EQ(Window(c.which)->GetWindow()->firstResponder(), &W(c.which, c.unit.field));
        Cancel(c.which);
    }
}

TEST_F(MarginWindows, TypingOneInchShowsTheTabInchMessageOnOKAndKeepsTheWindowOpen)
{
    ASSERT_NE(dialog.Panel(), nullptr);
    Open(Which::Tab);
    host::Click(W(Which::Tab, kTabInch.radio));
    host::Type(W(Which::Tab, kTabInch.field), "1");
    // 100 hundredths lie beyond 59: the stepper keeps its value.
    EXPECT_EQ(W(Which::Tab, kTabInch.stepper).intValue(), 50);
    OK(Which::Tab);
    EXPECT_EQ(dialog.NewAlertKeys(), std::vector<std::string>{"Message22b2"});
    EXPECT_TRUE(IsOpen(Which::Tab));
    EXPECT_EQ(W(Which::Tab, kTabInch.field).stringValue(), "1");
}

TEST_F(MarginWindows, TheSteppersStepWithinTheirRangesBeepAtABoundAndCheckTheirTextFirst)
{
    ASSERT_NE(dialog.Panel(), nullptr);
    Open(Which::Tab);
    host::Type(W(Which::Tab, kTabMM.field), "14.9");
    dialog.NewBeeps();
    host::Step(W(Which::Tab, kTabMM.stepper), host::StepDirection::Up);
    EXPECT_EQ(W(Which::Tab, kTabMM.field).stringValue(), "15.0");
    EXPECT_EQ(W(Which::Tab, kTabInch.field).stringValue(), "0.59");
    EXPECT_EQ(dialog.NewBeeps(), 0);
    // At the top: a beep and nothing moves.
    host::Step(W(Which::Tab, kTabMM.stepper), host::StepDirection::Up);
    EXPECT_EQ(dialog.NewBeeps(), 1);
    EXPECT_EQ(W(Which::Tab, kTabMM.stepper).intValue(), 150);
    EXPECT_EQ(W(Which::Tab, kTabMM.field).stringValue(), "15.0");
    host::Step(W(Which::Tab, kTabMM.stepper), host::StepDirection::Down);
    EXPECT_EQ(W(Which::Tab, kTabMM.field).stringValue(), "14.9");
    // The text accepted last, typed again after stepping, still sets the stepper.
    host::Type(W(Which::Tab, kTabMM.field), "14.9");
    host::Step(W(Which::Tab, kTabMM.stepper), host::StepDirection::Down);
    host::Type(W(Which::Tab, kTabMM.field), "14.9");
    EXPECT_EQ(W(Which::Tab, kTabMM.stepper).intValue(), 149);
    EXPECT_EQ(W(Which::Tab, kTabInch.field).stringValue(), "0.59");

    // A refused text: its message, and the stepper stays where it was.
    host::Type(W(Which::Tab, kTabMM.field), "15.1");
    host::Step(W(Which::Tab, kTabMM.stepper), host::StepDirection::Down);
    EXPECT_EQ(dialog.NewAlertKeys(), std::vector<std::string>{"Message22b"});
    EXPECT_EQ(W(Which::Tab, kTabMM.stepper).intValue(), 149);
    EXPECT_EQ(W(Which::Tab, kTabMM.field).stringValue(), "15.1");
    EXPECT_EQ(dialog.NewBeeps(), 0);
    Cancel(Which::Tab);

    // The booklet's bottom, in both units.
    Open(Which::Booklet);
    for (UnitTags unit : {kBookletMM, kBookletInch}) {
        host::Click(W(Which::Booklet, unit.radio));
        const std::string shown = W(Which::Booklet, unit.field).stringValue();
        host::Step(W(Which::Booklet, unit.stepper), host::StepDirection::Down);
        EXPECT_EQ(dialog.NewBeeps(), 1) << unit.field;
        EXPECT_EQ(W(Which::Booklet, unit.stepper).intValue(), 0);
        EXPECT_EQ(W(Which::Booklet, unit.field).stringValue(), shown);
    }
    host::Step(W(Which::Booklet, kBookletInch.stepper), host::StepDirection::Up);
    EXPECT_EQ(W(Which::Booklet, kBookletInch.field).stringValue(), "0.1");
    EXPECT_EQ(W(Which::Booklet, kBookletMM.field).stringValue(), "3");
    EXPECT_TRUE(dialog.NewAlertKeys().empty());
}

TEST_F(MarginWindows, AUnitSwitchWithARefusedTextIsUndone)
{
    ASSERT_NE(dialog.Panel(), nullptr);
    Open(Which::Tab);
    host::Type(W(Which::Tab, kTabMM.field), "15.1");
    // The hidden unit keeps the last value OK would accept.
    EXPECT_EQ(W(Which::Tab, kTabInch.field).stringValue(), "0.50");
    EXPECT_EQ(W(Which::Tab, kTabMM.stepper).intValue(), 127);
    host::Click(W(Which::Tab, kTabInch.radio));
    EXPECT_EQ(dialog.NewAlertKeys(), std::vector<std::string>{"Message22b"});
    EXPECT_EQ(W(Which::Tab, kTabInch.radio).intValue(), 0);
    EXPECT_EQ(W(Which::Tab, kTabMM.radio).intValue(), 1);
    EXPECT_FALSE(W(Which::Tab, kTabMM.field).isHidden());
    EXPECT_TRUE(W(Which::Tab, kTabInch.field).isHidden());
    // Mended, the switch goes through.
    host::Type(W(Which::Tab, kTabMM.field), "5.0");
    host::Click(W(Which::Tab, kTabInch.radio));
    EXPECT_TRUE(dialog.NewAlertKeys().empty());
    EXPECT_EQ(W(Which::Tab, kTabMM.radio).intValue(), 0);
    EXPECT_TRUE(W(Which::Tab, kTabMM.field).isHidden());
    EXPECT_EQ(W(Which::Tab, kTabInch.field).stringValue(), "0.20");
}

TEST_F(MarginWindows, CancelRestoresTheValuesAndDefaultShowsTheDefaults)
{
    ASSERT_NE(dialog.Panel(), nullptr);
    Open(Which::Tab);
    host::Type(W(Which::Tab, kTabMM.field), "10.0");
    OK(Which::Tab);
    Open(Which::Tab);
    host::Type(W(Which::Tab, kTabMM.field), "5.0");
    host::Click(W(Which::Tab, kTabInch.radio));
    Cancel(Which::Tab);
    EXPECT_FALSE(IsOpen(Which::Tab));
    EXPECT_TRUE(dialog.NewAlertKeys().empty());
    EXPECT_EQ(dialog.PrintedSetting(printsettings::TabMarginMMTextEditTicket), "10.0");
    EXPECT_EQ(dialog.PrintedSetting(printsettings::TabMarginMMShiftTicket), "100");
    EXPECT_EQ(dialog.PrintedSetting(printsettings::TabMarginInchesRadioTicket), "0");
    Open(Which::Tab);
    EXPECT_EQ(W(Which::Tab, kTabMM.field).stringValue(), "10.0");
    EXPECT_EQ(W(Which::Tab, kTabMM.stepper).intValue(), 100);
    EXPECT_EQ(W(Which::Tab, kTabInch.field).stringValue(), "0.39");
    EXPECT_FALSE(W(Which::Tab, kTabMM.field).isHidden());
    EXPECT_TRUE(W(Which::Tab, kTabInch.field).isHidden());

    host::Click(W(Which::Tab, kTabInch.radio));
    host::Click(Button(Which::Tab, "DefaultButton"));
    EXPECT_EQ(W(Which::Tab, kTabMM.field).stringValue(), "12.7");
    EXPECT_EQ(W(Which::Tab, kTabInch.field).stringValue(), "0.50");
    EXPECT_EQ(W(Which::Tab, kTabMM.radio).intValue(), 1);
    EXPECT_FALSE(W(Which::Tab, kTabMM.field).isHidden());
    EXPECT_TRUE(W(Which::Tab, kTabInch.field).isHidden());
    OK(Which::Tab);
    EXPECT_EQ(dialog.PrintedSetting(printsettings::TabMarginMMShiftTicket), "127");
}

TEST_F(MarginWindows, BookletMillimetresTravelDoubledAndReadBackHalved)
{
    ASSERT_NE(dialog.Panel(), nullptr);
    Open(Which::Booklet);
    host::Type(W(Which::Booklet, kBookletMM.field), "12");
    OK(Which::Booklet);
    EXPECT_EQ(dialog.PrintedSetting(printsettings::BookletMarginMMShiftTicket), "24");
    EXPECT_EQ(dialog.PrintedSetting(printsettings::BookletMarginMMTextEditTicket), "12");

    // A preset holding 25 half millimetres: 12 mm, toward zero.
    platform::PrintSettings& settings = dialog.Host().Settings();
    settings.SetValue(printsettings::BookletMarginMMShiftTicket, "25", false);
    // The inch values of the preset disagree: they follow the chosen unit.
    settings.SetValue(printsettings::BookletMarginInchesShiftTicket, "9", false);
    Panel().restoreValuesAndReturnError();
    EXPECT_EQ(dialog.PrintedSetting(printsettings::BookletMarginMMShiftTicket), "24");
    EXPECT_EQ(dialog.PrintedSetting(printsettings::BookletMarginMMTextEditTicket), "12");
    EXPECT_EQ(dialog.PrintedSetting(printsettings::BookletMarginInchesShiftTicket), "5");
    EXPECT_EQ(dialog.PrintedSetting(printsettings::BookletMarginInchesTextEditTicket), "0.5");
    Open(Which::Booklet);
    EXPECT_EQ(W(Which::Booklet, kBookletMM.stepper).intValue(), 12);
    EXPECT_EQ(W(Which::Booklet, kBookletMM.field).stringValue(), "12");
    EXPECT_EQ(W(Which::Booklet, kBookletInch.field).stringValue(), "0.5");
    Cancel(Which::Booklet);

    // A preset with neither unit chosen: the window shows millimetres.
    settings.SetValue(printsettings::BookletMarginMMRadioTicket, "0", false);
    settings.SetValue(printsettings::BookletMarginInchesRadioTicket, "0", false);
    Panel().restoreValuesAndReturnError();
    Open(Which::Booklet);
    EXPECT_EQ(W(Which::Booklet, kBookletMM.radio).intValue(), 1);
    EXPECT_FALSE(W(Which::Booklet, kBookletMM.field).isHidden());
    EXPECT_TRUE(W(Which::Booklet, kBookletInch.field).isHidden());
    OK(Which::Booklet);
    EXPECT_EQ(dialog.PrintedSetting(printsettings::BookletMarginMMRadioTicket), "1");
    EXPECT_EQ(Panel().getBookletShiftValueDisplayStyle(), 1);

    // Inches chosen in a preset: the summary says so before the window opens.
    settings.SetValue(printsettings::BookletMarginMMRadioTicket, "0", false);
    settings.SetValue(printsettings::BookletMarginInchesRadioTicket, "1", false);
    settings.SetValue(printsettings::BookletMarginInchesShiftTicket, "2", false);
    Panel().restoreValuesAndReturnError();
    EXPECT_EQ(dialog.PrintedSetting(printsettings::BookletMarginMMShiftTicket), "10");
    EXPECT_EQ(dialog.Summary()["Booklet Margin Width"], "0.2 inch");
}

TEST_F(MarginWindows, EveryKeyIsPrintedAndTheSummaryShowsTheChosenUnit)
{
    ASSERT_NE(dialog.Panel(), nullptr);
    Open(Which::Tab);
    host::Click(W(Which::Tab, kTabInch.radio));
    host::Type(W(Which::Tab, kTabInch.field), "0.20");
    OK(Which::Tab);
    Open(Which::Booklet);
    host::Type(W(Which::Booklet, kBookletMM.field), "5");
    host::SetCheck(W(Which::Booklet, 310), false);
    OK(Which::Booklet);

    const std::pair<const char*, const char*> expected[] = {
        {printsettings::TabMarginMMRadioTicket, "0"},
        {printsettings::TabMarginInchesRadioTicket, "1"},
        {printsettings::TabMarginMMTextEditTicket, "5.1"},
        {printsettings::TabMarginInchesTextEditTicket, "0.20"},
        {printsettings::TabMarginMMShiftTicket, "51"},
        {printsettings::TabMarginInchesShiftTicket, "20"},
        {printsettings::AutoFitSwitchTicket, "0"},
        {printsettings::BookletMarginMMRadioTicket, "1"},
        {printsettings::BookletMarginInchesRadioTicket, "0"},
        {printsettings::BookletMarginMMTextEditTicket, "5"},
        {printsettings::BookletMarginInchesTextEditTicket, "0.2"},
        {printsettings::BookletMarginMMShiftTicket, "10"},
        {printsettings::BookletMarginInchesShiftTicket, "2"},
    };
    for (const auto& [key, value] : expected) EXPECT_EQ(dialog.PrintedSetting(key), value) << key;
    EXPECT_EQ(Panel().getTabMarginShiftValueDisplayStyle(), 0);
    EXPECT_EQ(Panel().getBookletShiftValueDisplayStyle(), 1);

    std::map<std::string, std::string> summary = dialog.Summary();
    EXPECT_EQ(summary["Tab Margin Shift Width"], "0.20 inch");
    EXPECT_EQ(summary["Booklet Margin Width"], "5 mm");
    // Switched off in the panel, a margin has no summary line.
    dialog.Check("QVTabMarginShiftEx", 0);
    dialog.Choose("QVSignature", "None");
    EXPECT_EQ(dialog.PrintedSetting(printsettings::TabMarginSwitchTicket), "0");
    summary = dialog.Summary();
    EXPECT_EQ(summary.count("Tab Margin Shift Width"), 0U);
    EXPECT_EQ(summary.count("Booklet Margin Width"), 0U);
}

TEST_F(MarginWindows, EachWindowHasItsTitleAndItsHelpPage)
{
    ASSERT_NE(dialog.Panel(), nullptr);
    for (const auto& [which, title, page] :
         {std::tuple{Which::Tab, "Tab Margin Shift", "TabMarginShift.htm"},
          std::tuple{Which::Booklet, "Booklet Margin", "Margins_Type01.htm"}}) {
        Open(which);
        EXPECT_EQ(Window(which)->GetWindow()->title(), title);
        host::Click(Button(which, "HelpButton"));
        const auto& pages = dialog.Host().Services().ShownPages();
        ASSERT_FALSE(pages.empty()) << page;
        EXPECT_TRUE(pages.back().path.ends_with(std::string("/Help/") + page)) << pages.back().path;
        EXPECT_TRUE(IsOpen(which));
        Cancel(which);
    }
}

TEST(MarginWindowsScript, EveryMarginKeyReachesTheJobOptionsAndAStoredBookletValueIsHalved)
{
    const dialog_test::DialogRunner dialog;
    testing_support::ProcessResult run =
        dialog.Run({"--script", "-", "--options"}, "panel features\n"
                                                   "page 8\n"
                                                   "check QVTabMarginShiftEx on\n"
                                                   "press 101\n"
                                                   "type 213 5.5\n"
                                                   "press @PFWndOKButton\n"
                                                   "page 4\n"
                                                   "choose QVSignature LeftBinding\n"
                                                   "check 106 on\n"
                                                   "press 107\n"
                                                   "radio 316\n"
                                                   "type 311 0.4\n"
                                                   "check 310 off\n"
                                                   "press @PFWndOKButton\n"
                                                   "print\n");
    ASSERT_EQ(run.status, 0) << run.err;
    std::string options = run.out.substr(0, run.out.find('\n'));
    const std::string prefix = " com.lumeral.vrk.printsettings.";
    for (const char* expected :
         {"TabMarginMMRadioTicket='1'", "TabMarginInchesRadioTicket='0'", "TabMarginMMTextEditTicket='5.5'",
          "TabMarginInchesTextEditTicket='0.22'", "TabMarginMMShiftTicket='55'",
          "TabMarginInchesShiftTicket='22'", "AutoFitSwitchTicket='0'", "BookletMarginMMRadioTicket='0'",
          "BookletMarginInchesRadioTicket='1'", "BookletMarginMMTextEditTicket='10'",
          "BookletMarginInchesTextEditTicket='0.4'", "BookletMarginMMShiftTicket='20'",
          "BookletMarginInchesShiftTicket='4'"})
        EXPECT_NE((" " + options).find(prefix + expected), std::string::npos)
            << expected << " in " << options;

    // A starting value of 25 half millimetres (as a saved option or an older
    // job may hold it) reads back as 12 mm, and the inches follow.
    const dialog_test::DialogRunner fresh;
    run = fresh.Run(
        {"--script", "-", "--options", "-o", "com.lumeral.vrk.printsettings.BookletMarginMMShiftTicket=25"},
        "panel features\npage 4\nchoose QVSignature LeftBinding\ncheck 106 on\nprint\n");
    ASSERT_EQ(run.status, 0) << run.err;
    options = " " + run.out.substr(0, run.out.find('\n'));
    for (const char* expected : {"BookletMarginMMShiftTicket='24'", "BookletMarginMMTextEditTicket='12'",
                                 "BookletMarginInchesTextEditTicket='0.5'"})
        EXPECT_NE(options.find(prefix + expected), std::string::npos) << expected << " in " << options;
}
