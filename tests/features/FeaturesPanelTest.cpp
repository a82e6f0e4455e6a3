// The Features panel on the project's PPDs: which printers get it, its pages,
// rows and geometry, and the hand-built sections.
#include <gtest/gtest.h>

#include "features/FeatureControlRecords.h"
#include "features/FeatureKeyTables.h"
#include "tests/features/FeaturesPanelHarness.h"

using featurestest::FeaturesPanelHarness;
using featurestest::PpdVariant;
using featurestest::ProjectPPD;
using platform::ui::Rect;

namespace {

const std::string kKz63 = ProjectPPD("quorvel-kz63-color-mfp.ppd");

// The headless toolkit measures 7 points per ASCII character.
int TitleWidth(std::string_view title) { return static_cast<int>(title.size()) * 7 + 15; }

} // namespace

TEST(FeaturesPanel, PageTitlesNumberGroupsOfMoreThanSixAndTheGeneralGroupAlways)
{
    FeaturesPanelHarness kz63(kKz63);
    ASSERT_NE(kz63.Panel(), nullptr);
    EXPECT_EQ(kz63.OpenResult(), 0);
    // General holds 7 real options; Paper Handling exactly 6.
    const std::vector<std::string> kz63Pages = {
        "General 1",      "General 2", "Covers and Separators", "Booklet",
        "Paper Handling", "Finishing", "Color and Quality",     "Advanced Features"};
    EXPECT_EQ(kz63.PageTitles(), kz63Pages);
    EXPECT_EQ(kz63.Control("QVHalftone")->GetInWhichGroup(), 1);
    EXPECT_EQ(kz63.Control("QVSaveBlankSheet")->GetInWhichGroup(), 0);

    // The WT74's general group has one real option (Default02 leaves
    // QVOutputMode out) and still gets " 1"; it has no covers, booklet or
    // advanced sections.
    FeaturesPanelHarness wt74(ProjectPPD("quorvel-wt74-printer.ppd"));
    ASSERT_NE(wt74.Panel(), nullptr);
    const std::vector<std::string> wt74Pages = {"General 1", "Paper Handling", "Finishing"};
    EXPECT_EQ(wt74.PageTitles(), wt74Pages);
    EXPECT_EQ(wt74.Control("QVOutputMode"), nullptr);
}

TEST(FeaturesPanel, RowsLieOnTheRowRuleAndAPickManyOptionTakesItsPositionWithoutAControl)
{
    FeaturesPanelHarness dialog(kKz63);
    ASSERT_NE(dialog.Panel(), nullptr);
    // Row 0 at 178 in the group box (y upward from its bottom), each row 33
    // points lower. The box lies at (10, 44), 236 high, in the panel's view
    // (y downward), so row 0 is at 44 + 236 - 178 - 25 = 77 there and x moves by 10.
    const int title = TitleWidth("Print Mode");
    EXPECT_EQ(dialog.TitleWidget("QVOutputMode")->frame(), (Rect{40, 77, double(title), 25}));
    EXPECT_EQ(dialog.Widget("QVOutputMode", "PFList")->frame(), (Rect{40.0 + title, 77, 330.0 - title, 25}));
    EXPECT_EQ(dialog.Widget("QVTonerSaver", "PFCheckBox")->frame(), (Rect{40, 209, 250, 25}));
    EXPECT_EQ(dialog.Widget("QVSaveBlankSheet", "PFCheckBox")->frame().y, 242);
    // Finishing: QVStaple, the PickMany QVSkip (no control), QVPunch on row 2.
    EXPECT_EQ(dialog.Control("QVSkip"), nullptr);
    EXPECT_EQ(dialog.Widget("QVStaple", "PFList")->frame().y, 77);
    EXPECT_EQ(dialog.Widget("QVPunch", "PFList")->frame().y, 143);
    EXPECT_EQ(dialog.Widget("QVNumPunchHoles", "PFList")->frame().y, 176);
}

