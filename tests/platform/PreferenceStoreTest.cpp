#include "platform/PreferenceStore.h"

#include <gtest/gtest.h>

#include "tests/support/TempDir.h"

namespace platform {
namespace {

using testing_support::TempDir;

TEST(PreferenceStore, ValuesReachTheDiskOnlyOnSynchronize)
{
    TempDir dir;
    PreferenceStore writer(dir.file("user"), dir.file("system"), "host1");
    writer.SetValue("KZ63pref", std::string("3"), kPreferencesAnyApplication, PreferenceUser::Any,
                    PreferenceHost::Current);
    EXPECT_EQ(writer.CopyValue("KZ63pref", kPreferencesAnyApplication, PreferenceUser::Any,
                               PreferenceHost::Current),
              "3");
    PreferenceStore before(dir.file("user"), dir.file("system"), "host1");
    EXPECT_FALSE(before.CopyValue("KZ63pref", kPreferencesAnyApplication, PreferenceUser::Any,
                                  PreferenceHost::Current));

    ASSERT_TRUE(writer.Synchronize(kPreferencesAnyApplication, PreferenceUser::Any, PreferenceHost::Current));
    EXPECT_EQ(writer.FilePath(kPreferencesAnyApplication, PreferenceUser::Any, PreferenceHost::Current),
              dir.file("system/ByHost/.GlobalPreferences.host1.plist"));
    PreferenceStore after(dir.file("user"), dir.file("system"), "host1");
    EXPECT_EQ(
        after.CopyValue("KZ63pref", kPreferencesAnyApplication, PreferenceUser::Any, PreferenceHost::Current),
        "3");
}

TEST(PreferenceStore, ScopesAreSeparateFiles)
{
    TempDir dir;
    PreferenceStore store(dir.file("user"), dir.file("system"), "h");
    store.SetValue("k", std::string("user"), "app", PreferenceUser::Current, PreferenceHost::Any);
    store.SetValue("k", std::string("shared"), "app", PreferenceUser::Any, PreferenceHost::Any);
    ASSERT_TRUE(store.Synchronize("app", PreferenceUser::Current, PreferenceHost::Any));
    ASSERT_TRUE(store.Synchronize("app", PreferenceUser::Any, PreferenceHost::Any));
    PreferenceStore fresh(dir.file("user"), dir.file("system"), "h");
    EXPECT_EQ(fresh.CopyValue("k", "app", PreferenceUser::Current, PreferenceHost::Any), "user");
    EXPECT_EQ(fresh.CopyValue("k", "app", PreferenceUser::Any, PreferenceHost::Any), "shared");
    EXPECT_FALSE(fresh.CopyValue("k", "app", PreferenceUser::Any, PreferenceHost::Current));
}

TEST(PreferenceStore, SynchronizeKeepsOtherWritersKeysAndRemovesOnRequest)
{
    TempDir dir;
    PreferenceStore first(dir.file("u"), dir.file("s"), "h");
    PreferenceStore second(dir.file("u"), dir.file("s"), "h");
    first.SetValue("a", std::string("1"), "app", PreferenceUser::Current, PreferenceHost::Any);
    ASSERT_TRUE(first.Synchronize("app", PreferenceUser::Current, PreferenceHost::Any));
    second.SetValue("b", std::string("2"), "app", PreferenceUser::Current, PreferenceHost::Any);
    ASSERT_TRUE(second.Synchronize("app", PreferenceUser::Current, PreferenceHost::Any));
    EXPECT_EQ(second.CopyValue("a", "app", PreferenceUser::Current, PreferenceHost::Any), "1");

    second.SetValue("a", std::nullopt, "app", PreferenceUser::Current, PreferenceHost::Any);
    ASSERT_TRUE(second.Synchronize("app", PreferenceUser::Current, PreferenceHost::Any));
    ASSERT_TRUE(first.Synchronize("app", PreferenceUser::Current, PreferenceHost::Any));
    EXPECT_FALSE(first.CopyValue("a", "app", PreferenceUser::Current, PreferenceHost::Any));
    EXPECT_EQ(first.CopyValue("b", "app", PreferenceUser::Current, PreferenceHost::Any), "2");
}

TEST(PreferenceStore, UnwritableRootFailsAndKeepsTheChangePending)
{
    TempDir dir;
    const std::string blocker = dir.Write("file", "not a folder");
    PreferenceStore store(blocker + "/u", blocker + "/s", "h");
    store.SetValue("k", std::string("v"), "app", PreferenceUser::Current, PreferenceHost::Any);
    EXPECT_FALSE(store.Synchronize("app", PreferenceUser::Current, PreferenceHost::Any));
    EXPECT_EQ(store.CopyValue("k", "app", PreferenceUser::Current, PreferenceHost::Any), "v");
}

TEST(PreferenceStore, CorruptFileReadsAsEmptyAndIsReplacedOnWrite)
{
    TempDir dir;
    PreferenceStore store(dir.file("u"), dir.file("s"), "h");
    dir.Write("u/app.plist", "<?xml garbage");
    EXPECT_FALSE(store.CopyValue("k", "app", PreferenceUser::Current, PreferenceHost::Any));
    store.SetValue("k", std::string("v"), "app", PreferenceUser::Current, PreferenceHost::Any);
    ASSERT_TRUE(store.Synchronize("app", PreferenceUser::Current, PreferenceHost::Any));
    PreferenceStore fresh(dir.file("u"), dir.file("s"), "h");
    EXPECT_EQ(fresh.CopyValue("k", "app", PreferenceUser::Current, PreferenceHost::Any), "v");
}

} // namespace
} // namespace platform
