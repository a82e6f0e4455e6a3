// Wraps a large PDF with spoolwrap and compares its wall time with cat's on the
// same file, measured in the same run; reports spoolwrap's peak memory.
//
// Usage: bench_wrap [SIZE_MB=1024] [WORK_DIR=a new folder under $TMPDIR or /tmp]
#include "BenchProcess.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

long long FileSize(const std::string& path)
{
    struct stat st {};
    return stat(path.c_str(), &st) == 0 ? st.st_size : -1;
}

} // namespace

int main(int argc, char** argv)
{
    const long long sizeMb = argc > 1 ? std::atoll(argv[1]) : 1024;
    const testing_support::TempDir scratch;
    const std::string dir = argc > 2 ? argv[2] : scratch.path();
    const std::string pdf = dir + "/bench_wrap_in.pdf";
    const std::string out = dir + "/bench_wrap_out.prn";
    const long long size = bench::SetUpLargeJob("bench_wrap", dir, pdf, sizeMb);
    if (size < 0) return 1;
    std::printf("PDF: %lld bytes (%.1f MiB) in %s\n", size, size / 1048576.0, dir.c_str());

    const std::string cat = "/bin/cat";
    const std::vector<std::string> fileJob = {SPOOLWRAP_PATH, "1", "bench", "big", "1", "number-up=1", pdf};
    const std::vector<std::string> stdinJob = {SPOOLWRAP_PATH, "1", "bench", "big", "1", "number-up=1"};

    bench::Run({cat, pdf}, {}, "/dev/null", out); // warm the page cache
    std::vector<double> catTimes, fileTimes, stdinTimes;
    long peakFile = 0, peakStdin = 0;
    bool ok = true;
    for (int round = 0; round < 3; ++round) {
        catTimes.push_back(bench::Run({cat, pdf}, {}, "/dev/null", out).seconds);
        const bench::RunResult f = bench::Run(fileJob, {}, "/dev/null", out);
        ok = ok && f.status == 0 && FileSize(out) > size;
        fileTimes.push_back(f.seconds);
        peakFile = std::max(peakFile, f.peakKiB);
        const bench::RunResult s = bench::Run(stdinJob, {}, pdf, out);
        ok = ok && s.status == 0 && FileSize(out) > size;
        stdinTimes.push_back(s.seconds);
        peakStdin = std::max(peakStdin, s.peakKiB);
    }
    const double c = bench::Median(catTimes), f = bench::Median(fileTimes), s = bench::Median(stdinTimes);
    std::printf("cat FILE > OUT           : %.3f s\n", c);
    std::printf("spoolwrap ... FILE > OUT : %.3f s  ratio %.2f x cat  peak RSS %.1f MiB\n", f, f / c,
                peakFile / 1024.0);
    std::printf("spoolwrap < FILE > OUT   : %.3f s  ratio %.2f x cat  peak RSS %.1f MiB\n", s, s / c,
                peakStdin / 1024.0);
    std::printf("target: at most 2.5 x cat, peak memory under 16 MiB: %s\n",
                ok && f / c <= 2.5 && s / c <= 2.5 && peakFile < 16384 && peakStdin < 16384 ? "met"
                                                                                            : "NOT met");
    unlink(pdf.c_str());
    unlink(out.c_str());
    return ok ? 0 : 1;
}
