// spoolwrap cancelled by CUPS (SIGTERM) at each stage of a job, and jobs that
// cannot be kept or sent. A cancelled job ends with status 1, sends nothing
// more (never the trailer, which would make a cut job look whole), and leaves
// no temporary file, job copy or child process behind. A job whose data or
// output fails ends with status 1 and says why; only a truly empty input is
// an empty job.
#include "PdfTestSupport.h"
#include "SpoolwrapRun.h"

#include "tests/support/WaitUntil.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <sstream>
#include <thread>

namespace {

using testing_support::WaitUntil;

using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;

const std::string kUEL = "\x1b%-12345X";
const std::string kTrailer = kUEL + "@PJL EOJ\n";

// Far longer than any cancel takes; a run still going then has ignored it.
constexpr auto kHangLimit = 15s;

// A spoolwrap run that the test steers while it runs: standard input stays
// open until the test closes it (a job still arriving), standard output is a
// pipe read only after the end (a printer that stopped reading), and SIGTERM
// goes in when the test chooses.
class LiveSpoolwrap {
public:
    explicit LiveSpoolwrap(const SpoolwrapJob& job, const std::string& errFile) : errFile_(errFile)
    {
        int in[2], out[2];
        if (::pipe2(in, O_CLOEXEC) != 0 || ::pipe2(out, O_CLOEXEC) != 0) return;
        input_ = in[1];
        output_ = out[0];
        std::vector<std::string> texts = {SpoolwrapBinary()};
        texts.insert(texts.end(), job.args.begin(), job.args.end());
        std::vector<std::string> envTexts = {"PATH=/usr/bin:/bin", "LANG=C"};
        for (const auto& [name, value] : job.env) envTexts.push_back(name + "=" + value);
        std::vector<char*> argv, envp;
        for (std::string& t : texts) argv.push_back(t.data());
        for (std::string& t : envTexts) envp.push_back(t.data());
        argv.push_back(nullptr);
        envp.push_back(nullptr);
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, in[0], 0);
        posix_spawn_file_actions_adddup2(&actions, out[1], 1);
        posix_spawn_file_actions_addopen(&actions, 2, errFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (posix_spawn(&pid_, argv[0], &actions, nullptr, argv.data(), envp.data()) != 0) pid_ = -1;
        posix_spawn_file_actions_destroy(&actions);
        ::close(in[0]);
        ::close(out[1]);
    }
    ~LiveSpoolwrap()
    {
        if (pid_ > 0) {
            ::kill(pid_, SIGKILL);
            ::waitpid(pid_, nullptr, 0);
        }
        CloseInput();
        if (output_ >= 0) ::close(output_);
    }
    LiveSpoolwrap(const LiveSpoolwrap&) = delete;
    LiveSpoolwrap& operator=(const LiveSpoolwrap&) = delete;

    bool started() const { return pid_ > 0; }
    void Feed(const std::string& bytes)
    {
        for (size_t done = 0; done < bytes.size();) {
            const ssize_t n = ::write(input_, bytes.data() + done, bytes.size() - done);
            if (n <= 0) return;
            done += static_cast<size_t>(n);
        }
    }
    void CloseInput()
    {
        if (input_ >= 0) ::close(input_);
        input_ = -1;
    }
    // Bytes written to standard output and not yet read.
    int Pending() const
    {
        int n = 0;
        ::ioctl(output_, FIONREAD, &n);
        return n;
    }
    int PipeCapacity() const { return ::fcntl(output_, F_GETPIPE_SZ); }

    // Sends SIGTERM and waits for the end: the exit status, or -1 when the run
    // ignored the cancel (it is then killed). Standard input stays open.
    int Cancel()
    {
        const auto start = Clock::now();
        ::kill(pid_, SIGTERM);
        int status = 0;
        const bool ended = WaitUntil([&] { return ::waitpid(pid_, &status, WNOHANG) == pid_; }, kHangLimit);
        cancelTime_ = std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start);
        if (!ended) return -1;
        pid_ = -1;
        return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    }
    std::chrono::milliseconds cancelTime() const { return cancelTime_; }

