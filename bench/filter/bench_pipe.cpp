// A large PDF arriving through a pipe, as when spoolwrap runs behind another
// filter in cupsd: `cat F | spoolwrap ... > OUT` against the anchor
// `cat F | cat > OUT`, run in alternation in the same process. Prints the
// median of the pairwise ratios, the peak memory of each pipeline's largest
// process, and the target beside them.
//
// Usage: bench_pipe [SIZE_MB=1024] [ROUNDS=5] [WORK_DIR=a new folder under $TMPDIR or /tmp]
#include "BenchProcess.h"

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace {

constexpr double kTargetRatio = 1.5;
constexpr long kTargetPeakKiB = 16 * 1024;

// Runs a shell pipeline; "$1" is the PDF and "$2" the output file.
bench::RunResult ShellPipeline(const std::string& script, const std::string& pdf, const std::string& out)
{
    return bench::Run({"/bin/sh", "-c", script, "sh", pdf, out});
}

} // namespace

int main(int argc, char** argv)
{
    const long long sizeMb = argc > 1 ? std::atoll(argv[1]) : 1024;
    const int rounds = argc > 2 ? std::max(1, std::atoi(argv[2])) : 5;
    const testing_support::TempDir scratch;
    const std::string dir = argc > 3 ? argv[3] : scratch.path();
    const std::string pdf = dir + "/bench_pipe_in.pdf";
    const std::string out = dir + "/bench_pipe_out.prn";
    const long long size = bench::SetUpLargeJob("bench_pipe", dir, pdf, sizeMb);
    if (size < 0) return 1;
    std::printf("PDF: %lld bytes (%.1f MiB) in %s, %d rounds\n", size, size / 1048576.0, dir.c_str(), rounds);

    const std::string anchor = "cat \"$1\" | cat > \"$2\"";
    const std::string wrap =
        "cat \"$1\" | " + std::string(SPOOLWRAP_PATH) + " 1 bench big 1 number-up=1 > \"$2\"";
    ShellPipeline("cat \"$1\" > /dev/null", pdf, out); // warm the page cache

    std::vector<double> anchorTimes, wrapTimes, ratios;
    long anchorPeak = 0, wrapPeak = 0;
    bool ok = true;
    for (int round = 0; round < rounds; ++round) {
        std::filesystem::remove(out);
        const bench::RunResult a = ShellPipeline(anchor, pdf, out);
        ok = ok && a.status == 0 && static_cast<long long>(std::filesystem::file_size(out)) == size;
        std::filesystem::remove(out);
        const bench::RunResult w = ShellPipeline(wrap, pdf, out);
        // Header and trailer around every byte of the PDF.
        ok = ok && w.status == 0 && static_cast<long long>(std::filesystem::file_size(out)) > size;
        anchorTimes.push_back(a.seconds);
        wrapTimes.push_back(w.seconds);
        ratios.push_back(w.seconds / a.seconds);
        anchorPeak = std::max(anchorPeak, a.peakKiB);
        wrapPeak = std::max(wrapPeak, w.peakKiB);
    }
    const double ratio = bench::Median(ratios);
    std::printf("cat F | cat > OUT             : %.3f s (median)  peak RSS %.1f MiB\n",
                bench::Median(anchorTimes), anchorPeak / 1024.0);
    std::printf("cat F | spoolwrap ... > OUT   : %.3f s (median)  peak RSS %.1f MiB\n",
                bench::Median(wrapTimes), wrapPeak / 1024.0);
    std::printf("ratio (median of %d pairs)     : %.2f x cat | cat   target at most %.1f x\n", rounds, ratio,
                kTargetRatio);
    std::printf("peak memory                   : %.1f MiB            target under %.0f MiB\n",
                wrapPeak / 1024.0, kTargetPeakKiB / 1024.0);
    std::printf("target: %s\n", ok && ratio <= kTargetRatio && wrapPeak < kTargetPeakKiB ? "met" : "NOT met");
    std::filesystem::remove(pdf);
    std::filesystem::remove(out);
    return ok ? 0 : 1;
}
