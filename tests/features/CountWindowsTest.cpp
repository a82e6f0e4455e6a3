// The separator, number-in-sequence and offset-stacking windows of the
// Features panel on the KZ63, driven as a person drives them: opened from
// their lists and setup buttons, typed into, stepped, confirmed and
// cancelled; their messages, summaries and print-settings keys.
#include <gtest/gtest.h>

#include "features/FeatureControlRecords.h"
#include "features/windows/FeaturesSetupWindow.h"
#include "host/headless/PersonActions.h"
#include "panelkit/panel/PopupWinInPanel.h"
#include "platform/PrintSettingsKeys.h"
#include "tests/features/FeaturesPanelHarness.h"

using featurestest::FeaturesPanelHarness;
using featurestest::ProjectPPD;

namespace {

const std::string kKz63 = ProjectPPD("quorvel-kz63-color-mfp.ppd");

// Tags of the separator window.
constexpr int kPageList = 402;
constexpr int kSeparatorOK = 404;
constexpr int kSeparatorCancel = 405;

class CountWindows : public testing::Test {
protected:
    FeaturesPanelHarness dialog{kKz63};

    KPRINTFEATURESPDE& Panel() { return *dialog.Panel(); }

    static platform::ui::Widget& WidgetOf(PopupWinInPanel* window, int tag)
    {
        platform::ui::Widget* widget =
            window != nullptr ? window->GetWindow()->contentView().viewWithTag(tag) : nullptr;
        if (widget == nullptr) throw std::runtime_error("no widget " + std::to_string(tag));
        return *widget;
    }
    static bool IsOpen(PopupWinInPanel* window) { return window->GetWindow()->isOpen(); }

    // The message keys of the alerts shown since the last call.
    std::vector<std::string> NewAlerts()
    {
        const auto& alerts = dialog.Host().Toolkit().Alerts();
        std::vector<std::string> keys;
        for (std::size_t i = alertsSeen_; i < alerts.size(); ++i) keys.push_back(alerts[i].informativeKey);
        alertsSeen_ = alerts.size();
        return keys;
    }

    // The titles of the windows opened since the last call.
    std::vector<std::string> NewWindows()
    {
        const auto& events = dialog.Host().Toolkit().Events();
        std::vector<std::string> titles;
        for (std::size_t i = eventsSeen_; i < events.size(); ++i)
            if (events[i].event == "window-opened") titles.push_back(events[i].title);
        eventsSeen_ = events.size();
        return titles;
    }

    int NewBeeps()
    {
        const int now = dialog.Host().Services().BeepCount();
        const int beeps = now - beepsSeen_;
        beepsSeen_ = now;
        return beeps;
    }

    std::string Printed(const char* key)
    {
        EXPECT_TRUE(Panel().shouldPrint());
        std::string value;
        if (dialog.Host().Settings().GetValue(key, &value) != 0) return "(none)";
        return value;
    }

    std::map<std::string, std::string> Summary()
    {
        std::map<std::string, std::string> summary;
        std::vector<std::string> order;
        Panel().summaryInfo(summary, order);
        return summary;
    }

    // The panel's page of the title, as the group pop-up shows it.
    void ShowPage(std::string_view title)
    {
        platform::ui::Widget* groups = Panel().panelView()->widgetForOutlet("printFeatureGroupList");
        const std::vector<std::string>& titles = Panel().getGroupNameStrArrayRef();
        const auto found = std::find(titles.begin(), titles.end(), title);
        ASSERT_NE(found, titles.end()) << title;
        host::Choose(*groups, static_cast<int>(found - titles.begin()));
    }

    // A setup button pressed on its page.
    host::ActionOutcome PressSetupButton(const int32_t& id)
    {
        ShowPage(id == pfSeparatorSetupButtonID ? "Covers and Separators" : "Advanced Features");
        return host::Click(*Panel().GetPanelControl(&id)->GetControlPtr());
    }

