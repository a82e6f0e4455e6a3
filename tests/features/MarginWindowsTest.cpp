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
namespace keys = printsettings;

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

    // Print settings brought back (a preset, or those last used) and read by the panel.
    void Restore(std::initializer_list<std::pair<const char*, const char*>> values)
    {
        for (const auto& [key, value] : values) dialog.Host().Settings().SetValue(key, value, false);
        Panel().restoreValuesAndReturnError();
    }

    void SetUp() override { ASSERT_NE(dialog.Panel(), nullptr); }
    platform::ui::Widget& Tab(int tag) { return W(Which::Tab, tag); }
    platform::ui::Widget& Booklet(int tag) { return W(Which::Booklet, tag); }

    // The field of `shown` is on screen and that of `hidden` is not.
    void ExpectUnitShown(Which which, UnitTags shown, UnitTags hidden)
    {
        EXPECT_FALSE(W(which, shown.field).isHidden()) << shown.field;
        EXPECT_TRUE(W(which, hidden.field).isHidden()) << hidden.field;
    }
    // Each key's printed value, asked in this order.
    void ExpectPrinted(std::initializer_list<std::pair<const char*, const char*>> expected)
    {
        for (const auto& [key, value] : expected) EXPECT_EQ(dialog.PrintedSetting(key), value) << key;
    }
};

using Keys = std::vector<std::string>;

} // namespace

TEST_F(MarginWindows, ATypedValueSetsItsStepperAndTheOtherUnitFollows)
{
    struct Case {
        Which which;
        UnitTags typedIn, other;
        const char *typed, *otherText;
        int stepper, otherStepper;
    };
    for (const Case& c : {
             Case{Which::Tab, kTabMM, kTabInch, "12.7", "0.50", 127, 50},
             Case{Which::Tab, kTabMM, kTabInch, "15.0", "0.59", 150, 59},
             Case{Which::Tab, kTabMM, kTabInch, "0.1", "0.00", 1, 0},
             Case{Which::Tab, kTabInch, kTabMM, "0.59", "15.0", 59, 150},
             Case{Which::Tab, kTabInch, kTabMM, "0.05", "1.3", 5, 13},
             Case{Which::Booklet, kBookletMM, kBookletInch, "25", "1.0", 25, 10},
             Case{Which::Booklet, kBookletMM, kBookletInch, "7", "0.3", 7, 3},
             Case{Which::Booklet, kBookletInch, kBookletMM, "0.3", "8", 3, 8},
             Case{Which::Booklet, kBookletInch, kBookletMM, "1.0", "25", 10, 25},
         }) {
        SCOPED_TRACE(c.typed);
        Open(c.which);
        host::Click(W(c.which, c.typedIn.radio));
        ExpectUnitShown(c.which, c.typedIn, c.other);
        host::Type(W(c.which, c.typedIn.field), c.typed);
        EXPECT_EQ(W(c.which, c.typedIn.stepper).intValue(), c.stepper);
        EXPECT_EQ(W(c.which, c.other.field).stringValue(), c.otherText);
        EXPECT_EQ(W(c.which, c.other.stepper).intValue(), c.otherStepper);
        // Switching units shows the converted value.
        host::Click(W(c.which, c.other.radio));
        ExpectUnitShown(c.which, c.other, c.typedIn);
        EXPECT_EQ(W(c.which, c.other.field).stringValue(), c.otherText);
        OK(c.which);
        EXPECT_FALSE(IsOpen(c.which));
        EXPECT_TRUE(dialog.NewAlertKeys().empty());
    }
}

