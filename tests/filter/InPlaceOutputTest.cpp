// A piped job whose standard output is a new file of its own is written into
// that file in place, without a temporary copy: the same bytes as through a
// pipe, and on a failure the same empty output. The in-place path needs no
// temporary folder, which tells it apart from the usual path: with TMPDIR
// missing, the usual path cannot keep a piped job and fails it.
#include "filter/FileCopy.h"
#include "platform/UniqueFd.h"

#include "SpoolwrapRun.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <string>

namespace {

const std::string kKeys = "com.lumeral.vrk.printsettings.";
// Date and time from the job's own keys: runs at different seconds match.
const std::string kFixedClock =
    kKeys + "JBAPllrPrintDateTicketKey=12/08/2026 " + kKeys + "JBAPllrPrintTimeTicketKey=09:30:00";

// A framed PDF of exactly size bytes (at least 16).
std::string FramedPdf(size_t size) { return "%PDF-1.4\n" + PatternBytes(size - 16) + "\n%%EOF\n"; }

class InPlaceOutput : public testing::Test {
protected:
    TempDir tmp, outDir;

    SpoolwrapJob Job(const std::string& pdf, const std::string& options = "") const
    {
        SpoolwrapJob job = CupsJob(tmp.path(), tmp.file("no-marker"), kFixedClock + " " + options);
        job.stdinData = pdf;
        return job;
    }

    // The job as the usual path sends it: into a pipe.
    static SpoolwrapResult ThroughAPipe(const SpoolwrapJob& job) { return RunSpoolwrap(job); }

    // The job into a new output file, with no temporary folder.
    SpoolwrapResult IntoAFile(SpoolwrapJob job, bool withTmpdir = false) const
    {
        if (!withTmpdir) job.env["TMPDIR"] = tmp.file("missing");
        job.stdoutFile = outDir.file("job.prn");
        return RunSpoolwrap(job);
    }

    std::string Output() const { return ReadFile(outDir.file("job.prn")); }
};

// Sizes around the windows the checks read at each end and the block the
// misplaced PDF moves by, an empty job, and several megabytes. None has the
// ten digits the header's room is first made for, so each one is moved.
TEST_F(InPlaceOutput, SendsTheBytesThePipeGets)
{
    for (const size_t size : {size_t{0}, size_t{16}, size_t{65536}, size_t{131072}, size_t{131073},
                              size_t{(128 << 10) + 1}, size_t{(3 << 20) + 7}}) {
        SCOPED_TRACE(size);
        const SpoolwrapJob job = Job(size == 0 ? std::string() : FramedPdf(size));
        const SpoolwrapResult piped = ThroughAPipe(job);
        ASSERT_EQ(piped.status, 0) << piped.err;
        const SpoolwrapResult r = IntoAFile(job);
        ASSERT_EQ(r.status, 0) << r.err;
        EXPECT_EQ(r.err, piped.err);
        const std::string out = Output();
        EXPECT_TRUE(out == piped.out) << out.size() << " bytes, through a pipe " << piped.out.size();
        EXPECT_NE(out.find("@FSIZ=" + std::to_string(size) + "\"\n@PJL ENTER LANGUAGE=PDF\n"),
                  std::string::npos);
    }
}

// Where the output is no new file of the filter's own, or the job needs more
// than its bytes passed on, the usual path runs: it fails without a temporary
// folder, and with one it writes what the pipe gets.
TEST_F(InPlaceOutput, OtherOutputsTakeTheUsualPath)
{
    struct Case {
        const char* name;
        bool append;        // the output is opened for appending
        std::string before; // what the output file holds already
        std::string options;
    };
    const Case cases[] = {
        {"appending to an empty file", true, "", ""},
        {"appending after earlier bytes", true, "EARLIER JOB\n", ""},
        {"two copies: a page pass", false, "", "com.apple.print.PrintSettings.PMCopies..n.=2"},
        {"two pages a sheet: the layout filter", false, "", "number-up=2"},
    };
    const std::string pdf = ReadFile(TestDataPath("golden/no-final-newline.pdf"));
    ASSERT_FALSE(pdf.empty());
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SpoolwrapJob job = Job(pdf, c.options);
        job.stdoutAppend = c.append;
        WriteFile(outDir.file("job.prn"), c.before);
        const SpoolwrapResult lost = IntoAFile(job);
        EXPECT_NE(lost.status, 0);
        EXPECT_NE(lost.err.find("no temporary file can be made"), std::string::npos) << lost.err;

        if (c.options == "number-up=2") continue; // the layout filter's bytes are its own
        const SpoolwrapResult piped = ThroughAPipe(job);
        ASSERT_EQ(piped.status, 0) << piped.err;
        WriteFile(outDir.file("job.prn"), c.before);
        const SpoolwrapResult r = IntoAFile(job, true);
        ASSERT_EQ(r.status, 0) << r.err;
        EXPECT_TRUE(Output() == c.before + piped.out);
    }
}