TEST(FeaturesPanel, GroupListShowsOnlyThePageChosen)
{
    FeaturesPanelHarness dialog(kKz63);
    ASSERT_NE(dialog.Panel(), nullptr);
    platform::ui::Widget* groups = dialog.Panel()->panelView()->widgetForOutlet("printFeatureGroupList");
    ASSERT_NE(groups, nullptr);
    ASSERT_EQ(groups->numberOfItems(), 8);
    EXPECT_EQ(groups->indexOfSelectedItem(), 0);
    EXPECT_FALSE(dialog.Widget("QVOutputMode", "PFList")->isHidden());
    EXPECT_FALSE(dialog.TitleWidget("QVOutputMode")->isHidden());
    EXPECT_TRUE(dialog.Widget("QVStaple", "PFList")->isHidden());
    groups->selectItemAtIndex(5);
    groups->sendAction();
    EXPECT_TRUE(dialog.Widget("QVOutputMode", "PFList")->isHidden());
    EXPECT_TRUE(dialog.TitleWidget("QVOutputMode")->isHidden());
    EXPECT_FALSE(dialog.Widget("QVStaple", "PFList")->isHidden());
    // A choice recomputes every control's conflicts; the other pages stay hidden.
    dialog.Choose("QVStaple", "LeftDoublePort");
    dialog.Panel()->willShow();
    EXPECT_TRUE(dialog.Widget("QVOutputMode", "PFList")->isHidden());
    EXPECT_FALSE(dialog.Widget("QVStaple", "PFList")->isHidden());
}

TEST(FeaturesPanel, SectionsBuildTheirRowsButtonsAndConstraints)
{
    FeaturesPanelHarness dialog(kKz63);
    ASSERT_NE(dialog.Panel(), nullptr);
    KPRINTFEATURESPDE& panel = *dialog.Panel();
    // Covers and separators: front cover 103, back cover 104, separator 105
    // (300 wide, with its button 102 on row 2), cover media type.
    EXPECT_EQ(dialog.Widget("QVIntCoverSheet", "PFCoverList")->tag(), 103);
    EXPECT_EQ(dialog.Widget("QVIntBackCoverSheet", "PFCoverList")->tag(), 104);
    platform::ui::Widget* separator = dialog.Widget("QVIntSheet", "PFListExt");
    ASSERT_NE(separator, nullptr);
    EXPECT_EQ(separator->tag(), 105);
    const int separatorTitle = TitleWidth("Separator Pages");
    EXPECT_EQ(separator->frame(), (Rect{40.0 + separatorTitle, 143, 300.0 - separatorTitle, 25}));
    platform::ui::Widget* separatorButton = panel.panelView()->viewWithTag(102);
    ASSERT_NE(separatorButton, nullptr);
    EXPECT_EQ(separatorButton->frame(), (Rect{360, 143, 100, 25}));
    // Separator off disables its button.
    EXPECT_FALSE(separatorButton->isEnabled());
    EXPECT_TRUE(panel.IsSeparatorOff());
    dialog.Choose("QVIntSheet", "1stTray");
    EXPECT_TRUE(separatorButton->isEnabled());
    dialog.Panel()->SetValueFromUIToControl();
    EXPECT_FALSE(panel.IsSeparatorOff());

    // Booklet: the signature list disables the margin check box 106 and its
    // button 107 while off.
    platform::ui::Widget* margin = panel.panelView()->viewWithTag(106);
    ASSERT_NE(margin, nullptr);
    EXPECT_FALSE(margin->isEnabled());
    dialog.Choose("QVSignature", "LeftBinding");
    EXPECT_TRUE(margin->isEnabled());

    // Advanced: tab margin row 0, number in sequence row 1, offset stacking
    // row 2 (305 wide, list 109, button 108 disabled for the first three entries).
    EXPECT_EQ(dialog.Widget("QVTabMarginShiftEx", "PFCheckBoxExt")->frame().y, 77);
    EXPECT_EQ(dialog.Widget("QVTabNumberInSequence", "PFCheckBoxExt")->frame().y, 110);
    platform::ui::Widget* jog = dialog.Widget("QVJog", "PFOffsetStackingListCtrl");
    ASSERT_NE(jog, nullptr);
    EXPECT_EQ(jog->tag(), 109);
    EXPECT_EQ(jog->frame().x + jog->frame().width, 40 + 305);
    platform::ui::Widget* offsetButton = panel.panelView()->viewWithTag(108);
    EXPECT_FALSE(offsetButton->isEnabled());
    dialog.Choose("QVJog", "Pages");
    EXPECT_TRUE(offsetButton->isEnabled());
    EXPECT_EQ(panel.getOffsetStackingValue(), 4);
    EXPECT_TRUE(panel.IsOffsetStacking());
}

