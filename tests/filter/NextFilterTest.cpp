// Finding the system PDF filter in the conversion tables, and running it as
// part of a job: what it is given, and what happens when it cannot run.
#include "PdfTestSupport.h"
#include "SpoolwrapRun.h"

#include "filter/NextFilter.h"
#include "platform/PlatformPaths.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>

namespace {

using ::testing::internal::CaptureStderr;
using ::testing::internal::GetCapturedStderr;

std::string Ppd(const std::string& name) { return ProjectPath("ppd/" + name); }

// A private CUPS layout: data folder with mime/, server root, server bin.
struct CupsDirs {
    TempDir root;
    CupsDirs()
    {
        std::filesystem::create_directories(root.file("data/mime"));
        std::filesystem::create_directories(root.file("etc"));
        std::filesystem::create_directories(root.file("bin/filter"));
    }
    std::string data() const { return root.file("data"); }
    std::string etc() const { return root.file("etc"); }
    std::string bin() const { return root.file("bin"); }
    void Table(const std::string& relative, const std::string& text) const
    {
        WriteFile(root.file(relative), text);
    }
    // A filter program; it logs its arguments and PPD, then passes the job on.
    void Program(const std::string& name, const std::string& body, mode_t mode = 0755) const
    {
        const std::string path = root.file("bin/filter/" + name);
        WriteFile(path, "#!/bin/sh\n" + body);
        ::chmod(path.c_str(), mode);
    }
    std::map<std::string, std::string> Env() const
    {
        return {{"CUPS_DATADIR", data()}, {"CUPS_SERVERROOT", etc()}, {"CUPS_SERVERBIN", bin()}};
    }
};

class Tables : public ::testing::Test {
protected:
    CupsDirs dirs;
    ScopedEnv data{"CUPS_DATADIR", dirs.data()};
    ScopedEnv etc{"CUPS_SERVERROOT", dirs.etc()};
    ScopedEnv bin{"CUPS_SERVERBIN", dirs.bin()};
};

TEST_F(Tables, BestFilterTakesTheFirstMatchingLineBelowCost1000)
{
    dirs.Table("data/mime/a.convs", "# comment\n"
                                    "application/pdf\tapplication/vnd.cups-postscript\t66\tpdftops\n"
                                    "application/pdf application/vnd.cups-pdf 1000 tooexpensive\n"
                                    "text/plain application/vnd.cups-pdf 10 texttopdf\n"
                                    "#application/pdf application/vnd.cups-pdf 1 disabled\n"
                                    "application/pdf\t\tapplication/vnd.cups-pdf\t999\tpdftopdf   \n"
                                    "application/pdf application/vnd.cups-pdf 1 later\n");
    std::string program = "unchanged";
    EXPECT_EQ(BestFilter(dirs.root.file("data/mime/a.convs"), "application/pdf", "application/vnd.cups-pdf",
                         program),
              1);
    EXPECT_EQ(program, "pdftopdf");
    EXPECT_EQ(
        BestFilter(dirs.root.file("data/mime/a.convs"), "image/png", "application/vnd.cups-pdf", program), 0);
    EXPECT_EQ(BestFilter(dirs.root.file("data/mime/none.convs"), "application/pdf",
                         "application/vnd.cups-pdf", program),
              0);
    EXPECT_EQ(program, "pdftopdf");
}

TEST_F(Tables, SearchOrderIsDataFolderThenServerRootEachByName)
{
    dirs.Table("data/mime/b.convs", "");
    dirs.Table("data/mime/a.convs", "");
    dirs.Table("data/mime/a.types", "");
    dirs.Table("etc/mime.convs", "");
    dirs.Table("etc/apple.convs", "");
    EXPECT_EQ(ConversionTables(),
              (std::vector<std::string>{dirs.data() + "/mime/a.convs", dirs.data() + "/mime/b.convs",
                                        dirs.etc() + "/apple.convs", dirs.etc() + "/mime.convs"}));
}

TEST_F(Tables, FirstTableWithAMatchWinsOverALaterCheaperOne)
{
    dirs.Table("data/mime/z.convs", "application/pdf application/vnd.cups-pdf 66 first\n");
    dirs.Table("etc/a.convs", "application/pdf application/vnd.cups-pdf 0 cheaper\n");
    std::string path;
    ChooseFilter("application/pdf", path);
    EXPECT_EQ(path, dirs.bin() + "/filter/first");
    // A cost of 1000 in the first table hands the search on.
    dirs.Table("data/mime/z.convs", "application/pdf application/vnd.cups-pdf 1000 first\n");
    ChooseFilter("application/pdf", path);
    EXPECT_EQ(path, dirs.bin() + "/filter/cheaper");
}

TEST_F(Tables, ChooseFilterEdgeCases)
{
    dirs.Table("etc/mime.convs", "application/pdf application/vnd.cups-pdf 66 pdftopdf\n");
    std::string path = "before";
    CaptureStderr();
    ChooseFilter("", path);
    EXPECT_EQ(GetCapturedStderr(), "ERROR: get srcFormat error\n");
    EXPECT_EQ(path, "before");
    // Already the system PDF type: nothing to convert.
    ChooseFilter(platform::kSystemPdfType, path);
    EXPECT_EQ(path, "before");
    // No conversion at all: the filter folder alone.
    ChooseFilter("image/png", path);
    EXPECT_EQ(path, dirs.bin() + "/filter/");
}

TEST_F(Tables, PrepFormatReadsTheSourceTypeFromThePpd)
{
    dirs.Table("etc/mime.convs", "application/pdf application/vnd.cups-pdf 66 pdftopdf\n");
    dirs.Program("pdftopdf", "exit 0\n");
    ScopedEnv ppd("PPD", Ppd("quorvel-rx42-mfp.ppd"));
    std::string path;
    EXPECT_EQ(PrepFormat(path), 1);
    EXPECT_EQ(path, dirs.bin() + "/filter/pdftopdf");
}

TEST_F(Tables, PrepFormatFailures)
{
    std::string path;
    {
        ScopedEnv ppd("PPD", dirs.root.file("missing.ppd"));
        CaptureStderr();
        EXPECT_EQ(PrepFormat(path), -1);
        EXPECT_EQ(GetCapturedStderr(), "ERROR: ppdOpenFile return NULL\n");
    }
    {
        // A PPD without a cupsFilter line.
        std::string text = ReadFile(Ppd("quorvel-rx42-mfp.ppd"));
        const size_t at = text.find("*cupsFilter:");
        ASSERT_NE(at, std::string::npos);
        text.erase(at, text.find('\n', at) - at + 1);
        WriteFile(dirs.root.file("nofilter.ppd"), text);
        ScopedEnv ppd("PPD", dirs.root.file("nofilter.ppd"));
        CaptureStderr();
        EXPECT_EQ(PrepFormat(path), -1);
        EXPECT_EQ(GetCapturedStderr(), "ERROR: get srcFormat error\nERROR: access bestFilterPath error\n");
        EXPECT_EQ(path, "");
    }
}

TEST(PlatformFilter, DefaultsFindPdftopdf)
{
    // Debian's own tables and filter folder, as cupsd would see them.
    ScopedEnv ppd("PPD", Ppd("quorvel-kz63-color-mfp.ppd"));
    // Empty counts as unset.
    ScopedEnv data("CUPS_DATADIR", "");
    ScopedEnv etc("CUPS_SERVERROOT", "");
    ScopedEnv bin("CUPS_SERVERBIN", "");
    std::string path;
    ASSERT_EQ(PrepFormat(path), 1);
    EXPECT_EQ(path, "/usr/lib/cups/filter/pdftopdf");
}

// Whole jobs through a fake system filter.
class FakeFilterJob : public ::testing::Test {
protected:
    CupsDirs dirs;
    TempDir tmp, logs;
    SpoolwrapJob job;

