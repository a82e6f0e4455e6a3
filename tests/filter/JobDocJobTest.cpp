// The job document group in whole jobs through the real filter, with the
// options as CUPS hands them over in argument 5.
#include "JobDocHarness.h"

#include <gtest/gtest.h>

#include <string>

using namespace jobdoc;

namespace {

const std::string kPdf = "%PDF-1.4\n1 0 obj\n<<>>\nendobj\ntrailer\n<<>>\n%%EOF\n";

SpoolwrapResult RunJob(const TempDir& tmp, const std::string& ppd, const std::string& options,
                       const std::string& copies = "1")
{
    SpoolwrapJob job;
    job.args = {"42", "alice", "report", copies, options};
    job.env = {{"PPD", ppd}, {"TMPDIR", tmp.path()}, {"SPOOLWRAP_JOBCOPY_MARKER", tmp.path() + "/no-marker"}};
    job.stdinData = kPdf;
    return RunSpoolwrap(job);
}

TEST(JobDocJob, PlainJobOnEachPrinter)
{
    const std::pair<std::string, std::string> printers[] = {
        {kKZ63, kColourPlainGroup}, {kRX42, kMonoPlainGroup}, {kWT74, kMonoPlainGroup}};
    for (const auto& [ppd, expected] : printers) {
        SCOPED_TRACE(ppd);
        TempDir tmp;
        const SpoolwrapResult r = RunJob(tmp, ppd, kPlainJob);
        ASSERT_EQ(r.status, 0) << r.err;
        EXPECT_EQ(GroupOfJob(r.out), expected);
        // The group opens with the document-name comment, and the file size
        // follows it directly.
        EXPECT_NE(r.out.find("\n@PJL COMMENT DNAME="), std::string::npos);
        EXPECT_LT(r.out.find("\n@PJL COMMENT DNAME="), r.out.find("\n@PJL SET COPIES="));
        EXPECT_NE(r.out.find(expected + "@PJL SET JOBATTR=\"@FSIZ=" + std::to_string(kPdf.size()) +
                             "\"\n"
                             "@PJL ENTER LANGUAGE=PDF\n"),
                  std::string::npos);
    }
}

// Bypass tray, heavy paper, two staples, reverse landscape, short-edge duplex.
const std::string kFinishedJob = "QVInputSlot=BypassTray MediaType=ThickPaper2 QVStaple=LeftDoublePort "
                                 "orientation-requested=5 com.apple.print.PrintSettings.PMDuplexing..n.=3";

TEST(JobDocJob, BypassStapledDuplexJobOnColourMfp)
{
    TempDir tmp;
    const SpoolwrapResult r = RunJob(tmp, kKZ63, kFinishedJob);
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(GroupOfJob(r.out), "@PJL SET COPIES=1\n"
                                 "@PJL SET JOBATTR=\"@FSTP=0\"\n"
                                 "@PJL SET JOBATTR=\"@LSTP=0\"\n"
                                 "@PJL SET OUTBIN=MAINTRAY\n"
                                 "@PJL SET JOBATTR=\"@LOUT=NOSCALING\"\n"
                                 "@PJL SET JOBATTR=\"@DIPQ=STANDARD\"\n"
                                 "@PJL SET RENDERMODE=AUTOCOLOR\n"
                                 "@PJL SET JOBATTR=\"@TRAP=ON\"\n"
                                 "@PJL SET MEDIASOURCE=TRAY5\n"
                                 "@PJL SET JOBATTR=\"@MSIP=SUPERTHICK\"\n"
                                 "@PJL SET PAPERDIRECTION=SEF\n"
                                 "@PJL SET DUPLEX=ON\n"
                                 "@PJL SET BINDING=SHORTEDGE\n"
                                 "@PJL SET FINISH=ON\n"
                                 "@PJL SET STAPLE=TOPDUAL\n"
                                 "@PJL SET TIMEOUT=0\n"
                                 "@PJL SET JOBATTR=\"@NLPP=1\"\n");
}

TEST(JobDocJob, BypassStapledDuplexJobOnMonochromePrinters)
{
    const std::string expected = "@PJL SET COPIES=1\n"
                                 "@PJL SET JOBATTR=\"@FSTP=0\"\n"
                                 "@PJL SET JOBATTR=\"@LSTP=0\"\n"
                                 "@PJL SET OUTBIN=MAINTRAY\n"
                                 "@PJL SET JOBATTR=\"@LOUT=NOSCALING\"\n"
                                 "@PJL SET JOBATTR=\"@DIPQ=STANDARD\"\n"
                                 "@PJL SET RENDERMODE=GRAYSCALE\n"
                                 "@PJL SET MEDIASOURCE=SMH\n"
                                 "@PJL SET JOBATTR=\"@MSIP=SUPERTHICK\"\n"
                                 "@PJL SET PAPERDIRECTION=SEF\n"
                                 "@PJL SET DUPLEX=ON\n"
                                 "@PJL SET BINDING=SHORTEDGE\n"
                                 "@PJL SET FINISH=ON\n"
                                 "@PJL SET STAPLE=TOPDUAL\n"
                                 "@PJL SET TIMEOUT=0\n"
                                 "@PJL SET JOBATTR=\"@NLPP=1\"\n";
    for (const std::string& ppd : {kRX42, kWT74}) {
        SCOPED_TRACE(ppd);
        TempDir tmp;
        const SpoolwrapResult r = RunJob(tmp, ppd, kFinishedJob);
        ASSERT_EQ(r.status, 0) << r.err;
        EXPECT_EQ(GroupOfJob(r.out), expected);
    }
}

// Collated copies from tray 2 with the printer's media, punched and stapled in
// landscape, black and white at high speed, long-edge duplex, Letter.
TEST(JobDocJob, CollatedPunchedLandscapeJob)
{
    TempDir tmp;
    const SpoolwrapResult r =
        RunJob(tmp, kKZ63,
               "Collate=true QVInputSlot=2ndTray MediaType=Default media=Letter QVPunch=True "
               "QVStaple=UpperLeftSinglePort QVColorMode=Black QVOutputMode=HighSpeed QVTrapping=false "
               "com.apple.print.subTicket.page_format_ticket..d.com.apple.print.PageFormat.PMOrientation.."
               "n.=2 "
               "com.apple.print.PrintSettings.PMOrientation..n.=2 "
               "com.apple.print.PrintSettings.PMDuplexing..n.=2",
               "3");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(GroupOfJob(r.out), "@PJL SET QTY=3\n"
                                 "@PJL SET JOBATTR=\"@FSTP=0\"\n"
                                 "@PJL SET JOBATTR=\"@LSTP=0\"\n"
                                 "@PJL SET OUTBIN=MAINTRAY\n"
                                 "@PJL SET JOBATTR=\"@LOUT=NOSCALING\"\n"
                                 "@PJL SET JOBATTR=\"@DIPQ=SPEED\"\n"
                                 "@PJL SET COLLATE=COLLATENORMAL\n"
                                 "@PJL SET RENDERMODE=GRAYSCALE\n"
                                 "@PJL SET JOBATTR=\"@TRAP=OFF\"\n"
                                 "@PJL SET MEDIASOURCE=TRAY2\n"
                                 "@PJL SET PAPER=LETTER\n"
                                 "@PJL SET MEDIATYPE=OFF\n"
                                 "@PJL SET DUPLEX=ON\n"
                                 "@PJL SET BINDING=LONGEDGE\n"
                                 "@PJL SET PUNCH=BOTTON\n"
                                 "@PJL SET FINISH=ON\n"
                                 "@PJL SET STAPLE=BOTTOMLEFT\n"
                                 "@PJL SET TIMEOUT=0\n"
                                 "@PJL SET JOBATTR=\"@NLPP=1\"\n");
}

// A job sent with lp: no print-dialog keys at all.
TEST(JobDocJob, LpJobWithCupsOptionsOnly)
{
    TempDir tmp;
    const SpoolwrapResult r = RunJob(tmp, kWT74, "sides=two-sided-long-edge media=A3 number-up=1");
    ASSERT_EQ(r.status, 0) << r.err;
    const std::string group = GroupOfJob(r.out);
    EXPECT_TRUE(HasLine(group, Set("PAPER=A3") + Set("MEDIATYPE=OFF") + Set("DUPLEX=ON") +
                                   Set("BINDING=LONGEDGE") + Set("TIMEOUT=0")));
    TempDir tmp2;
    const SpoolwrapResult plain = RunJob(tmp2, kWT74, "number-up=1");
    ASSERT_EQ(plain.status, 0) << plain.err;
    EXPECT_TRUE(HasLine(GroupOfJob(plain.out), Set("MEDIATYPE=OFF") + Set("DUPLEX=OFF") + Set("TIMEOUT=0")));
}

TEST(JobDocJob, NoPpd)
{
    TempDir tmp;
    const SpoolwrapResult r = RunJob(tmp, "", "QVInputSlot=BypassTray MediaType=ThickPaper2");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(GroupOfJob(r.out), "@PJL SET COPIES=1\n"
                                 "@PJL SET JOBATTR=\"@FSTP=0\"\n"
                                 "@PJL SET JOBATTR=\"@LSTP=0\"\n"
                                 "@PJL SET OUTBIN=MAINTRAY\n"
                                 "@PJL SET JOBATTR=\"@LOUT=NOSCALING\"\n"
                                 "@PJL SET MEDIASOURCE=\n"
                                 "@PJL SET JOBATTR=\"@MSIP=\"\n"
                                 "@PJL SET DUPLEX=ON\n"
                                 "@PJL SET TIMEOUT=0\n"
                                 "@PJL SET JOBATTR=\"@NLPP=1\"\n");
}

} // namespace
