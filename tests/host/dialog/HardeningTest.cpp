// printdialog against what it remembers being damaged, taken away or raced
// for, and against a script far longer than a person writes: the dialog
// still prints, says why it could not remember, and never leaves a torn or
// mixed file behind.
#include <gtest/gtest.h>

#include <filesystem>
#include <future>
#include <string>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "DialogRun.h"
#include "platform/PlistHandle.h"
#include "platform/PreferenceCache.h"
#include "tests/support/FileBytes.h"

namespace {

using dialog_test::DialogRunner;
using dialog_test::FindControl;
using dialog_test::FindPanel;
using dialog_test::LastJson;
using testing_support::ProcessResult;

const std::map<std::string, std::string> kFixedClock = {{"QV_NOW", "2026-12-24T09:05:07"}};

std::string LastUsedPath(const DialogRunner& runner)
{
    return runner.DataDir() + "/printers/probe/LastUsedSettings.plist";
}

// The committed value (or, with `field` "selected", the chosen item) of the
// probe panel's control in a --dump run; -1 when absent.
int ProbeValue(const ProcessResult& run, int tag, const char* field = "value")
{
    const nlohmann::json snapshot = LastJson(run.out);
    if (!snapshot.is_object()) return -1;
    const nlohmann::json* panel = FindPanel(snapshot, "PrintFeaturesKind");
    if (panel == nullptr) return -1;
    const nlohmann::json* control = FindControl(panel->at("controls"), tag);
    return control != nullptr && control->at(field).is_number() ? control->at(field).get<int>() : -1;
}

// A way of damaging the file at `path` before a run; `dir` is the test's folder.
using Damage = std::function<void(const testing_support::TempDir& dir, const std::string& path)>;

Damage Writes(std::string bytes)
{
    return [bytes = std::move(bytes)](const testing_support::TempDir&, const std::string& path) {
        testing_support::WriteFile(path, bytes);
    };
}

// A symbolic link to the file `name` of the test's folder, holding `bytes`.
Damage LinksTo(std::string name, std::string bytes)
{
    return [=](const testing_support::TempDir& dir, const std::string& path) {
        const std::string target = dir.Write(name, bytes);
        ASSERT_EQ(symlink(target.c_str(), path.c_str()), 0);
    };
}

void MakesAFolder(const testing_support::TempDir&, const std::string& path)
{
    ASSERT_EQ(mkdir(path.c_str(), 0700), 0);
}

// A saved file that is not a property list, is cut short or holds other
// types is dropped and written afresh; one that is too large, a symbolic
// link or a folder is left alone, and the dialog says why it kept nothing.
TEST(HardeningTest, DamagedSavedSettingsFileLeavesTheDialogPrinting)
{
    std::string wholeFile;
    {
        const DialogRunner first;
        ASSERT_EQ(first.Run({"--options"}, "panel features\nchoose ProbeColor #2\n").status, 0);
        wholeFile = testing_support::ReadFile(LastUsedPath(first));
    }
    struct Case {
        const char* name;
        Damage make;
        const char* refusal; // empty: the file is rewritten
    };
    const std::vector<Case> cases = {
        {"not a property list", Writes(std::string("\0\xff\x01not a plist", 14)), ""},
        {"truncated", Writes(wholeFile.substr(0, wholeFile.size() / 2)), ""},
        {"wrong types",
         Writes("<?xml version=\"1.0\"?><plist version=\"1.0\"><dict>"
                "<key>PrintSettings</key><dict><key>Key</key><integer>3</integer></dict>"
                "<key>PPDChoices</key><array><integer>1</integer><dict><key>Option</key>"
                "<true/></dict></array></dict></plist>"),
         ""},
        {"10 MB", Writes(std::string(10u << 20, 'x')), "it is larger than"},
        {"symbolic link", LinksTo("elsewhere.plist", "kept elsewhere"), "it is a symbolic link"},
        {"folder", MakesAFolder, "it is a folder"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const DialogRunner runner;
        std::filesystem::create_directories(runner.DataDir() + "/printers/probe");
        c.make(runner.Dir(), LastUsedPath(runner));
        const ProcessResult run = runner.Run({"--options", "--dump"}, "panel features\ncheck 10 on\n");
        // The dialog starts from the defaults and prints what was chosen.
        ASSERT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(ProbeValue(run, 10), 1) << run.out;
        EXPECT_EQ(ProbeValue(run, 11, "selected"), 0) << run.out;
        const ProcessResult again = runner.Run({"--dump"});
        ASSERT_EQ(again.status, 0) << again.err;
        if (std::string(c.refusal).empty()) {
            EXPECT_EQ(run.err, "");
            EXPECT_EQ(ProbeValue(again, 10), 1) << "remembered";
        } else {
            EXPECT_NE(run.err.find("the settings were not kept: cannot write " + LastUsedPath(runner) + ": " +
                                   c.refusal),
                      std::string::npos)
                << run.err;
            EXPECT_EQ(ProbeValue(again, 10), 0) << "nothing remembered";
        }
        // A link's target is never written through.
        if (std::filesystem::exists(runner.Dir().file("elsewhere.plist"))) {
            EXPECT_EQ(testing_support::ReadFile(runner.Dir().file("elsewhere.plist")), "kept elsewhere");
        }
    }
}

// A damaged file can hold a zero byte inside a value (libplist reads it so);
// in the option string it would end every option after it. Such an entry
// is passed over, and the rest of the file is used.
TEST(HardeningTest, SavedValueHoldingAZeroByteIsPassedOver)
{
    const DialogRunner runner;
    const std::string entry = "<dict><key>Key</key><string>com.quorvel.test.Layer</string><key>Value</key>"
                              "<string>da" +
                              std::string(1, '\0') + "maged</string></dict>";
    runner.Dir().Write("data/printers/probe/LastUsedSettings.plist",
                       "<?xml version=\"1.0\"?><plist version=\"1.0\"><dict><key>PrintSettings</key><array>" +
                           entry +
                           "</array><key>PPDChoices</key><array><dict><key>Option</key>"
                           "<string>ProbeColor</string><key>Choice</key><string>Black</string></dict>"
                           "</array></dict></plist>");
    const ProcessResult run = runner.Run({"--options"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out.find('\0'), std::string::npos);
    EXPECT_EQ(run.out.find("com.quorvel.test.Layer"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("ProbeColor='Black'"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("ProbeCountTicket='1'"), std::string::npos) << run.out;

    const testing_support::TempDir dir;
    dir.Write("QUORVEL/probe",
              "<?xml version=\"1.0\"?><plist version=\"1.0\"><dict><key>Damaged</key><string>a" +
                  std::string(1, '\0') + "b</string><key>Whole</key><string>ab</string></dict></plist>");
    EXPECT_EQ(platform::LoadPreferenceCacheValue(dir.file("QUORVEL"), "probe", "Damaged"), std::nullopt);
    EXPECT_EQ(platform::LoadPreferenceCacheValue(dir.file("QUORVEL"), "probe", "Whole"), "ab");
}

TEST(HardeningTest, UnusableDataFolderLeavesTheDialogPrintingAndSaysWhy)
{
    const DialogRunner runner;
    const std::string file = runner.Dir().Write("data", "a file where the data folder should be");
    const ProcessResult run = runner.Run({"--options"}, "panel features\ncheck 10 on\n");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("='"), std::string::npos) << run.out;
    EXPECT_NE(run.err.find("the settings were not kept: cannot create the folder " + runner.DataDir() +
                           "/printers/probe: Not a directory"),
              std::string::npos)
        << run.err;
    EXPECT_EQ(testing_support::ReadFile(file), "a file where the data folder should be");
}

TEST(HardeningTest, ScriptOfAHundredThousandLines)
{
    const DialogRunner runner;
    std::string script = "panel features\n";
    for (int i = 0; i < 49999; ++i) script += "check 10 on\ncheck 10 off\n";
    script += "check 10 on\n"; // line 100,000
    const ProcessResult run = runner.Run({"--options", "--dump"}, script);
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(ProbeValue(run, 10), 1);

    const ProcessResult bad = runner.Run({"--dump"}, script + "check 10 maybe\n");
    EXPECT_EQ(bad.status, 2);
    EXPECT_NE(bad.err.find("line 100001: malformed action"), std::string::npos) << bad.err.substr(0, 200);
    EXPECT_EQ(bad.out, "");
}

// A cache file that cannot be read as a dictionary reads as holding
// nothing. A store replaces one that is damaged (it held no values anyway),
// and leaves alone one that is too large, a link (its target unwritten) or a
// folder, answering that nothing was kept.
TEST(HardeningTest, DamagedPreferenceCacheFile)
{
    struct Case {
        const char* name;
        Damage make;
        bool storable;
    };
    const std::vector<Case> cases = {
        {"not a property list", Writes("\x01\xffnot a plist"), true},
        {"truncated", Writes("<?xml version=\"1.0\"?><plist version=\"1.0\"><dict><key>Key</key><string>va"),
         true},
        {"wrong types",
         Writes("<?xml version=\"1.0\"?><plist version=\"1.0\"><array><dict>"
                "<key>Key</key><integer>7</integer></dict></array></plist>"),
         true},
        {"10 MB", Writes(std::string(10u << 20, ' ')), false},
        {"symbolic link",
         LinksTo("elsewhere", "<plist><dict><key>Key</key><string>v</string></dict></plist>"), false},
        {"folder", MakesAFolder, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const testing_support::TempDir dir;
        const std::string folder = dir.file("QUORVEL");
        ASSERT_EQ(mkdir(folder.c_str(), 0700), 0);
        c.make(dir, folder + "/probe");
        EXPECT_EQ(platform::LoadPreferenceCacheValue(folder, "probe", "Key"), std::nullopt);
        EXPECT_EQ(platform::StorePreferenceCacheValue(folder, "probe", false, "Key", "kept", false),
                  c.storable);
        EXPECT_EQ(platform::LoadPreferenceCacheValue(folder, "probe", "Key"),
                  c.storable ? std::optional<std::string>("kept") : std::nullopt);
        if (std::filesystem::exists(dir.file("elsewhere"))) {
            EXPECT_EQ(testing_support::ReadFile(dir.file("elsewhere")).find("kept"), std::string::npos);
        }
    }
}

// Two dialogs save for the same printer at the same moment: the file is the
// whole file of one of them, never a mixture and never torn.
TEST(HardeningTest, TwoDialogsSavingAtOnceLeaveOneWholeFile)
{
    const std::string scriptA = "panel features\ncheck 10 on\nchoose ProbeColor #2\nsave\n";
    // Each script sets every value it changes outright: whichever run read
    // the other's file first, its own file is the same.
    const std::string scriptB = "panel features\ncheck 10 off\nchoose ProbeColor #1\nsave\n";
    std::string alone[2];
    for (int i = 0; i < 2; ++i) {
        const DialogRunner runner;
        ASSERT_EQ(runner.Run({}, i == 0 ? scriptA : scriptB, kFixedClock).status, 0);
        alone[i] = testing_support::ReadFile(LastUsedPath(runner));
    }
    ASSERT_NE(alone[0], alone[1]);

    const DialogRunner shared;
    for (int round = 0; round < 8; ++round) {
        SCOPED_TRACE(round);
        auto a = std::async(std::launch::async, [&] { return shared.Run({}, scriptA, kFixedClock); });
        auto b = std::async(std::launch::async, [&] { return shared.Run({}, scriptB, kFixedClock); });
        ASSERT_EQ(a.get().status, 0);
        ASSERT_EQ(b.get().status, 0);
        const std::string kept = testing_support::ReadFile(LastUsedPath(shared));
        EXPECT_TRUE(kept == alone[0] || kept == alone[1]) << kept;
    }
    // No new file of a write is left behind beside the file and its lock.
    for (const auto& entry : std::filesystem::directory_iterator(shared.DataDir() + "/printers/probe")) {
        const std::string name = entry.path().filename().string();
        EXPECT_TRUE(name == "LastUsedSettings.plist" || name == "LastUsedSettings.plist#lock") << name;
    }
}

// Two processes store keys of their own into one preference cache file at
// the same time: every store is kept.
TEST(HardeningTest, TwoProcessesStoringInOneCacheFileKeepEveryStore)
{
    const testing_support::TempDir dir;
    const std::string folder = dir.file("QUORVEL");
    constexpr int kStores = 150;
    const auto key = [](int child, int i) { return "Key" + std::to_string(child) + "-" + std::to_string(i); };
    pid_t children[2] = {};
    for (int child = 0; child < 2; ++child) {
        children[child] = fork();
        ASSERT_GE(children[child], 0);
        if (children[child] == 0) {
            bool all = true;
            for (int i = 0; i < kStores; ++i)
                all = platform::StorePreferenceCacheValue(folder, "probe", false, key(child, i),
                                                          std::to_string(i), true) &&
                      all;
            _exit(all ? 0 : 1);
        }
    }
    for (const pid_t child : children) {
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    for (int child = 0; child < 2; ++child)
        for (int i = 0; i < kStores; ++i)
            EXPECT_EQ(platform::LoadPreferenceCacheValue(folder, "probe", key(child, i)), std::to_string(i));
}

} // namespace
