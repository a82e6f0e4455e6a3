// The driver as CUPS runs it: installed with `cmake --install`, a queue made
// with lpadmin from an installed PPD, jobs printed with lp through a private
// cupsd, and what a listener on 127.0.0.1 that plays the printer received.
#include "CupsdTest.h"
#include "ExpectedHeader.h"
#include "LargePdf.h"
#include "PrinterListener.h"
#include "PrivateCupsd.h"
#include "ProcessTree.h"
#include "ReceivedJob.h"
#include "tests/support/FileBytes.h"
#include "tests/support/ProcessRunner.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <sys/prctl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <memory>

using testing_support::DescribeProcess;
using testing_support::ProcessRequest;
using testing_support::ProcessResult;
using testing_support::ReadFile;
using testing_support::RunProcess;
using testing_support::TempDir;
using testing_support::WriteFile;

namespace {

const std::string kPrefix = "com.lumeral.vrk.printsettings.";
const std::string kKZ63 = "Quorvel/quorvel-kz63-color-mfp.ppd";

// Jobs that may wait for pdftopdf and a socket connection still end quickly.
constexpr int kJobTimeoutSeconds = 60;

// The date, time, host name and address of the owner block come from the
// print-settings keys, so every run writes the same header.
std::vector<std::string> FixedIdentity()
{
    return {kPrefix + "JBAPllrPrintDateTicketKey=03/15/2025", kPrefix + "JBAPllrPrintTimeTicketKey=09:08:07",
            kPrefix + "JBAMacHostNameStringTicket=WS-ALICE", kPrefix + "JBAIPAddressStringTicket=I0A01C80F"};
}

std::vector<std::string> With(std::vector<std::string> options, const std::vector<std::string>& more)
{
    options.insert(options.end(), more.begin(), more.end());
    return options;
}

std::string DataFile(const std::string& name) { return std::string(QV_TEST_DATA) + "/" + name; }

// The lines every job's header holds whatever its options: the framing that
// CUPS and the printer rely on.
void ExpectFraming(const ReceivedJob& job, const std::string& codeSet = "\"UTF8\"")
{
    ASSERT_TRUE(job.framed) << job.problem;
    ASSERT_GE(job.headerLines.size(), 6u);
    EXPECT_EQ(job.headerLines[0], kUEL + "@PJL JOB MODE=PRINTER");
    EXPECT_EQ(job.headerLines[1], SetLine("STRINGCODESET", codeSet));
    EXPECT_EQ(job.headerLines[2], CommentLine("begin"));
    EXPECT_EQ(job.headerLines[3], CommentLine("Version:4.00"));
    const size_t n = job.headerLines.size();
    EXPECT_EQ(job.headerLines[n - 2], AttrLine("FSIZ", std::to_string(job.pdf.size())));
    EXPECT_EQ(job.headerLines[n - 1], "@PJL ENTER LANGUAGE=PDF");
    EXPECT_EQ(job.trailer, kTrailer);
}

// Text of one page of a PDF, through poppler's pdftotext.
std::string PageText(const std::string& pdfPath, int page)
{
    const std::string p = std::to_string(page);
    const ProcessResult r =
        RunProcess({.program = "pdftotext", .args = {"-f", p, "-l", p, pdfPath, "-"}, .timeoutSeconds = 60});
    std::string text = r.out;
    while (!text.empty() && (text.back() == '\n' || text.back() == '\f' || text.back() == ' '))
        text.pop_back();
    return text;
}

int PageCount(const std::string& pdfPath)
{
    const ProcessResult r =
        RunProcess({.program = "qpdf", .args = {"--show-npages", pdfPath}, .timeoutSeconds = 60});
    return r.status == 0 ? std::atoi(r.out.c_str()) : -1;
}

void SleepMs(int ms)
{
    timespec ts{ms / 1000, (ms % 1000) * 1000000L};
    nanosleep(&ts, nullptr);
}

class CupsDriver : public CupsdTest {
protected:
    // Adds a queue and fails the test when lpadmin refuses.
    void AddQueue(const std::string& name, const std::string& model, const PrinterListener& printer,
                  const std::vector<std::string>& extra = {})
    {
        ASSERT_TRUE(printer.ok());
        const std::string problem = cupsd_->AddQueue(name, model, printer.DeviceUri(), extra);
        ASSERT_EQ(problem, "");
    }

