// A test host loads probe bundles the way the print-dialog host loads the
// extensions and checks that what the module's own copy of the framework asks
// of the host (bundle lookup, beep, help page) reaches this host's services.
#include <dlfcn.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/PpdFile.h"
#include "platform/PrintDialogPlugin.h"
#include "platform/RecordingHostServices.h"
#include "tests/support/ScopedEnv.h"
#include "tests/support/TempDir.h"

namespace {

using testing_support::ScopedEnv;
using testing_support::TempDir;

class TestHost : public platform::PrintDialogHost {
public:
    ppd_file_t* ppdFile() override { return ppd_.get(); }
    platform::PrintSettings* printSettings() override { return &settings_; }
    platform::PrintSession* printSession() override { return &session_; }
    bool willChangePPDOptionKeyValue(std::string_view, std::string_view) override { return true; }
    platform::HostServices& hostServices() override { return services; }

    platform::RecordingHostServices services;

private:
    PpdFilePtr ppd_ = OpenPpdFile(QV_PROBE_PPD);
    platform::PrintSettings settings_;
    platform::PrintSession session_;
};

struct ModuleCloser {
    void operator()(void* module) const { dlclose(module); }
};
using ModuleHandle = std::unique_ptr<void, ModuleCloser>;

std::string FolderOf(const std::string& file) { return file.substr(0, file.rfind('/')); }

// One loaded bundle: the module stays open while its principal class lives.
struct LoadedBundle {
    std::shared_ptr<const platform::Bundle> bundle;
    ModuleHandle module;
    std::unique_ptr<platform::PrintDialogPlugin> plugin;
};

// Opens the bundle, registers it with the host, loads its module and makes
// its principal class with the bundle, as the print dialog does.
void Load(TestHost& host, const std::string& moduleFile, LoadedBundle& loaded)
{
    const std::optional<platform::Bundle> bundle = platform::Bundle::Open(FolderOf(moduleFile));
    ASSERT_TRUE(bundle) << moduleFile;
    loaded.bundle = std::make_shared<const platform::Bundle>(*bundle);
    host.services.Bundles().Register(loaded.bundle);
    loaded.module.reset(dlopen(moduleFile.c_str(), RTLD_NOW | RTLD_LOCAL));
    ASSERT_TRUE(loaded.module) << dlerror();
    const auto factory =
        reinterpret_cast<platform::PluginFactory>(dlsym(loaded.module.get(), platform::kPluginFactorySymbol));
    ASSERT_NE(factory, nullptr) << dlerror();
    loaded.plugin.reset(factory());
    ASSERT_TRUE(loaded.plugin);
    EXPECT_TRUE(loaded.plugin->initWithBundle(loaded.bundle));
}

std::unique_ptr<platform::PrintDialogPanel> OnlyPanel(LoadedBundle& loaded, TestHost& host)
{
    auto panels = loaded.plugin->PDEPanelsForType(platform::kPrintDialogPanelType, &host);
    if (!panels || panels->size() != 1) return nullptr;
    return std::move(panels->front());
}

std::map<std::string, std::string> Summary(const platform::PrintDialogPanel& panel)
{
    std::map<std::string, std::string> summary;
    std::vector<std::string> order;
    panel.summaryInfo(summary, order);
    return summary;
}

class BundleLoad : public ::testing::Test {
protected:
    TempDir dir;
    ScopedEnv registration{"QV_HELP_REGISTRATION", dir.file("help.plist")};
    ScopedEnv lang{"LANG", std::string("C")};
    TestHost host;
};

TEST_F(BundleLoad, ModuleReachesTheHostsBundleBeepAndHelp)
{
    LoadedBundle first;
    ASSERT_NO_FATAL_FAILURE(Load(host, QV_PROBE_FIRST, first));
    const std::unique_ptr<platform::PrintDialogPanel> panel = OnlyPanel(first, host);
    ASSERT_TRUE(panel);

    // The module finds the bundle the host registered, by its identifier.
    EXPECT_EQ(Summary(*panel)["Bundle"], first.bundle->Path());

    EXPECT_EQ(host.services.BeepCount(), 0);
    EXPECT_TRUE(panel->shouldPrint()); // the keystroke was refused
    EXPECT_EQ(host.services.BeepCount(), 1);

    panel->willShow();
    EXPECT_EQ(Summary(*panel)["Help"], "0");
    const std::vector<platform::ShownHelpPage> shown = {
        {first.bundle->Path() + "/Resources/Help/probe.htm", "top"}};
    EXPECT_EQ(host.services.ShownPages(), shown);

    // Without the host's registration the module has no bundle, hence no help.
    host.services.Bundles().Unregister("com.quorvel.test.probe.first");
    EXPECT_EQ(Summary(*panel)["Bundle"], "");
    panel->willShow();
    EXPECT_EQ(Summary(*panel)["Help"], "-43");
    EXPECT_EQ(host.services.ShownPages(), shown);
}

TEST_F(BundleLoad, TwoModulesAndTwoInstancesKeepTheirOwnIdentity)
{
    LoadedBundle first;
    LoadedBundle second;
    ASSERT_NO_FATAL_FAILURE(Load(host, QV_PROBE_FIRST, first));
    ASSERT_NO_FATAL_FAILURE(Load(host, QV_PROBE_SECOND, second));
    // A second principal class of the first module, given the second bundle.
    LoadedBundle again;
    ASSERT_NO_FATAL_FAILURE(Load(host, QV_PROBE_FIRST, again));
    again.plugin->initWithBundle(second.bundle);

    const auto firstPanel = OnlyPanel(first, host);
    const auto secondPanel = OnlyPanel(second, host);
    const auto againPanel = OnlyPanel(again, host);
    ASSERT_TRUE(firstPanel && secondPanel && againPanel);

    EXPECT_EQ(firstPanel->panelKind(), "com.quorvel.test.firstKind");
    EXPECT_EQ(secondPanel->panelKind(), "com.quorvel.test.secondKind");
    EXPECT_EQ(againPanel->panelKind(), "com.quorvel.test.firstKind");
    EXPECT_EQ(Summary(*firstPanel)["Bundle"], first.bundle->Path());
    EXPECT_EQ(Summary(*secondPanel)["Bundle"], second.bundle->Path());
    EXPECT_EQ(Summary(*againPanel)["Bundle"], second.bundle->Path());

    // Each opens the page of its own bundle's book.
    secondPanel->willShow();
    firstPanel->willShow();
    ASSERT_EQ(host.services.ShownPages().size(), 2u);
    EXPECT_EQ(host.services.ShownPages()[0].path, second.bundle->Path() + "/Resources/Help/probe.htm");
    EXPECT_EQ(host.services.ShownPages()[1].path, first.bundle->Path() + "/Resources/Help/probe.htm");
}

} // namespace
