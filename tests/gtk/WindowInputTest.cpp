// The dialog's window driven by real input events on the virtual screen:
// the same choices made with the mouse and keyboard and by a script in the
// headless dialog give the same job options (with the clock and the
// machine's identity fixed); a greyed menu item cannot be chosen by a click;
// an alert stops a bad value and returns when its button is clicked; Cancel
// prints nothing and keeps nothing; without a display or a document the
// window mode says so.
#include <sys/stat.h>

#include <gtest/gtest.h>

#include <cstdlib>

#include "DialogRun.h"
#include "WindowRun.h"
#include "tests/support/FileBytes.h"
#include "tests/support/WaitUntil.h"

namespace {

using dialog_test::DialogRunner;
using gtk_test::Control;
using gtk_test::Gone;
using gtk_test::MenuItem;
using gtk_test::MenuItemAt;
using gtk_test::Named;
using gtk_test::NamedStarting;
using gtk_test::WindowRun;
using nlohmann::json;

const std::string kKz63 = std::string(QV_PPD_DIR) + "/quorvel-kz63-color-mfp.ppd";

const std::map<std::string, std::string> kFixedSeams = {{"QV_NOW", "2026-01-02T03:04:05"},
                                                        {"QV_HOST_NAME", "printhost"},
                                                        {"QV_COMPUTER_NAME", "Office Mac"},
                                                        {"QV_HOST_ADDRESSES", "192.0.2.7"}};

// The job options the headless dialog gives for the script.
std::string HeadlessOptions(const std::string& script)
{
    const DialogRunner runner;
    const testing_support::ProcessResult run = runner.Run({"--ppd", kKz63, "--options"}, script, kFixedSeams);
    EXPECT_EQ(run.status, 0) << run.err;
    return run.out;
}

// Opens the pop-up's menu and clicks the item; true once the menu has closed.
bool Choose(const WindowRun& window, const json& popup, const gtk_test::Finder& item)
{
    return window.ClickUntil(Control(popup), item) && window.ClickUntil(item, Gone(item));
}

// Shows the Features panel's page (1-based) through its group pop-up.
bool FeaturesPage(const WindowRun& window, int page)
{
    const json groups = {{"class", "PFGroupList"}};
    return window.ClickUntil(Named("pane:Printer Features"), Control(groups)) &&
           Choose(window, groups, MenuItemAt(groups, page - 1));
}

// Chooses secure print (its settings window opens at once), types the user
// name and puts the focus into the passcode field.
bool SecurePrintUpToThePasscode(const WindowRun& window)
{
    if (!window.ClickUntil(Named("pane:Print Type"), Control({{"tag", 101}})) ||
        !Choose(window, {{"tag", 101}}, MenuItem({{"tag", 101}}, "Job Type Secure")) ||
        !window.ClickOnce(Control({{"tag", 1022}})))
        return false;
    window.Type("alice");
    window.Key("Return");
    return window.WaitFor(Control({{"tag", 1022}, {"text", "alice"}})).has_value() &&
           window.ClickOnce(Control({{"tag", 1026}}));
}

} // namespace

TEST(WindowInput, ClicksAndKeysGiveTheJobOptionsTheSameScriptGivesHeadless)
{
    const DialogRunner runner;
    WindowRun window(runner, {"--ppd", kKz63, "--options"}, kFixedSeams);
    ASSERT_TRUE(SecurePrintUpToThePasscode(window));
    // The passcode's formatter refuses the letter: it beeps and is dropped.
    window.Type("12x34");
    window.Key("Return");
    EXPECT_TRUE(window.WaitFor(Control({{"tag", 1026}, {"text", "1234"}})));
    const json ok = {{"kind", "button"}, {"title", "OK"}, {"window", "Print Type Settings"}};
    ASSERT_TRUE(window.ClickUntil(Control(ok), Gone(Control({{"tag", 1022}}))));
    // Features: the colour mode on the seventh page.
    ASSERT_TRUE(FeaturesPage(window, 7));
    ASSERT_TRUE(
        Choose(window, {{"keyword", "QVColorMode"}}, MenuItem({{"keyword", "QVColorMode"}}, "Black")));
    ASSERT_TRUE(window.ClickOnce(Named("print")));
    const testing_support::ProcessResult& run = window.Finish();
    ASSERT_EQ(run.status, 0) << run.err;

    const std::string headless = HeadlessOptions("panel printtype\n"
                                                 "choose 101 \"Job Type Secure\"\n"
                                                 "type 1022 alice\n"
                                                 "type 1026 12x34\n"
                                                 "press @SetupWndOKButton\n"
                                                 "panel features\n"
                                                 "page 7\n"
                                                 "choose QVColorMode Black\n");
    EXPECT_EQ(run.out, headless);
    EXPECT_NE(run.out.find("QVColorMode='Black'"), std::string::npos);
    EXPECT_NE(run.out.find("PrintTypeUserNameTicketKey='alice'"), std::string::npos);
}

