#include "platform/UserDatabase.h"
#include "platform/FileSystem.h"
#include "platform/PlatformRelease.h"
#include "platform/TextEncoding.h"

#include <sys/stat.h>

#include <gtest/gtest.h>

#include "tests/support/ScopedEnv.h"
#include "tests/support/TempDir.h"

namespace platform {
namespace {

using testing_support::ScopedEnv;
using testing_support::TempDir;

TEST(UserDatabase, ReadsTheTestsOwnDatabases)
{
    TempDir dir;
    ScopedEnv passwd("QV_PASSWD_FILE", dir.Write("passwd", "alice:x:1001:1001::/home/alice:/bin/sh\n"
                                                           "bob:x:1002:50::/home/bob:/bin/sh\n"));
    ScopedEnv group("QV_GROUP_FILE",
                    dir.Write("group", "alice:x:1001:\nstaff:x:50:\nlpadmin:x:120:carol,alice\n"));
    const auto bob = UserDatabase::FindUser("bob");
    ASSERT_TRUE(bob);
    EXPECT_EQ(bob->uid, 1002u);
    EXPECT_EQ(bob->gid, 50u);
    EXPECT_FALSE(UserDatabase::FindUser("nobody-here"));
    const auto lpadmin = UserDatabase::FindGroup("lpadmin");
    ASSERT_TRUE(lpadmin);
    EXPECT_EQ(lpadmin->members, (std::vector<std::string>{"carol", "alice"}));
    EXPECT_TRUE(UserDatabase::IsMember(*bob, *UserDatabase::FindGroup("staff"))); // primary group
    EXPECT_FALSE(UserDatabase::IsMember(*bob, *lpadmin));
    EXPECT_TRUE(UserDatabase::IsMember(*UserDatabase::FindUser("alice"), *lpadmin));
}

TEST(UserDatabase, UnreadableGroupFileIsAFailureNotAnEmptyDatabase)
{
    ScopedEnv group("QV_GROUP_FILE", std::string("/nonexistent/qv-group"));
    EXPECT_FALSE(UserDatabase::AllGroups());
    EXPECT_FALSE(UserDatabase::FindGroup("lpadmin"));
}

TEST(UserDatabase, LoginNameOverride)
{
    ScopedEnv login("QV_LOGIN_NAME", std::string("dana"));
    EXPECT_EQ(UserDatabase::LoginName(), "dana");
}

TEST(PlatformRelease, DefaultIsANewPlatformAndTheVariableOverridesIt)
{
    {
        ScopedEnv unset("QV_PLATFORM_RELEASE", std::nullopt);
        EXPECT_EQ(PlatformRelease(), "17.0.0");
    }
    ScopedEnv set("QV_PLATFORM_RELEASE", std::string("7.9.0"));
    EXPECT_EQ(PlatformRelease(), "7.9.0");
}

TEST(FileSystem, CreatesFoldersAndFilesWithTheGivenModes)
{
    TempDir dir;
    const std::string deep = dir.file("a/b/c");
    ASSERT_TRUE(CreateDirectories(deep, 0777, ""));
    struct stat info {};
    ASSERT_EQ(stat(deep.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0777u);
    ASSERT_TRUE(CreateEmptyFile(deep + "/f", 0664, "no-such-group-here"));
    ASSERT_EQ(stat((deep + "/f").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0664u);
    EXPECT_FALSE(CreateEmptyFile(deep + "/f", 0664, "")); // exists already
    EXPECT_FALSE(CreateDirectories(dir.Write("plain", "x") + "/sub", 0755, ""));
}

TEST(TextEncoding, StrictUtf8AndSurrogatePairs)
{
    EXPECT_EQ(Utf8ToUtf16("\xC3\xA9"), std::u16string(u"\u00E9"));
    EXPECT_EQ(Utf8ToUtf16("\xF0\x9F\x98\x80"), std::u16string(u"\U0001F600"));
    EXPECT_FALSE(Utf8ToUtf16("\xC0\xAF"));     // overlong
    EXPECT_FALSE(Utf8ToUtf16("\xED\xA0\x80")); // surrogate code point
    EXPECT_FALSE(Utf8ToUtf16("\xE3\x81"));     // cut short
    EXPECT_EQ(Utf16ToUtf8(u"\U0001F600"), "\xF0\x9F\x98\x80");
    EXPECT_EQ(Utf16ToUtf8(std::u16string(1, char16_t(0xD800))), "\xEF\xBF\xBD");
}

} // namespace
} // namespace platform