    int Print(const std::string& queue, const std::string& file, const std::string& title,
              const std::vector<std::string>& options, int copies = 0)
    {
        std::string error;
        const int id = cupsd_->Print(queue, file, title, options, &error, copies);
        EXPECT_GT(id, 0) << error;
        return id;
    }

    // Prints one job, waits until it is done and returns what the printer got.
    ReceivedJob PrintAndReceive(PrinterListener& printer, const std::string& queue, const std::string& file,
                                const std::string& title, const std::vector<std::string>& options,
                                int copies = 0)
    {
        const size_t before = printer.Connections();
        const int id = Print(queue, file, title, options, copies);
        if (id <= 0) return {};
        const JobStatus status = cupsd_->WaitForJob(id, kJobTimeoutSeconds);
        EXPECT_EQ(status.stateName, "completed") << "reasons: " << status.reasons << "\n"
                                                 << JobLogLines(cupsd_->ErrorLog(), id);
        const std::vector<std::string> jobs = printer.WaitForJobs(before + 1, kJobTimeoutSeconds);
        if (jobs.size() <= before) {
            ADD_FAILURE() << "the printer received nothing for job " << id;
            return {};
        }
        return SplitJob(jobs.back());
    }

    // Files left in the filters' TMPDIR (cupsd's spool/tmp), one per line.
    std::string CupsdTempFiles() const { return JoinLines(TempFiles()); }

    // Processes still running below this test process other than cupsd
    // itself, once they have had five seconds to end.
    std::vector<std::string> LeftoverProcesses() const
    {
        std::vector<std::string> leftovers;
        for (int tries = 0; tries < 50; ++tries) {
            leftovers = OtherProcesses();
            if (leftovers.empty()) break;
            SleepMs(100);
        }
        return leftovers;
    }
};

// ---------------------------------------------------------------------------
// Installation

TEST_F(CupsDriver, InstallPutsTheFilterAndPpdsWhereCupsAcceptsThem)
{
    struct stat st {};
    ASSERT_EQ(stat(driver_.filter.c_str(), &st), 0);
    // CUPS refuses a filter that group or others may write.
    EXPECT_EQ(st.st_mode & 07777, 0755u);
    EXPECT_EQ(std::filesystem::path(driver_.ppdFolder).filename(), "Quorvel");
    for (const std::string name :
         {"quorvel-kz63-color-mfp.ppd", "quorvel-rx42-mfp.ppd", "quorvel-wt74-printer.ppd"}) {
        const std::string installed = driver_.ppdFolder + "/" + name;
        ASSERT_EQ(stat(installed.c_str(), &st), 0) << installed;
        EXPECT_EQ(st.st_mode & 07777, 0644u) << name;
        EXPECT_EQ(ReadFile(installed), ReadFile(std::string(QV_SOURCE_DIR) + "/ppd/" + name)) << name;
    }
    // The filter folder is the CUPS program folder's filter/, the PPD folder
    // its data folder's model/Quorvel.
    EXPECT_EQ(std::filesystem::path(driver_.filter).parent_path().filename(), "filter");
    EXPECT_EQ(std::filesystem::path(driver_.ppdFolder).parent_path().filename(), "model");
    // The install ran with umask 077; the folders it made must still be open
    // to cupsd's unprivileged user and closed to writers other than root.
    for (std::filesystem::path dir :
         {std::filesystem::path(driver_.filter).parent_path(), std::filesystem::path(driver_.ppdFolder)}) {
        for (; dir.string().size() > (root_ + "/stage").size(); dir = dir.parent_path()) {
            ASSERT_EQ(stat(dir.c_str(), &st), 0) << dir;
            EXPECT_EQ(st.st_mode & 07777, 0755u) << dir;
        }
    }
}

TEST_F(CupsDriver, LpinfoListsEveryPpdUnderTheVendorFolder)
{
    StartCupsd();
    // cups-driverd reads every PPD on the machine the first time: give it time.
    const ProcessResult r = cupsd_->Run({"lpinfo", {"-m"}}, 180);
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("Quorvel/quorvel-kz63-color-mfp.ppd Quorvel KZ63 Color MFP\n"), std::string::npos);
    EXPECT_NE(r.out.find("Quorvel/quorvel-rx42-mfp.ppd Quorvel RX42 MFP\n"), std::string::npos);
    EXPECT_NE(r.out.find("Quorvel/quorvel-wt74-printer.ppd Quorvel WT74 Printer\n"), std::string::npos);
}

