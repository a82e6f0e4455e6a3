// The PPD-bound controls of the Features panel: greyed choices, the cover
// media type rule, the mailbox rules, the choices handed to the print dialog
// when printing, and values that have no entry in their choice list.
#include <gtest/gtest.h>

#include <cstring>

#include "features/controls/PFCoverTypeList.h"
#include "features/controls/PFList.h"
#include "features/controls/PPDControlSupport.h"
#include "panelkit/CurrentPrintType.h"
#include "tests/features/FeaturesPanelHarness.h"

using featurestest::FeaturesPanelHarness;
using featurestest::PpdVariant;
using featurestest::ProjectPPD;

namespace {

const std::string kKz63 = ProjectPPD("quorvel-kz63-color-mfp.ppd");

std::vector<bool> ItemsEnabled(const platform::ui::Widget* popup)
{
    std::vector<bool> enabled;
    for (int i = 0; i < popup->numberOfItems(); ++i) enabled.push_back(popup->itemAtIndex(i).enabled);
    return enabled;
}

void StoreValue(BaseControl& control, int32_t value) { std::memcpy(control.GetControlBlkPtr(), &value, 4); }

} // namespace

TEST(FeaturesChoices, AConstraintGreysChoicesAndLiftsThemWhenTheOtherChoiceChanges)
{
    FeaturesPanelHarness dialog(kKz63);
    ASSERT_NE(dialog.Panel(), nullptr);
    const platform::ui::Widget* staple = dialog.Widget("QVStaple", "PFList");
    ASSERT_NE(staple, nullptr);
    EXPECT_EQ(ItemsEnabled(staple), (std::vector<bool>{true, true, true, true}));
    dialog.Choose("MediaType", "Transparency");
    EXPECT_EQ(ItemsEnabled(staple), (std::vector<bool>{true, false, false, false}));
    dialog.Choose("MediaType", "Stationary");
    EXPECT_EQ(ItemsEnabled(staple), (std::vector<bool>{true, true, true, true}));
    // One way only: with punching on, every staple choice conflicts.
    dialog.Choose("QVPunch", "True");
    EXPECT_EQ(ItemsEnabled(staple), (std::vector<bool>{true, false, false, false}));
}

TEST(FeaturesChoices, CoverMediaTypeIsUsableOnlyWhileACoverOrSeparatorFeedsFromTheBypassTray)
{
    FeaturesPanelHarness dialog(kKz63);
    ASSERT_NE(dialog.Panel(), nullptr);
    platform::ui::Widget* media = dialog.Widget("QVIntSheetMediaType", "PFCoverTypeList");
    platform::ui::Widget* title = dialog.TitleWidget("QVIntSheetMediaType");
    ASSERT_NE(media, nullptr);
    EXPECT_FALSE(media->isEnabled());
    EXPECT_EQ(title->textColor(), platform::ui::TextColor::LightGray);
    EXPECT_EQ(media->indexOfSelectedItem(), 0); // the PPD default, Stationary

    for (const char* list : {"QVIntSheet", "QVIntCoverSheet", "QVIntBackCoverSheet"}) {
        dialog.Choose(list, "MSI");
        EXPECT_TRUE(media->isEnabled()) << list;
        EXPECT_EQ(title->textColor(), platform::ui::TextColor::Black) << list;
        dialog.Choose("QVIntSheetMediaType", "ThickPaper");
        dialog.Choose(list, "1stTray");
        EXPECT_FALSE(media->isEnabled()) << list;
        // Greyed again: it shows and marks its default.
        EXPECT_EQ(media->indexOfSelectedItem(), 0) << list;
        EXPECT_STREQ(ppdFindMarkedChoice(dialog.PPD(), "QVIntSheetMediaType")->choice, "Stationary") << list;
    }
}

