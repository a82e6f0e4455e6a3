// Each kind of bad input ends printdialog with status 2 and a message that
// names the problem, writes no snapshot, and leaves the host's files as they
// were, even when the script saved before its bad line.
#include <gtest/gtest.h>

#include "DialogRun.h"
#include "tests/support/FileBytes.h"

namespace {

using dialog_test::DialogRunner;
using testing_support::ProcessResult;

struct BadInput {
    const char* name;
    std::vector<std::string> args;
    std::string scriptTail; // after "panel features", a change and "save"
    const char* message;
};

TEST(BadInputTest, EndsWithStatusTwoAndLeavesTheFilesAlone)
{
    const DialogRunner runner;
    // Something to protect: last used settings and a preset.
    ASSERT_EQ(runner.Run({"--options"}, "panel features\nchoose ProbeColor Black\npreset save Kept\n").status,
              0);
    const std::string broken = runner.Dir().Write("broken.ppd", "not a PPD\n");
    runner.Dir().Write("badplugins/broken.plugin/broken.so", "not a shared object");
    const std::string badPlugins = runner.Dir().file("badplugins");
    const auto before = runner.DataFiles();
    ASSERT_EQ(before.size() >= 2, true);

    const std::vector<BadInput> cases = {
        {"missing PPD", {"--ppd", runner.Dir().file("missing.ppd")}, "", "cannot read the PPD"},
        {"unparsable PPD", {"--ppd", broken}, "", "cannot read the PPD"},
        {"printer ID ..", {"--printer-id", ".."}, "", "bad printer ID"},
        {"printer ID with /", {"--printer-id", "a/b"}, "", "bad printer ID"},
        {"unknown panel", {}, "panel layout\n", "unknown panel \"layout\""},
        {"unknown tag", {}, "press 999\n", "no control with tag 999"},
        {"unknown keyword", {}, "choose InputSlot #1\n", "no control with PPD keyword InputSlot"},
        {"unknown title key", {}, "press \"No Such Title\"\n", "no control with title key \"No Such Title\""},
        {"unknown class", {}, "press @ProbeOKButton#2\n", "no control with @ProbeOKButton#2"},
        {"item past the menu", {}, "choose 11 #3\n", "no item #3"},
        {"unknown item", {}, "choose ProbeColor Purple\n", "no item Purple"},
        {"unknown item key", {}, "choose 11 \"Purple\"\n", "no item \"Purple\""},
        {"malformed action", {}, "frobnicate 10\n", "line 4: malformed action"},
        {"malformed check", {}, "check 10 maybe\n", "expected on or off"},
        {"unclosed quote", {}, "press \"Setup\n", "no closing quote"},
        {"window left open", {}, "press 13\ntype 20 12\n", "the window \"Probe Setup\" is still open"},
        {"unknown preset", {}, "preset load Nothing\n", "no preset \"Nothing\""},
        {"bundle that does not load", {"--plugins", badPlugins}, "", "does not load"},
        {"missing plug-in folder", {"--plugins", runner.Dir().file("none")}, "", "no plug-in folder"},
        {"unknown choice", {"-o", "ProbeColor=Purple"}, "", "has no choice Purple"},
        {"preset on the command line", {"--preset", "Nothing"}, "", "no preset \"Nothing\""},
        {"bad clock", {"QV_NOW"}, "", "QV_NOW is not a time"},
        {"command line", {"--copies", "0"}, "", "bad value for --copies"},
    };
    for (const BadInput& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<std::string> args = c.args;
        std::map<std::string, std::string> env;
        if (args == std::vector<std::string>{"QV_NOW"}) {
            args.clear();
            env["QV_NOW"] = "2026-02-30T10:00:00";
        }
        args.insert(args.end(), {"--dump", "--options"});
        const ProcessResult run = runner.Run(args, "panel features\ncheck 10 on\nsave\n" + c.scriptTail, env);
        EXPECT_EQ(run.status, 2) << run.err;
        EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(runner.DataFiles(), before);
    }
}

} // namespace
