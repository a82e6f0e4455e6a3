// Whole jobs through the real filter: framing, PDF bytes, trailer, exit status.
#include "SpoolwrapRun.h"

#include <gtest/gtest.h>

#include <sys/inotify.h>
#include <sys/stat.h>
#include <unistd.h>

#include <ctime>
#include <string>
#include <vector>

namespace {

const std::string kUEL = "\x1b%-12345X";
const std::string kTrailer = kUEL + "@PJL EOJ\n";

// A small PDF whose last byte is not a line end, with CR and LF line ends inside.
const std::string kSamplePdf = "%PDF-1.4\r\n%\xe2\xe3\xcf\xd3\n1 0 obj\r<<>>\rendobj\ntrailer<<>>\n%%EOF";

std::string Ppd(const std::string& name) { return ProjectPath("ppd/" + name); }

SpoolwrapJob BaseJob(const TempDir& tmp, const std::string& options = "")
{
    return CupsJob(tmp.path(), tmp.path() + "/no-marker", options);
}

// Splits a job into header, PDF bytes and trailer; fails the test when the
// framing is broken.
struct JobParts {
    std::string header, pdf, trailer;
};

JobParts Split(const std::string& job)
{
    JobParts parts;
    const std::string enter = "@PJL ENTER LANGUAGE=PDF\n";
    const size_t headerEnd = job.find(enter);
    EXPECT_NE(headerEnd, std::string::npos) << "no ENTER LANGUAGE line";
    if (headerEnd == std::string::npos) return parts;
    parts.header = job.substr(0, headerEnd + enter.size());
    const size_t trailerStart = job.rfind(kUEL);
    EXPECT_NE(trailerStart, std::string::npos);
    EXPECT_GE(trailerStart, parts.header.size());
    parts.pdf = job.substr(parts.header.size(), trailerStart - parts.header.size());
    parts.trailer = job.substr(trailerStart);
    return parts;
}

TEST(JobFraming, PdfFromArgumentSixPassesThroughByteForByte)
{
    TempDir tmp;
    WriteFile(tmp.file("in.pdf"), kSamplePdf);
    SpoolwrapJob job = BaseJob(tmp);
    job.args.push_back(tmp.file("in.pdf"));
    job.stdinData = "this is not the job";
    const SpoolwrapResult r = RunSpoolwrap(job);
    ASSERT_EQ(r.status, 0) << r.err;
    const JobParts parts = Split(r.out);
    EXPECT_EQ(parts.pdf, kSamplePdf);
    EXPECT_EQ(parts.trailer, kTrailer);
    EXPECT_EQ(parts.header.rfind(kUEL + "@PJL JOB MODE=PRINTER\n@PJL SET STRINGCODESET=\"UTF8\"\n"
                                        "@PJL COMMENT begin\n@PJL COMMENT Version:4.00\n",
                                 0),
              0u);
    const std::string tail =
        "@PJL SET JOBATTR=\"@FSIZ=" + std::to_string(kSamplePdf.size()) + "\"\n@PJL ENTER LANGUAGE=PDF\n";
    EXPECT_EQ(parts.header.substr(parts.header.size() - tail.size()), tail);
    // The input file is the job's own: it must still be there.
    EXPECT_EQ(ReadFile(tmp.file("in.pdf")), kSamplePdf);
}

TEST(JobFraming, PdfFromStandardInputWithSixArguments)
{
    TempDir tmp;
    SpoolwrapJob job = BaseJob(tmp);
    job.stdinData = kSamplePdf;
    const SpoolwrapResult r = RunSpoolwrap(job);
    ASSERT_EQ(r.status, 0) << r.err;
    const JobParts parts = Split(r.out);
    EXPECT_EQ(parts.pdf, kSamplePdf);
    EXPECT_NE(parts.header.find("@FSIZ=" + std::to_string(kSamplePdf.size()) + "\""), std::string::npos);
    // No temporary file is left behind.
    EXPECT_TRUE(tmp.entries().empty());
}

} // namespace

