// Start-up of a small job: spoolwrap on a one-page PDF, plain and secure
// print, against cups-filters' pdftopdf on the same file with the same PPD,
// run in alternation in the same process. Prints the median of the pairwise
// ratios, the peak memory of each program, and the target beside them.
//
// Usage: bench_startup [RUNS=40] [PDFTOPDF=<cups-config --serverbin>/filter/pdftopdf]
#include "BenchProcess.h"

#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

constexpr double kTargetRatio = 1.0;

std::string DefaultPdftopdf()
{
    const testing_support::ProcessResult serverbin =
        testing_support::RunProcess({"cups-config", {"--serverbin"}});
    std::string dir = serverbin.status == 0 ? serverbin.out : "/usr/lib/cups\n";
    dir.erase(dir.find_last_not_of("\n") + 1);
    return dir + "/filter/pdftopdf";
}

// Wall time of one run, without a timing program in between: at this size
// the extra exec would be a good part of the figure.
double TimeOf(const std::vector<std::string>& command, int& status)
{
    const auto start = std::chrono::steady_clock::now();
    const testing_support::ProcessResult r =
        testing_support::RunProcess({.program = command.front(),
                                     .args = {command.begin() + 1, command.end()},
                                     .stdinFile = "/dev/null",
                                     .stdoutFile = "/dev/null"});
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    status = r.status;
    return seconds;
}

} // namespace

int main(int argc, char** argv)
{
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 40;
    const std::string pdftopdf = argc > 2 ? argv[2] : DefaultPdftopdf();
    if (::access(pdftopdf.c_str(), X_OK) != 0) {
        std::printf("bench_startup: %s not found (cups-filters); nothing to compare with\n",
                    pdftopdf.c_str());
        return 1;
    }
    const testing_support::TempDir scratch;
    const std::string pdf = scratch.file("one-page.pdf");
    bench::WriteDocument(pdf, 1);
    const std::string ppd = std::string(QV_SOURCE_DIR) + "/ppd/quorvel-kz63-color-mfp.ppd";
    setenv("PPD", ppd.c_str(), 1);
    setenv("TMPDIR", scratch.path().c_str(), 1);
    setenv("SPOOLWRAP_JOBCOPY_MARKER", scratch.file("no-such-marker").c_str(), 1);

    const std::string pt = "com.lumeral.vrk.printsettings.";
    const struct Job {
        const char* name;
        std::string options;
    } jobs[] = {
        {"plain", "media=A4"},
        {"secure print", "media=A4 " + pt + "PrintTypeTicketKey=2 " + pt +
                             "PrintTypeUserNameTicketKey=alice " + pt +
                             "PrintTypePasswordTicketKey=MTIzNA== " + pt + "DocumentNameTypeTicketKey=1"},
    };
    std::printf("one-page PDF, %d alternating runs per job; pdftopdf: %s\n", runs, pdftopdf.c_str());
    bool met = true;
    for (const Job& job : jobs) {
        const std::vector<std::string> wrap = {SPOOLWRAP_PATH, "1", "bench", "small", "1", job.options, pdf};
        const std::vector<std::string> anchor = {pdftopdf, "1", "bench", "small", "1", job.options, pdf};
        std::vector<double> wrapTimes, anchorTimes, ratios;
        bool ok = true;
        for (int i = 0; i < runs; ++i) {
            int status = 0;
            const double a = TimeOf(anchor, status);
            ok = ok && status == 0;
            const double w = TimeOf(wrap, status);
            ok = ok && status == 0;
            anchorTimes.push_back(a);
            wrapTimes.push_back(w);
            ratios.push_back(w / a);
        }
        // Peak memory from one run each under /usr/bin/time.
        const long wrapPeak = bench::Run(wrap).peakKiB;
        const long anchorPeak = bench::Run(anchor).peakKiB;
        const double ratio = bench::Median(ratios);
        const bool jobMet = ok && ratio < kTargetRatio;
        met = met && jobMet;
        std::printf("%-13s spoolwrap %.2f ms (peak RSS %.1f MiB)  pdftopdf %.2f ms (peak RSS %.1f MiB)\n",
                    job.name, bench::Median(wrapTimes) * 1e3, wrapPeak / 1024.0,
                    bench::Median(anchorTimes) * 1e3, anchorPeak / 1024.0);
        std::printf("%-13s ratio %.2f x pdftopdf (median of pairs)  target under %.1f x: %s%s\n", job.name,
                    ratio, kTargetRatio, jobMet ? "met" : "NOT met", ok ? "" : " (a run failed)");
    }
    std::printf("target: %s\n", met ? "met" : "NOT met");
    return 0;
}