TEST_F(MarginWindows, ARefusedTextShowsItsFieldsMessageOnOKAndTheWindowStaysOpen)
{
    struct Case {
        Which which;
        UnitTags unit;
        const char *accepted, *message;
        std::vector<const char*> refused;
    };
    for (const Case& c : {
             Case{Which::Tab, kTabMM, "15.0", "Message22b", {"15.1", "12.70", ".5", "5.", ""}},
             Case{Which::Tab, kTabInch, "0.50", "Message22b2", {"0.5", "1", "0.60"}},
             Case{Which::Booklet, kBookletMM, "25", "Message22e", {"26", "1."}},
             Case{Which::Booklet, kBookletInch, "1.0", "Message22e2", {"1.1", "0."}},
         }) {
        // Each text is put on screen as a whole (a paste): OK checks what the field shows.
        SCOPED_TRACE(c.accepted);
        Open(c.which);
        host::Click(W(c.which, c.unit.radio));
        W(c.which, c.unit.field).setStringValue(c.accepted);
        OK(c.which);
        EXPECT_TRUE(dialog.NewAlertKeys().empty());
        EXPECT_FALSE(IsOpen(c.which));
        for (const char* text : c.refused) {
            SCOPED_TRACE(text);
            Open(c.which);
            host::Click(W(c.which, c.unit.radio));
            W(c.which, c.unit.field).setStringValue(text);
            OK(c.which);
            EXPECT_EQ(dialog.NewAlertKeys(), Keys{c.message});
            EXPECT_TRUE(IsOpen(c.which));
            EXPECT_EQ(Window(c.which)->GetWindow()->firstResponder(), &W(c.which, c.unit.field));
            Cancel(c.which);
        }
    }
}

TEST_F(MarginWindows, TypingOneInchShowsTheTabInchMessageOnOKAndKeepsTheWindowOpen)
{
    Open(Which::Tab);
    host::Click(Tab(kTabInch.radio));
    host::Type(Tab(kTabInch.field), "1");
    // 100 hundredths lie beyond 59: the stepper keeps its value.
    EXPECT_EQ(Tab(kTabInch.stepper).intValue(), 50);
    OK(Which::Tab);
    EXPECT_EQ(dialog.NewAlertKeys(), Keys{"Message22b2"});
    EXPECT_TRUE(IsOpen(Which::Tab));
    EXPECT_EQ(Tab(kTabInch.field).stringValue(), "1");
}

TEST_F(MarginWindows, TheSteppersStepWithinTheirRangesBeepAtABoundAndCheckTheirTextFirst)
{
    Open(Which::Tab);
    host::Type(Tab(kTabMM.field), "14.9");
    dialog.NewBeeps();
    host::Step(Tab(kTabMM.stepper), host::StepDirection::Up);
    EXPECT_EQ(Tab(kTabMM.field).stringValue(), "15.0");
    EXPECT_EQ(Tab(kTabInch.field).stringValue(), "0.59");
    EXPECT_EQ(dialog.NewBeeps(), 0);
    // At the top: a beep and nothing moves.
    host::Step(Tab(kTabMM.stepper), host::StepDirection::Up);
    EXPECT_EQ(dialog.NewBeeps(), 1);
    EXPECT_EQ(Tab(kTabMM.stepper).intValue(), 150);
    EXPECT_EQ(Tab(kTabMM.field).stringValue(), "15.0");
    host::Step(Tab(kTabMM.stepper), host::StepDirection::Down);
    EXPECT_EQ(Tab(kTabMM.field).stringValue(), "14.9");
    // The text accepted last, typed again after stepping, still sets the stepper.
    host::Type(Tab(kTabMM.field), "14.9");
    host::Step(Tab(kTabMM.stepper), host::StepDirection::Down);
    host::Type(Tab(kTabMM.field), "14.9");
    EXPECT_EQ(Tab(kTabMM.stepper).intValue(), 149);
    EXPECT_EQ(Tab(kTabInch.field).stringValue(), "0.59");

    // A refused text: its message, and the stepper stays where it was.
    host::Type(Tab(kTabMM.field), "15.1");
    host::Step(Tab(kTabMM.stepper), host::StepDirection::Down);
    EXPECT_EQ(dialog.NewAlertKeys(), Keys{"Message22b"});
    EXPECT_EQ(Tab(kTabMM.stepper).intValue(), 149);
    EXPECT_EQ(Tab(kTabMM.field).stringValue(), "15.1");
    EXPECT_EQ(dialog.NewBeeps(), 0);
    Cancel(Which::Tab);

    // The booklet's bottom, in both units.
    Open(Which::Booklet);
    for (UnitTags unit : {kBookletMM, kBookletInch}) {
        host::Click(Booklet(unit.radio));
        const std::string shown = Booklet(unit.field).stringValue();
        host::Step(Booklet(unit.stepper), host::StepDirection::Down);
        EXPECT_EQ(dialog.NewBeeps(), 1) << unit.field;
        EXPECT_EQ(Booklet(unit.stepper).intValue(), 0);
        EXPECT_EQ(Booklet(unit.field).stringValue(), shown);
    }
    host::Step(Booklet(kBookletInch.stepper), host::StepDirection::Up);
    EXPECT_EQ(Booklet(kBookletInch.field).stringValue(), "0.1");
    EXPECT_EQ(Booklet(kBookletMM.field).stringValue(), "3");
    EXPECT_TRUE(dialog.NewAlertKeys().empty());
}