namespace {

TEST(JobFraming, StandardInputThatIsAFileIsSentWithoutACopy)
{
    TempDir tmp;
    WriteFile(tmp.file("in.pdf"), kSamplePdf);
    SpoolwrapJob job = BaseJob(tmp);
    job.stdinFile = tmp.file("in.pdf");
    const SpoolwrapResult r = RunSpoolwrap(job);
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(Split(r.out).pdf, kSamplePdf);
    EXPECT_NE(r.out.find("@FSIZ=" + std::to_string(kSamplePdf.size()) + "\""), std::string::npos);
    // The job's own file stays, and nothing else is left behind.
    EXPECT_EQ(ReadFile(tmp.file("in.pdf")), kSamplePdf);
    EXPECT_EQ(tmp.entries().size(), 1u);
}

TEST(JobFraming, FewerThanSixArgumentsIsAUsageError)
{
    TempDir tmp;
    SpoolwrapJob job = BaseJob(tmp);
    job.args.pop_back();
    const SpoolwrapResult r = RunSpoolwrap(job);
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_NE(r.err.find("ERROR: Usage: "), std::string::npos);
}

TEST(JobFraming, UnreadableInputFailsTheJob)
{
    TempDir tmp;
    SpoolwrapJob job = BaseJob(tmp);
    job.args.push_back(tmp.file("missing.pdf"));
    const SpoolwrapResult r = RunSpoolwrap(job);
    // An empty job would be reported as printed: the job fails and says why.
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_NE(r.err.find("ERROR: The job's file " + tmp.file("missing.pdf") +
                         " cannot be read (No such file or directory)\n"),
              std::string::npos)
        << r.err;
    EXPECT_TRUE(tmp.entries().empty());
}

TEST(JobFraming, EmptyStandardInputGivesSizeZero)
{
    TempDir tmp;
    const SpoolwrapResult r = RunSpoolwrap(BaseJob(tmp));
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("@FSIZ=0\""), std::string::npos);
    EXPECT_EQ(Split(r.out).trailer, kTrailer);
}

TEST(JobFraming, CodeSetLineFollowsThePrinter)
{
    const std::pair<const char*, const char*> cases[] = {
        {"quorvel-kz63-color-mfp.ppd", "@PJL SET STRINGCODESET=\"UTF8\""},
        {"quorvel-rx42-mfp.ppd", "@PJL SET STRINGCODESET=\"SJISX0208\""},
        {"quorvel-wt74-printer.ppd", "@PJL SET STRINGCODESET=\"HPROMAN8\""},
        {"no-such.ppd", "@PJL SET STRINGCODESET=\"SJISX0208\""},
    };
    for (const auto& [ppd, line] : cases) {
        TempDir tmp;
        SpoolwrapJob job = BaseJob(tmp);
        job.env["PPD"] = Ppd(ppd);
        job.stdinData = kSamplePdf;
        const SpoolwrapResult r = RunSpoolwrap(job);
        ASSERT_EQ(r.status, 0) << ppd << r.err;
        const auto lines = HeaderLines(r.out);
        ASSERT_GE(lines.size(), 2u);
        EXPECT_EQ(lines[0], kUEL + "@PJL JOB MODE=PRINTER") << ppd;
        EXPECT_EQ(lines[1], line) << ppd;
    }
}

TEST(JobCopyFile, CopyIsByteIdenticalWithMode0676)
{
    TempDir tmp;
    WriteFile(tmp.file("marker"), "");
    SpoolwrapJob job = BaseJob(tmp);
    job.env["SPOOLWRAP_JOBCOPY_MARKER"] = tmp.file("marker");
    // Messages on standard error never go into the copy: it holds what
    // standard output held.
    job.stdinData = ReadFile(ProjectPath("samples/sample.pdf"));
    const SpoolwrapResult r = RunSpoolwrap(job);
    ASSERT_EQ(r.status, 0) << r.err;

    std::string copy;
    int copies = 0;
    for (const std::string& name : tmp.entries()) {
        if (name.rfind("zk", 0) != 0) continue;
        ++copies;
        ASSERT_EQ(name.size(), std::string("zkYYYYMMDDhhmmss.job").size()) << name;
        EXPECT_EQ(name.substr(name.size() - 4), ".job");
        struct stat st {};
        ASSERT_EQ(stat(tmp.file(name).c_str(), &st), 0);
        EXPECT_EQ(st.st_mode & 07777, 0676u);
        copy = ReadFile(tmp.file(name));
    }
    EXPECT_EQ(copies, 1);
    EXPECT_EQ(copy, r.out);
    // Nothing else stays behind: the temporary input copy is gone.
    EXPECT_EQ(tmp.entries().size(), 2u);
}

