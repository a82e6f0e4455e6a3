// The Print Type pane's pieces without the host program: the list's menu
// mapping, the plug-in's choice of panes, and the preferences of older systems.
#include "account/KACCOUNTPLUGIN.h"
#include "account/printtype/KPRINTTYPEPDE.h"
#include "account/printtype/PrintTypeMenu.h"
#include "panelkit/CurrentPrintType.h"
#include "platform/PpdFile.h"
#include "tests/support/FileBytes.h"
#include "tests/support/PanelTestHost.h"
#include "tests/support/ScopedEnv.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <sstream>

using testing_support::PanelTestHost;
using testing_support::ScopedEnv;
using testing_support::TempDir;

namespace {

std::string PPD(const std::string& name) { return std::string(QV_PPD_DIR) + "/" + name; }

std::shared_ptr<const platform::Bundle> AccountBundle()
{
    return std::make_shared<const platform::Bundle>(*platform::Bundle::Open(QV_ACCOUNT_BUNDLE));
}

// The KZ63's PPD without the attributes whose names begin with one of the prefixes.
std::string WithoutAttributes(const TempDir& dir, const std::vector<std::string>& prefixes)
{
    std::istringstream in(testing_support::ReadFile(PPD("quorvel-kz63-color-mfp.ppd")));
    std::string out;
    for (std::string line; std::getline(in, line);) {
        bool removed = false;
        for (const std::string& prefix : prefixes) removed = removed || line.rfind(prefix, 0) == 0;
        if (!removed) out += line + "\n";
    }
    return dir.Write("edited.ppd", out);
}

struct Dialog {
    explicit Dialog(const std::string& ppdPath)
    {
        host.SetPPD(OpenPpdFile(ppdPath));
        const std::shared_ptr<const platform::Bundle> bundle = AccountBundle();
        host.Services().Bundles().Register(bundle); // as the host registers what it loads
        plugin.initWithBundle(bundle);
    }
    std::optional<platform::PrintDialogPlugin::PanelList>
    Panels(std::string_view type = platform::kPrintDialogPanelType)
    {
        return plugin.PDEPanelsForType(type, &host);
    }
    PanelTestHost host{"Queue1"};
    KACCOUNTPLUGIN plugin;
};

// The Print Type pane among the panels; null when there is none.
KPRINTTYPEPDE* PrintTypePane(const std::optional<platform::PrintDialogPlugin::PanelList>& panels)
{
    if (!panels) return nullptr;
    for (const auto& panel : *panels) {
        if (auto* pane = dynamic_cast<KPRINTTYPEPDE*>(panel.get())) return pane;
    }
    return nullptr;
}

} // namespace

TEST(PrintTypeMenu, MapsValuesAndPositionsBothWays)
{
    struct Case {
        bool mailBox;
        bool delayed;
        std::vector<int32_t> values; // by position
    };
    const Case cases[] = {
        {true, false, {1, 2, 3, 5}},
        {false, false, {1, 2, 3}},
        {false, true, {1, 2, 3, 4}},
        {true, true, {1, 2, 3, 5, 4}},
    };
    for (const Case& c : cases) {
        const PrintTypeMenu menu(c.mailBox, c.delayed);
        ASSERT_EQ(menu.Entries().size(), c.values.size());
        for (size_t position = 0; position < c.values.size(); ++position) {
            EXPECT_EQ(menu.ValueAtPosition(static_cast<int>(position)), c.values[position]);
            EXPECT_EQ(menu.PositionOfValue(c.values[position]), static_cast<int>(position));
        }
        EXPECT_EQ(menu.ValueAtPosition(-1), 0);
        EXPECT_EQ(menu.ValueAtPosition(static_cast<int>(c.values.size())), 0);
        EXPECT_EQ(menu.PositionOfValue(5), c.mailBox ? 3 : -1);
        EXPECT_EQ(menu.PositionOfValue(4) >= 0, c.delayed);
    }
}

TEST(AccountPlugin, OffersThePrintTypePaneFromThePPD)
{
    const std::pair<std::string, int32_t> products[] = {
        {"quorvel-kz63-color-mfp.ppd", 0}, {"quorvel-rx42-mfp.ppd", 2}, {"quorvel-wt74-printer.ppd", 3}};
    for (const auto& [file, type] : products) {
        Dialog dialog(PPD(file));
        const auto panels = dialog.Panels();
        const KPRINTTYPEPDE* pane = PrintTypePane(panels);
        ASSERT_NE(pane, nullptr) << file;
        EXPECT_EQ(pane->panelKind(), "com.quorvel.kt.mq22.pde.PrintTypeKind");
        EXPECT_EQ(pane->getPDEType(), type) << file;
    }
    EXPECT_FALSE(Dialog(PPD("quorvel-kz63-color-mfp.ppd")).Panels("another panel type").has_value());
}

TEST(AccountPlugin, ReturnsNothingWithoutThePanesAttributes)
{
    TempDir dir;
    Dialog withoutPrintType(WithoutAttributes(dir, {"*QVXPrintTypeSettings"}));
    EXPECT_EQ(PrintTypePane(withoutPrintType.Panels()), nullptr);
    Dialog withoutEither(WithoutAttributes(dir, {"*QVXPrintTypeSettings", "*QVXAccountingSettings"}));
    EXPECT_FALSE(withoutEither.Panels().has_value());
}

TEST(PrintTypePane, BelowVersion0x1070ItsValuesLiveInThePreferences)
{
    TempDir dir;
    const ScopedEnv release("QV_PLATFORM_RELEASE", "7.9.0"); // version code 0x1039
    const ScopedEnv preferences("QV_USER_PREFERENCES", dir.file("preferences"));
    const ScopedEnv support("QV_APPLICATION_SUPPORT", dir.file("support"));
    {
        Dialog dialog(PPD("quorvel-kz63-color-mfp.ppd"));
        auto panels = dialog.Panels();
        ASSERT_NE(PrintTypePane(panels), nullptr);
        KPRINTTYPEPDE& pane = *PrintTypePane(panels);
        ASSERT_EQ(pane.restoreValuesAndReturnError(), 0);
        pane.getPrintTypeUserNameDataBlk().SetText("dave");
        // The person picks secure print; without an event source its window returns at once.
        platform::ui::Widget* list = pane.panelView()->viewWithTag(101);
        list->selectItemAtIndex(1);
        list->sendAction();
        EXPECT_TRUE(pane.shouldPrint());
    }
    Dialog second(PPD("quorvel-kz63-color-mfp.ppd")); // new print settings: nothing in them
    auto panels = second.Panels();
    ASSERT_NE(PrintTypePane(panels), nullptr);
    KPRINTTYPEPDE& pane = *PrintTypePane(panels);
    ASSERT_EQ(pane.restoreValuesAndReturnError(), 0);
    EXPECT_EQ(pane.getPrintTypeUserNameDataBlk().Text(), "dave");
    EXPECT_EQ(pane.GetCurrentPrintType(), kPrintTypeSecure);
    // The shared rule finds it there too, and only on those systems.
    platform::PreferenceStore store;
    EXPECT_EQ(GetCurrentJobPrintType(nullptr, &store, "Queue1", 0x1039), kPrintTypeSecure);
    EXPECT_EQ(GetCurrentJobPrintType(nullptr, &store, "Queue1", 0x1070), kPrintTypeNormal);
}
