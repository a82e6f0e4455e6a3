// Whole jobs through the real filter: framing, PDF bytes, trailer, exit status.
#include "SpoolwrapRun.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {

const std::string kUEL = "\x1b%-12345X";
const std::string kTrailer = kUEL + "@PJL EOJ\n";

// A small PDF whose last byte is not a line end, with CR and LF line ends inside.
const std::string kSamplePdf = "%PDF-1.4\r\n%\xe2\xe3\xcf\xd3\n1 0 obj\r<<>>\rendobj\ntrailer<<>>\n%%EOF";

std::string Ppd(const std::string& name) { return ProjectPath("ppd/" + name); }

SpoolwrapJob BaseJob(const TempDir& tmp, const std::string& options = "")
{
    SpoolwrapJob job;
    job.args = {"42", "alice", "report", "1", options};
    job.env = {{"PPD", Ppd("quorvel-kz63-color-mfp.ppd")},
               {"TMPDIR", tmp.path()},
               {"SPOOLWRAP_JOBCOPY_MARKER", tmp.path() + "/no-marker"}};
    return job;
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
    WriteFileBytes(tmp.file("in.pdf"), kSamplePdf);
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
    const std::string tail = "@PJL SET JOBATTR=\"@FSIZ=" + std::to_string(kSamplePdf.size()) +
                             "\"\n@PJL ENTER LANGUAGE=PDF\n";
    EXPECT_EQ(parts.header.substr(parts.header.size() - tail.size()), tail);
    // The input file is the job's own: it must still be there.
    EXPECT_EQ(ReadFileBytes(tmp.file("in.pdf")), kSamplePdf);
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