TEST_F(MarginWindows, AUnitSwitchWithARefusedTextIsUndone)
{
    Open(Which::Tab);
    host::Type(Tab(kTabMM.field), "15.1");
    // The hidden unit keeps the last value OK would accept.
    EXPECT_EQ(Tab(kTabInch.field).stringValue(), "0.50");
    EXPECT_EQ(Tab(kTabMM.stepper).intValue(), 127);
    host::Click(Tab(kTabInch.radio));
    EXPECT_EQ(dialog.NewAlertKeys(), Keys{"Message22b"});
    EXPECT_EQ(Tab(kTabInch.radio).intValue(), 0);
    EXPECT_EQ(Tab(kTabMM.radio).intValue(), 1);
    ExpectUnitShown(Which::Tab, kTabMM, kTabInch);
    // Mended, the switch goes through.
    host::Type(Tab(kTabMM.field), "5.0");
    host::Click(Tab(kTabInch.radio));
    EXPECT_TRUE(dialog.NewAlertKeys().empty());
    EXPECT_EQ(Tab(kTabMM.radio).intValue(), 0);
    EXPECT_TRUE(Tab(kTabMM.field).isHidden());
    EXPECT_EQ(Tab(kTabInch.field).stringValue(), "0.20");
}

TEST_F(MarginWindows, CancelRestoresTheValuesAndDefaultShowsTheDefaults)
{
    Open(Which::Tab);
    host::Type(Tab(kTabMM.field), "10.0");
    OK(Which::Tab);
    Open(Which::Tab);
    host::Type(Tab(kTabMM.field), "5.0");
    host::Click(Tab(kTabInch.radio));
    Cancel(Which::Tab);
    EXPECT_FALSE(IsOpen(Which::Tab));
    EXPECT_TRUE(dialog.NewAlertKeys().empty());
    ExpectPrinted({{keys::TabMarginMMTextEditTicket, "10.0"},
                   {keys::TabMarginMMShiftTicket, "100"},
                   {keys::TabMarginInchesRadioTicket, "0"}});
    Open(Which::Tab);
    EXPECT_EQ(Tab(kTabMM.field).stringValue(), "10.0");
    EXPECT_EQ(Tab(kTabMM.stepper).intValue(), 100);
    EXPECT_EQ(Tab(kTabInch.field).stringValue(), "0.39");
    ExpectUnitShown(Which::Tab, kTabMM, kTabInch);

    host::Click(Tab(kTabInch.radio));
    host::Click(Button(Which::Tab, "DefaultButton"));
    EXPECT_EQ(Tab(kTabMM.field).stringValue(), "12.7");
    EXPECT_EQ(Tab(kTabInch.field).stringValue(), "0.50");
    EXPECT_EQ(Tab(kTabMM.radio).intValue(), 1);
    ExpectUnitShown(Which::Tab, kTabMM, kTabInch);
    OK(Which::Tab);
    EXPECT_EQ(dialog.PrintedSetting(keys::TabMarginMMShiftTicket), "127");
}