TEST(FeaturesPanel, NumberInSequenceTakesRowZeroWithoutTabMarginShift)
{
    const PpdVariant ppd(kKz63, {"QVTabMarginShiftEx"});
    FeaturesPanelHarness dialog(ppd.Path());
    ASSERT_NE(dialog.Panel(), nullptr);
    EXPECT_EQ(dialog.Control("QVTabMarginShiftEx"), nullptr);
    EXPECT_EQ(dialog.Widget("QVTabNumberInSequence", "PFCheckBoxExt")->frame().y, 77);
    EXPECT_EQ(dialog.Panel()->panelView()->viewWithTag(111)->frame().y, 77);
    EXPECT_TRUE(dialog.Panel()->panelView()->widgetForOutlet("pfTabMarginSetupButton")->isHidden());
}

TEST(FeaturesPanel, SeparatorRowIsBuiltWithoutCoverKeysAndNoSectionWithoutSeparator)
{
    const PpdVariant noCovers(kKz63, {"QVIntCoverSheet", "QVIntBackCoverSheet", "QVIntSheetMediaType"});
    FeaturesPanelHarness dialog(noCovers.Path());
    ASSERT_NE(dialog.Panel(), nullptr);
    ASSERT_NE(dialog.Widget("QVIntSheet", "PFListExt"), nullptr);
    EXPECT_EQ(dialog.Widget("QVIntSheet", "PFListExt")->frame().y, 77);
    EXPECT_EQ(dialog.Panel()->panelView()->viewWithTag(102)->frame().y, 77);

    // Without QVIntSheet there is no covers section, cover keys or not; the
    // cover options then show in their own PPD group.
    const PpdVariant noSeparator(kKz63, {"QVIntSheet"});
    FeaturesPanelHarness other(noSeparator.Path());
    ASSERT_NE(other.Panel(), nullptr);
    const std::vector<std::string> titles = other.PageTitles();
    EXPECT_EQ(std::count(titles.begin(), titles.end(), "Covers and Separators"), 1);
    EXPECT_EQ(other.Control("QVIntCoverSheet", "PFCoverList"), nullptr);
    EXPECT_NE(other.Control("QVIntCoverSheet", "PFList"), nullptr);
}

TEST(FeaturesPanel, OnlyPrintersWithAFeaturesModeAndTheHelpPagesGetThePanel)
{
    const PpdVariant noMode(kKz63, {}, {{"*QVXFeaturesSettings: \"Default01\"", ""}});
    EXPECT_EQ(FeaturesPanelHarness(noMode.Path()).Panel(), nullptr);
    const PpdVariant disabled(kKz63, {}, {{"\"Default01\"", "\"Disabled\""}});
    EXPECT_EQ(FeaturesPanelHarness(disabled.Path()).Panel(), nullptr);

    // A mode the bundle has no entry for: a panel, but no controls.
    const PpdVariant unknown(kKz63, {},
                             {{"*QVXFeaturesSettings: \"Default01\"", "*QVXFeaturesSettings: \"Other\""}});
    FeaturesPanelHarness empty(unknown.Path());
    ASSERT_NE(empty.Panel(), nullptr);
    EXPECT_TRUE(empty.PageTitles().empty());
    EXPECT_TRUE(empty.Panel()->supportedPPDOptionKeys().empty());

    FeaturesPanelHarness kz63(kKz63);
    ASSERT_NE(kz63.Panel(), nullptr);
    EXPECT_EQ(kz63.Panel()->supportedPPDOptionKeys().size(), 80u);
    EXPECT_EQ(kz63.Panel()->panelKind(), "com.quorvel.kt.mq22.pde.PrintFeaturesKind");
    EXPECT_EQ(kz63.Panel()->panelName(), "Printer Features");
}

TEST(FeaturesPanel, APrinterWithoutRealOptionsAnswersNothingToShow)
{
    // Only options the panel does not support: every group counts 0.
    const PpdVariant bare(ProjectPPD("quorvel-wt74-printer.ppd"),
                          {"QVOutputMode", "QVPDFRasterizedMode", "QVInputSlot", "MediaType",
                           "QVMSILeadingEdge", "QVTurnPage", "QVStaple"});
    FeaturesPanelHarness dialog(bare.Path());
    ASSERT_NE(dialog.Panel(), nullptr);
    EXPECT_EQ(dialog.OpenResult(), platform::kPDEErrorNothingToShow);
    EXPECT_EQ(dialog.Panel()->restoreValuesAndReturnError(), platform::kPDEErrorNothingToShow);
    EXPECT_TRUE(dialog.Panel()->shouldPrint());
}
