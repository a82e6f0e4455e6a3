#include "panelkit/PDEPlugin.h"
#include "panelkit/UtilityFunction.h"
#include "panelkit/UtilityService.h"
#include "platform/FileSystem.h"
#include "platform/PlistHandle.h"
#include "platform/RecordingHostServices.h"

#include <gtest/gtest.h>

#include "tests/support/FileBytes.h"
#include "tests/support/ScopedEnv.h"
#include "tests/support/TempDir.h"

namespace {

using testing_support::ScopedEnv;
using testing_support::TempDir;

class AdminCheck : public ::testing::Test {
protected:
    TempDir dir;
    ScopedEnv passwd{"QV_PASSWD_FILE", dir.Write("passwd", "alice:x:1001:1001::/home/alice:/bin/sh\n"
                                                           "root2:x:1003:120::/root2:/bin/sh\n"
                                                           "bob:x:1002:1002::/home/bob:/bin/sh\n")};
    ScopedEnv group{"QV_GROUP_FILE",
                    dir.Write("group", "alice:x:1001:\nbob:x:1002:\nlpadmin:x:120:carol,alice\n"
                                       "admin:x:130:bob\n")};
    ScopedEnv adminGroup{"QV_ADMIN_GROUP", std::nullopt};
};

TEST_F(AdminCheck, MembersOfTheAdministratorsGroupOnly)
{
    EXPECT_TRUE(UTILITY_SERVICE::checkIfAdminUser("alice"));
    EXPECT_TRUE(UTILITY_SERVICE::checkIfAdminUser("carol")); // listed, even without a user entry
    EXPECT_TRUE(UTILITY_SERVICE::checkIfAdminUser("root2")); // primary group
    EXPECT_FALSE(UTILITY_SERVICE::checkIfAdminUser("bob"));  // "admin" is not the group here
    EXPECT_FALSE(UTILITY_SERVICE::checkIfAdminUser(""));
    EXPECT_FALSE(UTILITY_SERVICE::checkIfAdminUser(nullptr));
    EXPECT_FALSE(UTILITY_SERVICE::checkIfAdminUser("ali"));
}

TEST_F(AdminCheck, GroupNameOverrideAndUnreadableDatabase)
{
    {
        ScopedEnv other("QV_ADMIN_GROUP", std::string("admin"));
        EXPECT_TRUE(UTILITY_SERVICE::checkIfAdminUser("bob"));
        EXPECT_FALSE(UTILITY_SERVICE::checkIfAdminUser("alice"));
    }
    ScopedEnv missing("QV_GROUP_FILE", dir.file("no-such-group-file"));
    testing::internal::CaptureStderr();
    EXPECT_FALSE(UTILITY_SERVICE::checkIfAdminUser("alice"));
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "UtilityService - CSIdentityQueryExecute failed.\n");
}

TEST_F(AdminCheck, IsUserAdminAsksAboutTheRealUser)
{
    // The process's user is not in the test's database, so it cannot be an administrator there.
    EXPECT_FALSE(IsUserAdmin());
}

TEST(UtilityService, SandboxAnswerIsDecidedOnce)
{
    const bool first = UTILITY_SERVICE::isSandboxed();
    ScopedEnv home("HOME",
                   first ? std::string("/home/plain") : std::string("/Users/x/Library/Containers/app"));
    EXPECT_EQ(UTILITY_SERVICE::isSandboxed(), first);
}

// A registration file with two books, one inside a localisation folder.
constexpr const char* kRegistrations = R"(<?xml version="1.0" encoding="UTF-8"?>
<!DOCTYPE plist PUBLIC "-//Apple//DTD PLIST 1.0//EN" "http://www.apple.com/DTDs/PropertyList-1.0.dtd">
<plist version="1.0"><dict>
<key>RegisteredBooks</key><dict>
 <key>com.quorvel.inside</key><array><dict><key>name</key><string>In</string>
  <key>url</key><string>file:///b/in.plugin/Resources/English.lproj/Help/</string></dict></array>
 <key>com.quorvel.outside</key><array><dict><key>name</key><string>Out</string>
  <key>url</key><string>file:///b/out.plugin/Resources/Help/</string></dict></array>
</dict>
<key>RegistrationOrder</key><array><string>com.quorvel.outside</string><string>com.quorvel.inside</string>
 <string>com.quorvel.inside</string></array>
</dict></plist>
)";

class HelpCache : public ::testing::Test {
protected:
    plist_t Books() { return plist_dict_get_item(root.get(), "RegisteredBooks"); }
    void Reload() { root = platform::ReadPlistFile(file); }

    TempDir dir;
    std::string file = dir.Write("help.plist", kRegistrations);
    ScopedEnv registration{"QV_HELP_REGISTRATION", file};
    platform::PlistHandle root;
};

