// The raster pass per page against Ghostscript making the same kind of PDF of
// 300 dpi page images (pdfimage24, Flate) and against pdftoppm rendering the
// same pages at 300 dpi alone, on office pages (text and drawings) and on
// photograph pages (full-page images of smooth colour with noise). Prints
// seconds per page, ratios, peak memory, and the output's bytes against the
// same pages as lossless PNG from pdftoppm (the same renderer), each with its
// target.
#include "BenchProcess.h"

#include "tests/support/PhotoPdf.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

namespace {

// Bytes of every file in dir whose name starts with prefix.
long long BytesOf(const std::string& dir, const std::string& prefix)
{
    long long total = 0;
    for (const auto& entry : std::filesystem::directory_iterator(dir))
        if (entry.path().filename().string().rfind(prefix, 0) == 0) total += entry.file_size();
    return total;
}

bool RunCase(const char* title, const std::string& input, int pages, int rounds, const std::string& dir)
{
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
    const bench::RunResult png = bench::Run({"pdftoppm", "-png", "-r", "300", input, dir + "/png"});
    const long long ourBytes = BytesOf(dir, "job.out");
    const long long pngBytes = BytesOf(dir, "png");
    std::error_code ignored;
    for (const auto& entry : std::filesystem::directory_iterator(dir))
        if (entry.path().extension() == ".ppm" || entry.path().extension() == ".png")
            std::filesystem::remove(entry.path(), ignored);

    auto perPage = [&](const bench::RunResult& r) { return r.seconds / pages; };
    std::printf("raster pass, %s: %d pages at 300 dpi, best of %d\n", title, pages, rounds);
    std::printf("  spoolwrap raster pass       : %7.3f s/page  peak %7ld KiB  (exit %d)\n", perPage(ours),
                ours.peakKiB, ours.status);
    std::printf("  gs pdfimage24 -r300 Flate   : %7.3f s/page  peak %7ld KiB  (exit %d)\n", perPage(gs),
                gs.peakKiB, gs.status);
    std::printf("  pdftoppm -r 300 (render only): %6.3f s/page  peak %7ld KiB  (exit %d)\n", perPage(render),
                render.peakKiB, render.status);
    std::printf("  ratio spoolwrap / gs        : %7.2f  (target < 1.00)\n", ours.seconds / gs.seconds);
    std::printf("  ratio spoolwrap / pdftoppm  : %7.2f  (target <= 1.50)\n", ours.seconds / render.seconds);
    std::printf("  bytes: job %lld, PNG pages %lld (exit %d), ratio %.2f  (target <= 1.00)\n", ourBytes,
                pngBytes, png.status, static_cast<double>(ourBytes) / static_cast<double>(pngBytes));
    return ours.status == 0;
}

} // namespace

int main(int argc, char** argv)
{
    const int pages = argc > 1 ? std::atoi(argv[1]) : 10;
    const int rounds = argc > 2 ? std::atoi(argv[2]) : 2;
    const int photoPages = argc > 3 ? std::atoi(argv[3]) : 3;
    const testing_support::TempDir work;
    const std::string dir = work.path();

    const std::string office = dir + "/doc.pdf";
    bench::WriteDocument(office, pages);
    const bool officeDone = RunCase("office pages", office, pages, rounds, dir);

    const std::string photos = dir + "/photo.pdf";
    testing_support::PhotoPages layout;
    layout.pages = photoPages;
    testing_support::WritePhotoPdf(photos, layout);
    const bool photosDone = RunCase("photograph pages", photos, photoPages, rounds, dir);
    return officeDone && photosDone ? 0 : 1;
}