TEST(WindowInput, AnAlertWithTheBundlesIconStopsAShortPasscodeAndReturnsWhenClosed)
{
    const DialogRunner runner;
    WindowRun window(runner, {"--ppd", kKz63, "--options"}, kFixedSeams);
    ASSERT_TRUE(SecurePrintUpToThePasscode(window));
    window.Type("12");
    window.Key("Return");
    const json ok = {{"kind", "button"}, {"title", "OK"}, {"window", "Print Type Settings"}};
    const gtk_test::Finder alert = Named("alert-text:The passcode must have 4 to 12 digits (0 to 9).");
    ASSERT_TRUE(window.ClickUntil(Control(ok), alert));
    EXPECT_TRUE(window.WaitFor(Named("alert-icon")));
    // Its button ends the alert; the settings window stays for a better passcode.
    ASSERT_TRUE(window.ClickUntil(NamedStarting("alert-button:"), Gone(alert)));
    ASSERT_TRUE(window.ClickOnce(Control({{"tag", 1026}})));
    window.Key("ctrl+a");
    window.Type("1234");
    window.Key("Return");
    ASSERT_TRUE(window.WaitFor(Control({{"tag", 1026}, {"text", "1234"}})));
    ASSERT_TRUE(window.ClickUntil(Control(ok), Gone(Control({{"tag", 1026}}))));
    ASSERT_TRUE(window.ClickOnce(Named("print")));
    const testing_support::ProcessResult& run = window.Finish();
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, HeadlessOptions("panel printtype\n"
                                       "choose 101 \"Job Type Secure\"\n"
                                       "type 1022 alice\n"
                                       "type 1026 12\n"
                                       "press @SetupWndOKButton\n"
                                       "type 1026 1234\n"
                                       "press @SetupWndOKButton\n"));
}

TEST(WindowInput, AGreyedMenuItemCannotBeChosenByAClick)
{
    const DialogRunner runner;
    WindowRun window(runner, {"--ppd", kKz63, "--options"}, kFixedSeams);
    // An envelope cannot be stapled: the staple choices grey.
    ASSERT_TRUE(FeaturesPage(window, 5));
    ASSERT_TRUE(Choose(window, {{"keyword", "MediaType"}}, MenuItem({{"keyword", "MediaType"}}, "Envelope")));
    ASSERT_TRUE(FeaturesPage(window, 6));
    const json staple = {{"keyword", "QVStaple"}};
    const gtk_test::Finder greyed = MenuItem(staple, "LeftDoublePort");
    ASSERT_TRUE(window.ClickUntil(Control(staple), greyed));
    const std::optional<json> before = window.WaitFor(Control(staple));
    ASSERT_TRUE(before);
    const json& items = (*before)["items"];
    const auto item =
        std::find_if(items.begin(), items.end(), [](const json& i) { return i["key"] == "LeftDoublePort"; });
    ASSERT_NE(item, items.end());
    EXPECT_EQ((*item)["enabled"], false);
    const int selected = (*before)["selected"];

    // The click lands on the greyed item: the menu stays open, nothing is chosen.
    ASSERT_TRUE(window.ClickOnce(greyed));
    std::this_thread::sleep_for(std::chrono::seconds(1));
    EXPECT_TRUE(gtk_test::MenuItem(staple, "LeftDoublePort")(window.Map()));
    EXPECT_EQ(window.WaitFor(Control(staple)).value()["selected"], selected);
    window.Key("Escape");
    ASSERT_TRUE(window.WaitFor(Gone(greyed)));
    ASSERT_TRUE(window.ClickOnce(Named("print")));
    const testing_support::ProcessResult& run = window.Finish();
    ASSERT_EQ(run.status, 0) << run.err;
    // The same as a script whose choice of the greyed item is refused.
    EXPECT_EQ(run.out, HeadlessOptions("panel features\n"
                                       "page 5\n"
                                       "choose MediaType Envelope\n"
                                       "page 6\n"
                                       "choose QVStaple LeftDoublePort\n"));
    EXPECT_NE(run.out.find("QVStaple='None'"), std::string::npos);
}

