#include "platform/PreferenceCache.h"

#include <filesystem>
#include <functional>
#include <set>
#include <vector>

#include <gtest/gtest.h>
#include <grp.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "platform/FileLock.h"
#include "platform/PlistHandle.h"
#include "tests/support/FileBytes.h"
#include "tests/support/ProcessRunner.h"
#include "tests/support/ScopedEnv.h"
#include "tests/support/TempDir.h"

namespace platform {
namespace {

using testing_support::ReadFile;
using testing_support::ScopedEnv;
using testing_support::TempDir;

struct stat Lstat(const std::string& path)
{
    struct stat info {};
    EXPECT_EQ(lstat(path.c_str(), &info), 0) << path;
    return info;
}

// Starts `body` in a child process, which ends with status 0 when it answers true.
pid_t StartChild(const std::function<bool()>& body)
{
    const pid_t child = fork();
    if (child == 0) _exit(body() ? 0 : 1);
    return child;
}

bool ChildSucceeded(pid_t child)
{
    int status = -1;
    return child > 0 && waitpid(child, &status, 0) == child && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

std::set<std::string> EntriesOf(const std::string& folder)
{
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.insert(entry.path().filename());
    return names;
}

// An administrators' group of the test's own that this process may give files to.
class PreferenceCache : public ::testing::Test {
protected:
    void SetUp() override
    {
        // Root may give any group; others give a group they are in, other than
        // their own when they have one, so that the change shows.
        adminGid = getegid();
        if (geteuid() == 0) adminGid = getegid() == 1 ? 2 : 1;
        gid_t groups[64];
        const int count = getgroups(64, groups);
        for (int i = 0; i < count && geteuid() != 0; ++i)
            if (groups[i] != getegid()) adminGid = groups[i];
        groupFile = std::make_unique<ScopedEnv>(
            "QV_GROUP_FILE", dir.Write("group", "qvadmins:x:" + std::to_string(adminGid) + ":\n"));
    }

    TempDir dir;
    gid_t adminGid = 0;
    std::unique_ptr<ScopedEnv> groupFile;
    ScopedEnv adminGroup{"QV_ADMIN_GROUP", std::string("qvadmins")};
};

TEST_F(PreferenceCache, UnsafeNamesAreRefusedAndNothingIsWritten)
{
    const std::string folder = dir.file("QUORVEL");
    for (const std::string& id :
         std::vector<std::string>{"", ".", "..", "a/b", "../x", std::string("a\0b", 3)}) {
        EXPECT_FALSE(IsSafePrinterID(id)) << id;
        EXPECT_FALSE(PreferenceCacheFileName(id, std::nullopt)) << id;
        EXPECT_FALSE(StorePreferenceCacheValue(folder, id, true, "k", "v", false)) << id;
        EXPECT_FALSE(PreferenceCacheFileName("Office", std::string_view(id))) << id;
    }
    EXPECT_NE(access(folder.c_str(), F_OK), 0);
    EXPECT_EQ(PreferenceCacheFileName(".Office..1", std::nullopt), ".Office..1");
    EXPECT_EQ(PreferenceCacheFileName("Office", std::string_view("bob")), "Office-bob");
}

TEST_F(PreferenceCache, FolderAndFilesGetTheirModesAndGroupWhateverTheUmask)
{
    const std::string folder = dir.file("Support/QUORVEL");
    const mode_t oldMask = umask(077);
    ASSERT_TRUE(StorePreferenceCacheValue(folder, "Office", true, "OfficeKZ63", "1", false));
    ASSERT_TRUE(StorePreferenceCacheValue(folder, "Office-bob", false, "OfficeKZ64", "2", false));
    ASSERT_TRUE(StorePreferenceCacheValue(folder, "Office", true, "OfficeKZ65", "3", false)); // a rewrite
    umask(oldMask);

    for (const std::string& made : {dir.file("Support"), folder}) {
        EXPECT_EQ(Lstat(made).st_mode & 07777, 0777u) << made;
        EXPECT_EQ(Lstat(made).st_gid, adminGid) << made;
    }
    EXPECT_EQ(Lstat(folder + "/Office").st_mode & 07777, 0664u);
    EXPECT_EQ(Lstat(folder + "/Office").st_gid, adminGid);
    EXPECT_EQ(Lstat(folder + "/Office-bob").st_mode & 07777, 0644u);
    EXPECT_EQ(LoadPreferenceCacheValue(folder, "Office", "OfficeKZ63"), "1");
    EXPECT_EQ(LoadPreferenceCacheValue(folder, "Office-bob", "OfficeKZ64"), "2");
    EXPECT_FALSE(LoadPreferenceCacheValue(folder, "Office", "OfficeKZ64"));
    EXPECT_FALSE(LoadPreferenceCacheValue(folder, "Other", "OfficeKZ63"));
    // No new file is left behind beside the files and their locks.
    EXPECT_EQ(EntriesOf(folder),
              (std::set<std::string>{"Office", "Office#lock", "Office-bob", "Office-bob#lock"}));
}

// A user who may not give the administrators' group still keeps the value.
TEST_F(PreferenceCache, AGroupTheUserCannotGiveKeepsTheValue)
{
    ScopedEnv missing("QV_ADMIN_GROUP", std::string("no-such-group"));
    ASSERT_TRUE(StorePreferenceCacheValue(dir.file("a/QUORVEL"), "P", true, "k", "v", false));
    EXPECT_EQ(Lstat(dir.file("a/QUORVEL/P")).st_gid, getegid());

    if (geteuid() != 0) GTEST_SKIP() << "the refused group change needs a second user";
    ScopedEnv rootGroup("QV_GROUP_FILE", dir.Write("group0", "qvadmins:x:0:\n"));
    ScopedEnv admins("QV_ADMIN_GROUP", std::string("qvadmins"));
    ASSERT_EQ(chmod(dir.path().c_str(), 0755), 0);
    ASSERT_EQ(mkdir(dir.file("b").c_str(), 0777), 0);
    ASSERT_EQ(chmod(dir.file("b").c_str(), 0777), 0);
    const std::string folder = dir.file("b/QUORVEL");
    ASSERT_TRUE(ChildSucceeded(StartChild([&] {
        return setgroups(0, nullptr) == 0 && setgid(65534) == 0 && setuid(65534) == 0 &&
               StorePreferenceCacheValue(folder, "P", true, "k", "v", false) &&
               LoadPreferenceCacheValue(folder, "P", "k") == "v";
    })));
    EXPECT_EQ(Lstat(folder + "/P").st_gid, 65534u);
    EXPECT_EQ(Lstat(folder + "/P").st_mode & 07777, 0664u);
}

TEST_F(PreferenceCache, TwoProcessesStoringIntoOneFileLoseNothing)
{
    const std::string folder = dir.file("QUORVEL");
    auto storeMany = [&](const std::string& prefix) {
        return StartChild([&] {
            for (int i = 0; i < 200; ++i)
                if (!StorePreferenceCacheValue(folder, "P", true, prefix + std::to_string(i), "x", false))
                    return false;
            return true;
        });
    };
    const pid_t first = storeMany("a");
    const pid_t second = storeMany("b");
    EXPECT_TRUE(ChildSucceeded(first));
    EXPECT_TRUE(ChildSucceeded(second));

    const PlistHandle root = ParsePlist(ReadFile(folder + "/P"));
    ASSERT_TRUE(root);
    EXPECT_EQ(plist_dict_get_size(root.get()), 400u);
    for (int i = 0; i < 200; ++i) {
        EXPECT_EQ(LoadPreferenceCacheValue(folder, "P", "a" + std::to_string(i)), "x") << i;
        EXPECT_EQ(LoadPreferenceCacheValue(folder, "P", "b" + std::to_string(i)), "x") << i;
    }
}

TEST_F(PreferenceCache, AnIndependentParserReadsTheExactValues)
{
    const std::string folder = dir.file("QUORVEL");
    ASSERT_TRUE(StorePreferenceCacheValue(folder, "P", true, "PKZ1", "a,b", false));
    ASSERT_TRUE(StorePreferenceCacheValue(folder, "P", true, "PKZ2", "<&>\"'\xC3\xA9\t\n", false));
    ASSERT_TRUE(StorePreferenceCacheValue(folder, "P", true, "PKZ3", "", false));
    ASSERT_TRUE(StorePreferenceCacheValue(folder, "P", true, "PKZ1", "/97", false)); // replaces
    const std::string before = ReadFile(folder + "/P");
    for (const std::string& bad : std::vector<std::string>{"\x01", "\r", "\xFF", std::string("a\0b", 3)}) {
        EXPECT_FALSE(StorePreferenceCacheValue(folder, "P", true, "PKZ4", bad, false));
        EXPECT_FALSE(StorePreferenceCacheValue(folder, "P", true, bad, "v", false));
    }
    EXPECT_EQ(ReadFile(folder + "/P"), before);

    const testing_support::ProcessRequest request{
        "python3",
        {"-c",
         "import json, plistlib, sys; print(json.dumps(plistlib.load(open(sys.argv[1], 'rb')), "
         "sort_keys=True))",
         folder + "/P"}};
    const testing_support::ProcessResult result = RunProcess(request);
    ASSERT_EQ(result.status, 0) << DescribeProcess(request, result);
    EXPECT_EQ(result.out, "{\"PKZ1\": \"/97\", \"PKZ2\": \"<&>\\\"'\\u00e9\\t\\n\", \"PKZ3\": \"\"}\n");
}

TEST_F(PreferenceCache, LinksAndOtherKindsOfFileAreRefusedWithoutHarm)
{
    const std::string folder = dir.file("QUORVEL");
    ASSERT_TRUE(StorePreferenceCacheValue(folder, "Real", true, "k", "kept", false));
    const std::string victim = dir.Write("victim.plist", ReadFile(folder + "/Real"));

    ASSERT_EQ(symlink(victim.c_str(), (folder + "/Linked").c_str()), 0);
    ASSERT_EQ(symlink(victim.c_str(), LockFilePath(folder + "/LockLinked").c_str()), 0);
    ASSERT_EQ(mkdir((folder + "/Folder").c_str(), 0755), 0);
    dir.Write("QUORVEL/Folder/inside", "x");
    for (const char* name : {"Linked", "LockLinked", "Folder"})
        EXPECT_FALSE(StorePreferenceCacheValue(folder, name, true, "k", "new", false)) << name;
    EXPECT_FALSE(LoadPreferenceCacheValue(folder, "Linked", "k")); // not read through the link
    EXPECT_EQ(ReadFile(victim), ReadFile(folder + "/Real"));
    EXPECT_TRUE(S_ISLNK(Lstat(folder + "/Linked").st_mode));
    EXPECT_EQ(ReadFile(folder + "/Folder/inside"), "x");

    // A linked folder is refused as a whole.
    ASSERT_EQ(symlink(folder.c_str(), dir.file("LinkedFolder").c_str()), 0);
    EXPECT_FALSE(StorePreferenceCacheValue(dir.file("LinkedFolder"), "Real", true, "k", "new", false));
    EXPECT_FALSE(LoadPreferenceCacheValue(dir.file("LinkedFolder/"), "Real", "k"));

    // What cannot be read as a dictionary is replaced by one holding the value.
    for (const char* content : {"not a property list", "<plist><array/></plist>"}) {
        dir.Write("QUORVEL/Damaged", content);
        ASSERT_TRUE(StorePreferenceCacheValue(folder, "Damaged", true, "k", "v", false));
        const PlistHandle root = ParsePlist(ReadFile(folder + "/Damaged"));
        ASSERT_TRUE(root);
        EXPECT_EQ(plist_dict_get_size(root.get()), 1u);
        EXPECT_EQ(LoadPreferenceCacheValue(folder, "Damaged", "k"), "v");
    }
}

// The writer every plist file goes through.
TEST(WritePlistXmlFile, NeitherFollowsALinkNorChangesTheFileMode)
{
    TempDir dir;
    const std::string path = dir.Write("prefs.plist", "old");
    ASSERT_EQ(chmod(path.c_str(), 0640), 0);
    const std::string victim = dir.Write("victim", "untouched");
    // The name the writer once wrote through before renaming it.
    ASSERT_EQ(symlink(victim.c_str(), (path + ".tmp." + std::to_string(getpid())).c_str()), 0);
    const PlistHandle root(plist_new_dict());
    plist_dict_set_item(root.get(), "k", plist_new_string("v"));
    for (const bool atomic : {true, false}) {
        ASSERT_TRUE(WritePlistXmlFile(path, root.get(), atomic));
        EXPECT_EQ(ReadFile(path), PlistXmlText(root.get()).value_or("?"));
        EXPECT_EQ(Lstat(path).st_mode & 07777, 0640u);
    }
    const std::string linked = dir.file("linked.plist");
    ASSERT_EQ(symlink(victim.c_str(), linked.c_str()), 0);
    for (const bool atomic : {true, false}) EXPECT_FALSE(WritePlistXmlFile(linked, root.get(), atomic));
    EXPECT_EQ(ReadFile(victim), "untouched");
    EXPECT_TRUE(S_ISLNK(Lstat(linked).st_mode));
    EXPECT_EQ(dir.entries().size(), 4u); // no new file left beside
}

} // namespace
} // namespace platform
