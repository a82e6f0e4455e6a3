// The page pass on a long document (odd pages kept, each turned by 180
// degrees) against qpdf doing the same selection and rotation from its command
// line, on a document with compressed content streams and on one without.
// Prints both times, their ratio, the peak memory of each and the size of
// each output, with the targets.
#include "BenchProcess.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

namespace {

bool RunCase(const char* title, const std::string& input, int pages, int rounds, const std::string& dir)
{
    const std::string ppd = std::string(QV_SOURCE_DIR) + "/ppd/quorvel-kz63-color-mfp.ppd";
    // Two uncollated copies of pages/2 sides: the pass keeps pages 1, 3, 5, ...
    // and the turn-page option turns each by 180 degrees.
    const std::string options = "QVTurnPage=true com.apple.print.PrintSettings.PMCopies..n.=2 "
                                "com.apple.print.PrintSettings.PMTotalSidesImaged..n.=" +
                                std::to_string(pages) + " Collate=false";
    const std::map<std::string, std::string> env = {
        {"PPD", ppd}, {"TMPDIR", dir}, {"SPOOLWRAP_JOBCOPY_MARKER", dir + "/none"}};

    const bench::RunResult ours = bench::Best(rounds, [&] {
        return bench::Run({SPOOLWRAP_PATH, "1", "bench", "long", "1", options, input}, env, "/dev/null",
                          dir + "/job.out");
    });
    const bench::RunResult reference = bench::Best(rounds, [&] {
        return bench::Run(
            {"qpdf", input, "--pages", ".", "1-z:odd", "--", "--rotate=180", dir + "/qpdf.pdf"});
    });
    const bench::RunResult copyOnly = bench::Best(rounds, [&] {
        return bench::Run({SPOOLWRAP_PATH, "1", "bench", "long", "1", "Collate=true", input}, env,
                          "/dev/null", dir + "/plain.out");
    });
    // The job holds the PJL header and trailer besides the PDF: a few hundred bytes.
    const auto ourBytes = static_cast<double>(std::filesystem::file_size(dir + "/job.out"));
    const auto qpdfBytes = static_cast<double>(std::filesystem::file_size(dir + "/qpdf.pdf"));

    std::printf("page pass, %s: %d pages (%d kept, turned 180 degrees), best of %d\n", title, pages,
                (pages + 1) / 2, rounds);
    std::printf("  spoolwrap with page pass : %8.3f s  peak %6ld KiB  job %9.0f bytes  (exit %d)\n",
                ours.seconds, ours.peakKiB, ourBytes, ours.status);
    std::printf("  qpdf --pages . 1-z:odd -- --rotate=180:\n");
    std::printf("                             %8.3f s  peak %6ld KiB  PDF %9.0f bytes  (exit %d)\n",
                reference.seconds, reference.peakKiB, qpdfBytes, reference.status);
    std::printf("  spoolwrap, no pass       : %8.3f s  peak %6ld KiB\n", copyOnly.seconds, copyOnly.peakKiB);
    std::printf("  ratio time   spoolwrap / qpdf : %6.2f  (target <= 1.00)\n",
                ours.seconds / reference.seconds);
    std::printf("  ratio bytes  spoolwrap / qpdf : %6.2f  (target <= 1.00)\n", ourBytes / qpdfBytes);
    std::printf("  ratio memory spoolwrap / qpdf : %6.2f  (target <= 1.00)\n",
                static_cast<double>(ours.peakKiB) / static_cast<double>(reference.peakKiB));
    return ours.status == 0 && reference.status == 0;
}

} // namespace

int main(int argc, char** argv)
{
    const int pages = argc > 1 ? std::atoi(argv[1]) : 2000;
    const int rounds = argc > 2 ? std::atoi(argv[2]) : 3;
    const testing_support::TempDir work;
    const std::string dir = work.path();
    bool done = true;
    for (const bool compressed : {true, false}) {
        const std::string input = dir + (compressed ? "/long.pdf" : "/long-uncompressed.pdf");
        bench::WriteDocument(input, pages, compressed);
        done =
            RunCase(compressed ? "compressed content" : "uncompressed content", input, pages, rounds, dir) &&
            done;
    }
    return done ? 0 : 1;
}
