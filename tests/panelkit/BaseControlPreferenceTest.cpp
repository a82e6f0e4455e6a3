// Per-printer preferences of BaseControl: the cache files from version code
// 0x1070 on, with the administrator rule against the test's own user and
// group databases, and the platform store below 0x1070.
#include <gtest/gtest.h>

#include <deque>

#include <unistd.h>

#include "platform/FileSystem.h"
#include "tests/panelkit/TestControl.h"
#include "tests/support/ProcessRunner.h"
#include "tests/support/ScopedEnv.h"
#include "tests/support/TempDir.h"

namespace {

using platform::PreferenceUser;
using testing_support::ScopedEnv;

constexpr CtrlAccessInfo kAccess{0, 0, nullptr, "com.lumeral.vrk.printsettings.TestReference"};
const std::string kKey = std::string("TestPrinter") + kAccess.prefKey;

class BaseControlPreferenceTest : public ::testing::Test {
protected:
    // The real user of the process is "dana", as is the login name.
    BaseControlPreferenceTest()
    {
        const std::pair<const char*, std::optional<std::string>> variables[] = {
            {"QV_APPLICATION_SUPPORT", dir.file("support")},
            {"QV_USER_PREFERENCES", dir.file("user")},
            {"QV_SYSTEM_PREFERENCES", dir.file("system")},
            {"QV_PASSWD_FILE", dir.Write("passwd", "dana:x:" + std::to_string(getuid()) + ":0::/:/bin/sh\n")},
            {"QV_GROUP_FILE", dir.Write("group", "lpadmin:x:4000:\n")},
            {"QV_ADMIN_GROUP", std::nullopt},
            {"QV_LOGIN_NAME", "dana"},
            {"QV_PLATFORM_RELEASE", std::nullopt}};
        for (const auto& [name, value] : variables) env.emplace_back(name, value);
    }

    // Stores 1 through a per-user and a shared control; answers both results.
    std::pair<bool, bool> StoreBoth()
    {
        BasePrintPanel panel;
        host.Attach(panel);
        TestControl* own = AddTestControl(panel, 1, &kAccess, false, PreferenceUser::Current);
        TestControl* shared = AddTestControl(panel, 2, &kAccess, false, PreferenceUser::Any);
        own->SetValue(1);
        shared->SetValue(1);
        return {own->SetValueToPreference(), shared->SetValueToPreference()};
    }

    // The value under kKey, read by Python's own plist parser.
    static std::string Plistlib(const std::string& file)
    {
        const auto result = testing_support::RunProcess(
            {"python3",
             {"-c", "import plistlib,sys; print(plistlib.load(open(sys.argv[1],'rb'))[sys.argv[2]])", file,
              kKey}});
        return result.status == 0 ? result.out : result.err;
    }

    testing_support::TempDir dir;
    std::deque<ScopedEnv> env;
    testing_support::PanelTestHost host;
};

TEST_F(BaseControlPreferenceTest, CacheFilesKeepSharedValuesOnlyFromAdministrators)
{
    const std::string folder = dir.file("support") + "/QUORVEL/";
    EXPECT_EQ(StoreBoth(), std::make_pair(true, true));
    EXPECT_EQ(Plistlib(folder + "TestPrinter-dana"), "1\n");
    EXPECT_FALSE(platform::FileExists(folder + "TestPrinter")); // not an administrator: skipped, YES
    dir.Write("group", "lpadmin:x:4000:dana\n");
    EXPECT_EQ(StoreBoth(), std::make_pair(true, true));
    EXPECT_EQ(Plistlib(folder + "TestPrinter"), "1\n");

    // Read back; a value that is not the control's own gives the default.
    BasePrintPanel panel;
    host.Attach(panel);
    TestControl* own = AddTestControl(panel, 1, &kAccess, false, PreferenceUser::Current);
    TestControl* shared = AddTestControl(panel, 2, &kAccess, false, PreferenceUser::Any);
    EXPECT_TRUE(own->SaveToCacheForKey(kKey, "7", PreferenceUser::Current));
    panel.GetValueFromPreference();
    EXPECT_EQ(own->Value(), 0);
    EXPECT_EQ(shared->Value(), 1);

    // A printer ID that cannot name a file stores nothing.
    for (const char* id : {"../evil", "a/b", ".."}) {
        testing_support::PanelTestHost unsafe(id);
        BasePrintPanel other;
        unsafe.Attach(other);
        EXPECT_FALSE(AddTestControl(other, 1, &kAccess)->SetValueToPreference()) << id;
    }
    EXPECT_FALSE(platform::FileExists(dir.file("evil")));
}

TEST_F(BaseControlPreferenceTest, BelowVersion0x1070ValuesGoToThePlatformStore)
{
    ScopedEnv older("QV_PLATFORM_RELEASE", std::string("10.8.0")); // 0x1068
    dir.Write("group", "lpadmin:x:4000:dana\n");
    EXPECT_EQ(StoreBoth(), std::make_pair(true, true));
    EXPECT_FALSE(platform::FileExists(dir.file("support")));

    BasePrintPanel panel;
    host.Attach(panel);
    const std::string file = panel.GetPreferenceStore().FilePath(
        platform::kPreferencesAnyApplication, PreferenceUser::Current, platform::PreferenceHost::Current);
    EXPECT_EQ(file.rfind(dir.file("user"), 0), 0u) << file;
    EXPECT_EQ(Plistlib(file), "1\n");
    TestControl* shared = AddTestControl(panel, 2, &kAccess, false, PreferenceUser::Any);
    EXPECT_TRUE(shared->GetValueFromPreference());
    EXPECT_EQ(shared->Value(), 1);
}

} // namespace
