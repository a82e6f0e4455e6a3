// The separator, number-in-sequence and offset-stacking windows of the
// Features panel on the KZ63, driven as a person drives them: opened from
// their lists and setup buttons, typed into, stepped, confirmed and
// cancelled; their messages, summaries and print-settings keys.
#include <gtest/gtest.h>

#include "features/FeatureControlRecords.h"
#include "host/headless/PersonActions.h"
#include "platform/PrintSettingsKeys.h"
#include "tests/features/FeaturesPanelHarness.h"

using featurestest::FeaturesPanelHarness;
using host::StepDirection;
namespace keys = printsettings;

namespace {

const std::string kKz63 = featurestest::ProjectPPD("quorvel-kz63-color-mfp.ppd");

// Tags of the separator window.
constexpr int kPageList = 402;
constexpr int kSeparatorOK = 404;
constexpr int kSeparatorCancel = 405;

// Tags of the number windows.
struct NumberWindowTags {
    int edit, stepper, ok, cancel, help;
};
constexpr NumberWindowTags kNumInSeq{612, 613, 617, 616, 614};
constexpr NumberWindowTags kOffsetPages{602, 603, 604, 605, 607};
constexpr NumberWindowTags kOffsetCopies{702, 703, 704, 705, 707};

platform::ui::Widget& W(const PopupWinInPanel* window, int tag)
{
    platform::ui::Widget* widget = FeaturesPanelHarness::WindowWidget(window, tag);
    if (widget == nullptr) throw std::runtime_error("no widget " + std::to_string(tag));
    return *widget;
}

bool IsOpen(const PopupWinInPanel* window) { return window->GetWindow()->isOpen(); }

std::string PageList(int first, int count)
{
    std::string list;
    for (int page = first; page < first + count; ++page)
        list += (list.empty() ? "" : ",") + std::to_string(page);
    return list;
}

class CountWindows : public testing::Test {
protected:
    FeaturesPanelHarness dialog{kKz63};

    KPRINTFEATURESPDE& Panel() { return *dialog.Panel(); }
    void SetUp() override { ASSERT_NE(dialog.Panel(), nullptr); }
    // A control of the separator window.
    platform::ui::Widget& Sep(int tag) { return W(Panel().getSepWnd(), tag); }

    // A setup button pressed on its page.
    host::ActionOutcome PressSetupButton(const int32_t& id)
    {
        dialog.ShowPage(id == pfSeparatorSetupButtonID ? "Covers and Separators" : "Advanced Features");
        return host::Click(*Panel().GetPanelControl(&id)->GetControlPtr());
    }