TEST(FeaturesChoices, MailboxDisablesItsOptionsAndHoldsTheRestoreTableAtThePPDDefault)
{
    FeaturesPanelHarness dialog(kKz63);
    KPRINTFEATURESPDE* panel = dialog.Panel();
    ASSERT_NE(panel, nullptr);
    dialog.Choose("MediaType", "Stationary");
    dialog.Choose("Jog", "EndOfSet");
    dialog.Choose("QVStaple", "LeftDoublePort");
    dialog.Choose("Smoothing", "Fine");

    dialog.SetPrintType(kPrintTypeMailBox);
    panel->willShow();
    EXPECT_TRUE(panel->getPrintTypeMailbox());
    platform::ui::Widget* mediaType = dialog.Widget("MediaType", "PFList");
    EXPECT_FALSE(mediaType->isEnabled());
    EXPECT_EQ(mediaType->indexOfSelectedItem(), 0);
    EXPECT_FALSE(dialog.TitleWidget("MediaType")->isEnabled());
    EXPECT_FALSE(dialog.Widget("Jog", "PFList")->isEnabled());
    EXPECT_EQ(dialog.Widget("Jog", "PFList")->indexOfSelectedItem(), 1);
    EXPECT_FALSE(dialog.Widget("Smoothing", "PFList")->isEnabled());
    EXPECT_FALSE(dialog.Widget("QVStaple", "PFList")->isEnabled());
    EXPECT_TRUE(dialog.Widget("QVHalftone", "PFList")->isEnabled());

    std::map<std::string, std::string> summary;
    std::vector<std::string> order;
    panel->summaryInfo(summary, order);
    EXPECT_EQ(summary["Staple"], "Off");
    EXPECT_EQ(summary["Smoothing"], "Fine");

    ASSERT_TRUE(panel->shouldPrint());
    EXPECT_EQ(dialog.PrintedChoice("MediaType"), "Default");
    EXPECT_EQ(dialog.PrintedChoice("QVStaple"), "None");
    EXPECT_EQ(dialog.PrintedChoice("Jog"), "EndOfSet");
    EXPECT_EQ(dialog.PrintedChoice("Smoothing"), "Fine");

    // Another print type: all enabled again, the restore-table options keep
    // the default they were set to.
    dialog.SetPrintType(kPrintTypeNormal);
    panel->willShow();
    EXPECT_FALSE(panel->getPrintTypeMailbox());
    for (const char* keyword : {"MediaType", "Jog", "Smoothing", "QVStaple"})
        EXPECT_TRUE(dialog.Widget(keyword, "PFList")->isEnabled()) << keyword;
    EXPECT_EQ(mediaType->indexOfSelectedItem(), 0);
    EXPECT_EQ(dialog.Widget("QVStaple", "PFList")->indexOfSelectedItem(), 0);
}

TEST(FeaturesChoices, BooleanOptionsPrintTheChoiceTheCheckBoxMeansInEitherOrder)
{
    FeaturesPanelHarness dialog(kKz63);
    ASSERT_NE(dialog.Panel(), nullptr);
    struct Case {
        const char* keyword; // listed False/True, True/False, true/false
        int value;
        const char* printed;
    };
    for (const Case& c : {Case{"QVTonerSaver", 1, "True"}, Case{"QVTonerSaver", 0, "False"},
                          Case{"QVSaveBlankSheet", 1, "True"}, Case{"QVSaveBlankSheet", 0, "False"},
                          Case{"QVTurnPage", 1, "true"}, Case{"QVTurnPage", 0, "false"}}) {
        dialog.Check(c.keyword, c.value);
        ASSERT_TRUE(dialog.Panel()->shouldPrint());
        EXPECT_EQ(dialog.PrintedChoice(c.keyword), c.printed) << c.keyword << " " << c.value;
        EXPECT_STREQ(ppdFindMarkedChoice(dialog.PPD(), c.keyword)->choice, c.printed) << c.keyword;
    }
}

TEST(FeaturesChoices, PrintingHandsOverTheChoicesAndWritesTheSectionKeys)
{
    FeaturesPanelHarness dialog(kKz63);
    ASSERT_NE(dialog.Panel(), nullptr);
    dialog.Choose("OutputBin", "FinisherTray");
    dialog.Choose("QVIntSheet", "2ndTray");
    dialog.Choose("QVJog", "Set");
    dialog.Check("QVTabMarginShiftEx", 1);
    ASSERT_TRUE(dialog.Panel()->shouldPrint());
    EXPECT_EQ(dialog.PrintedChoice("OutputBin"), "FinisherTray");
    EXPECT_EQ(dialog.PrintedChoice("QVIntSheet"), "2ndTray");
    EXPECT_EQ(dialog.PrintedChoice("QVJog"), "Set");
    EXPECT_EQ(dialog.PrintedChoice("QVTabMarginShiftEx"), "True");
    const auto value = [&](const char* key) {
        std::string text;
        dialog.Host().Settings().GetValue(key, &text);
        return text;
    };
    EXPECT_EQ(value("com.lumeral.vrk.printsettings.SeparatorPageListTicket"), "3");
    EXPECT_EQ(value("com.lumeral.vrk.printsettings.OffsetStackingListTicket"), "3");
    EXPECT_EQ(value("com.lumeral.vrk.printsettings.TabMarginSwitchTicket"), "1");
    EXPECT_EQ(value("com.lumeral.vrk.printsettings.NumInSequenceSwitchTicket"), "0");
}