TEST_F(MarginWindows, BookletMillimetresTravelDoubledAndReadBackHalved)
{
    Open(Which::Booklet);
    host::Type(Booklet(kBookletMM.field), "12");
    OK(Which::Booklet);
    ExpectPrinted({{keys::BookletMarginMMShiftTicket, "24"}, {keys::BookletMarginMMTextEditTicket, "12"}});

    // A preset holding 25 half millimetres: 12 mm, toward zero. Its inch
    // values disagree: they follow the chosen unit.
    Restore({{keys::BookletMarginMMShiftTicket, "25"}, {keys::BookletMarginInchesShiftTicket, "9"}});
    ExpectPrinted({{keys::BookletMarginMMShiftTicket, "24"},
                   {keys::BookletMarginMMTextEditTicket, "12"},
                   {keys::BookletMarginInchesShiftTicket, "5"},
                   {keys::BookletMarginInchesTextEditTicket, "0.5"}});
    Open(Which::Booklet);
    EXPECT_EQ(Booklet(kBookletMM.stepper).intValue(), 12);
    EXPECT_EQ(Booklet(kBookletMM.field).stringValue(), "12");
    EXPECT_EQ(Booklet(kBookletInch.field).stringValue(), "0.5");
    Cancel(Which::Booklet);

    // A preset with neither unit chosen: the window shows millimetres.
    Restore({{keys::BookletMarginMMRadioTicket, "0"}, {keys::BookletMarginInchesRadioTicket, "0"}});
    Open(Which::Booklet);
    EXPECT_EQ(Booklet(kBookletMM.radio).intValue(), 1);
    ExpectUnitShown(Which::Booklet, kBookletMM, kBookletInch);
    OK(Which::Booklet);
    EXPECT_EQ(dialog.PrintedSetting(keys::BookletMarginMMRadioTicket), "1");
    EXPECT_EQ(Panel().getBookletShiftValueDisplayStyle(), 1);

    // Inches chosen in a preset: the summary says so before the window opens.
    Restore({{keys::BookletMarginMMRadioTicket, "0"},
             {keys::BookletMarginInchesRadioTicket, "1"},
             {keys::BookletMarginInchesShiftTicket, "2"}});
    EXPECT_EQ(dialog.PrintedSetting(keys::BookletMarginMMShiftTicket), "10");
    EXPECT_EQ(dialog.Summary()["Booklet Margin Width"], "0.2 inch");
}