    // The separator window, opened by choosing a tray the first time and by
    // its setup button once a tray is chosen.
    PopupWinInPanel* OpenSeparatorWindow()
    {
        if (SelectedEntry("QVIntSheet") == 0)
            dialog.Choose("QVIntSheet", "1stTray");
        else
            PressSetupButton(pfSeparatorSetupButtonID);
        return Panel().getSepWnd();
    }

    // The list typed into the separator window and OK pressed.
    void EnterPageList(std::string_view typed)
    {
        PopupWinInPanel* window = OpenSeparatorWindow();
        host::Type(WidgetOf(window, kPageList), typed);
        host::Click(WidgetOf(window, kSeparatorOK));
    }

    int SelectedEntry(std::string_view keyword)
    {
        return dialog.WidgetOfKind(keyword, platform::ui::WidgetKind::PopUp)->indexOfSelectedItem();
    }

private:
    std::size_t alertsSeen_ = 0;
    std::size_t eventsSeen_ = 0;
    int beepsSeen_ = 0;
};

std::string PageList(int first, int count)
{
    std::string list;
    for (int page = first; page < first + count; ++page)
        list += (list.empty() ? "" : ",") + std::to_string(page);
    return list;
}

} // namespace

TEST_F(CountWindows, ASeparatorListIsStoredSortedWithSpacesAndShownWithCommas)
{
    ASSERT_NE(dialog.Panel(), nullptr);
    struct Case {
        const char* typed;
        const char* stored;
        const char* shown;
    };
    for (const Case& c : {Case{"10, 3,25", "3 10 25", "3,10,25"}, Case{"5,5", "5 5", "5,5"},
                          Case{"00010", "10", "10"}, Case{" 9999 ,2", "2 9999", "2,9999"}}) {
        EnterPageList(c.typed);
        PopupWinInPanel* window = Panel().getSepWnd();
        EXPECT_FALSE(IsOpen(window)) << c.typed;
        EXPECT_TRUE(NewAlerts().empty()) << c.typed;
        EXPECT_EQ(Printed(printsettings::SeparatorPageTicket), c.stored) << c.typed;
        // The setup button shows the kept list again.
        PressSetupButton(pfSeparatorSetupButtonID);
        EXPECT_TRUE(IsOpen(window));
        EXPECT_EQ(WidgetOf(window, kPageList).stringValue(), c.shown) << c.typed;
        host::Click(WidgetOf(window, kSeparatorCancel));
        EXPECT_FALSE(IsOpen(window));
    }
}

TEST_F(CountWindows, ARefusedSeparatorListShowsItsMessageAndKeepsTheWindowOpen)
{
    ASSERT_NE(dialog.Panel(), nullptr);
    EnterPageList("4,6");
    NewAlerts();
    struct Case {
        std::string typed;
        const char* message;
    };
    const Case cases[] = {
        {",3", "Message22c"},         {"3,", "Message22c"},
        {"3,,4", "Message22c"},       {"1,5", "Message22c"},
        {"5,10000", "Message22c"},    {"", "Message22c"},
        {"   ", "Message22c"},        {"123456789012", "Message22c"},
        {"4294967298", "Message22c"}, {PageList(2, 21), "Message22d"},
    };
    PopupWinInPanel* window = OpenSeparatorWindow();
    for (const Case& c : cases) {
        host::Type(WidgetOf(window, kPageList), c.typed);
        host::Click(WidgetOf(window, kSeparatorOK));
        EXPECT_EQ(NewAlerts(), std::vector<std::string>{c.message}) << c.typed;
        EXPECT_TRUE(IsOpen(window)) << c.typed;
        // The field takes the focus back for the person to mend the list.
        EXPECT_EQ(window->GetWindow()->firstResponder(), &WidgetOf(window, kPageList)) << c.typed;
    }
    // Twenty pages are the most a list takes; the refused ones were not kept.
    host::Type(WidgetOf(window, kPageList), PageList(2, 20));
    host::Click(WidgetOf(window, kSeparatorOK));
    EXPECT_TRUE(NewAlerts().empty());
    EXPECT_FALSE(IsOpen(window));
    EXPECT_EQ(Printed(printsettings::SeparatorPageTicket),
              "2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 19 20 21");
}

