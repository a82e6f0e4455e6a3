// Whole jobs byte for byte: header, PDF and trailer of the plain job on a
// Shift_JIS and on a UTF-8 printer, for a PDF whose last byte is not a line end.
// Date, time, host name and address come from the job's own keys, so the
// output does not depend on the machine or the clock.
#include "SpoolwrapRun.h"

#include <gtest/gtest.h>

namespace {

const std::string kKeys = "com.lumeral.vrk.printsettings.";

SpoolwrapResult PlainJob(const std::string& printer, const TempDir& tmp, bool fromStdin)
{
    SpoolwrapJob job;
    job.args = {"12", "alice", "Plain job", "1",
                "media=A4 com.apple.print.PrintSettings.PMDuplexing..n.=1 " + kKeys +
                    "JBAPllrPrintDateTicketKey=12/08/2026 " + kKeys + "JBAPllrPrintTimeTicketKey=09:30:00 " +
                    kKeys + "JBAMacHostNameStringTicket=ws01 " + kKeys +
                    "JBAIPAddressStringTicket=IC0A80005"};
    const std::string pdf = TestDataPath("golden/no-final-newline.pdf");
    if (fromStdin)
        job.stdinData = ReadFile(pdf);
    else
        job.args.push_back(pdf);
    job.env = {{"PPD", ProjectPath("ppd/quorvel-" + printer + ".ppd")},
               {"TMPDIR", tmp.path()},
               {"SPOOLWRAP_JOBCOPY_MARKER", tmp.file("no-marker")}};
    return RunSpoolwrap(job);
}

class WholeJobGolden : public testing::TestWithParam<std::string> {};

TEST_P(WholeJobGolden, FromFileAndFromStandardInput)
{
    const std::string golden = ReadFile(TestDataPath("golden/plain-job-" + GetParam() + ".prn"));
    ASSERT_FALSE(golden.empty());
    for (const bool fromStdin : {false, true}) {
        TempDir tmp;
        const SpoolwrapResult r = PlainJob(GetParam(), tmp, fromStdin);
        EXPECT_EQ(r.status, 0) << r.err;
        EXPECT_EQ(r.err, "");
        EXPECT_EQ(r.out, golden) << (fromStdin ? "standard input" : "file argument");
        EXPECT_TRUE(tmp.entries().empty());
    }
}

INSTANTIATE_TEST_SUITE_P(Printers, WholeJobGolden, testing::Values("rx42-mfp", "kz63-color-mfp"));

} // namespace
