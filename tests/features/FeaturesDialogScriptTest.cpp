// The Features panel through printdialog, as a person uses it: scripts on
// the project's KZ63 PPD, the job options the dialog hands CUPS, and the PJL
// header spoolwrap writes from them.
#include <gtest/gtest.h>

#include "DialogRun.h"
#include "tests/support/ProcessRunner.h"

using dialog_test::DialogRunner;
using dialog_test::FindPanel;
using dialog_test::LastJson;

namespace {

// The Features control showing the option with the class.
const nlohmann::json* FeaturesControl(const nlohmann::json& snapshot, const std::string& keyword,
                                      const std::string& className)
{
    const nlohmann::json* panel = FindPanel(snapshot, "PrintFeaturesKind");
    if (panel == nullptr) return nullptr;
    for (const nlohmann::json& control : (*panel)["controls"])
        if (control["ppd"] == keyword && control["class"] == className) return &control;
    return nullptr;
}

std::vector<bool> ItemsEnabled(const nlohmann::json& control)
{
    std::vector<bool> enabled;
    for (const nlohmann::json& item : control["items"]) enabled.push_back(item["enabled"].get<bool>());
    return enabled;
}

} // namespace

TEST(FeaturesDialogScript, AConstraintGreysAStapleChoiceUntilTheMediaTypeChanges)
{
    const DialogRunner dialog;
    const testing_support::ProcessResult run =
        dialog.Run({"--script", "-"}, "panel features\n"
                                      "page 5\n"
                                      "choose MediaType Envelope\n"
                                      "page 6\n"
                                      "choose QVStaple LeftDoublePort\n"
                                      "dump\n"
                                      "page 5\n"
                                      "choose MediaType Stationary\n"
                                      "page 6\n"
                                      "choose QVStaple LeftDoublePort\n"
                                      "dump\n");
    ASSERT_EQ(run.status, 0) << run.err;
    // The refused choice is logged; after the media type changes it is taken.
    const std::size_t firstDump = run.out.find('\n');
    ASSERT_NE(firstDump, std::string::npos);
    const nlohmann::json greyed = LastJson(run.out.substr(0, firstDump + 1));
    const nlohmann::json lifted = LastJson(run.out);
    const nlohmann::json* staple = FeaturesControl(greyed, "QVStaple", "PFList");
    ASSERT_NE(staple, nullptr);
    EXPECT_EQ(ItemsEnabled(*staple), (std::vector<bool>{true, false, false, false}));
    EXPECT_EQ((*staple)["selected"], 0);
    staple = FeaturesControl(lifted, "QVStaple", "PFList");
    ASSERT_NE(staple, nullptr);
    EXPECT_EQ(ItemsEnabled(*staple), (std::vector<bool>{true, true, true, true}));
    EXPECT_EQ((*staple)["selected"], 2);
}

TEST(FeaturesDialogScript, MailboxChosenInThePrintTypePaneHoldsTheFeaturesOptions)
{
    const DialogRunner dialog;
    const std::string choices = "panel features\n"
                                "choose Jog EndOfSet\n"
                                "choose Smoothing Fine\n"
                                "page 5\n"
                                "choose MediaType Stationary\n"
                                "page 6\n"
                                "choose QVStaple LeftDoublePort\n";
    const testing_support::ProcessResult run =
        dialog.Run({"--script", "-", "--dump"}, choices + "panel printtype\n"
                                                          "choose 101 \"Job Type MBN\"\n"
                                                          "type 1041 12\n"
                                                          "press @SetupWndOKButton\n"
                                                          "panel features\n"
                                                          "print\n");
    ASSERT_EQ(run.status, 0) << run.err;
    const nlohmann::json snapshot = LastJson(run.out);
    for (const char* keyword : {"MediaType", "Jog", "Smoothing", "QVStaple"})
        EXPECT_EQ((*FeaturesControl(snapshot, keyword, "PFList"))["enabled"], false) << keyword;
    const std::string options = snapshot["options"].get<std::string>();
    EXPECT_NE(options.find("MediaType='Default'"), std::string::npos) << options;
    EXPECT_NE(options.find("QVStaple='None'"), std::string::npos) << options;
    EXPECT_NE(options.find("Jog='EndOfSet'"), std::string::npos) << options;
    EXPECT_NE(options.find("Smoothing='Fine'"), std::string::npos) << options;
}

TEST(FeaturesDialogScript, ChosenChoicesReachTheJobOptionsAndTheFiltersHeader)
{
    const DialogRunner dialog;
    const testing_support::ProcessResult run =
        dialog.Run({"--script", "-", "--options"}, "panel features\n"
                                                   "choose OutputBin FinisherTray\n"
                                                   "page 5\n"
                                                   "choose QVInputSlot 2ndTray\n"
                                                   "choose MediaType ThickPaper\n"
                                                   "page 6\n"
                                                   "choose QVStaple UpperLeftSinglePort\n"
                                                   "choose QVPunch True\n");
    ASSERT_EQ(run.status, 0) << run.err;
    const std::string options = run.out.substr(0, run.out.find('\n'));
    for (const char* expected :
         {"OutputBin='FinisherTray'", "QVInputSlot='2ndTray'", "MediaType='ThickPaper'",
          "QVStaple='UpperLeftSinglePort'", "QVPunch='True'"})
        EXPECT_NE(options.find(expected), std::string::npos) << expected << " in " << options;

    testing_support::ProcessRequest job;
    job.program = QV_SPOOLWRAP_BIN;
    job.args = {"42", "alice", "report", "1", options};
    job.env = {{"PPD", QV_PROBE_PPD}, {"TMPDIR", dialog.Dir().file("")}};
    job.cleanEnvironment = true;
    job.stdinData = "%PDF-1.4\n1 0 obj<<>>endobj\ntrailer<<>>\n%%EOF\n";
    const testing_support::ProcessResult filter = testing_support::RunProcess(job);
    ASSERT_EQ(filter.status, 0) << filter.err;
    const std::string header = filter.out.substr(0, filter.out.find("@PJL ENTER LANGUAGE=PDF"));
    for (const char* line : {"@PJL SET JOBATTR=\"@INPT=INTRAY2\"", "@PJL SET JOBATTR=\"@APSP=THICK\"",
                             "@PJL SET STAPLE=TOPLEFT", "@PJL SET PUNCH=LEFT"})
        EXPECT_NE(header.find(line), std::string::npos) << line << " in\n" << header;
}