    void SetUp() override
    {
        WriteMarkedPdf(logs.file("in.pdf"), 3);
        dirs.Table("data/mime/test.convs", "application/pdf application/vnd.cups-pdf 66 fakefilter\n");
        job.args = {"42", "alice", "report", "1", "page-set=odd"};
        job.env = dirs.Env();
        job.env["PPD"] = Ppd("quorvel-kz63-color-mfp.ppd");
        job.env["TMPDIR"] = tmp.path();
        job.env["SPOOLWRAP_JOBCOPY_MARKER"] = tmp.path() + "/no-marker";
    }
    void LoggingFilter(const std::string& tail = "")
    {
        dirs.Program("fakefilter", "for a in \"$@\"; do echo \"arg:$a\"; done > " + logs.file("log") +
                                       "\necho \"PPD:$PPD\" >> " + logs.file("log") +
                                       "\nif [ $# -ge 6 ]; then cat \"$6\"; else cat; fi\n" + tail);
    }
    void ExpectFailedJob(const SpoolwrapResult& r)
    {
        EXPECT_EQ(r.status, 1);
        EXPECT_NE(r.err.find("ERROR: Process Data fail\n"), std::string::npos) << r.err;
        EXPECT_EQ(r.out, ""); // nothing reaches the printer as if it had printed
        EXPECT_TRUE(tmp.entries().empty());
    }
};

TEST_F(FakeFilterJob, GetsTheJobsArgumentsEnvironmentAndFile)
{
    LoggingFilter();
    job.args.push_back(logs.file("in.pdf"));
    const SpoolwrapResult r = RunSpoolwrap(job);
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(ReadFile(logs.file("log")), "arg:42\narg:alice\narg:report\narg:1\narg:page-set=odd\narg:" +
                                              logs.file("in.pdf") + "\nPPD:" + job.env["PPD"] + "\n");
    EXPECT_EQ(JobPdf(r.out), ReadFile(logs.file("in.pdf")));
    EXPECT_TRUE(tmp.entries().empty());
}

TEST_F(FakeFilterJob, ReadsStandardInputWithSixArguments)
{
    LoggingFilter();
    job.stdinData = ReadFile(logs.file("in.pdf"));
    const SpoolwrapResult r = RunSpoolwrap(job);
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(ReadFile(logs.file("log")).find("arg:" + logs.file("in.pdf")), std::string::npos);
    EXPECT_EQ(JobPdf(r.out), job.stdinData);
    const std::string fsiz = "@FSIZ=" + std::to_string(job.stdinData.size()) + "\"";
    EXPECT_NE(r.out.find(fsiz), std::string::npos);
    EXPECT_TRUE(tmp.entries().empty());
}

TEST_F(FakeFilterJob, NoConversionLineFailsTheJob)
{
    dirs.Table("data/mime/test.convs", "application/pdf application/vnd.cups-postscript 66 fakefilter\n");
    LoggingFilter();
    job.args.push_back(logs.file("in.pdf"));
    ExpectFailedJob(RunSpoolwrap(job));
}

TEST_F(FakeFilterJob, FilterThatCannotBeStartedFailsTheJob)
{
    dirs.Program("fakefilter", "cat \"$6\"\n", 0644);
    job.args.push_back(logs.file("in.pdf"));
    ExpectFailedJob(RunSpoolwrap(job));
}

TEST_F(FakeFilterJob, FilterThatFailsFailsTheJob)
{
    LoggingFilter("exit 3\n");
    job.args.push_back(logs.file("in.pdf"));
    const SpoolwrapResult r = RunSpoolwrap(job);
    ExpectFailedJob(r);
    EXPECT_NE(r.err.find("failed with status 3"), std::string::npos) << r.err;
}

TEST_F(FakeFilterJob, FilterOutputIsWhatIsSent)
{
    // The layout filter's output, not the input, follows the header.
    dirs.Program("fakefilter", "cat " + logs.file("out.pdf") + "\n");
    WriteMarkedPdf(logs.file("out.pdf"), 1);
    job.args.push_back(logs.file("in.pdf"));
    const SpoolwrapResult r = RunSpoolwrap(job);
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(JobPdf(r.out), ReadFile(logs.file("out.pdf")));
    EXPECT_EQ(ReadFile(logs.file("in.pdf")).empty(), false); // the job's own file stays
}

TEST_F(FakeFilterJob, CupsdOptionsWithNumberUpOneDoNotRunTheFilter)
{
    LoggingFilter();
    job.args[4] =
        "job-uuid=urn:uuid:0b7a4bd9-3c48-3d48-6f2e-1c5e6f1a7d20 job-originating-host-name=localhost "
        "date-time-at-creation= date-time-at-processing= time-at-creation=1700000000 "
        "time-at-processing=1700000000 document-name-supplied=x.pdf finishings=3 number-up=1 "
        "print-color-mode=color Collate";
    job.args.push_back(logs.file("in.pdf"));
    const SpoolwrapResult r = RunSpoolwrap(job);
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_FALSE(std::filesystem::exists(logs.file("log")));
    EXPECT_EQ(JobPdf(r.out), ReadFile(logs.file("in.pdf")));
    const std::vector<std::string> header = HeaderLines(r.out);
    EXPECT_NE(std::find(header.begin(), header.end(), "@PJL SET JOBATTR=\"@NLPP=1\""), header.end()) << r.out;
    EXPECT_EQ(r.out.find("NLPP=N1"), std::string::npos);
}

} // namespace
