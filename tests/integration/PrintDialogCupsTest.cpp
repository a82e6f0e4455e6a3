// printdialog against a queue of a private cupsd: the destination's saved
// options (lpoptions) start the dialog, marking the PPD as lp would, below
// the command line's -o; and --print hands the job to CUPS, which runs the
// driver with the dialog's options.
#include "CupsdTest.h"
#include "PrinterListener.h"
#include "PrivateCupsd.h"
#include "ReceivedJob.h"
#include "tests/support/ProcessRunner.h"

#include <gtest/gtest.h>

#include <algorithm>

using testing_support::DescribeProcess;
using testing_support::ProcessResult;

namespace {

const std::string kPrefix = "com.lumeral.vrk.printsettings.";

class PrintDialogCups : public CupsdTest {
protected:
    // printdialog on the queue without extensions, so the options are the
    // starting values alone.
    ProcessResult Dialog(std::vector<std::string> args) const
    {
        const std::vector<std::string> common = {"--dest",     "kz63",
                                                 "--plugins",  rootDir_.file("no-plugins"),
                                                 "--data-dir", rootDir_.file("dialog-data")};
        args.insert(args.begin(), common.begin(), common.end());
        return cupsd_->Run({QV_PRINTDIALOG, args});
    }
};

bool Has(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

TEST_F(PrintDialogCups, SavedOptionsStartTheDialogAndThePrintGoesThroughCups)
{
    StartCupsd();
    PrinterListener printer;
    ASSERT_EQ(cupsd_->AddQueue("kz63", "Quorvel/quorvel-kz63-color-mfp.ppd", printer.DeviceUri()), "");
    rootDir_.Write("no-plugins/.keep", "");
    // What an administrator or the user saved for the queue: a PPD option, a
    // name lp maps to a PPD option (media), print-settings keys, a job
    // attribute of IPP's own, and a pane's reference key (printer ID first).
    const ProcessResult saved = cupsd_->Run(
        {"lpoptions",
         {"-p", "kz63", "-o", "Duplex=DuplexNoTumble", "-o", "media=A3", "-o",
          kPrefix + "DocumentNameTypeTicketKey=2", "-o", kPrefix + "DocumentNameTicketKey='Board minutes'",
          "-o", "job-priority=70", "-o", "kz63" + kPrefix + "JBAManageTypeListReference=1"}});
    ASSERT_EQ(saved.status, 0) << saved.err;

    const ProcessResult start = Dialog({"--options"});
    ASSERT_EQ(start.status, 0) << start.err;
    EXPECT_TRUE(Has(start.out, "Duplex='DuplexNoTumble'")) << start.out;
    EXPECT_TRUE(Has(start.out, "PageSize='A3'")) << start.out;
    EXPECT_TRUE(Has(start.out, kPrefix + "DocumentNameTicketKey='Board minutes'")) << start.out;
    EXPECT_FALSE(Has(start.out, "media=")) << start.out;
    EXPECT_FALSE(Has(start.out, "job-priority")) << start.out;
    EXPECT_FALSE(Has(start.out, "printer-")) << start.out;
    EXPECT_TRUE(Has(start.out, "kz63" + kPrefix + "JBAManageTypeListReference='1'")) << start.out;

    // -o lies over the saved options; printed, it becomes the last used.
    const ProcessResult over = Dialog({"-o", "Duplex=DuplexTumble", "--options"});
    ASSERT_EQ(over.status, 0) << over.err;
    EXPECT_TRUE(Has(over.out, "Duplex='DuplexTumble'")) << over.out;
    EXPECT_FALSE(Has(over.out, "DuplexNoTumble")) << over.out;

    // The last used choice lies over the saved options too; the saved
    // document name reaches the filter as a job option.
    const ProcessResult print = Dialog({"--print", std::string(QV_TEST_DATA) + "/five-pages.pdf", "--title",
                                        "Minutes", "-o", kPrefix + "JBAMacHostNameStringTicket=WS-ALICE"});
    ASSERT_EQ(print.status, 0) << print.err;
    const std::vector<std::string> jobs = printer.WaitForJobs(1, 60);
    ASSERT_EQ(jobs.size(), 1u) << cupsd_->ErrorLog();
    const ReceivedJob job = SplitJob(jobs.front());
    ASSERT_TRUE(job.framed) << job.problem;
    const auto line = [&job](const std::string& text) {
        return std::find(job.headerLines.begin(), job.headerLines.end(), text) != job.headerLines.end();
    };
    EXPECT_TRUE(line(SetLine("DUPLEX", "ON"))) << JoinLines(job.headerLines);
    EXPECT_TRUE(line(SetLine("BINDING", "SHORTEDGE"))) << JoinLines(job.headerLines);
    EXPECT_TRUE(line(SetLine("JOBNAME", "\"Board minutes\""))) << JoinLines(job.headerLines);
    EXPECT_TRUE(line(AttrLine("CNAM", "WS-ALICE"))) << JoinLines(job.headerLines);
}

} // namespace
