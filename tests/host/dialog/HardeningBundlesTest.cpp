// printdialog with the driver's own bundles on PPDs and bundle resources
// that are not what they should be: a PPD without the driver's attributes or
// with an option of 500 choices, a window layout that is missing, names an
// unknown kind of control or an outlet no code knows, and localisation
// tables without a single key. The dialog never crashes, prints what the
// person chose where it can, and names what it could not use.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>

#include "DialogRun.h"
#include "tests/support/FileBytes.h"

namespace {

using dialog_test::DialogRunner;
using testing_support::ProcessResult;
namespace fs = std::filesystem;

const std::string kKZ63 = std::string(QV_DRIVER_PPD_DIR) + "/quorvel-kz63-color-mfp.ppd";
const char* const kSecureLayout = "accountpanel.plugin/Resources/ZKPrintTypeSecurePrintWindow.plist";
const std::string kSecureScript = "panel printtype\nchoose 101 \"Job Type Secure\"\ntype 1022 alice\n"
                                  "type 1026 1234\npress @SetupWndOKButton\nprint\n";

std::string OptionsLine(const ProcessResult& run) { return run.out.substr(0, run.out.find('\n')); }

bool Has(const std::string& options, const std::string& option)
{
    return options.find(option) != std::string::npos;
}

// The run went through and its options line holds each of `expected`.
void ExpectOptions(const ProcessResult& run, std::initializer_list<const char*> expected)
{
    ASSERT_EQ(run.status, 0) << run.err;
    for (const char* option : expected)
        EXPECT_TRUE(Has(OptionsLine(run), option)) << option << " in " << run.out;
}

// A copy of the build's two bundles (links resolved) that a test may damage.
std::string CopyOfBundles(const DialogRunner& runner)
{
    const std::string folder = runner.Dir().file("plugins");
    fs::create_directories(folder);
    for (const char* bundle : {"accountpanel.plugin", "featurepanel.plugin"})
        fs::copy(fs::canonical(std::string(QV_DRIVER_PLUGINS) + "/" + bundle), folder + "/" + bundle,
                 fs::copy_options::recursive);
    return folder;
}

std::string Replaced(std::string text, const std::string& from, const std::string& to)
{
    const size_t at = text.find(from);
    if (at != std::string::npos) text.replace(at, from.size(), to);
    return text;
}

TEST(HardeningBundlesTest, PpdWithoutTheDriversAttributesPrintsWithoutPanels)
{
    const DialogRunner runner;
    // Every attribute of the driver's own ("*QVName: value") and the filter line go.
    std::string ppd;
    std::ifstream in(kKZ63);
    for (std::string line; std::getline(in, line);)
        if (!std::regex_search(line, std::regex("^\\*(QV[A-Za-z0-9]*|cupsFilter2?):"))) ppd += line + "\n";
    const std::string path = runner.Dir().Write("plain.ppd", ppd);

    const ProcessResult run =
        runner.Run({"--ppd", path, "--plugins", QV_DRIVER_PLUGINS, "--options", "--dump"});
    ASSERT_EQ(run.status, 0) << run.err;
    // No panel sets anything: the job goes with the PPD's defaults.
    EXPECT_EQ(OptionsLine(run), "") << run.out;
    EXPECT_EQ(dialog_test::LastJson(run.out).at("panels").size(), 0u);
}

TEST(HardeningBundlesTest, OptionWithFiveHundredChoices)
{
    const DialogRunner runner;
    std::string extra;
    for (int i = 0; i < 500; ++i)
        extra += "*MediaType T" + std::to_string(i) + "/Type " + std::to_string(i) + ": \"\"\n";
    const std::string ppd = Replaced(testing_support::ReadFile(kKZ63), "*MediaType Stationary/Plain: \"\"\n",
                                     "*MediaType Stationary/Plain: \"\"\n" + extra);
    const std::string path = runner.Dir().Write("many.ppd", ppd);

    // The last choice, by its name and by its place in the list.
    for (const char* choice : {"T499", "#502"}) {
        SCOPED_TRACE(choice);
        ExpectOptions(runner.Run({"--ppd", path, "--plugins", QV_DRIVER_PLUGINS, "--options"},
                                 std::string("panel features\npage 5\nchoose MediaType ") + choice + "\n"),
                      {" MediaType='T499'"});
    }
}

TEST(HardeningBundlesTest, DamagedWindowLayoutIsNamedAndTheRestPrints)
{
    struct Case {
        const char* name;
        std::function<void(const std::string& layoutPath)> damage;
        const char* reason; // empty: the window still opens
    };
    const auto replacing = [](std::string from, std::string to) {
        return [=](const std::string& path) {
            testing_support::WriteFile(path, Replaced(testing_support::ReadFile(path), from, to));
        };
    };
    const std::vector<Case> cases = {
        {"missing", [](const std::string& path) { fs::remove(path); }, "the bundle has no layout"},
        {"unknown kind", replacing("<string>field</string>", "<string>slider</string>"),
         "has the unknown kind \"slider\""},
        {"not a property list",
         [](const std::string& path) { testing_support::WriteFile(path, "<plist><dict>"); },
         "is not a property list"},
        {"outlet no code knows", replacing("<string>UserIDTitle</string>", "<string>MysteryOutlet</string>"),
         ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const DialogRunner runner;
        const std::string plugins = CopyOfBundles(runner);
        c.damage(plugins + "/" + kSecureLayout);
        const std::string refusal = "the layout \"ZKPrintTypeSecurePrintWindow\" cannot be used";
        if (std::string(c.reason).empty()) {
            const ProcessResult run =
                runner.Run({"--ppd", kKZ63, "--plugins", plugins, "--options"}, kSecureScript);
            ExpectOptions(run, {"PrintTypeTicketKey='2'", "PrintTypeUserNameTicketKey='alice'"});
            EXPECT_EQ(run.err.find(refusal), std::string::npos) << run.err;
            continue;
        }
        // The secure window cannot open: the choice stays normal print, the
        // job prints, and the damaged layout is named with the reason.
        const ProcessResult run = runner.Run({"--ppd", kKZ63, "--plugins", plugins, "--options"},
                                             "panel printtype\nchoose 101 \"Job Type Secure\"\n"
                                             "panel features\npage 5\nchoose MediaType ThickPaper\nprint\n");
        ExpectOptions(run, {"PrintTypeTicketKey='1'", " MediaType='ThickPaper'"});
        EXPECT_NE(run.err.find(refusal), std::string::npos) << run.err;
        EXPECT_NE(run.err.find(c.reason), std::string::npos) << run.err;
    }
}

TEST(HardeningBundlesTest, LocalisationTablesWithoutAKey)
{
    const DialogRunner runner;
    const std::string plugins = CopyOfBundles(runner);
    int emptied = 0;
    for (const auto& entry : fs::recursive_directory_iterator(plugins))
        if (entry.path().extension() == ".strings")
            testing_support::WriteFile(entry.path().string(), ""), ++emptied;
    ASSERT_GE(emptied, 4);

    const ProcessResult run =
        runner.Run({"--ppd", kKZ63, "--plugins", plugins, "--options", "--dump"},
                   kSecureScript.substr(0, kSecureScript.size() - 6) +
                       "panel accounting\npress 1002\nchoose 3006 \"JBA Input Name\"\ntype 3007 acct01\n"
                       "type 3009 s3cr3t1\npress 3001\nprint\n");
    ExpectOptions(run, {"PrintTypeTicketKey='2'", "PrintTypeUserNameTicketKey='alice'",
                        "JBAUserIDTextEditTicket='acct01'"});
    // Texts without a translation read as the system says they do.
    EXPECT_TRUE(Has(run.out, "\"no translation\"")) << run.out.substr(0, 400);
}

} // namespace