TEST(FeaturesChoices, AValueWithoutAnEntryIsNeitherShownNorSent)
{
    // QVStaple's default is not among its choices; QVTonerSaver keeps only "False".
    const PpdVariant ppd(
        kKz63, {},
        {{"*DefaultQVStaple: None", "*DefaultQVStaple: Missing"}, {"*QVTonerSaver True/On: \"\"\n", ""}});
    FeaturesPanelHarness dialog(ppd.Path());
    KPRINTFEATURESPDE* panel = dialog.Panel();
    ASSERT_NE(panel, nullptr);
    auto* staple = dynamic_cast<PFList*>(dialog.Control("QVStaple", "PFList"));
    ASSERT_NE(staple, nullptr);
    EXPECT_EQ(staple->GetDefaultValue(), 0);
    EXPECT_EQ(staple->GetControlPtr()->indexOfSelectedItem(), 0); // starts at position 1

    // Under mailbox the list is held at a default it does not have.
    dialog.SetPrintType(kPrintTypeMailBox);
    panel->willShow();
    std::map<std::string, std::string> summary;
    std::vector<std::string> order;
    panel->summaryInfo(summary, order);
    EXPECT_EQ(summary.count("Staple"), 0u);
    ASSERT_TRUE(panel->shouldPrint());
    EXPECT_EQ(dialog.PrintedChoice("QVStaple"), "");

    // A stored value past the list, and a one-choice boolean checked.
    dialog.SetPrintType(kPrintTypeNormal);
    panel->willShow();
    BaseControl* mediaType = dialog.Control("MediaType", "PFList");
    BaseControl* tonerSaver = dialog.Control("QVTonerSaver", "PFCheckBox");
    StoreValue(*mediaType, 99);
    mediaType->GetControlPtr()->selectItemAtIndex(-1); // its summary shows the screen's entry
    StoreValue(*tonerSaver, 1);
    summary.clear();
    order.clear();
    mediaType->GetSummaryText(summary, order);
    tonerSaver->GetSummaryText(summary, order);
    EXPECT_TRUE(summary.empty());
    EXPECT_TRUE(order.empty());
    const std::size_t sent = dialog.Host().MarkedChoices().size();
    platform::PrintSettings& settings = dialog.Host().Settings();
    EXPECT_FALSE(mediaType->SetValueToTicket(&settings, false));
    EXPECT_FALSE(tonerSaver->SetValueToTicket(&settings, false));
    EXPECT_EQ(dialog.Host().MarkedChoices().size(), sent);
}

TEST(FeaturesChoices, EntryLookupsAnswerNothingOutsideTheList)
{
    const PpdChoiceList none;
    const PpdChoiceList falseOnly = {{"B", "False", "Off", kConflictFalse}};
    const PpdChoiceList trueFirst = {{"B", "true", "On", kConflictFalse},
                                     {"B", "false", "Off", kConflictFalse}};
    EXPECT_EQ(EntryOfListValue(none, 1), nullptr);
    EXPECT_EQ(EntryOfListValue(trueFirst, 0), nullptr);
    EXPECT_EQ(EntryOfListValue(trueFirst, 3), nullptr);
    EXPECT_EQ(EntryOfListValue(trueFirst, 2), &trueFirst[1]);
    EXPECT_EQ(EntryOfCheckBoxValue(none, 0), nullptr);
    EXPECT_EQ(EntryOfCheckBoxValue(falseOnly, 0), &falseOnly[0]);
    EXPECT_EQ(EntryOfCheckBoxValue(falseOnly, 1), nullptr);
    EXPECT_EQ(EntryOfCheckBoxValue(trueFirst, 1), &trueFirst[0]);
    EXPECT_EQ(EntryOfCheckBoxValue(trueFirst, 0), &trueFirst[1]);
    EXPECT_EQ(EntryOfCheckBoxValue(trueFirst, 2), nullptr);
    EXPECT_EQ(EntryOfCheckBoxValue(trueFirst, -1), nullptr);
}

TEST(FeaturesChoices, BookletMarginPrintsZeroWhileTheBookletIsOff)
{
    FeaturesPanelHarness dialog(kKz63);
    KPRINTFEATURESPDE* panel = dialog.Panel();
    ASSERT_NE(panel, nullptr);
    platform::ui::Widget* margin = panel->panelView()->viewWithTag(106);
    ASSERT_NE(margin, nullptr);
    const auto printed = [&] {
        EXPECT_TRUE(panel->shouldPrint());
        std::string text;
        dialog.Host().Settings().GetValue("com.lumeral.vrk.printsettings.BookletMarginSwitchTicket", &text);
        return text;
    };
    const auto summary = [&] {
        std::map<std::string, std::string> entries;
        std::vector<std::string> order;
        panel->summaryInfo(entries, order);
        return entries.count("Booklet Margin") != 0 ? entries["Booklet Margin"] : std::string("(none)");
    };
    dialog.Choose("QVSignature", "LeftBinding");
    margin->setIntValue(1);
    margin->sendAction();
    EXPECT_EQ(printed(), "1");
    EXPECT_EQ(summary(), "On");
    EXPECT_TRUE(panel->IsBookletMarginShift());
    dialog.Choose("QVSignature", "None");
    EXPECT_FALSE(margin->isEnabled());
    EXPECT_EQ(printed(), "0");
    EXPECT_EQ(summary(), "(none)");
}