TEST_F(CountWindows, CancellingTheSeparatorWindowKeepsTheListOrTurnsTheSeparatorOffWithoutOne)
{
    ASSERT_NE(dialog.Panel(), nullptr);
    // No list kept: the separator cannot stay on.
    PopupWinInPanel* window = OpenSeparatorWindow();
    host::Type(WidgetOf(window, kPageList), "7");
    host::Click(WidgetOf(window, kSeparatorCancel));
    EXPECT_EQ(NewAlerts(), std::vector<std::string>{"Message22c"});
    EXPECT_FALSE(IsOpen(window));
    EXPECT_EQ(SelectedEntry("QVIntSheet"), 0);
    EXPECT_EQ(Printed(printsettings::SeparatorPageTicket), "");
    EXPECT_EQ(dialog.PrintedChoice("QVIntSheet"), "None");

    // A list kept: Cancel drops what was typed since and keeps the tray.
    EnterPageList("12,8");
    window = OpenSeparatorWindow();
    host::Type(WidgetOf(window, kPageList), "30");
    host::Click(WidgetOf(window, kSeparatorCancel));
    EXPECT_TRUE(NewAlerts().empty());
    EXPECT_EQ(SelectedEntry("QVIntSheet"), 1);
    EXPECT_EQ(Printed(printsettings::SeparatorPageTicket), "8 12");
    EXPECT_EQ(dialog.PrintedChoice("QVIntSheet"), "1stTray");
    // The Default button empties the field on screen only.
    window = OpenSeparatorWindow();
    EXPECT_EQ(WidgetOf(window, kPageList).stringValue(), "8,12");
    host::Click(WidgetOf(window, 406));
    EXPECT_EQ(WidgetOf(window, kPageList).stringValue(), "");
    host::Click(WidgetOf(window, kSeparatorCancel));
    EXPECT_EQ(Printed(printsettings::SeparatorPageTicket), "8 12");
}

TEST_F(CountWindows, TheSeparatorListIsSummarisedWhileTheSeparatorIsOnAndReadBackFromTheSettings)
{
    ASSERT_NE(dialog.Panel(), nullptr);
    EnterPageList("25,3");
    Printed(printsettings::SeparatorPageTicket);
    // The tray's line and the pages' line stand side by side.
    std::map<std::string, std::string> summary = Summary();
    EXPECT_EQ(summary["Separator Pages"], "Tray 1");
    EXPECT_EQ(summary["Separator Page Numbers"], "3 25");
    dialog.Choose("QVIntSheet", "None");
    Printed(printsettings::SeparatorPageTicket);
    EXPECT_EQ(Summary().count("Separator Page Numbers"), 0u);

    // A list the print settings bring back (last used or a preset); only a
    // list the field could have kept is taken.
    struct Case {
        const char* ticket;
        const char* shown;
    };
    for (const Case& c : {Case{"30 4 4", "4,4,30"}, Case{"/51/32/55", "3,7"}, Case{"3,10", ""},
                          Case{"1 5", ""}, Case{"12345678901", ""}}) {
        FeaturesPanelHarness again(kKz63);
        ASSERT_NE(again.Panel(), nullptr);
        again.Host().Settings().SetValue(printsettings::SeparatorPageTicket, c.ticket, false);
        again.Panel()->restoreValuesAndReturnError();
        again.Choose("QVIntSheet", "2ndTray");
        EXPECT_EQ(WidgetOf(again.Panel()->getSepWnd(), kPageList).stringValue(), c.shown) << c.ticket;
    }
}

