// A large PDF arriving through a pipe, as when spoolwrap runs behind another
// filter: `cat F | spoolwrap ... > OUT` against the anchor `cat F | cat > OUT`
// (output into a new file, which spoolwrap fills in place), and as in cupsd,
// where the output is a pipe to the backend: `cat F | spoolwrap ... | cat > OUT`
// against `cat F | cat | cat > OUT`. The four run in alternation in the same
// process. Prints for each case the median of the pairwise ratios and the
// peak memory of each pipeline's largest process, with the targets beside them.
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

// One case: spoolwrap's pipeline against its anchor, round by round.
struct Case {
    const char* name;
    std::string anchor;
    std::string wrap;
    std::vector<double> anchorTimes{}, wrapTimes{}, ratios{};
    long anchorPeak = 0, wrapPeak = 0;

    // Runs both once; false when a run failed or its output has the wrong size.
    bool RunRound(const std::string& pdf, const std::string& out, long long size)
    {
        std::filesystem::remove(out);
        const bench::RunResult a = ShellPipeline(anchor, pdf, out);
        bool ok = a.status == 0 && static_cast<long long>(std::filesystem::file_size(out)) == size;
        std::filesystem::remove(out);
        const bench::RunResult w = ShellPipeline(wrap, pdf, out);
        // Header and trailer around every byte of the PDF.
        ok = ok && w.status == 0 && static_cast<long long>(std::filesystem::file_size(out)) > size;
        anchorTimes.push_back(a.seconds);
        wrapTimes.push_back(w.seconds);
        ratios.push_back(w.seconds / a.seconds);
        anchorPeak = std::max(anchorPeak, a.peakKiB);
        wrapPeak = std::max(wrapPeak, w.peakKiB);
        return ok;
    }

    // Prints the figures; true when both targets are met.
    bool Report(int rounds) const
    {
        const double ratio = bench::Median(ratios);
        const bool met = ratio <= kTargetRatio && wrapPeak < kTargetPeakKiB;
        std::printf("%s\n", name);
        std::printf("  anchor  %-36s: %.3f s (median)  peak RSS %.1f MiB\n", anchorLabel().c_str(),
                    bench::Median(anchorTimes), anchorPeak / 1024.0);
        std::printf("  wrap    %-36s: %.3f s (median)  peak RSS %.1f MiB\n", wrapLabel().c_str(),
                    bench::Median(wrapTimes), wrapPeak / 1024.0);
        std::printf(
            "  ratio (median of %d pairs)                   : %.2f x anchor     target at most %.1f x\n",
            rounds, ratio, kTargetRatio);
        std::printf(
            "  peak memory                                 : %.1f MiB         target under %.0f MiB\n",
            wrapPeak / 1024.0, kTargetPeakKiB / 1024.0);
        std::printf("  target: %s\n", met ? "met" : "NOT met");
        return met;
    }

    std::string anchorLabel() const { return Label(anchor); }
    std::string wrapLabel() const { return Label(wrap); }

    // The pipeline as a person would type it.
    static std::string Label(const std::string& script)
    {
        std::string label = script;
        for (const auto& [from, to] :
             {std::pair<std::string, std::string>{"\"$1\"", "F"},
              {"\"$2\"", "OUT"},
              {std::string(SPOOLWRAP_PATH) + " 1 bench big 1 number-up=1", "spoolwrap ..."}})
            for (size_t at = label.find(from); at != std::string::npos; at = label.find(from, at))
                label.replace(at, from.size(), to);
        return label;
    }
};

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

    const std::string spoolwrap = std::string(SPOOLWRAP_PATH) + " 1 bench big 1 number-up=1";
    Case cases[] = {
        {"into a file (a shell's > OUT)", "cat \"$1\" | cat > \"$2\"",
         "cat \"$1\" | " + spoolwrap + " > \"$2\""},
        {"into a pipe (as in cupsd, to the backend)", "cat \"$1\" | cat | cat > \"$2\"",
         "cat \"$1\" | " + spoolwrap + " | cat > \"$2\""},
    };
    ShellPipeline("cat \"$1\" > /dev/null", pdf, out); // warm the page cache

    bool ok = true;
    for (int round = 0; round < rounds; ++round)
        for (Case& c : cases) ok = c.RunRound(pdf, out, size) && ok;
    bool met = ok;
    for (const Case& c : cases) met = c.Report(rounds) && met;
    std::printf("target: %s\n", met ? "met" : "NOT met");
    std::filesystem::remove(pdf);
    std::filesystem::remove(out);
    return ok ? 0 : 1;
}