// Every shipped PPD makes a queue with lpadmin -m that prints, each in its
// printer's code set.
TEST_F(CupsDriver, EveryShippedPpdMakesAWorkingQueue)
{
    StartCupsd();
    PrinterListener printer;
    const std::vector<std::pair<std::string, std::string>> printers = {
        {"Quorvel/quorvel-kz63-color-mfp.ppd", "\"UTF8\""},
        {"Quorvel/quorvel-rx42-mfp.ppd", "\"SJISX0208\""},
        {"Quorvel/quorvel-wt74-printer.ppd", "\"HPROMAN8\""},
    };
    int n = 0;
    for (const auto& [model, codeSet] : printers) {
        SCOPED_TRACE(model);
        const std::string queue = "q" + std::to_string(++n);
        AddQueue(queue, model, printer);
        const ReceivedJob job =
            PrintAndReceive(printer, queue, DataFile("five-pages.pdf"), "codeset", FixedIdentity());
        ExpectFraming(job, codeSet);
        EXPECT_TRUE(SameBytes(job.pdf, ReadFile(DataFile("five-pages.pdf"))));
    }
}

// ---------------------------------------------------------------------------
// Jobs through cupsd

TEST_F(CupsDriver, PlainJobArrivesWithItsHeaderTheSamePdfAndTheTrailer)
{
    StartCupsd();
    PrinterListener printer;
    AddQueue("kz63", kKZ63, printer);
    const std::string pdf = ReadFile(DataFile("five-pages.pdf"));

    const ReceivedJob job = PrintAndReceive(printer, "kz63", DataFile("five-pages.pdf"), "Quarterly report",
                                            With(FixedIdentity(), {"media=A4"}));
    ExpectFraming(job);
    EXPECT_TRUE(SameBytes(job.pdf, pdf));

    HeaderShape shape;
    shape.documentName = "Quarterly report";
    EXPECT_EQ(JoinLines(job.headerLines), JoinLines(ExpectedKZ63Header(shape, pdf.size())));
}

