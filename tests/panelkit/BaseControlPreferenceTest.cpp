// Per-printer preferences of BaseControl: the cache files from version code
// 0x1070 on (per-user and shared files, the administrator rule, unsafe
// printer IDs) and the platform store below it.
#include <gtest/gtest.h>

#include <algorithm>

#include <unistd.h>

#include "panelkit/UtilityFunction.h"
#include "platform/FileSystem.h"
#include "tests/panelkit/TestControl.h"
#include "tests/support/ProcessRunner.h"
#include "tests/support/ScopedEnv.h"
#include "tests/support/TempDir.h"

namespace {

using platform::PreferenceUser;
using testing_support::ScopedEnv;

constexpr const char* kPrefKey = "com.lumeral.vrk.printsettings.TestReference";
constexpr CtrlAccessInfo kAccess{kCtrlValueTypeInteger, kCtrlValueTypeInteger, nullptr, kPrefKey};

class BaseControlPreferenceTest : public ::testing::Test {
protected:
    BaseControlPreferenceTest()
        : support("QV_APPLICATION_SUPPORT", dir.file("support")),
          userPrefs("QV_USER_PREFERENCES", dir.file("user")),
          systemPrefs("QV_SYSTEM_PREFERENCES", dir.file("system")),
          passwd("QV_PASSWD_FILE",
                 dir.Write("passwd", "dana:x:" + std::to_string(getuid()) + ":" + std::to_string(getgid()) +
                                         "::/home/dana:/bin/sh\n")),
          group("QV_GROUP_FILE", dir.file("group")), adminGroup("QV_ADMIN_GROUP", std::nullopt),
          login("QV_LOGIN_NAME", std::string("dana")), release("QV_PLATFORM_RELEASE", std::nullopt)
    {
        SetAdministrators("");
    }

    // The members of the administrators' group ("lpadmin") of the test's own group database.
    void SetAdministrators(const std::string& members)
    {
        dir.Write("group", "lpadmin:x:4000:" + members + "\n");
    }

    std::string CacheFile(const std::string& name) const { return dir.file("support") + "/QUORVEL/" + name; }

    // The value under the key of a cache file, read by Python's own plist parser.
    std::string ReadWithPlistlib(const std::string& file, const std::string& key) const
    {
        const testing_support::ProcessResult result = testing_support::RunProcess(
            {"python3",
             {"-c", "import plistlib,sys; print(plistlib.load(open(sys.argv[1],'rb'))[sys.argv[2]], end='')",
              file, key}});
        return result.status == 0 ? result.out : "<" + result.err + ">";
    }

    testing_support::TempDir dir;
    ScopedEnv support, userPrefs, systemPrefs, passwd, group, adminGroup, login, release;
    testing_support::PanelTestHost host;
};

TEST_F(BaseControlPreferenceTest, CacheFilesKeepPerUserValuesAndSharedOnesOnlyFromAdministrators)
{
    int32_t version = 0;
    Gestalt_ALT(gestaltSystemVersion, &version);
    ASSERT_GE(version, 0x1070);
    const std::string key = std::string("TestPrinter") + kPrefKey;
    {
        BasePrintPanel panel;
        host.Attach(panel);
        TestControl* own =
            AddTestControl(panel, 1, &kAccess, TestControl::Form::Integer, PreferenceUser::Current);
        TestControl* shared =
            AddTestControl(panel, 2, &kAccess, TestControl::Form::Integer, PreferenceUser::Any);
        own->SetValue(1);
        shared->SetValue(1);
        EXPECT_TRUE(own->SetValueToPreference());
        EXPECT_EQ(ReadWithPlistlib(CacheFile("TestPrinter-dana"), key), "1");
        // Not an administrator: the shared store is skipped, and answers YES.
        EXPECT_TRUE(shared->SetValueToPreference());
        EXPECT_FALSE(platform::FileExists(CacheFile("TestPrinter")));

        SetAdministrators("dana");
        EXPECT_TRUE(shared->SetValueToPreference());
        EXPECT_EQ(ReadWithPlistlib(CacheFile("TestPrinter"), key), "1");

        // A value that is not one of the control's own is refused on restore.
        EXPECT_TRUE(own->SaveToCacheForKey(key, "7", PreferenceUser::Current));
    }
    BasePrintPanel panel;
    host.Attach(panel);
    TestControl* own =
        AddTestControl(panel, 1, &kAccess, TestControl::Form::Integer, PreferenceUser::Current);
    TestControl* shared = AddTestControl(panel, 2, &kAccess, TestControl::Form::Integer, PreferenceUser::Any);
    own->defaultValue = 0;
    own->SetValue(1);
    panel.GetValueFromPreference();
    EXPECT_EQ(own->Value(), 0);
    EXPECT_EQ(shared->Value(), 1);
}

TEST_F(BaseControlPreferenceTest, APrinterIDThatCannotNameAFileStoresNothing)
{
    for (const char* id : {"../evil", "a/b", "..", "."}) {
        testing_support::PanelTestHost unsafe(id);
        BasePrintPanel panel;
        unsafe.Attach(panel);
        TestControl* control = AddTestControl(panel, 1, &kAccess);
        control->SetValue(1);
        EXPECT_FALSE(control->SetValueToPreference()) << id;
        EXPECT_FALSE(control->GetValueFromPreference()) << id;
    }
    std::vector<std::string> entries = dir.entries();
    std::sort(entries.begin(), entries.end());
    EXPECT_EQ(entries, (std::vector<std::string>{"group", "passwd"}));
}

TEST_F(BaseControlPreferenceTest, BelowVersion0x1070ValuesGoToThePlatformStore)
{
    ScopedEnv older("QV_PLATFORM_RELEASE", std::string("10.8.0"));
    int32_t version = 0;
    Gestalt_ALT(gestaltSystemVersion, &version);
    ASSERT_LT(version, 0x1070);
    SetAdministrators("dana");
    {
        BasePrintPanel panel;
        host.Attach(panel);
        TestControl* own =
            AddTestControl(panel, 1, &kAccess, TestControl::Form::Integer, PreferenceUser::Current);
        TestControl* shared =
            AddTestControl(panel, 2, &kAccess, TestControl::Form::Integer, PreferenceUser::Any);
        own->SetValue(1);
        shared->SetValue(1);
        EXPECT_TRUE(own->SetValueToPreference());
        EXPECT_TRUE(shared->SetValueToPreference());
        const std::string file = panel.GetPreferenceStore().FilePath(
            platform::kPreferencesAnyApplication, PreferenceUser::Current, platform::PreferenceHost::Current);
        EXPECT_EQ(file.rfind(dir.file("user"), 0), 0u) << file;
        EXPECT_EQ(ReadWithPlistlib(file, std::string("TestPrinter") + kPrefKey), "1");
    }
    EXPECT_FALSE(platform::FileExists(dir.file("support")));

    BasePrintPanel panel;
    host.Attach(panel);
    TestControl* own =
        AddTestControl(panel, 1, &kAccess, TestControl::Form::Integer, PreferenceUser::Current);
    TestControl* shared = AddTestControl(panel, 2, &kAccess, TestControl::Form::Integer, PreferenceUser::Any);
    EXPECT_TRUE(own->GetValueFromPreference());
    EXPECT_TRUE(shared->GetValueFromPreference());
    EXPECT_EQ(own->Value(), 1);
    EXPECT_EQ(shared->Value(), 1);
}

} // namespace