namespace {

// Tags of the number-in-sequence and offset windows.
struct NumberWindowTags {
    int edit;
    int stepper;
    int ok;
    int cancel;
    int help;
};
constexpr NumberWindowTags kNumInSeq{612, 613, 617, 616, 614};
constexpr NumberWindowTags kOffsetPages{602, 603, 604, 605, 607};
constexpr NumberWindowTags kOffsetCopies{702, 703, 704, 705, 707};

} // namespace

TEST_F(CountWindows, NumberFieldsTakeTheirRangeAndRefuseTheRestWithTheirMessage)
{
    ASSERT_NE(dialog.Panel(), nullptr);
    dialog.Check("QVTabNumberInSequence", 1);
    struct Case {
        const char* windowTitle;
        NumberWindowTags tags;
        std::vector<std::string> refused;
        const char* message;
        const char* accepted;
        const char* textKey;
        const char* stepperKey;
    };
    const Case cases[] = {
        {"Number in Sequence",
         kNumInSeq,
         {"0", "255", "", "000"},
         "Message22k",
         "254",
         printsettings::NumInSequenceTextEditTicket,
         printsettings::NumInSequenceLArrowTicket},
        {"Offset per Number of Pages",
         kOffsetPages,
         {"1", "65001", "99999", "0"},
         "Message22l",
         "65000",
         printsettings::OffsetStackingPagesTextEditTicket,
         printsettings::OffsetStackingPagesLArrowTicket},
        {"Offset per Number of Sets",
         kOffsetCopies,
         {"1", "0", ""},
         "Message22m",
         "9999",
         printsettings::OffsetStackingUnitsTextEditTicket,
         printsettings::OffsetStackingUnitsLArrowTicket},
    };
    PopupWinInPanel* windows[] = {Panel().getNumInSeqWnd(), Panel().getOffsetStackingPagesWnd(),
                                  Panel().getOffsetStackingUnitsWnd()};
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        const Case& c = cases[i];
        PopupWinInPanel* window = windows[i];
        if (i == 0) PressSetupButton(pfNumInSeqSetupButtonID);
        if (i == 1) dialog.Choose("QVJog", "Pages");
        if (i == 2) dialog.Choose("QVJog", "Units");
        ASSERT_EQ(NewWindows(), std::vector<std::string>{c.windowTitle});
        for (const std::string& typed : c.refused) {
            host::Type(WidgetOf(window, c.tags.edit), typed);
            host::Click(WidgetOf(window, c.tags.ok));
            EXPECT_EQ(NewAlerts(), std::vector<std::string>{c.message}) << typed;
            EXPECT_TRUE(IsOpen(window)) << typed;
        }
        host::Type(WidgetOf(window, c.tags.edit), c.accepted);
        EXPECT_EQ(WidgetOf(window, c.tags.stepper).intValue(), std::stoi(c.accepted));
        host::Click(WidgetOf(window, c.tags.ok));
        EXPECT_TRUE(NewAlerts().empty()) << c.accepted;
        EXPECT_FALSE(IsOpen(window));
        EXPECT_EQ(Printed(c.textKey), c.accepted);
        EXPECT_EQ(Printed(c.stepperKey), c.accepted);
    }
}