    int SelectedEntry(std::string_view keyword)
    {
        return dialog.WidgetOfKind(keyword, platform::ui::WidgetKind::PopUp)->indexOfSelectedItem();
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

    void EnterPageList(std::string_view typed)
    {
        PopupWinInPanel* window = OpenSeparatorWindow();
        host::Type(W(window, kPageList), typed);
        host::Click(W(window, kSeparatorOK));
    }
};

} // namespace

TEST_F(CountWindows, ASeparatorListIsStoredSortedWithSpacesAndShownWithCommas)
{
    struct Case {
        const char *typed, *stored, *shown;
    };
    for (const Case& c :
         {Case{"10, 3,25", "3 10 25", "3,10,25"}, Case{"5,5", "5 5", "5,5"}, Case{"00010", "10", "10"}}) {
        EnterPageList(c.typed);
        EXPECT_FALSE(IsOpen(Panel().getSepWnd())) << c.typed;
        EXPECT_TRUE(dialog.NewAlertKeys().empty()) << c.typed;
        EXPECT_EQ(dialog.PrintedSetting(keys::SeparatorPageTicket), c.stored) << c.typed;
        // The setup button shows the kept list again.
        PressSetupButton(pfSeparatorSetupButtonID);
        EXPECT_EQ(Sep(kPageList).stringValue(), c.shown) << c.typed;
        host::Click(Sep(kSeparatorCancel));
    }
}

TEST_F(CountWindows, ARefusedSeparatorListShowsItsMessageAndKeepsTheWindowOpen)
{
    EnterPageList("4,6");
    PopupWinInPanel* window = OpenSeparatorWindow();
    const std::vector<std::pair<std::string, const char*>> refused = {
        {",3", "Message22c"},  {"3,", "Message22c"},           {"3,,4", "Message22c"},
        {"1,5", "Message22c"}, {"5,10000", "Message22c"},      {"", "Message22c"},
        {"   ", "Message22c"}, {"123456789012", "Message22c"}, {PageList(2, 21), "Message22d"}};
    for (const auto& [typed, message] : refused) {
        host::Type(W(window, kPageList), typed);
        host::Click(W(window, kSeparatorOK));
        EXPECT_EQ(dialog.NewAlertKeys(), std::vector<std::string>{message}) << typed;
        EXPECT_TRUE(IsOpen(window)) << typed;
    }
    // An informational alert; the field takes the focus back for the person to mend the list.
    EXPECT_EQ(dialog.Host().Toolkit().Alerts().back().style, platform::ui::AlertStyle::Informational);
    EXPECT_EQ(window->GetWindow()->firstResponder(), &W(window, kPageList));
    // Twenty pages are the most a list takes; the refused ones were not kept.
    host::Type(W(window, kPageList), PageList(2, 20));
    host::Click(W(window, kSeparatorOK));
    EXPECT_TRUE(dialog.NewAlertKeys().empty());
    EXPECT_EQ(dialog.PrintedSetting(keys::SeparatorPageTicket),
              "2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 19 20 21");
}

TEST_F(CountWindows, CancellingTheSeparatorWindowKeepsTheListOrTurnsTheSeparatorOffWithoutOne)
{
    // No list kept: the separator cannot stay on.
    host::Type(W(OpenSeparatorWindow(), kPageList), "7");
    host::Click(Sep(kSeparatorCancel));
    EXPECT_EQ(dialog.NewAlertKeys(), std::vector<std::string>{"Message22c"});
    EXPECT_FALSE(IsOpen(Panel().getSepWnd()));
    EXPECT_EQ(SelectedEntry("QVIntSheet"), 0);
    EXPECT_EQ(dialog.PrintedSetting(keys::SeparatorPageTicket), "");
    EXPECT_EQ(dialog.PrintedChoice("QVIntSheet"), "None");

    // A list kept: Cancel drops what was typed (or defaulted) since and keeps the tray.
    EnterPageList("12,8");
    host::Type(W(OpenSeparatorWindow(), kPageList), "30");
    host::Click(Sep(406));
    EXPECT_EQ(Sep(kPageList).stringValue(), "");
    host::Click(Sep(kSeparatorCancel));
    EXPECT_TRUE(dialog.NewAlertKeys().empty());
    EXPECT_EQ(dialog.PrintedSetting(keys::SeparatorPageTicket), "8 12");
    EXPECT_EQ(dialog.PrintedChoice("QVIntSheet"), "1stTray");
}

TEST_F(CountWindows, TheSeparatorListIsSummarisedWhileTheSeparatorIsOnAndReadBackFromTheSettings)
{
    EnterPageList("25,3");
    dialog.PrintedSetting(keys::SeparatorPageTicket);
    // The tray's line and the pages' line stand side by side.
    std::map<std::string, std::string> summary = dialog.Summary();
    EXPECT_EQ(summary["Separator Pages"], "Tray 1");
    EXPECT_EQ(summary["Separator Page Numbers"], "3 25");
    dialog.Choose("QVIntSheet", "None");
    dialog.PrintedSetting(keys::SeparatorPageTicket);
    EXPECT_EQ(dialog.Summary().count("Separator Page Numbers"), 0u);

    // A list the print settings bring back (last used or a preset): only a
    // list the field could have kept is taken.
    for (const auto& [ticket, shown] : {std::pair{"30 4 4", "4,4,30"}, std::pair{"/51/32/55", "3,7"},
                                        std::pair{"3,10", ""}, std::pair{"1 5", ""}}) {
        FeaturesPanelHarness again(kKz63);
        again.Host().Settings().SetValue(keys::SeparatorPageTicket, ticket, false);
        again.Panel()->restoreValuesAndReturnError();
        again.Choose("QVIntSheet", "2ndTray");
        EXPECT_EQ(W(again.Panel()->getSepWnd(), kPageList).stringValue(), shown) << ticket;
    }
}

TEST_F(CountWindows, NumberFieldsTakeTheirRangeAndRefuseTheRestWithTheirMessage)
{
    dialog.Check("QVTabNumberInSequence", 1);
    struct Case {
        const char* choice; // of the offset stacking list; null: the setup button
        const char* title;
        NumberWindowTags tags;
        std::vector<std::string> refused;
        const char *message, *accepted, *textKey, *stepperKey;
    };
    const Case cases[] = {
        {nullptr,
         "Number in Sequence",
         kNumInSeq,
         {"0", "255", "", "000"},
         "Message22k",
         "254",
         keys::NumInSequenceTextEditTicket,
         keys::NumInSequenceLArrowTicket},
        {"Pages",
         "Offset per Number of Pages",
         kOffsetPages,
         {"1", "65001", "99999"},
         "Message22l",
         "65000",
         keys::OffsetStackingPagesTextEditTicket,
         keys::OffsetStackingPagesLArrowTicket},
        {"Units",
         "Offset per Number of Sets",
         kOffsetCopies,
         {"1", ""},
         "Message22m",
         "9999",
         keys::OffsetStackingUnitsTextEditTicket,
         keys::OffsetStackingUnitsLArrowTicket},
    };
    for (const Case& c : cases) {
        if (c.choice == nullptr)
            PressSetupButton(pfNumInSeqSetupButtonID);
        else
            dialog.Choose("QVJog", c.choice);
        ASSERT_EQ(dialog.NewWindowTitles(), std::vector<std::string>{c.title});
        const PopupWinInPanel* window = Panel().getNumInSeqWnd();
        for (const PopupWinInPanel* w :
             {Panel().getOffsetStackingPagesWnd(), Panel().getOffsetStackingUnitsWnd()})
            if (IsOpen(w)) window = w;
        for (const std::string& typed : c.refused) {
            host::Type(W(window, c.tags.edit), typed);
            host::Click(W(window, c.tags.ok));
            EXPECT_EQ(dialog.NewAlertKeys(), std::vector<std::string>{c.message}) << typed;
            EXPECT_TRUE(IsOpen(window)) << typed;
        }
        host::Type(W(window, c.tags.edit), c.accepted);
        EXPECT_EQ(W(window, c.tags.stepper).intValue(), std::stoi(c.accepted));
        host::Click(W(window, c.tags.ok));
        EXPECT_TRUE(dialog.NewAlertKeys().empty()) << c.accepted;
        EXPECT_FALSE(IsOpen(window));
        EXPECT_EQ(dialog.PrintedSetting(c.textKey), c.accepted);
        EXPECT_EQ(dialog.PrintedSetting(c.stepperKey), c.accepted);
    }
}

TEST_F(CountWindows, TheStepperStopsAtItsBoundsWithABeepAndWaitsForAFieldItRefuses)
{
    dialog.Check("QVTabNumberInSequence", 1);
    PressSetupButton(pfNumInSeqSetupButtonID);
    PopupWinInPanel* window = Panel().getNumInSeqWnd();
    platform::ui::Widget& edit = W(window, kNumInSeq.edit);
    platform::ui::Widget& stepper = W(window, kNumInSeq.stepper);
    EXPECT_EQ(edit.stringValue(), "3");
    dialog.NewBeeps();
    struct Case {
        const char* typed;
        StepDirection direction;
        int shown, beeps;
    };
    for (const Case& c : {Case{"254", StepDirection::Up, 254, 1}, Case{"253", StepDirection::Up, 254, 0},
                          Case{"1", StepDirection::Down, 1, 1}, Case{"1", StepDirection::Up, 2, 0}}) {
        host::Type(edit, c.typed);
        host::Step(stepper, c.direction);
        EXPECT_EQ(edit.stringValue(), std::to_string(c.shown)) << c.typed;
        EXPECT_EQ(stepper.intValue(), c.shown) << c.typed;
        EXPECT_EQ(dialog.NewBeeps(), c.beeps) << c.typed;
    }
    // A refused text: its message, and the arrows stay where they were.
    host::Type(edit, "255");
    host::Step(stepper, StepDirection::Down);
    EXPECT_EQ(dialog.NewAlertKeys(), std::vector<std::string>{"Message22k"});
    EXPECT_EQ(stepper.intValue(), 2);
    EXPECT_EQ(edit.stringValue(), "255");
    // Cancel keeps the value the window opened with.
    host::Click(W(window, kNumInSeq.cancel));
    EXPECT_EQ(dialog.PrintedSetting(keys::NumInSequenceTextEditTicket), "3");
    EXPECT_EQ(dialog.PrintedSetting(keys::NumInSequenceLArrowTicket), "3");
}

TEST_F(CountWindows, ListEntriesAndSetupButtonsOpenTheMatchingWindow)
{
    dialog.NewWindowTitles();
    const std::vector<std::string> none;
    const std::vector<std::string> pages{"Offset per Number of Pages"}, sets{"Offset per Number of Sets"},
        separator{"Separator Pages"};
    struct Case {
        const char* keyword;
        const char* choice; // null: the list's setup button is pressed
        const std::vector<std::string>& opened;
    };
    for (const Case& c :
         {Case{"QVJog", "Pages", pages}, Case{"QVJog", "Pages", none}, Case{"QVJog", nullptr, pages},
          Case{"QVJog", "Units", sets}, Case{"QVJog", nullptr, sets}, Case{"QVJog", "Set", none},
          Case{"QVIntSheet", "2ndTray", separator}, Case{"QVIntSheet", "MSI", separator},
          Case{"QVIntSheet", "MSI", none}}) {
        if (c.choice != nullptr)
            dialog.Choose(c.keyword, c.choice);
        else
            EXPECT_EQ(PressSetupButton(pfOffsetStackingSetupButtonID), host::ActionOutcome::Done);
        EXPECT_EQ(dialog.NewWindowTitles(), c.opened) << c.keyword << " " << (c.choice ? c.choice : "button");
        // The separator window is left with a list, so the separator stays on.
        if (IsOpen(Panel().getSepWnd())) EnterPageList("5");
        for (PopupWinInPanel* w : {Panel().getOffsetStackingPagesWnd(), Panel().getOffsetStackingUnitsWnd()})
            if (IsOpen(w)) w->DeactivateWindow();
    }
    // While offset stacking is per set, its setup button is not usable.
    EXPECT_EQ(PressSetupButton(pfOffsetStackingSetupButtonID), host::ActionOutcome::Refused);
}

TEST_F(CountWindows, NumberFieldsAreSummarisedOnlyWhileTheirFeatureIsChosen)
{
    std::map<std::string, std::string> summary = dialog.Summary();
    for (const char* title :
         {"Sheets per Sequence", "Offset per Number of Pages", "Offset per Number of Sets"})
        EXPECT_EQ(summary.count(title), 0u) << title;

    dialog.Check("QVTabNumberInSequence", 1);
    dialog.Choose("QVJog", "Pages");
    host::Type(W(Panel().getOffsetStackingPagesWnd(), kOffsetPages.edit), "40");
    host::Click(W(Panel().getOffsetStackingPagesWnd(), kOffsetPages.ok));
    dialog.PrintedSetting(keys::OffsetStackingListTicket);
    summary = dialog.Summary();
    EXPECT_EQ(summary["Sheets per Sequence"], "3");
    EXPECT_EQ(summary["Offset per Number of Pages"], "40");
    // With offset stacking per number of pages, the per-copy field says nothing.
    EXPECT_EQ(summary.count("Offset per Number of Sets"), 0u);

    dialog.Choose("QVJog", "Units");
    Panel().getOffsetStackingUnitsWnd()->DeactivateWindow();
    summary = dialog.Summary();
    EXPECT_EQ(summary["Offset per Number of Sets"], "2");
    EXPECT_EQ(summary.count("Offset per Number of Pages"), 0u);
}

TEST_F(CountWindows, EachWindowsHelpButtonOpensItsPageAndAStepperReadBackBringsItsField)
{
    for (const auto& [window, tag, page] :
         {std::tuple{Panel().getSepWnd(), 407, "SpecifyPosition.htm"},
          std::tuple{Panel().getNumInSeqWnd(), kNumInSeq.help, "NumberInSequence.htm"},
          std::tuple{Panel().getOffsetStackingPagesWnd(), kOffsetPages.help, "PageOffset.htm"},
          std::tuple{Panel().getOffsetStackingUnitsWnd(), kOffsetCopies.help, "PageOffset.htm"}}) {
        window->ActivateWindow();
        host::Click(W(window, tag));
        const auto& shown = dialog.Host().Services().ShownPages();
        ASSERT_FALSE(shown.empty()) << page;
        EXPECT_TRUE(shown.back().path.ends_with(std::string("/Help/") + page)) << shown.back().path;
        window->DeactivateWindow();
    }

    // A stepper's value in the print settings shows in its field too; one
    // outside the range leaves both at the default.
    FeaturesPanelHarness again(kKz63);
    again.Host().Settings().SetValue(keys::OffsetStackingUnitsLArrowTicket, "120", false);
    again.Host().Settings().SetValue(keys::NumInSequenceLArrowTicket, "255", false);
    again.Panel()->restoreValuesAndReturnError();
    for (const auto& [window, tags, value] :
         {std::tuple{again.Panel()->getOffsetStackingUnitsWnd(), kOffsetCopies, 120},
          std::tuple{again.Panel()->getNumInSeqWnd(), kNumInSeq, 3}}) {
        window->ActivateWindow();
        EXPECT_EQ(W(window, tags.edit).stringValue(), std::to_string(value));
        EXPECT_EQ(W(window, tags.stepper).intValue(), value);
        window->DeactivateWindow();
    }
}