TEST_F(CupsDriver, SecurePrintJobWithAccountingHoldsTheJobForItsOwner)
{
    StartCupsd();
    PrinterListener printer;
    AddQueue("kz63", kKZ63, printer);
    const std::string pdf = ReadFile(DataFile("five-pages.pdf"));
    // The passcode travels enciphered, as the print dialog writes it; the
    // filter hands it on unchanged.
    const std::string passcode = "q1w2E3r4T5y6U7i8O9p0Aw==";
    const std::vector<std::string> options = With(
        FixedIdentity(), {
                             "media=A4",
                             kPrefix + "PrintTypeTicketKey=2",
                             // The dialog may write any text as byte codes: "/97/108/105/99/101" is "alice".
                             kPrefix + "PrintTypeUserNameTicketKey=/97/108/105/99/101",
                             kPrefix + "PrintTypePasswordTicketKey=" + passcode,
                             kPrefix + "DocumentNameTypeTicketKey=2",
                             // lp splits -o at spaces: a value with a space goes in quotes.
                             kPrefix + "DocumentNameTicketKey=\"Q1 Payroll\"",
                             kPrefix + "JBAManageTypeListTicketKey=2",
                             kPrefix + "JBAUserIDListCtrlTicket=2",
                             kPrefix + "JBAUserIDTextEditTicket=acct042",
                             kPrefix + "JBAUserPasswordTextEditTicket=Zm9vYmFy",
                             kPrefix + "JBAAdminUserInputRadioBtnTicket=0",
                         });

    const ReceivedJob job =
        PrintAndReceive(printer, "kz63", DataFile("five-pages.pdf"), "Payroll March", options);
    ExpectFraming(job);
    EXPECT_TRUE(SameBytes(job.pdf, pdf));

    HeaderShape shape;
    shape.user = "acct042";
    shape.password = "Zm9vYmFy";
    shape.documentName = "Payroll March";
    shape.holdLines = {SetLine("HOLD", "STORE"), SetLine("HOLDTYPE", "PRIVATE"),
                       SetLine("HOLDKEY", "\"" + passcode + "\""), SetLine("USERNAME", "\"alice\""),
                       SetLine("JOBNAME", "\"Q1 Payroll\"")};
    EXPECT_EQ(JoinLines(job.headerLines), JoinLines(ExpectedKZ63Header(shape, pdf.size())));
}

// page-set needs cups-filters' pdftopdf, which spoolwrap runs as its child:
// the printer gets pages 1, 3 and 5 only.
TEST_F(CupsDriver, OddPagesJobSendsOnlyTheOddPages)
{
    StartCupsd();
    PrinterListener printer;
    AddQueue("kz63", kKZ63, printer);

    const ReceivedJob job = PrintAndReceive(printer, "kz63", DataFile("five-pages.pdf"), "odd pages",
                                            With(FixedIdentity(), {"media=A4", "page-set=odd"}));
    ExpectFraming(job);
    const std::string received = root_ + "/odd.pdf";
    WriteFile(received, job.pdf);
    ASSERT_EQ(PageCount(received), 3);
    EXPECT_EQ(PageText(received, 1), "Page 1");
    EXPECT_EQ(PageText(received, 2), "Page 3");
    EXPECT_EQ(PageText(received, 3), "Page 5");
    EXPECT_EQ(CupsdTempFiles(), "");
}

// Two collated copies: the printer makes the copies from QTY; the PDF is
// sent once, unchanged.
TEST_F(CupsDriver, CollatedCopiesAreLeftToThePrinter)
{
    StartCupsd();
    PrinterListener printer;
    AddQueue("kz63", kKZ63, printer);
    const std::string pdf = ReadFile(DataFile("five-pages.pdf"));

    // lp -n 2 -o Collate=true; CUPS hands the filter "Collate" as a bare word.
    const ReceivedJob job = PrintAndReceive(printer, "kz63", DataFile("five-pages.pdf"), "two copies",
                                            With(FixedIdentity(), {"Collate=true", "media=A4"}), 2);
    ExpectFraming(job);
    EXPECT_TRUE(SameBytes(job.pdf, pdf));

    HeaderShape shape;
    shape.documentName = "two copies";
    shape.copiesLine = SetLine("QTY", "2");
    shape.collateLine = SetLine("COLLATE", "COLLATENORMAL");
    EXPECT_EQ(JoinLines(job.headerLines), JoinLines(ExpectedKZ63Header(shape, pdf.size())));
}