// The job's options and PPD are read once: whatever the job asks for (a plain
// job, a turn, a copies check), the PPD file is opened once. (Rasterising the
// sample's text would bring in fontconfig, whose memory at exit the sanitizer
// build reports; the raster pass reads no PPD of its own.)
TEST(JobInput, ThePpdIsOpenedOncePerJob)
{
    TempDir tmp, ppdFolder;
    const std::string ppd = ppdFolder.file("printer.ppd");
    WriteFile(ppd, ReadFile(Ppd("quorvel-kz63-color-mfp.ppd")));
    const int watch = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    ASSERT_GE(watch, 0);
    ASSERT_GE(inotify_add_watch(watch, ppd.c_str(), IN_OPEN), 0);
    const auto opens = [&] {
        int count = 0;
        alignas(inotify_event) char buffer[4096];
        for (ssize_t n; (n = read(watch, buffer, sizeof buffer)) > 0;)
            for (char* p = buffer; p < buffer + n;
                 p += sizeof(inotify_event) + reinterpret_cast<inotify_event*>(p)->len)
                if (reinterpret_cast<inotify_event*>(p)->mask & IN_OPEN) ++count;
        return count;
    };
    for (const std::string options : {"media=A4 number-up=1", "orientation-requested=6 QVTurnPage=true",
                                      "com.apple.print.PrintSettings.PMCopies..n.=2 Collate=true"}) {
        SpoolwrapJob job = BaseJob(tmp, options);
        job.env["PPD"] = ppd;
        job.args.push_back(ProjectPath("samples/sample.pdf"));
        const SpoolwrapResult r = RunSpoolwrap(job);
        ASSERT_EQ(r.status, 0) << r.err;
        EXPECT_EQ(opens(), 1) << options;
    }
    close(watch);
}

// A copy already made in the same second is left as it is; the new job's copy
// takes the next suffix.
TEST(JobCopyFile, SecondCopyInTheSameSecondGetsASuffix)
{
    TempDir tmp;
    WriteFile(tmp.file("marker"), "");
    // Every second the run may fall in already has its first copy.
    const std::time_t now = std::time(nullptr);
    std::vector<std::string> earlier;
    for (std::time_t t = now - 1; t <= now + 3; ++t) {
        struct tm local {};
        localtime_r(&t, &local);
        char stamp[32] = {};
        std::strftime(stamp, sizeof stamp, "%Y%m%d%H%M%S", &local);
        earlier.push_back(std::string("zk") + stamp);
        WriteFile(tmp.file(earlier.back() + ".job"), "earlier job");
    }
    SpoolwrapJob job = BaseJob(tmp);
    job.env["SPOOLWRAP_JOBCOPY_MARKER"] = tmp.file("marker");
    job.stdinData = kSamplePdf;
    const SpoolwrapResult r = RunSpoolwrap(job);
    ASSERT_EQ(r.status, 0) << r.err;

    int suffixed = 0;
    for (const std::string& name : tmp.entries()) {
        if (name.rfind("zk", 0) != 0) continue;
        if (name.find("-2.job") != std::string::npos) {
            ++suffixed;
            EXPECT_EQ(ReadFile(tmp.file(name)), r.out);
        } else {
            EXPECT_EQ(ReadFile(tmp.file(name)), "earlier job") << name;
        }
    }
    EXPECT_EQ(suffixed, 1);
}