    // Everything written to standard output; only once the run has ended.
    std::string Output()
    {
        std::string out;
        char buffer[65536];
        for (ssize_t n; (n = ::read(output_, buffer, sizeof buffer)) > 0;) out.append(buffer, size_t(n));
        return out;
    }
    std::string Errors() const { return ReadFile(errFile_); }

private:
    std::string errFile_;
    pid_t pid_ = -1;
    int input_ = -1;
    int output_ = -1;
    std::chrono::milliseconds cancelTime_{0};
};

// Whether a process has ended (a zombie waiting for its parent has).
bool ProcessGone(pid_t pid)
{
    std::error_code error;
    const std::string stat = testing_support::ReadFile("/proc/" + std::to_string(pid) + "/stat", error);
    if (error) return true;
    const size_t close = stat.rfind(')');
    return close != std::string::npos && stat.compare(close + 2, 1, "Z") == 0;
}

// A PDF of about `size` bytes: one page and a stream of filler.
std::string PaddedPdf(size_t size)
{
    const std::string head = "%PDF-1.4\n1 0 obj<</Type/Catalog/Pages 2 0 R>>endobj\n"
                             "2 0 obj<</Type/Pages/Kids[3 0 R]/Count 1>>endobj\n"
                             "3 0 obj<</Type/Page/Parent 2 0 R/MediaBox[0 0 595 842]>>endobj\n"
                             "4 0 obj<</Length " +
                             std::to_string(size) + ">>stream\n";
    return head + std::string(size, 'x') + "\nendstream endobj\ntrailer<</Root 1 0 R>>\n%%EOF\n";
}

// A job as CUPS starts it, with a job copy being made (the marker exists):
// a cancelled job must not leave one either.
class Cancel : public ::testing::Test {
protected:
    TempDir tmp, work;
    SpoolwrapJob job;

    void SetUp() override
    {
        WriteFile(work.file("marker"), "");
        job = CupsJob(tmp.path(), work.file("marker"));
    }
    std::string ErrFile() const { return work.file("stderr"); }
    long long LargestTempFile() const
    {
        long long largest = -1;
        for (const std::string& name : tmp.entries())
            largest = std::max<long long>(largest, std::filesystem::file_size(tmp.file(name)));
        return largest;
    }
    // The run ended with status 1 within the hang limit, sent nothing (or, once
    // sending had begun, no trailer) and left nothing in TMPDIR.
    void ExpectCancelled(LiveSpoolwrap& run, int status, bool sendingBegun = false)
    {
        ASSERT_NE(status, -1) << "still running " << kHangLimit.count() << " s after SIGTERM";
        RecordProperty("cancel_ms", static_cast<int>(run.cancelTime().count()));
        EXPECT_EQ(status, 1) << run.Errors();
        EXPECT_NE(run.Errors().find("ERROR: The job was cancelled\n"), std::string::npos) << run.Errors();
        const std::string out = run.Output();
        if (sendingBegun) {
            EXPECT_EQ(out.rfind(kUEL + "@PJL JOB MODE=PRINTER\n", 0), 0u);
            EXPECT_EQ(out.find(kTrailer), std::string::npos) << "the cut job ends like a whole one";
        } else {
            EXPECT_EQ(out, "");
        }
        EXPECT_TRUE(tmp.entries().empty()) << tmp.entries().front();
    }
};

TEST_F(Cancel, WhileStandardInputIsStillArriving)
{
    // Part of the job has arrived and been kept; the rest never comes, and
    // the read waits on the open pipe when SIGTERM arrives.
    LiveSpoolwrap run(job, ErrFile());
    ASSERT_TRUE(run.started());
    const std::string pdf = PaddedPdf(1 << 20);
    run.Feed(pdf.substr(0, 64 * 1024));
    ASSERT_TRUE(WaitUntil([&] { return LargestTempFile() == 64 * 1024; }, 10s));
    ExpectCancelled(run, run.Cancel());
}