// Delayed (4) and mailbox (5) print: the dialog's keys reach the filter,
// which holds neither job; the document name still names the job.
TEST_F(CupsDriver, DelayedAndMailboxJobsAreNotHeld)
{
    StartCupsd();
    PrinterListener printer;
    AddQueue("kz63", kKZ63, printer);
    const std::vector<std::vector<std::string>> types = {
        {kPrefix + "PrintTypeTicketKey=4", kPrefix + "DelayPrintTicketKey=2025-03-15 22:00"},
        {kPrefix + "PrintTypeTicketKey=5", kPrefix + "PrintTypeMBNTicketKey=12",
         kPrefix + "PrintTypeMBNPasswordTicketKey=Zm9vYmFy"},
    };
    for (const std::vector<std::string>& type : types) {
        SCOPED_TRACE(type[0]);
        std::vector<std::string> options = With(FixedIdentity(), type);
        options.push_back(kPrefix + "DocumentNameTypeTicketKey=2");
        options.push_back(kPrefix + "DocumentNameTicketKey=Minutes");
        const ReceivedJob job =
            PrintAndReceive(printer, "kz63", DataFile("five-pages.pdf"), "minutes", options);
        ExpectFraming(job);
        const std::vector<std::string>& lines = job.headerLines;
        const auto dname = std::find(lines.begin(), lines.end(), CommentLine("DNAME=minutes"));
        ASSERT_NE(dname, lines.end());
        ASSERT_GE(lines.end() - dname, 3);
        EXPECT_EQ(dname[1], SetLine("JOBNAME", "\"Minutes\""));
        EXPECT_EQ(dname[2], SetLine("COPIES", "1"));
        EXPECT_EQ(job.header.find("HOLD"), std::string::npos);
    }
}

