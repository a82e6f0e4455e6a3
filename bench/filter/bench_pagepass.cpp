// The page pass on a long document (odd pages kept, each turned by 180
// degrees) against qpdf doing the same selection and rotation from its command
// line. Prints both times, their ratio and the peak memory of each.
#include "BenchProcess.h"

#include <cstdio>
#include <cstdlib>
#include <string>

int main(int argc, char** argv)
{
    const int pages = argc > 1 ? std::atoi(argv[1]) : 2000;
    const int rounds = argc > 2 ? std::atoi(argv[2]) : 3;
    const testing_support::TempDir work;
    const std::string dir = work.path();
    const std::string input = dir + "/long.pdf";
    bench::WriteDocument(input, pages);
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
            {"qpdf", input, "--pages", input, "1-z:odd", "--", "--rotate=+180", dir + "/qpdf.pdf"});
    });
    const bench::RunResult copyOnly = bench::Best(rounds, [&] {
        return bench::Run({SPOOLWRAP_PATH, "1", "bench", "long", "1", "Collate=true", input}, env,
                          "/dev/null", dir + "/plain.out");
    });

    std::printf("page pass, %d-page document (%d pages kept, turned 180 degrees), best of %d\n", pages,
                (pages + 1) / 2, rounds);
    std::printf("  spoolwrap with page pass : %8.3f s  peak %6ld KiB  (exit %d)\n", ours.seconds,
                ours.peakKiB, ours.status);
    std::printf("  qpdf --pages odd --rotate: %8.3f s  peak %6ld KiB  (exit %d)\n", reference.seconds,
                reference.peakKiB, reference.status);
    std::printf("  spoolwrap, no pass       : %8.3f s  peak %6ld KiB\n", copyOnly.seconds, copyOnly.peakKiB);
    std::printf("  ratio spoolwrap / qpdf   : %8.2f  (target <= 1.00)\n", ours.seconds / reference.seconds);
    return ours.status == 0 && reference.status == 0 ? 0 : 1;
}