TEST_F(MarginWindows, EveryKeyIsPrintedAndTheSummaryShowsTheChosenUnit)
{
    Open(Which::Tab);
    host::Click(Tab(kTabInch.radio));
    host::Type(Tab(kTabInch.field), "0.20");
    OK(Which::Tab);
    Open(Which::Booklet);
    host::Type(Booklet(kBookletMM.field), "5");
    host::SetCheck(Booklet(310), false);
    OK(Which::Booklet);

    ExpectPrinted({{keys::TabMarginMMRadioTicket, "0"},
                   {keys::TabMarginInchesRadioTicket, "1"},
                   {keys::TabMarginMMTextEditTicket, "5.1"},
                   {keys::TabMarginInchesTextEditTicket, "0.20"},
                   {keys::TabMarginMMShiftTicket, "51"},
                   {keys::TabMarginInchesShiftTicket, "20"},
                   {keys::AutoFitSwitchTicket, "0"},
                   {keys::BookletMarginMMRadioTicket, "1"},
                   {keys::BookletMarginInchesRadioTicket, "0"},
                   {keys::BookletMarginMMTextEditTicket, "5"},
                   {keys::BookletMarginInchesTextEditTicket, "0.2"},
                   {keys::BookletMarginMMShiftTicket, "10"},
                   {keys::BookletMarginInchesShiftTicket, "2"}});
    EXPECT_EQ(Panel().getTabMarginShiftValueDisplayStyle(), 0);
    EXPECT_EQ(Panel().getBookletShiftValueDisplayStyle(), 1);

    std::map<std::string, std::string> summary = dialog.Summary();
    EXPECT_EQ(summary["Tab Margin Shift Width"], "0.20 inch");
    EXPECT_EQ(summary["Booklet Margin Width"], "5 mm");
    // Switched off in the panel, a margin has no summary line.
    dialog.Check("QVTabMarginShiftEx", 0);
    dialog.Choose("QVSignature", "None");
    EXPECT_EQ(dialog.PrintedSetting(keys::TabMarginSwitchTicket), "0");
    summary = dialog.Summary();
    EXPECT_EQ(summary.count("Tab Margin Shift Width"), 0U);
    EXPECT_EQ(summary.count("Booklet Margin Width"), 0U);
}

TEST_F(MarginWindows, EachWindowHasItsTitleAndItsHelpPage)
{
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

namespace {

// Each expected `key='value'` among the print-settings options of a
// printdialog run's first line.
void ExpectJobOptions(const testing_support::ProcessResult& run, std::initializer_list<const char*> expected)
{
    ASSERT_EQ(run.status, 0) << run.err;
    const std::string options = " " + run.out.substr(0, run.out.find('\n'));
    for (const char* option : expected)
        EXPECT_NE(options.find(std::string(" com.lumeral.vrk.printsettings.") + option), std::string::npos)
            << option << " in " << options;
}

} // namespace

TEST(MarginWindowsScript, EveryMarginKeyReachesTheJobOptionsAndAStoredBookletValueIsHalved)
{
    const dialog_test::DialogRunner dialog;
    ExpectJobOptions(dialog.Run({"--script", "-", "--options"},
                                "panel features\npage 8\ncheck QVTabMarginShiftEx on\npress 101\n"
                                "type 213 5.5\npress @PFWndOKButton\n"
                                "page 4\nchoose QVSignature LeftBinding\ncheck 106 on\npress 107\n"
                                "radio 316\ntype 311 0.4\ncheck 310 off\npress @PFWndOKButton\nprint\n"),
                     {"TabMarginMMRadioTicket='1'", "TabMarginInchesRadioTicket='0'",
                      "TabMarginMMTextEditTicket='5.5'", "TabMarginInchesTextEditTicket='0.22'",
                      "TabMarginMMShiftTicket='55'", "TabMarginInchesShiftTicket='22'",
                      "AutoFitSwitchTicket='0'", "BookletMarginMMRadioTicket='0'",
                      "BookletMarginInchesRadioTicket='1'", "BookletMarginMMTextEditTicket='10'",
                      "BookletMarginInchesTextEditTicket='0.4'", "BookletMarginMMShiftTicket='20'",
                      "BookletMarginInchesShiftTicket='4'"});

    // A starting value of 25 half millimetres (as a saved option or an older
    // job may hold it) reads back as 12 mm, and the inches follow.
    const dialog_test::DialogRunner fresh;
    ExpectJobOptions(
        fresh.Run({"--script", "-", "--options", "-o",
                   "com.lumeral.vrk.printsettings.BookletMarginMMShiftTicket=25"},
                  "panel features\npage 4\nchoose QVSignature LeftBinding\ncheck 106 on\nprint\n"),
        {"BookletMarginMMShiftTicket='24'", "BookletMarginMMTextEditTicket='12'",
         "BookletMarginInchesTextEditTicket='0.5'"});
}
