// A person's choices in both extensions, from printdialog through a queue of
// a private cupsd to what the printer receives: every header line in order,
// the PDF bytes and the trailer.
#include "DialogRoad.h"
#include "ExpectedHeader.h"
#include "PrivateCupsd.h"
#include "tests/support/FileBytes.h"

#include <gtest/gtest.h>

#include <sstream>

using testing_support::ProcessResult;
using testing_support::ReadFile;

namespace {

// Passwords travel enciphered with the hold key "dmrk" and in Base64, as the
// panes write them: "1234" is "VV9BXw==", "s3cr3t1" is "F14RGVcZQw==",
// "pw 12" is "FBpSWlY=" and "5678" is "UVtFUw==".
const std::string kCipher1234 = "VV9BXw==";
const std::string kCipherS3cr3t1 = "F14RGVcZQw==";

const char* const kSampleScript = "panel printtype\n"
                                  "choose 101 \"Job Type Sample\"\n"
                                  "type 1012 bob\n"
                                  "press @SetupWndOKButton\n";

// The user settings window of the Job Accounting pane set to ask for the
// accounting user at every print; the input window then opens at print time.
const char* const kInputAtPrintTime = "panel accounting\n"
                                      "press 1002\n"
                                      "radio 3017\n"
                                      "press 3001\n"
                                      "print\n";

void ExpectJob(const ReceivedJob& job, const HeaderShape& shape)
{
    ASSERT_TRUE(job.framed) << job.problem;
    const std::string pdf = ReadFile(std::string(QV_SOURCE_DIR) + "/samples/sample.pdf");
    EXPECT_TRUE(SameBytes(job.pdf, pdf));
    EXPECT_EQ(job.trailer, kTrailer);
    EXPECT_EQ(JoinLines(job.headerLines), JoinLines(ExpectedKZ63Header(shape, pdf.size())));
}

// A job the dialog prints with the title "Quarterly report": the Print Type
// pane's default document name is the title, which the printer lists. No
// page size was chosen, so the printer takes its own.
HeaderShape DialogJob(std::vector<std::string> holdLines = {})
{
    HeaderShape shape;
    shape.documentName = "Quarterly report";
    shape.paperLines = {};
    shape.holdLines = std::move(holdLines);
    shape.holdLines.push_back(SetLine("JOBNAME", "\"Quarterly report\""));
    return shape;
}

std::string Value(const std::map<std::string, std::string>& options, const std::string& name)
{
    const auto found = options.find(name);
    return found == options.end() ? "(absent)" : found->second;
}

} // namespace

TEST_F(DialogRoad, FinishingChosenInTheFeaturesPanelReachesThePrinter)
{
    const ReceivedJob job = PrintSample("panel features\n"
                                        "page 5\n"
                                        "choose QVInputSlot 2ndTray\n"
                                        "choose MediaType ThickPaper\n"
                                        "page 6\n"
                                        "choose QVStaple LeftDoublePort\n"
                                        "choose QVPunch True\n");
    HeaderShape shape = DialogJob();
    // A media type other than plain names the tray as an attribute.
    shape.sourceLines = {AttrLine("INPT", "INTRAY2")};
    shape.mediaTypeLines = {AttrLine("APSP", "THICK")};
    // Punched and stapled: the punch first, then the staple.
    shape.finishingLines = {SetLine("PUNCH", "LEFT"), SetLine("FINISH", "ON"), SetLine("STAPLE", "LEFTDUAL")};
    ExpectJob(job, shape);
}

// The shipped script of scripts/main-job.sh: secure print held for alice with
// her passcode under the name "Q1 report", charged to the accounting user
// acct01, paper from tray 2, stapled and punched.
TEST_F(DialogRoad, SecurePrintWithAccountingFromTheShippedScript)
{
    const ReceivedJob job = PrintSample(ReadFile(SampleScript("secure-print.script")));
    HeaderShape shape = DialogJob();
    shape.user = "acct01";
    shape.password = kCipherS3cr3t1;
    shape.holdLines = {SetLine("HOLD", "STORE"), SetLine("HOLDTYPE", "PRIVATE"),
                       SetLine("HOLDKEY", "\"" + kCipher1234 + "\""), SetLine("USERNAME", "\"alice\""),
                       SetLine("JOBNAME", "\"Q1 report\"")};
    shape.sourceLines = {SetLine("MEDIASOURCE", "TRAY2")};
    shape.finishingLines = {SetLine("PUNCH", "LEFT"), SetLine("FINISH", "ON"), SetLine("STAPLE", "TOPLEFT")};
    ExpectJob(job, shape);
}

TEST_F(DialogRoad, SamplePrintIsHeldAsAProof)
{
    const ReceivedJob job = PrintSample(kSampleScript);
    ExpectJob(job, DialogJob({SetLine("HOLD", "PROOF"), SetLine("USERNAME", "\"bob\"")}));
}

// The mailbox number and its passcode travel in the job options; the job is
// no held job at the printer, so its header holds no hold commands.
TEST_F(DialogRoad, MailboxPrintCarriesItsNumberInTheJobOptionsOnly)
{
    int id = 0;
    const ReceivedJob job = PrintSample("panel printtype\n"
                                        "choose 101 \"Job Type MBN\"\n"
                                        "type 1041 12\n"
                                        "type 1042 5678\n"
                                        "press @SetupWndOKButton\n",
                                        {}, &id);
    ExpectJob(job, DialogJob());
    const auto options = FilterOptions(id);
    EXPECT_EQ(Value(options, SettingsKey("PrintTypeTicketKey")), "5");
    EXPECT_EQ(Value(options, SettingsKey("PrintTypeMBNTicketKey")), "12");
    EXPECT_EQ(Value(options, SettingsKey("PrintTypeMBNPasswordTicketKey")), "UVtFUw==");
}

