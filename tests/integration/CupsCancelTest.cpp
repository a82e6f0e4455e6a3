// Jobs cancelled with `cancel` through a private cupsd while the filter waits
// on a hung layout filter, while it rasterises, and while the printer has
// stopped reading. cupsd only sends SIGTERM (and SIGKILL 30 s later); the
// filter must end at once, leave nothing in its TMPDIR, leave no process
// behind, and never send the trailer that would make the cut job look whole.
#include "CupsdTest.h"
#include "LargePdf.h"
#include "PrinterListener.h"
#include "PrivateCupsd.h"
#include "ProcessTree.h"
#include "ReceivedJob.h"
#include "tests/support/FileBytes.h"
#include "tests/support/ProcessRunner.h"
#include "tests/support/TempDir.h"

#include "tests/support/WaitUntil.h"

#include <gtest/gtest.h>

#include <sys/prctl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <memory>
#include <thread>

namespace {

using testing_support::WaitUntil;

using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;
using testing_support::DescribeProcess;
using testing_support::ProcessResult;
using testing_support::RunProcess;
using testing_support::TempDir;
using testing_support::WriteFile;

const std::string kKZ63 = "Quorvel/quorvel-kz63-color-mfp.ppd";
// Half the time cupsd gives a cancelled job's processes before it kills
// them: a filter still there then has ignored the cancel.
constexpr auto kHangLimit = 15s;

class CupsCancel : public CupsdTest {
protected:
    void SetUp() override
    {
        CupsdTest::SetUp();
        if (!HasFatalFailure()) StartCupsd();
    }

    std::vector<std::string> Running(const std::string& text) const { return OtherProcesses(text); }
    // The filter's process for a job, as cupsd logged it ("Started filter
    // .../spoolwrap (PID N)"); cupsd names the process after the queue.
    std::string FilterProcess(int jobId) const
    {
        const std::string log = JobLogLines(cupsd_->ErrorLog(), jobId);
        const std::string marker = "/spoolwrap (PID ";
        const size_t at = log.find(marker);
        return at == std::string::npos ? ""
                                       : std::to_string(std::atoi(log.c_str() + at + marker.size())) + ":";
    }
    bool FilterRuns(int jobId) const
    {
        const std::string filter = FilterProcess(jobId);
        for (const std::string& p : Descendants(getpid()))
            if (!filter.empty() && p.rfind(filter, 0) == 0) return true;
        return false;
    }
    // Prints, waits until `ready` and `settle` more, cancels; then the filter
    // must be gone within the hang limit, the job cancelled and the filters'
    // TMPDIR empty.
    void PrintAndCancel(const std::string& queue, const std::string& file, const std::string& option,
                        const std::function<bool()>& ready, std::chrono::milliseconds settle)
    {
        std::string error;
        const int id = cupsd_->Print(queue, file, "cancelled", {option}, &error);
        ASSERT_GT(id, 0) << error;
        ASSERT_TRUE(WaitUntil(ready, 60s)) << JobLogLines(cupsd_->ErrorLog(), id);
        std::this_thread::sleep_for(settle);
        ASSERT_TRUE(FilterRuns(id)) << "the filter ended before the cancel\n"
                                    << JobLogLines(cupsd_->ErrorLog(), id);
        const auto start = Clock::now();
        const ProcessResult r = cupsd_->Run({.program = "cancel", .args = {std::to_string(id)}});
        ASSERT_EQ(r.status, 0) << r.err;
        const bool ended = WaitUntil([&] { return !FilterRuns(id); }, kHangLimit);
        const auto took = std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start);
        RecordProperty("cancel_ms_" + option.substr(0, option.find('=')), static_cast<int>(took.count()));
        EXPECT_TRUE(ended) << JoinLines(Running(""));
        EXPECT_EQ(cupsd_->WaitForJob(id, 10).stateName, "canceled") << JobLogLines(cupsd_->ErrorLog(), id);
        EXPECT_EQ(JoinLines(TempFiles()), "");
    }
};

TEST_F(CupsCancel, CancelledJobsEndAtOnceAndLeaveNothingBehind)
{
    PrinterListener printer;
    PrinterListener stalled(PrinterListener::Mode::Stall);
    for (const auto& [name, listener] : {std::pair{"kz63", &printer}, std::pair{"stalled", &stalled}}) {
        ASSERT_TRUE(listener->ok());
        ASSERT_EQ(cupsd_->AddQueue(name, kKZ63, listener->DeviceUri()), "");
    }
    const std::string data = std::string(QV_TEST_DATA) + "/";

    // The layout filter hangs and ignores SIGTERM; what it started too.
    const std::string layout = root_ + "/cups/serverbin/filter/pdftopdf";
    std::filesystem::remove(layout);
    WriteFile(layout, "#!/bin/sh\ntrap '' TERM\nsleep 60 &\nwait\n");
    chmod(layout.c_str(), 0755);
    PrintAndCancel(
        "kz63", data + "five-pages.pdf", "page-set=odd", [&] { return !Running("sleep 60").empty(); }, 0ms);
    EXPECT_EQ(JoinLines(Running("sleep 60")), "");

    // 200 pages to rasterise: the cancel comes once the pass has begun.
    std::vector<std::string> pages = {"--empty", "--pages"};
    for (int i = 0; i < 40; ++i) pages.push_back(data + "five-pages.pdf");
    pages.insert(pages.end(), {"--", root_ + "/many.pdf"});
    const ProcessResult made = RunProcess({.program = "qpdf", .args = pages, .timeoutSeconds = 60});
    ASSERT_EQ(made.status, 0) << made.err;
    chmod((root_ + "/many.pdf").c_str(), 0644);
    PrintAndCancel(
        "kz63", root_ + "/many.pdf", "QVPDFRasterizedMode=true", [&] { return !TempFiles().empty(); }, 300ms);

    // The printer has stopped reading: 32 MB cannot fit the buffers between,
    // so the filter waits on its output.
    WriteFile(root_ + "/large.pdf", LargePdf(32u << 20));
    chmod((root_ + "/large.pdf").c_str(), 0644);
    // A second after the connection the buffers between are long full.
    PrintAndCancel(
        "stalled", root_ + "/large.pdf", "media=A4", [&] { return stalled.Accepted() > 0; }, 1s);

    // What reached the printers is cut short: never a whole job.
    stalled.Release();
    for (PrinterListener* listener : {&printer, &stalled})
        for (const std::string& received : listener->WaitForJobs(listener->Accepted(), 30))
            EXPECT_EQ(received.find(kTrailer), std::string::npos) << "a cancelled job was printed whole";
    // Once the backend has given the printer the rest, nothing runs on.
    EXPECT_TRUE(WaitUntil([&] { return Running("").empty(); }, 10s)) << JoinLines(Running(""));
}

} // namespace