// Standard error into the same file ("2>&1"): its messages stay before the
// header, where the usual path writes them (an empty job has one).
TEST_F(InPlaceOutput, MessagesIntoTheSameFileStayInOrder)
{
    const SpoolwrapJob job = Job("");
    const SpoolwrapResult piped = ThroughAPipe(job);
    ASSERT_EQ(piped.status, 0) << piped.err;
    ASSERT_FALSE(piped.err.empty());
    SpoolwrapJob shell = job;
    shell.program = "/bin/sh";
    shell.cleanEnvironment = true;
    shell.args = {"-c", "f=$1; shift; exec \"$@\" > \"$f\" 2>&1", "sh", outDir.file("job.prn"),
                  SpoolwrapBinary()};
    shell.args.insert(shell.args.end(), job.args.begin(), job.args.end());
    const SpoolwrapResult r = RunProcess(shell);
    ASSERT_EQ(r.status, 0) << Output();
    EXPECT_EQ(Output(), piped.err + piped.out);
}

// The job copy (kept in the temporary folder) gets every byte the output file
// gets: the usual path mirrors them.
TEST_F(InPlaceOutput, AJobCopyHoldsTheOutputFileBytes)
{
    SpoolwrapJob job = Job(FramedPdf(300000));
    WriteFile(tmp.file("marker"), "");
    job.env["SPOOLWRAP_JOBCOPY_MARKER"] = tmp.file("marker");
    const SpoolwrapResult r = IntoAFile(job, true);
    ASSERT_EQ(r.status, 0) << r.err;
    std::string copy;
    for (const std::string& name : tmp.entries())
        if (name.ends_with(".job")) copy = ReadFile(tmp.file(name));
    // Header, the PDF, and the 18 bytes of the trailer.
    EXPECT_EQ(Output().size(), Output().find("%PDF-") + 300000 + 18);
    EXPECT_TRUE(copy == Output()) << copy.size() << " bytes in the copy";
}

// A job that fails leaves the output file empty, with the messages and the
// status the usual path gives.
TEST_F(InPlaceOutput, AFailedJobLeavesTheFileEmpty)
{
    struct Case {
        const char* name;
        std::string pdf;
        long fileSizeLimit;
        long sigtermAfterBytes;
    };
    const std::string large = FramedPdf(2 << 20);
    const Case cases[] = {
        {"no end-of-file marker", "%PDF-1.4\n" + PatternBytes(300000), -1, -1},
        {"no PDF header", PatternBytes(1000) + "\n%%EOF\n", -1, -1},
        {"a full disk", large, 1 << 20, -1},
        {"a cancel while the data arrives", large, -1, 256 << 10},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SpoolwrapJob job = Job(c.pdf);
        job.fileSizeLimit = c.fileSizeLimit;
        job.sigtermAfterBytes = c.sigtermAfterBytes;
        const SpoolwrapResult piped = ThroughAPipe(job);
        EXPECT_NE(piped.status, 0);
        EXPECT_TRUE(piped.out.empty());
        WriteFile(outDir.file("job.prn"), "");
        const SpoolwrapResult r = IntoAFile(job, true);
        EXPECT_EQ(r.status, piped.status);
        EXPECT_EQ(r.err, piped.err);
        EXPECT_TRUE(Output().empty()) << Output().size() << " bytes left";
        EXPECT_TRUE(tmp.entries().empty());
    }
}

// The move that puts the PDF behind a header of another length: by a few
// bytes either way, across the block it moves by, within one file.
TEST(MoveWithinFile, EveryByteLandsInPlace)
{
    TempDir tmp;
    const std::string path = tmp.file("file");
    constexpr off_t kBlock = 128 << 10;
    struct Case {
        off_t from, to, size;
    };
    const Case cases[] = {
        {10, 11, 0},        {574, 566, 3 * kBlock + 7}, {566, 574, 3 * kBlock + 7}, {99, 100, kBlock + 1},
        {5, 0, kBlock - 1}, {1, 2 * kBlock + 9, 9},     {2 * kBlock, 0, kBlock},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.from) + " -> " + std::to_string(c.to) + ", " + std::to_string(c.size));
        const std::string before = PatternBytes(static_cast<size_t>(std::max(c.from, c.to) + c.size + 3));
        WriteFile(path, before);
        std::string expected = before;
        expected.replace(static_cast<size_t>(c.to), static_cast<size_t>(c.size),
                         before.substr(static_cast<size_t>(c.from), static_cast<size_t>(c.size)));
        {
            const platform::UniqueFd in(::open(path.c_str(), O_RDONLY));
            const platform::UniqueFd out(::open(path.c_str(), O_WRONLY));
            ASSERT_TRUE(in && out);
            EXPECT_EQ(MoveWithinFile(in.Get(), out.Get(), c.from, c.to, c.size), CopyResult::Complete);
        }
        EXPECT_TRUE(ReadFile(path) == expected);
    }
}

} // namespace
