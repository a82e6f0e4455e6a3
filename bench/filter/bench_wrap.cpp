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

// Writes a valid PDF of about sizeMb megabytes: pages whose content streams are
// long runs of drawing operators, so the file is mostly stream data.
long long MakeBigPdf(const std::string& path, long long sizeMb)
{
    FILE* f = std::fopen(path.c_str(), "wb");
    if (f == nullptr) return -1;
    const long long target = sizeMb << 20;
    const long long streamSize = 32LL << 20;
    const int pages = static_cast<int>(std::max(1LL, target / streamSize));
    std::vector<long long> offsets;
    auto obj = [&](const std::string& body) {
        offsets.push_back(std::ftell(f));
        std::fprintf(f, "%zu 0 obj\n%s\nendobj\n", offsets.size(), body.c_str());
    };
    std::fputs("%PDF-1.4\n%\xe2\xe3\xcf\xd3\n", f);
    obj("<< /Type /Catalog /Pages 2 0 R >>");
    std::string kids;
    for (int i = 0; i < pages; ++i) kids += std::to_string(3 + 2 * i) + " 0 R ";
    obj("<< /Type /Pages /Kids [" + kids + "] /Count " + std::to_string(pages) + " >>");
    const std::string line = "10 10 m 500 800 l S\n";
    std::string chunk;
    while (chunk.size() < (1 << 20)) chunk += line;
    for (int i = 0; i < pages; ++i) {
        obj("<< /Type /Page /Parent 2 0 R /MediaBox [0 0 595 842] /Contents " + std::to_string(4 + 2 * i) +
            " 0 R >>");
        offsets.push_back(std::ftell(f));
        const long long n = streamSize / static_cast<long long>(chunk.size());
        std::fprintf(f, "%zu 0 obj\n<< /Length %lld >>\nstream\n", offsets.size(),
                     n * static_cast<long long>(chunk.size()));
        for (long long k = 0; k < n; ++k) std::fwrite(chunk.data(), 1, chunk.size(), f);
        std::fputs("\nendstream\nendobj\n", f);
    }
    const long long xref = std::ftell(f);
    std::fprintf(f, "xref\n0 %zu\n0000000000 65535 f \n", offsets.size() + 1);
    for (long long off : offsets) std::fprintf(f, "%010lld 00000 n \n", off);
    std::fprintf(f, "trailer\n<< /Size %zu /Root 1 0 R >>\nstartxref\n%lld\n%%%%EOF", offsets.size() + 1,
                 xref);
    const long long size = std::ftell(f);
    std::fclose(f);
    return size;
}

double Median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

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
    const std::string ppd = std::string(QV_SOURCE_DIR) + "/ppd/quorvel-kz63-color-mfp.ppd";
    setenv("PPD", ppd.c_str(), 1);
    setenv("TMPDIR", dir.c_str(), 1);
    setenv("SPOOLWRAP_JOBCOPY_MARKER", (dir + "/no-such-marker").c_str(), 1);

    const long long size = MakeBigPdf(pdf, sizeMb);
    if (size < 0) {
        std::perror("bench_wrap: cannot write the PDF");
        return 1;
    }
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
    const double c = Median(catTimes), f = Median(fileTimes), s = Median(stdinTimes);
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