TEST_F(CountWindows, TheStepperStopsAtItsBoundsWithABeepAndWaitsForAFieldItRefuses)
{
    ASSERT_NE(dialog.Panel(), nullptr);
    dialog.Check("QVTabNumberInSequence", 1);
    PressSetupButton(pfNumInSeqSetupButtonID);
    PopupWinInPanel* window = Panel().getNumInSeqWnd();
    platform::ui::Widget& edit = WidgetOf(window, kNumInSeq.edit);
    platform::ui::Widget& stepper = WidgetOf(window, kNumInSeq.stepper);
    EXPECT_EQ(edit.stringValue(), "3");
    NewBeeps();
    struct Case {
        const char* typed;
        host::StepDirection direction;
        const char* shown;
        int beeps;
    };
    for (const Case& c :
         {Case{"254", host::StepDirection::Up, "254", 1}, Case{"253", host::StepDirection::Up, "254", 0},
          Case{"1", host::StepDirection::Down, "1", 1}, Case{"1", host::StepDirection::Up, "2", 0},
          Case{"3", host::StepDirection::Down, "2", 0}}) {
        host::Type(edit, c.typed);
        host::Step(stepper, c.direction);
        EXPECT_EQ(edit.stringValue(), c.shown) << c.typed;
        EXPECT_EQ(stepper.intValue(), std::stoi(c.shown)) << c.typed;
        EXPECT_EQ(NewBeeps(), c.beeps) << c.typed;
    }
    // A refused text: its message, and the arrows stay where they were.
    host::Type(edit, "255");
    host::Step(stepper, host::StepDirection::Down);
    EXPECT_EQ(NewAlerts(), std::vector<std::string>{"Message22k"});
    EXPECT_EQ(stepper.intValue(), 2);
    EXPECT_EQ(edit.stringValue(), "255");
    // Cancel keeps the value the window opened with.
    host::Click(WidgetOf(window, kNumInSeq.cancel));
    EXPECT_EQ(Printed(printsettings::NumInSequenceTextEditTicket), "3");
    EXPECT_EQ(Printed(printsettings::NumInSequenceLArrowTicket), "3");
}

TEST_F(CountWindows, ListEntriesAndSetupButtonsOpenTheMatchingWindow)
{
    ASSERT_NE(dialog.Panel(), nullptr);
    NewWindows();
    const auto closeOpenWindow = [&] {
        for (PopupWinInPanel* window :
             {Panel().getOffsetStackingPagesWnd(), Panel().getOffsetStackingUnitsWnd(), Panel().getSepWnd()})
            if (IsOpen(window)) window->DeactivateWindow();
    };
    struct Case {
        const char* keyword;
        const char* choice; // empty: the list's setup button is pressed
        std::vector<std::string> opened;
    };
    const std::vector<std::string> none;
    const Case cases[] = {
        {"QVJog", "Pages", {"Offset per Number of Pages"}},
        {"QVJog", "Pages", none}, // the same entry again
        {"QVJog", "", {"Offset per Number of Pages"}},
        {"QVJog", "Units", {"Offset per Number of Sets"}},
        {"QVJog", "", {"Offset per Number of Sets"}},
        {"QVJog", "Set", none},
        {"QVIntSheet", "2ndTray", {"Separator Pages"}},
        {"QVIntSheet", "MSI", {"Separator Pages"}},
        {"QVIntSheet", "MSI", none},
        {"QVIntSheet", "", {"Separator Pages"}},
        {"QVIntSheet", "None", none},
    };
    for (const Case& c : cases) {
        if (*c.choice != '\0') {
            dialog.Choose(c.keyword, c.choice);
        } else {
            const int32_t& button = std::string_view(c.keyword) == "QVJog" ? pfOffsetStackingSetupButtonID
                                                                           : pfSeparatorSetupButtonID;
            EXPECT_EQ(PressSetupButton(button), host::ActionOutcome::Done) << c.keyword;
        }
        EXPECT_EQ(NewWindows(), c.opened) << c.keyword << " " << c.choice;
        // A separator window left open with a list would keep none: type one.
        if (IsOpen(Panel().getSepWnd())) {
            host::Type(WidgetOf(Panel().getSepWnd(), kPageList), "5");
            host::Click(WidgetOf(Panel().getSepWnd(), kSeparatorOK));
        }
        closeOpenWindow();
    }
    // While offset stacking is per job or per set, its setup button opens nothing.
    EXPECT_EQ(PressSetupButton(pfOffsetStackingSetupButtonID), host::ActionOutcome::Refused);
}