TEST_F(HelpCache, RegistrationInsideALocalisationFolderIsRemoved)
{
    UTILITY_SERVICE::removeHelpCacheForBundleID("com.quorvel.inside");
    Reload();
    ASSERT_TRUE(root);
    EXPECT_EQ(plist_dict_get_item(Books(), "com.quorvel.inside"), nullptr);
    EXPECT_NE(plist_dict_get_item(Books(), "com.quorvel.outside"), nullptr);
    plist_t order = plist_dict_get_item(root.get(), "RegistrationOrder");
    ASSERT_EQ(plist_array_get_size(order), 2u); // only the first occurrence goes
    EXPECT_EQ(platform::PlistStringValue(plist_array_get_item(order, 0)), "com.quorvel.outside");
    EXPECT_EQ(platform::PlistStringValue(plist_array_get_item(order, 1)), "com.quorvel.inside");
}

TEST_F(HelpCache, RegistrationOutsideIsKeptAndTheFileUntouched)
{
    UTILITY_SERVICE::removeHelpCacheForBundleID("com.quorvel.outside");
    UTILITY_SERVICE::removeHelpCacheForBundleID("com.quorvel.unknown");
    UTILITY_SERVICE::removeHelpCacheForBundleID(nullptr);
    EXPECT_EQ(testing_support::ReadFile(file), kRegistrations);
}

TEST_F(HelpCache, UnreadableOrOddFilesAreLeftAlone)
{
    dir.Write("help.plist", "not a plist");
    UTILITY_SERVICE::removeHelpCacheForBundleID("com.quorvel.inside");
    EXPECT_EQ(testing_support::ReadFile(file), "not a plist");
    const std::string odd =
        "<?xml version=\"1.0\"?><plist version=\"1.0\"><dict><key>RegisteredBooks</key><dict>"
        "<key>com.quorvel.inside</key><string>.lproj</string></dict></dict></plist>";
    dir.Write("help.plist", odd);
    UTILITY_SERVICE::removeHelpCacheForBundleID("com.quorvel.inside");
    EXPECT_EQ(testing_support::ReadFile(file), odd);
    ScopedEnv gone("QV_HELP_REGISTRATION", dir.file("absent.plist"));
    UTILITY_SERVICE::removeHelpCacheForBundleID("com.quorvel.inside");
    EXPECT_FALSE(platform::FileExists(dir.file("absent.plist")));
}

// A host with or without a PPD; the principal class only looks at ppdFile.
class FakeHost : public platform::PrintDialogHost {
public:
    explicit FakeHost(ppd_file_t* ppd) : ppd_(ppd) {}
    ppd_file_t* ppdFile() override { return ppd_; }
    platform::PrintSettings* printSettings() override { return &settings_; }
    platform::PrintSession* printSession() override { return &session_; }
    bool willChangePPDOptionKeyValue(std::string_view, std::string_view) override { return true; }
    platform::HostServices& hostServices() override { return services_; }

private:
    ppd_file_t* ppd_;
    platform::RecordingHostServices services_;
    platform::PrintSettings settings_;
    platform::PrintSession session_;
};

class NamedPanel : public platform::PrintDialogPanel {
public:
    std::string panelName() const override { return "Features"; }
    std::string panelKind() const override { return kFeaturesClientID; }
};

class TestPlugin : public PDEPlugin {
public:
    TestPlugin() : PDEPlugin(kFeaturesClientID) {}
    int panelsToMake = 1;

protected:
    void MakePanels(platform::PrintDialogHost&, PanelList& panels) override
    {
        for (int i = 0; i < panelsToMake; ++i) panels.push_back(std::make_unique<NamedPanel>());
    }
};

TEST(PDEPlugin, PanelsOnlyForThePrintDialogTypeAndWithAPPD)
{
    ppd_file_t* ppd = ppdOpenFile(QV_PANELKIT_FIXTURES "/utility.ppd");
    ASSERT_NE(ppd, nullptr);
    const std::unique_ptr<ppd_file_t, void (*)(ppd_file_t*)> closer(ppd, ppdClose);
    TestPlugin plugin;
    EXPECT_TRUE(plugin.initWithBundle(nullptr));
    FakeHost host(ppd);
    FakeHost noPPD(nullptr);

    const auto panels = plugin.PDEPanelsForType("BDB091F4-E57F-11D3-B5CC-0050E4603277", &host);
    ASSERT_TRUE(panels);
    ASSERT_EQ(panels->size(), 1u);
    EXPECT_EQ(panels->front()->panelName(), "Features");
    EXPECT_FALSE(plugin.PDEPanelsForType("00000000-0000-0000-0000-000000000000", &host));
    EXPECT_FALSE(plugin.PDEPanelsForType("BDB091F4-E57F-11D3-B5CC-0050E4603277", &noPPD));
    EXPECT_FALSE(plugin.PDEPanelsForType("BDB091F4-E57F-11D3-B5CC-0050E4603277", nullptr));
    plugin.panelsToMake = 0;
    EXPECT_FALSE(plugin.PDEPanelsForType("BDB091F4-E57F-11D3-B5CC-0050E4603277", &host));
}

} // namespace