// Confirmed, the input window's user and password make a first owner block;
// the final one carries the saved user settings (none here: the CUPS user).
TEST_F(DialogRoad, AccountingInputAtPrintTimeConfirmed)
{
    const ReceivedJob job =
        PrintSample(std::string(kInputAtPrintTime) + "type 4006 acct7\ntype 4008 pw 12\npress 4001\n");
    HeaderShape shape = DialogJob();
    shape.firstOwner = OwnerBlock{"acct7", "FBpSWlY="};
    ExpectJob(job, shape);
}

// Cancelled, the input window refuses the print: printdialog ends with 1 and
// cupsd never sees a job.
TEST_F(DialogRoad, AccountingInputAtPrintTimeCancelledSubmitsNothing)
{
    const ProcessResult run = Dialog(std::string(kInputAtPrintTime) + "type 4006 acct7\npress 4002\n",
                                     {"--print", SamplePdf(), "--title", "Quarterly report"});
    EXPECT_EQ(run.status, 1) << run.err;
    EXPECT_EQ(run.err.find("submitted"), std::string::npos) << run.err;
    EXPECT_EQ(AllJobs(), "");
    EXPECT_EQ(printer_.Accepted(), 0u);
    EXPECT_EQ(cupsd_->ErrorLog().find("[Job "), std::string::npos);
}

// A preset saved in one run (which prints nothing) starts the next.
TEST_F(DialogRoad, PresetSavedInOneRunIsUsedInTheNext)
{
    const ProcessResult save = Dialog(std::string(kSampleScript) + "panel features\n"
                                                                   "page 6\n"
                                                                   "choose QVStaple TopDoublePort\n"
                                                                   "preset save Proofs\n");
    ASSERT_EQ(save.status, 0) << save.err;
    EXPECT_EQ(AllJobs(), "");

    HeaderShape shape = DialogJob({SetLine("HOLD", "PROOF"), SetLine("USERNAME", "\"bob\"")});
    shape.finishingLines = {SetLine("FINISH", "ON"), SetLine("STAPLE", "TOPDUAL")};
    ExpectJob(PrintSample("", {"--preset", "Proofs"}), shape);
}

// What the queue's saved options (lpoptions) choose is the dialog's starting
// point: its job options show them, and a print without a change carries them.
TEST_F(DialogRoad, OptionsSavedWithLpoptionsAreTheDialogsDefaults)
{
    const ProcessResult saved =
        cupsd_->Run({"lpoptions",
                     {"-p", "kz63", "-o", "media=A3", "-o", "QVInputSlot=3rdTray", "-o", "MediaType=Envelope",
                      "-o", "QVPunch=True", "-o", SettingsKey("PrintTypeTicketKey") + "=3", "-o",
                      SettingsKey("PrintTypeUserNameTicketKey") + "=carol"}});
    ASSERT_EQ(saved.status, 0) << saved.err;

    const ProcessResult shown = Dialog("", {"--options"});
    ASSERT_EQ(shown.status, 0) << shown.err;
    for (const std::string& option :
         {std::string("QVInputSlot='3rdTray'"), std::string("MediaType='Envelope'"),
          std::string("QVPunch='True'"), SettingsKey("PrintTypeTicketKey") + "='3'",
          SettingsKey("PrintTypeUserNameTicketKey") + "='carol'"})
        EXPECT_NE(shown.out.find(option), std::string::npos) << option << " in " << shown.out;

    HeaderShape shape = DialogJob({SetLine("HOLD", "PROOF"), SetLine("USERNAME", "\"carol\"")});
    shape.sourceLines = {AttrLine("INPT", "INTRAY3")};
    shape.paperLines = {SetLine("PAPER", "A3")};
    shape.mediaTypeLines = {AttrLine("APSP", "ENVELOPE")};
    shape.finishingLines = {SetLine("FINISH", "ON"), SetLine("PUNCH", "LEFT")};
    ExpectJob(PrintSample(""), shape);
}

// A job that fails in cupsd leaves the filter's reason in the error log as an
// error ("E"), which CUPS logs at its default level too: a damaged PDF whose
// page set needs pdftopdf cannot be prepared.
TEST_F(DialogRoad, AFailedJobsReasonIsAnErrorInTheCupsLog)
{
    const int id = Submit("", std::string(QV_TEST_DATA) + "/broken.pdf", {"-o", "page-set=odd"});
    ASSERT_GT(id, 0);
    const JobStatus status = cupsd_->WaitForJob(id, 60);
    EXPECT_NE(status.stateName, "completed");
    const std::string lines = JobLogLines(cupsd_->ErrorLog(), id);
    // The level is the first letter of a log line.
    const std::string reason = "[Job " + std::to_string(id) + "] Process Data fail";
    std::string levels;
    std::istringstream in(lines);
    for (std::string line; std::getline(in, line);)
        if (line.size() > reason.size() &&
            line.compare(line.size() - reason.size(), reason.size(), reason) == 0)
            levels += line.front();
    EXPECT_EQ(levels, "E") << lines;
    EXPECT_EQ(printer_.Accepted(), 0u);
}
