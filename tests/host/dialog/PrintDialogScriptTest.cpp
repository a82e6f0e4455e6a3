// printdialog driving the test bundle's panels from a script, as a person
// would: the JSON snapshot, the log and the job options of one run, the
// accounting-style window that print opens, and a print refused by a panel.
#include <gtest/gtest.h>

#include "DialogRun.h"

namespace {

using dialog_test::DialogRunner;
using dialog_test::EventNames;
using dialog_test::FindControl;
using dialog_test::FindPanel;
using dialog_test::LastJson;
using nlohmann::json;
using testing_support::ProcessResult;

constexpr const char* kPersonScript = R"(# a person's session with the Features panel
panel features
check 10 on
check 14 on
choose ProbeColor Black
type 12 1a2b3
step 15 up
press "Setup Button Title"
panel accounting
type 20 7
press @ProbeOKButton
type 20 77
press @ProbeOKButton
help
)";

TEST(PrintDialogScriptTest, DrivesThePanelsAndReportsWhatHappened)
{
    const DialogRunner runner;
    const ProcessResult run = runner.Run({"--options", "--dump"}, kPersonScript);
    ASSERT_EQ(run.status, 0) << run.err;

    // Two lines: the option string of the print step, then the snapshot.
    const std::string options = run.out.substr(0, run.out.find('\n'));
    for (const char* expected : {"ProbeColor='Black'", "com.lumeral.vrk.printsettings.ProbeCheckTicket='1'",
                                 "com.lumeral.vrk.printsettings.ProbeCodeTicket='123'",
                                 "com.lumeral.vrk.printsettings.ProbeNoteTicket='77'",
                                 "com.lumeral.vrk.printsettings.ProbeCountTicket='2'",
                                 "com.quorvel.test.PrintOrder='account,features'"})
        EXPECT_NE(options.find(expected), std::string::npos) << expected << " in " << options;
    EXPECT_EQ(options.find("ProbeLockedTicket='1'"), std::string::npos) << options;

    const json snapshot = LastJson(run.out);
    ASSERT_TRUE(snapshot.is_object()) << run.out;
    EXPECT_EQ(snapshot.at("options"), options);
    // Print order: the Account-kind panel first.
    ASSERT_EQ(snapshot.at("panels").size(), 2u);
    EXPECT_EQ(snapshot.at("panels")[0].at("name"), "Probe Account");
    const json* features = FindPanel(snapshot, "PrintFeaturesKind");
    ASSERT_NE(features, nullptr);
    EXPECT_EQ(features->at("name"), "Probe Features");
    EXPECT_EQ(features->at("summary"),
              json::parse(R"([["Probe Colour","Black & White"],["Probe Check","On"]])"));

    const json& controls = features->at("controls");
    const json* colour = FindControl(controls, 11);
    ASSERT_NE(colour, nullptr);
    EXPECT_EQ(*colour, json::parse(R"({"tag":11,"class":"ProbeColorList","ppd":"ProbeColor","title":"",
        "value":2,"selected":1,"enabled":true,"hidden":false,"group":null,"frame":[20.0,50.0,200.0,22.0],
        "items":[{"title":"Colour","key":"Color","enabled":true},
                 {"title":"Black & White","key":"Black","enabled":true}]})"));
    EXPECT_EQ(FindControl(controls, 10)->at("value"), 1);
    EXPECT_EQ(FindControl(controls, 10)->at("title"), "Two-sided");
    EXPECT_EQ(FindControl(controls, 12)->at("value"), "123");
    EXPECT_EQ(FindControl(controls, 14)->at("enabled"), false);
    EXPECT_EQ(FindControl(controls, 14)->at("value"), 0);
    EXPECT_EQ(FindControl(controls, 13)->at("selected"), nullptr);
    ASSERT_EQ(features->at("windows").size(), 1u);
    EXPECT_EQ(features->at("windows")[0].at("title"), "Probe Setup");
    EXPECT_EQ(features->at("windows")[0].at("open"), false);
    EXPECT_EQ(FindControl(features->at("windows")[0].at("controls"), 20)->at("value"), "77");

    // The log, in order: the refused check, the field's focus and its two
    // refused keystrokes, the window with its refused panel switch, the
    // alert that hands the focus back to the field, and the help page.
    const std::vector<std::string> expected = {"refused",       "focus",   "beep",          "beep",
                                               "window-opened", "refused", "focus",         "alert",
                                               "focus",         "focus",   "window-closed", "help"};
    EXPECT_EQ(EventNames(snapshot), expected) << snapshot.at("log").dump();
    const json& log = snapshot.at("log");
    EXPECT_EQ(log[0], json::parse(R"({"event":"refused","action":"check 14 on"})"));
    EXPECT_EQ(log[1], json::parse(R"({"event":"focus","tag":12})"));
    EXPECT_EQ(log[4], json::parse(R"({"event":"window-opened","title":"Probe Setup"})"));
    EXPECT_EQ(log[5], json::parse(R"({"event":"refused","action":"panel accounting"})"));
    EXPECT_EQ(
        log[7],
        json::parse(R"({"event":"alert","key":"Probe Digits Message","text":"Enter two to four digits."})"));
    EXPECT_EQ(log.back(), json::parse(R"({"event":"help","page":"probe.htm"})"));
}

TEST(PrintDialogScriptTest, PrintOpensTheAccountWindowAndACancelRefusesThePrint)
{
    struct Case {
        const char* answer;
        int status;
    };
    for (const Case& c : {Case{"type 40 1234\npress @ProbeOKButton\n", 0},
                          Case{"type 40 12\npress @ProbeCancelButton\n", 1}}) {
        SCOPED_TRACE(c.answer);
        const DialogRunner runner;
        const ProcessResult run = runner.Run({"-o", "com.quorvel.test.AskAtPrint=1", "--options", "--dump"},
                                             std::string("print\n") + c.answer + "dump\n");
        ASSERT_EQ(run.status, c.status) << run.err;
        const json snapshot = LastJson(run.out);
        ASSERT_TRUE(snapshot.is_object()) << run.out;
        EXPECT_EQ(snapshot.at("log")[0], json::parse(R"({"event":"window-opened","title":"Account PIN"})"));
        const bool printed = c.status == 0;
        // --options prints only after a print step that went through.
        EXPECT_EQ(run.out.find("ProbePinTicket='1234'") != std::string::npos, printed) << run.out;
        EXPECT_EQ(run.out.find("com.quorvel.test.PrintOrder='account,features'") != std::string::npos,
                  printed);
        EXPECT_EQ(run.err.find("refused") != std::string::npos, !printed) << run.err;
        // A refused print is no print to remember.
        EXPECT_EQ(runner.DataFiles().count(runner.DataDir() + "/printers/probe/LastUsedSettings.plist"),
                  printed ? 1u : 0u);
    }
}

} // namespace