TEST_F(CountWindows, NumberFieldsAreSummarisedOnlyWhileTheirFeatureIsChosen)
{
    ASSERT_NE(dialog.Panel(), nullptr);
    std::map<std::string, std::string> summary = Summary();
    for (const char* title :
         {"Sheets per Sequence", "Offset per Number of Pages", "Offset per Number of Sets"})
        EXPECT_EQ(summary.count(title), 0u) << title;

    dialog.Check("QVTabNumberInSequence", 1);
    dialog.Choose("QVJog", "Pages");
    host::Type(WidgetOf(Panel().getOffsetStackingPagesWnd(), kOffsetPages.edit), "40");
    host::Click(WidgetOf(Panel().getOffsetStackingPagesWnd(), kOffsetPages.ok));
    Printed(printsettings::OffsetStackingListTicket);
    summary = Summary();
    EXPECT_EQ(summary["Sheets per Sequence"], "3");
    EXPECT_EQ(summary["Offset per Number of Pages"], "40");
    // With offset stacking per number of pages, the per-copy field says nothing.
    EXPECT_EQ(summary.count("Offset per Number of Sets"), 0u);

    dialog.Choose("QVJog", "Units");
    Panel().getOffsetStackingUnitsWnd()->DeactivateWindow();
    summary = Summary();
    EXPECT_EQ(summary["Offset per Number of Sets"], "2");
    EXPECT_EQ(summary.count("Offset per Number of Pages"), 0u);
}

TEST_F(CountWindows, EachWindowsHelpButtonOpensItsPage)
{
    ASSERT_NE(dialog.Panel(), nullptr);
    struct Case {
        PopupWinInPanel* window;
        int helpTag;
        const char* page;
    };
    for (const Case& c : {Case{Panel().getSepWnd(), 407, "SpecifyPosition.htm"},
                          Case{Panel().getNumInSeqWnd(), kNumInSeq.help, "NumberInSequence.htm"},
                          Case{Panel().getOffsetStackingPagesWnd(), kOffsetPages.help, "PageOffset.htm"},
                          Case{Panel().getOffsetStackingUnitsWnd(), kOffsetCopies.help, "PageOffset.htm"}}) {
        c.window->ActivateWindow();
        host::Click(WidgetOf(c.window, c.helpTag));
        const auto& pages = dialog.Host().Services().ShownPages();
        ASSERT_FALSE(pages.empty()) << c.page;
        EXPECT_TRUE(pages.back().path.ends_with(std::string("/Help/") + c.page)) << pages.back().path;
        EXPECT_TRUE(IsOpen(c.window));
        c.window->DeactivateWindow();
    }
}

TEST_F(CountWindows, AStepperReadBackFromTheSettingsBringsItsFieldWithIt)
{
    FeaturesPanelHarness again(kKz63);
    ASSERT_NE(again.Panel(), nullptr);
    platform::PrintSettings& settings = again.Host().Settings();
    settings.SetValue(printsettings::OffsetStackingUnitsLArrowTicket, "120", false);
    settings.SetValue(printsettings::NumInSequenceLArrowTicket, "255", false); // out of range: the default
    again.Panel()->restoreValuesAndReturnError();
    PopupWinInPanel* copies = again.Panel()->getOffsetStackingUnitsWnd();
    copies->ActivateWindow();
    EXPECT_EQ(WidgetOf(copies, kOffsetCopies.edit).stringValue(), "120");
    EXPECT_EQ(WidgetOf(copies, kOffsetCopies.stepper).intValue(), 120);
    copies->DeactivateWindow();
    PopupWinInPanel* sequence = again.Panel()->getNumInSeqWnd();
    sequence->ActivateWindow();
    EXPECT_EQ(WidgetOf(sequence, kNumInSeq.edit).stringValue(), "3");
    EXPECT_EQ(WidgetOf(sequence, kNumInSeq.stepper).intValue(), 3);
    sequence->DeactivateWindow();
}