TEST_F(Cancel, WhileTheLayoutFilterRunsEvenOneThatIgnoresSigterm)
{
    // A layout filter that hangs, and one that also starts a process of its
    // own: both, and what they started, are gone after the cancel.
    TempDir cups;
    std::filesystem::create_directories(cups.file("data/mime"));
    std::filesystem::create_directories(cups.file("etc"));
    std::filesystem::create_directories(cups.file("bin/filter"));
    WriteFile(cups.file("data/mime/test.convs"), "application/pdf application/vnd.cups-pdf 66 pdftopdf\n");
    job.env["CUPS_DATADIR"] = cups.file("data");
    job.env["CUPS_SERVERROOT"] = cups.file("etc");
    job.env["CUPS_SERVERBIN"] = cups.file("bin");
    job.args[4] = "page-set=odd";
    WriteFile(work.file("in.pdf"), ReadFile(ProjectPath("samples/sample.pdf")));
    job.args.push_back(work.file("in.pdf"));

    for (const std::string trap : {"", "trap '' TERM\n"}) {
        SCOPED_TRACE(trap.empty() ? "filter ends on SIGTERM" : "filter ignores SIGTERM");
        const std::string pids = work.file("pids");
        std::filesystem::remove(pids);
        WriteFile(cups.file("bin/filter/pdftopdf"), "#!/bin/sh\n" + trap + "echo $$ > " + pids +
                                                        ".new\nsleep 60 &\necho $! >> " + pids + ".new\nmv " +
                                                        pids + ".new " + pids + "\nwait\n");
        ::chmod(cups.file("bin/filter/pdftopdf").c_str(), 0755);

        LiveSpoolwrap run(job, ErrFile());
        ASSERT_TRUE(run.started());
        ASSERT_TRUE(WaitUntil([&] { return std::filesystem::exists(pids); }, 10s));
        ExpectCancelled(run, run.Cancel());
        std::istringstream list(ReadFile(pids));
        int count = 0;
        for (pid_t pid; list >> pid; ++count)
            EXPECT_TRUE(WaitUntil([&] { return ProcessGone(pid); }, 2s)) << "process " << pid << " left";
        EXPECT_EQ(count, 2);
    }
}

TEST_F(Cancel, BetweenPagesOfTheRasterPass)
{
    // Rasterising 300 pages takes a minute; the cancel comes once the pass
    // has begun writing its output.
    WriteMarkedPdf(work.file("in.pdf"), 300);
    job.args[4] = "QVPDFRasterizedMode=true";
    job.args.push_back(work.file("in.pdf"));
    LiveSpoolwrap run(job, ErrFile());
    ASSERT_TRUE(run.started());
    // The job copy is there from the start; the pass adds its output file.
    ASSERT_TRUE(WaitUntil([&] { return tmp.entries().size() == 2; }, 20s));
    std::this_thread::sleep_for(200ms);
    ExpectCancelled(run, run.Cancel());
}

TEST_F(Cancel, WhileThePrinterHasStoppedReading)
{
    // The output pipe is full and nobody reads it: the write waits when
    // SIGTERM arrives. With a job copy the bytes go through the filter's own
    // buffer; without one the kernel copies the file.
    WriteFile(work.file("in.pdf"), PaddedPdf(4 << 20));
    job.args.push_back(work.file("in.pdf"));
    for (const bool jobCopy : {true, false}) {
        SCOPED_TRACE(jobCopy ? "with a job copy" : "without a job copy");
        job.env["SPOOLWRAP_JOBCOPY_MARKER"] = work.file(jobCopy ? "marker" : "no-marker");
        LiveSpoolwrap run(job, ErrFile());
        ASSERT_TRUE(run.started());
        // Once the pipe holds half its size the rest of the 4 MiB cannot
        // follow; a moment later the filter waits in its write.
        ASSERT_TRUE(WaitUntil([&] { return run.Pending() >= run.PipeCapacity() / 2; }, 10s));
        std::this_thread::sleep_for(200ms);
        ExpectCancelled(run, run.Cancel(), true);
    }
}

// --- Jobs that cannot be kept or sent ------------------------------------------

class Unsent : public ::testing::Test {
protected:
    TempDir tmp, work;
    SpoolwrapJob job;

