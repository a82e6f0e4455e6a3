// The raster pass per page against Ghostscript making the same kind of PDF of
// 300 dpi page images (pdfimage24, Flate) and against pdftoppm rendering the
// same pages at 300 dpi alone. Prints seconds per page, ratios and peak memory.
#include "BenchProcess.h"

#include <cstdio>
#include <cstdlib>
#include <string>

int main(int argc, char** argv)
{
    const int pages = argc > 1 ? std::atoi(argv[1]) : 10;
    const int rounds = argc > 2 ? std::atoi(argv[2]) : 2;
    const testing_support::TempDir work;
    const std::string dir = work.path();
    const std::string input = dir + "/doc.pdf";
    bench::WriteDocument(input, pages);
    const std::string ppd = std::string(QV_SOURCE_DIR) + "/ppd/quorvel-rx42-mfp.ppd";
    const std::map<std::string, std::string> env = {
        {"PPD", ppd}, {"TMPDIR", dir}, {"SPOOLWRAP_JOBCOPY_MARKER", dir + "/none"}};

    const bench::RunResult ours = bench::Best(rounds, [&] {
        return bench::Run({SPOOLWRAP_PATH, "1", "bench", "doc", "1", "QVPDFRasterizedMode=true", input}, env,
                          "/dev/null", dir + "/job.out");
    });
    const bench::RunResult gs = bench::Best(rounds, [&] {
        return bench::Run({"gs", "-q", "-dNOPAUSE", "-dBATCH", "-dSAFER", "-sDEVICE=pdfimage24", "-r300",
                           "-sCompression=Flate", "-sOutputFile=" + dir + "/gs.pdf", input});
    });
    const bench::RunResult render = bench::Best(rounds, [&] {
        return bench::Run({"pdftoppm", "-r", "300", input, dir + "/page"});
    });

    auto perPage = [&](const bench::RunResult& r) { return r.seconds / pages; };
    std::printf("raster pass, %d A4 pages at 300 dpi, best of %d\n", pages, rounds);
    std::printf("  spoolwrap raster pass       : %7.3f s/page  peak %7ld KiB  (exit %d)\n", perPage(ours),
                ours.peakKiB, ours.status);
    std::printf("  gs pdfimage24 -r300 Flate   : %7.3f s/page  peak %7ld KiB  (exit %d)\n", perPage(gs),
                gs.peakKiB, gs.status);
    std::printf("  pdftoppm -r 300 (render only): %6.3f s/page  peak %7ld KiB  (exit %d)\n", perPage(render),
                render.peakKiB, render.status);
    std::printf("  ratio spoolwrap / gs        : %7.2f  (target < 1.00)\n", ours.seconds / gs.seconds);
    std::printf("  ratio spoolwrap / pdftoppm  : %7.2f  (target <= 1.50)\n", ours.seconds / render.seconds);
    return ours.status == 0 ? 0 : 1;
}