// With the job-copy marker in the ServerRoot, the filter keeps a copy of each
// job in its TMPDIR, the same bytes the printer got, with mode 0676.
TEST_F(CupsDriver, JobCopyUnderCupsdMatchesWhatThePrinterGot)
{
    StartCupsd();
    PrinterListener printer;
    AddQueue("kz63", kKZ63, printer);
    const std::string markerFolder = cupsd_->ServerRoot() + "/quorvel";
    ASSERT_EQ(mkdir(markerFolder.c_str(), 0755), 0);
    WriteFile(markerFolder + "/zkjobcopy", "");

    const ReceivedJob job =
        PrintAndReceive(printer, "kz63", DataFile("five-pages.pdf"), "kept", FixedIdentity());
    ExpectFraming(job);
    const std::vector<std::string> files = TempFiles();
    ASSERT_EQ(files.size(), 1u) << JoinLines(files);
    EXPECT_EQ(files[0].rfind("zk", 0), 0u);
    EXPECT_EQ(files[0].size(), std::string("zkYYYYMMDDhhmmss.job").size());
    const std::string copy = cupsd_->TempFolder() + "/" + files[0];
    struct stat st {};
    ASSERT_EQ(stat(copy.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0676u);
    EXPECT_TRUE(SameBytes(ReadFile(copy), job.header + job.pdf + job.trailer));
}

// cupsfilter runs the same filter outside cupsd: with the same PPD, title and
// options it writes the same job.
TEST_F(CupsDriver, CupsfilterWritesTheSameJobAsCupsd)
{
    StartCupsd();
    PrinterListener printer;
    AddQueue("kz63", kKZ63, printer);
    const std::vector<std::string> options =
        With(FixedIdentity(), {
                                  "media=A4",
                                  kPrefix + "PrintTypeTicketKey=3",
                                  kPrefix + "PrintTypeUserNameTicketKey=bob",
                                  kPrefix + "DocumentNameTypeTicketKey=1",
                              });
    const ReceivedJob viaCupsd =
        PrintAndReceive(printer, "kz63", DataFile("five-pages.pdf"), "Sample run", options);
    ExpectFraming(viaCupsd);

    ProcessRequest cupsfilter{"cupsfilter",
                              {"-c", cupsd_->ServerRoot() + "/cups-files.conf", "-p",
                               driver_.ppdFolder + "/quorvel-kz63-color-mfp.ppd", "-e", "-m", "printer/kz63",
                               "-t", "Sample run", "-n", "1"}};
    for (const std::string& option : options) {
        cupsfilter.args.push_back("-o");
        cupsfilter.args.push_back(option);
    }
    cupsfilter.args.push_back(DataFile("five-pages.pdf"));
    const ProcessResult r = cupsd_->Run(cupsfilter, kJobTimeoutSeconds);
    ASSERT_EQ(r.status, 0) << DescribeProcess(cupsfilter, r);
    const ReceivedJob viaCupsfilter = SplitJob(r.out);
    ExpectFraming(viaCupsfilter);

    EXPECT_EQ(JoinLines(viaCupsfilter.headerLines), JoinLines(viaCupsd.headerLines));
    EXPECT_TRUE(SameBytes(viaCupsfilter.pdf, viaCupsd.pdf));
    // A sample print: held for proof, owner and job name from the title.
    const std::vector<std::string>& lines = viaCupsd.headerLines;
    const auto dname = std::find(lines.begin(), lines.end(), CommentLine("DNAME=Sample run"));
    ASSERT_NE(dname, lines.end());
    ASSERT_GE(lines.end() - dname, 4);
    EXPECT_EQ(dname[1], SetLine("HOLD", "PROOF"));
    EXPECT_EQ(dname[2], SetLine("USERNAME", "\"bob\""));
    EXPECT_EQ(dname[3], SetLine("JOBNAME", "\"Sample run\""));
}

// ---------------------------------------------------------------------------
// Failing jobs: CUPS shows them as failed, nothing reaches the printer as a
// finished job, and the reason is in cupsd's log.

// A damaged PDF that needs pdftopdf (page-set): pdftopdf fails, and so
// does the job.
TEST_F(CupsDriver, UnreadablePdfWithPageSetStopsTheJob)
{
    StartCupsd();
    PrinterListener printer;
    AddQueue("kz63", kKZ63, printer);
    const int id = Print("kz63", DataFile("broken.pdf"), "broken", With(FixedIdentity(), {"page-set=odd"}));
    ASSERT_GT(id, 0);
    const JobStatus status = cupsd_->WaitForJob(id, kJobTimeoutSeconds);
    const std::string log = JobLogLines(cupsd_->ErrorLog(), id);
    EXPECT_EQ(status.stateName, "processing-stopped") << log;
    EXPECT_NE(log.find("Process Data fail"), std::string::npos) << log;
    for (const std::string& received : printer.WaitForJobs(1, 2))
        EXPECT_EQ(received.find(kTrailer), std::string::npos) << "a job was printed";
}

// A PDF cut short cannot print whole: the job stops, nothing is printed.
TEST_F(CupsDriver, UnreadablePdfStopsTheJob)
{
    StartCupsd();
    PrinterListener printer;
    AddQueue("kz63", kKZ63, printer);
    const int id = Print("kz63", DataFile("broken.pdf"), "broken", FixedIdentity());
    ASSERT_GT(id, 0);
    const JobStatus status = cupsd_->WaitForJob(id, kJobTimeoutSeconds);
    const std::string log = JobLogLines(cupsd_->ErrorLog(), id);
    EXPECT_EQ(status.stateName, "processing-stopped") << log;
    EXPECT_NE(log.find("Process Data fail"), std::string::npos) << log;
    for (const std::string& received : printer.WaitForJobs(1, 2))
        EXPECT_EQ(received.find(kTrailer), std::string::npos) << "a job was printed";
}

TEST_F(CupsDriver, MissingConversionFilterStopsTheJob)
{
    // A machine without cups-filters: no pdftopdf for the page set.
    StartCupsd(false);
    PrinterListener printer;
    AddQueue("kz63", kKZ63, printer);
    const int id = Print("kz63", DataFile("five-pages.pdf"), "odd", With(FixedIdentity(), {"page-set=odd"}));
    ASSERT_GT(id, 0);
    const JobStatus status = cupsd_->WaitForJob(id, kJobTimeoutSeconds);
    const std::string log = JobLogLines(cupsd_->ErrorLog(), id);
    EXPECT_EQ(status.stateName, "processing-stopped") << log;
    EXPECT_NE(log.find("access bestFilterPath error"), std::string::npos) << log;
    EXPECT_NE(log.find("Process Data fail"), std::string::npos) << log;
    for (const std::string& received : printer.WaitForJobs(1, 2))
        EXPECT_EQ(received.find(kTrailer), std::string::npos) << "a job was printed";
}

TEST_F(CupsDriver, BrokenPrinterConnectionAbortsTheJob)
{
    StartCupsd();
    PrinterListener printer(PrinterListener::Mode::HangUp);
    AddQueue("kz63", kKZ63, printer, {"-o", "printer-error-policy=abort-job"});
    const std::string large = root_ + "/large.pdf";
    WriteFile(large, LargePdf(32u << 20));
    chmod(large.c_str(), 0644);

    const int id = Print("kz63", large, "lost", FixedIdentity());
    ASSERT_GT(id, 0);
    const JobStatus status = cupsd_->WaitForJob(id, kJobTimeoutSeconds);
    const std::string log = JobLogLines(cupsd_->ErrorLog(), id);
    EXPECT_EQ(status.stateName, "aborted") << status.reasons << "\n" << log;
    // The backend says why; the filter, whose output pipe broke, fails too.
    EXPECT_NE(log.find("Unable to write print data"), std::string::npos) << log;
    EXPECT_NE(log.find("spoolwrap) stopped with status 1."), std::string::npos) << log;
    const std::vector<std::string> received = printer.WaitForJobs(1, 5);
    ASSERT_GE(received.size(), 1u);
    EXPECT_EQ(received[0].find(kTrailer), std::string::npos) << "the whole job was printed";
}

// ---------------------------------------------------------------------------
// Many jobs

TEST_F(CupsDriver, FiftyJobsInARowArriveIntactAndLeaveNothingBehind)
{
    StartCupsd();
    PrinterListener printer;
    AddQueue("kz63", kKZ63, printer);
    const std::string pdf = ReadFile(DataFile("five-pages.pdf"));
    constexpr int kJobs = 50;

    std::vector<int> ids;
    for (int i = 0; i < kJobs; ++i) {
        // Every fifth job asks for odd pages, which runs pdftopdf as a child.
        std::vector<std::string> options = With(FixedIdentity(), {"media=A4"});
        if (i % 5 == 4) options.push_back("page-set=odd");
        const int id = Print("kz63", DataFile("five-pages.pdf"), "job " + std::to_string(i), options);
        ASSERT_GT(id, 0);
        ids.push_back(id);
    }
    for (int id : ids) {
        const JobStatus status = cupsd_->WaitForJob(id, kJobTimeoutSeconds);
        EXPECT_EQ(status.stateName, "completed") << "job " << id << "\n"
                                                 << JobLogLines(cupsd_->ErrorLog(), id);
    }
    const std::vector<std::string> jobs = printer.WaitForJobs(kJobs, kJobTimeoutSeconds);
    ASSERT_EQ(jobs.size(), static_cast<size_t>(kJobs));

    // One queue prints in order: the i-th job received is "job i".
    for (int i = 0; i < kJobs; ++i) {
        SCOPED_TRACE("job " + std::to_string(i));
        const ReceivedJob job = SplitJob(jobs[i]);
        ExpectFraming(job);
        EXPECT_NE(std::find(job.headerLines.begin(), job.headerLines.end(),
                            CommentLine("DNAME=job " + std::to_string(i))),
                  job.headerLines.end());
        if (i % 5 == 4) {
            const std::string path = root_ + "/odd-" + std::to_string(i) + ".pdf";
            WriteFile(path, job.pdf);
            EXPECT_EQ(PageCount(path), 3);
        } else {
            EXPECT_TRUE(SameBytes(job.pdf, pdf));
        }
    }

    // Nothing left in the filters' TMPDIR, and no process left running below
    // cupsd or handed on to this process.
    EXPECT_EQ(CupsdTempFiles(), "");
    EXPECT_EQ(JoinLines(LeftoverProcesses()), "");
}

} // namespace