    void SetUp() override { job = CupsJob(tmp.path(), work.file("no-marker")); }
    // A folder the filter cannot create files in: a read-only one, or for
    // root, who may write in any folder on disk, /sys.
    std::string UnwritableFolder() const
    {
        std::filesystem::create_directories(work.file("read-only"));
        ::chmod(work.file("read-only").c_str(), 0555);
        return ::geteuid() == 0 ? "/sys" : work.file("read-only");
    }
    void ExpectFailed(const SpoolwrapResult& r, const std::string& message)
    {
        EXPECT_EQ(r.status, 1) << r.err;
        EXPECT_NE(r.err.find(message), std::string::npos) << r.err;
        EXPECT_EQ(r.out, "");
        EXPECT_TRUE(tmp.entries().empty()) << tmp.entries().front();
    }
};

TEST_F(Unsent, DataThatCannotBeKeptFailsTheJobButAnEmptyInputIsAnEmptyJob)
{
    WriteFile(work.file("a-file"), "");
    const std::string pdf = ReadFile(ProjectPath("samples/sample.pdf"));
    for (const std::string& tmpdir : {work.file("a-file"), UnwritableFolder()}) {
        SCOPED_TRACE("TMPDIR " + tmpdir);
        job.env["TMPDIR"] = tmpdir;
        job.stdinData = pdf;
        ExpectFailed(RunSpoolwrap(job),
                     "The job's data cannot be kept: no temporary file can be made in " + tmpdir + " (");
        // Nothing arrived, so nothing is lost.
        job.stdinData.clear();
        const SpoolwrapResult r = RunSpoolwrap(job);
        EXPECT_EQ(r.status, 0) << r.err;
        EXPECT_NE(r.out.find("@PJL SET JOBATTR=\"@FSIZ=0\"\n@PJL ENTER LANGUAGE=PDF\n" + kTrailer),
                  std::string::npos);
    }
}

TEST_F(Unsent, ArgumentSixThatCannotBeReadFailsTheJob)
{
    std::filesystem::create_directories(work.file("a-folder"));
    job.args.push_back(work.file("a-folder"));
    ExpectFailed(RunSpoolwrap(job),
                 "The job's file " + work.file("a-folder") + " cannot be read (Is a directory)");
}

TEST_F(Unsent, FullStandardOutputFailsTheJob)
{
    // The three ways onto the output: the job's file by the kernel, a copy of
    // standard input, and the filter's own buffer when a job copy is made.
    WriteFile(work.file("in.pdf"), PaddedPdf(256 * 1024));
    WriteFile(work.file("marker"), "");
    const std::string full = "The job cannot be written to standard output (No space left on device)";
    job.stdoutFile = "/dev/full";
    job.stdinFile = "/dev/null";
    job.args.push_back(work.file("in.pdf"));
    ExpectFailed(RunSpoolwrap(job), full);
    job.env["SPOOLWRAP_JOBCOPY_MARKER"] = work.file("marker");
    const SpoolwrapResult mirrored = RunSpoolwrap(job);
    EXPECT_EQ(mirrored.status, 1);
    EXPECT_NE(mirrored.err.find(full), std::string::npos) << mirrored.err;
    job.env["SPOOLWRAP_JOBCOPY_MARKER"] = work.file("no-marker");
    job.args.pop_back();
    job.stdinFile.clear();
    job.stdinData = ReadFile(work.file("in.pdf"));
    std::filesystem::remove_all(tmp.path());
    std::filesystem::create_directories(tmp.path());
    ExpectFailed(RunSpoolwrap(job), full);
}

TEST_F(Unsent, ClosedStandardOutputFailsTheJob)
{
    WriteFile(work.file("in.pdf"), ReadFile(ProjectPath("samples/sample.pdf")));
    SpoolwrapJob closed = job;
    closed.program = "/bin/sh";
    closed.cleanEnvironment = true;
    closed.args = {"-c", "exec \"$0\" \"$@\" >&-", SpoolwrapBinary()};
    closed.args.insert(closed.args.end(), job.args.begin(), job.args.end());
    closed.args.push_back(work.file("in.pdf"));
    ExpectFailed(testing_support::RunProcess(closed), "Standard output is closed: the job cannot be sent");
}

} // namespace
