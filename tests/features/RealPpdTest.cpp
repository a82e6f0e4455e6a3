// The Features panel on a large real PPD (Canon's iPR C650 as Debian's
// openprinting-ppds ships it, adapted by fixtures/adapt-real-ppd.sh).
#include <gtest/gtest.h>

#include "features/controls/PFList.h"
#include "tests/features/FeaturesPanelHarness.h"

namespace {

const std::string kRealPPD = std::string(QV_FEATURES_FIXTURES) + "/canon-ipr-c650-features.ppd.gz";

// Disabled menu items over every list of the panel.
int DisabledItems(const featurestest::FeaturesPanelHarness& dialog)
{
    int disabled = 0;
    for (BaseControl* control : dialog.Panel()->getCtrlGroupArrayRef()) {
        const platform::ui::Widget* widget = control->GetControlPtr();
        if (dynamic_cast<PFList*>(control) == nullptr || widget == nullptr) continue;
        for (int i = 0; i < widget->numberOfItems(); ++i) disabled += widget->itemAtIndex(i).enabled ? 0 : 1;
    }
    return disabled;
}

} // namespace

TEST(RealPpd, TheAdaptedCanonPpdBuildsItsPagesAndGreysChoicesByItsConstraints)
{
    featurestest::FeaturesPanelHarness dialog(kRealPPD);
    ASSERT_NE(dialog.Panel(), nullptr);
    EXPECT_EQ(dialog.OpenResult(), 0);
    EXPECT_GT(dialog.PPD()->num_consts, 9000);
    EXPECT_GT(dialog.Panel()->Getxppd()->Size(), 1000u);
    const std::vector<std::string> pages = {"Paper", "Finishing", "Quality"};
    EXPECT_EQ(dialog.PageTitles(), pages);
    ASSERT_NE(dialog.Control("MediaType", "PFList"), nullptr);
    ASSERT_NE(dialog.Control("QVStaple", "PFList"), nullptr);

    // Some media type greys choices of the finishing lists; the plain
    // default greys fewer.
    platform::ui::Widget* media = dialog.WidgetOfKind("MediaType", platform::ui::WidgetKind::PopUp);
    const int atDefault = DisabledItems(dialog);
    int most = atDefault;
    for (int i = 0; i < media->numberOfItems(); ++i) {
        dialog.Choose("MediaType", media->itemAtIndex(i).representedObject);
        most = std::max(most, DisabledItems(dialog));
    }
    EXPECT_GT(most, atDefault);
}