TEST(JobCopyFile, NoMarkerNoCopyAndTheSameOutput)
{
    TempDir tmp;
    SpoolwrapJob job = BaseJob(tmp);
    job.stdinData = kSamplePdf;
    const SpoolwrapResult without = RunSpoolwrap(job);
    EXPECT_TRUE(tmp.entries().empty());
    WriteFile(tmp.file("marker"), "");
    job.env["SPOOLWRAP_JOBCOPY_MARKER"] = tmp.file("marker");
    const SpoolwrapResult with = RunSpoolwrap(job);
    // The header's date and time lines may differ by a second between runs.
    EXPECT_EQ(Split(without.out).pdf, Split(with.out).pdf);
    EXPECT_EQ(HeaderLines(without.out).size(), HeaderLines(with.out).size());
}

TEST(JobCopyFile, WithoutTmpdirTheJobStillPrints)
{
    TempDir tmp;
    WriteFile(tmp.file("marker"), "");
    WriteFile(tmp.file("in.pdf"), kSamplePdf);
    SpoolwrapJob job = BaseJob(tmp);
    job.env.erase("TMPDIR");
    job.env["SPOOLWRAP_JOBCOPY_MARKER"] = tmp.file("marker");
    job.args.push_back(tmp.file("in.pdf"));
    const SpoolwrapResult r = RunSpoolwrap(job);
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(Split(r.out).pdf, kSamplePdf);
}

TEST(BrokenPipe, ExitStatusIsOneAfterAllSteps)
{
    TempDir tmp;
    // Large enough that the writes cannot all vanish into the pipe's buffer.
    std::string big = "%PDF-1.4\n";
    big += std::string(4 << 20, 'x') + "\n%%EOF";
    WriteFile(tmp.file("big.pdf"), big);
    WriteFile(tmp.file("marker"), "");
    SpoolwrapJob job = BaseJob(tmp);
    job.args.push_back(tmp.file("big.pdf"));
    job.env["SPOOLWRAP_JOBCOPY_MARKER"] = tmp.file("marker");
    job.closeStdoutEarly = true;
    const SpoolwrapResult r = RunSpoolwrap(job);
    EXPECT_EQ(r.status, 1);
    // All steps ran: the job copy holds the whole job, trailer included.
    std::string copy;
    for (const std::string& name : tmp.entries())
        if (name.rfind("zk", 0) == 0) copy = ReadFile(tmp.file(name));
    ASSERT_FALSE(copy.empty());
    EXPECT_EQ(Split(copy).pdf, big);
    EXPECT_EQ(Split(copy).trailer, kTrailer);
}

TEST(BrokenPipe, WithoutJobCopyAlsoExitsOne)
{
    TempDir tmp;
    std::string big = "%PDF-1.4\n" + std::string(4 << 20, 'y') + "\n%%EOF";
    WriteFile(tmp.file("big.pdf"), big);
    SpoolwrapJob job = BaseJob(tmp);
    job.args.push_back(tmp.file("big.pdf"));
    job.closeStdoutEarly = true;
    EXPECT_EQ(RunSpoolwrap(job).status, 1);
    EXPECT_EQ(ReadFile(tmp.file("big.pdf")), big);
}

TEST(LargeInput, StandardInputOfSeveralMegabytesPassesThrough)
{
    TempDir tmp;
    std::string pdf = "%PDF-1.4\n";
    for (int i = 0; i < 200000; ++i) pdf += (i % 3 == 0) ? "line\r" : (i % 3 == 1 ? "a longer line\n" : "x");
    pdf += std::string(9000, 'z') + "%%EOF"; // a last line longer than any line buffer, no line end
    SpoolwrapJob job = BaseJob(tmp);
    job.stdinData = pdf;
    const SpoolwrapResult r = RunSpoolwrap(job);
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(Split(r.out).pdf, pdf);
    EXPECT_NE(r.out.find("@FSIZ=" + std::to_string(pdf.size()) + "\""), std::string::npos);
}

} // namespace