TEST(WindowInput, APresetSavedFromTheMenuAndTheLastUsedSettingsAreTheHeadlessDialogs)
{
    const DialogRunner runner;
    WindowRun window(runner, {"--ppd", kKz63, "--options"}, kFixedSeams);
    ASSERT_TRUE(FeaturesPage(window, 7));
    ASSERT_TRUE(
        Choose(window, {{"keyword", "QVColorMode"}}, MenuItem({{"keyword", "QVColorMode"}}, "Black")));
    ASSERT_TRUE(window.ClickUntil(Named("presets"), Named("preset-save")));
    // The name goes into the prompt's field, which has the focus.
    ASSERT_TRUE(window.ClickUntil(Named("preset-save"), Gone(Named("preset-save"))));
    std::this_thread::sleep_for(std::chrono::seconds(1));
    window.Type("mono");
    window.Key("Return");
    // The menu lists the new preset.
    ASSERT_TRUE(window.ClickUntil(Named("presets"), Named("preset:mono")));
    window.Key("Escape");
    ASSERT_TRUE(window.WaitFor(Gone(Named("preset:mono"))));
    ASSERT_TRUE(window.ClickOnce(Named("print")));
    const testing_support::ProcessResult& run = window.Finish();
    ASSERT_EQ(run.status, 0) << run.err;

    // The headless dialog on the same data folder starts from the window's
    // last used settings, and finds its preset.
    const testing_support::ProcessResult lastUsed =
        runner.Run({"--ppd", kKz63, "--options"}, "", kFixedSeams);
    ASSERT_EQ(lastUsed.status, 0) << lastUsed.err;
    EXPECT_EQ(lastUsed.out, run.out);
    const testing_support::ProcessResult preset =
        runner.Run({"--ppd", kKz63, "--options", "--preset", "mono"}, "", kFixedSeams);
    ASSERT_EQ(preset.status, 0) << preset.err;
    EXPECT_NE(preset.out.find("QVColorMode='Black'"), std::string::npos);
}

TEST(WindowInput, AHelpButtonOpensItsPageInTheDesktopsBrowser)
{
    const DialogRunner runner;
    // The desktop's opener, standing in: it notes what it was asked to open.
    const std::string opened = runner.Dir().file("opened");
    const std::string bin = runner.Dir().file("bin");
    runner.Dir().Write("bin/xdg-open", "#!/bin/sh\nprintf '%s\\n' \"$1\" >> '" + opened + "'\n");
    ASSERT_EQ(chmod((bin + "/xdg-open").c_str(), 0755), 0);
    std::map<std::string, std::string> env = kFixedSeams;
    env["PATH"] = bin + ":" + std::getenv("PATH");
    WindowRun window(runner, {"--ppd", kKz63, "--options"}, env);
    ASSERT_TRUE(window.ClickUntil(Named("pane:Print Type"), Control({{"outlet", "PrintTypeHelpButton"}})));
    ASSERT_TRUE(window.ClickOnce(Control({{"outlet", "PrintTypeHelpButton"}})));
    std::error_code missing;
    std::string page;
    EXPECT_TRUE(testing_support::WaitUntil(
        [&] { return !(page = testing_support::ReadFile(opened, missing)).empty(); },
        std::chrono::seconds(10)));
    EXPECT_TRUE(page.starts_with("file:///")) << page;
    EXPECT_NE(page.find("accountpanel.plugin/Resources/"), std::string::npos) << page;
    EXPECT_NE(page.find(".htm"), std::string::npos) << page;
    ASSERT_TRUE(window.ClickOnce(Named("cancel")));
    EXPECT_EQ(window.Finish().status, 1);
}

TEST(WindowInput, CancelPrintsNothingAndKeepsNoSettings)
{
    const DialogRunner runner;
    WindowRun window(runner, {"--ppd", kKz63, "--options"}, kFixedSeams);
    ASSERT_TRUE(window.ClickOnce(Named("cancel")));
    const testing_support::ProcessResult& run = window.Finish();
    EXPECT_EQ(run.status, 1) << run.err;
    EXPECT_EQ(run.out, "");
    for (const auto& [path, bytes] : runner.DataFiles())
        EXPECT_EQ(path.find("LastUsedSettings"), std::string::npos) << path;
}

TEST(WindowInput, AMissingDocumentOrDisplayEndsTheWindowModeWithAMessage)
{
    const DialogRunner runner;
    const testing_support::ProcessResult missing =
        runner.Run({runner.Dir().file("missing.pdf"), "--ppd", kKz63}, "", gtk_test::ScreenEnvironment());
    EXPECT_EQ(missing.status, 2);
    EXPECT_NE(missing.err.find("cannot read the document"), std::string::npos) << missing.err;

    std::map<std::string, std::string> env = gtk_test::ScreenEnvironment();
    env["DISPLAY"] = "";
    env["WAYLAND_DISPLAY"] = "";
    const testing_support::ProcessResult run = runner.Run({"--window", "--ppd", kKz63}, "", env);
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find("cannot open the display"), std::string::npos) << run.err;
}
