// Times `printdialog --ppd P --options` with an empty script, from start to
// exit, with the extensions of this build loaded (every panel they offer for
// the PPD), on the project's largest PPD and on the largest real PPD the
// constraint benchmark uses, against the libcups listing of the same PPD's
// options (ppd_listing, as `lpoptions -l` lists them) run the same way.
// Usage: bench_printdialog [PPD...]. Prints figures; fails on nothing.
#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "PpdListing.h"
#include "tests/support/FileBytes.h"
#include "tests/support/ProcessRunner.h"
#include "tests/support/TempDir.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kRuns = 15;
constexpr const char* kDriver = "/usr/lib/cups/driver/openprinting-ppds";
constexpr const char* kLargestURI = "openprinting-ppds:0/ppd/openprinting/Canon/cnprc650x1g.ppd";

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// CPU time (user and system) that ended children have used so far.
double ChildrenCpuMs()
{
    rusage usage{};
    getrusage(RUSAGE_CHILDREN, &usage);
    const auto ms = [](const timeval& t) { return t.tv_sec * 1000.0 + t.tv_usec / 1000.0; };
    return ms(usage.ru_utime) + ms(usage.ru_stime);
}

struct Timing {
    double wallMs = -1; // median, start to exit
    double cpuMs = -1;  // median CPU time: steady on a busy machine
};

// The program's times; negative when a run failed.
Timing TimeProgram(const testing_support::ProcessRequest& request)
{
    std::vector<double> wall;
    std::vector<double> cpu;
    for (int run = 0; run < kRuns; ++run) {
        const double cpuBefore = ChildrenCpuMs();
        const auto start = Clock::now();
        const testing_support::ProcessResult result = testing_support::RunProcess(request);
        wall.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
        cpu.push_back(ChildrenCpuMs() - cpuBefore);
        if (result.status != 0) {
            std::fprintf(stderr, "%s\n", testing_support::DescribeProcess(request, result).c_str());
            return {};
        }
    }
    return {Median(wall), Median(cpu)};
}

double TimeInProcess(const std::string& ppd)
{
    std::vector<double> times;
    for (int run = 0; run < kRuns; ++run) {
        const auto start = Clock::now();
        bench::ListPpdOptions(ppd);
        times.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
    }
    return Median(times);
}

std::string LargestProjectPpd()
{
    std::string largest;
    std::uintmax_t size = 0;
    for (const auto& entry : std::filesystem::directory_iterator(QV_PROJECT_PPD_DIR)) {
        if (entry.path().extension() != ".ppd" || entry.file_size() <= size) continue;
        size = entry.file_size();
        largest = entry.path().string();
    }
    return largest;
}

bool FetchLargestReal(const std::string& target)
{
    if (access(kDriver, X_OK) != 0) return false;
    const testing_support::ProcessResult run =
        testing_support::RunProcess({.program = kDriver, .args = {"cat", kLargestURI}, .stdoutFile = target});
    return run.status == 0 && std::filesystem::file_size(target) > 0;
}

void Measure(const std::string& ppd, const testing_support::TempDir& work)
{
    const std::string script = work.Write("empty.script", "");
    const std::string data = work.file("data-" + std::to_string(std::hash<std::string>{}(ppd)));
    // One run first: the panels' first-run files (help registration,
    // constraint caches) exist before the timed runs, as on a used machine.
    const testing_support::ProcessRequest dialog{.program = PRINTDIALOG_PATH,
                                                 .args = {"--ppd", ppd, "--plugins", QV_PLUGIN_DIR,
                                                          "--data-dir", data, "--script", script,
                                                          "--options"},
                                                 .env = {{"HOME", work.path()},
                                                         {"QV_APPLICATION_SUPPORT", ""},
                                                         {"QV_USER_PREFERENCES", ""},
                                                         {"QV_SYSTEM_PREFERENCES", ""}}};
    testing_support::RunProcess(dialog);
    const testing_support::ProcessResult once = testing_support::RunProcess(dialog);
    const Timing dialogTime = TimeProgram(dialog);
    const Timing listingTime = TimeProgram({.program = PPD_LISTING_PATH, .args = {ppd}});
    const double inProcessMs = TimeInProcess(ppd);

    std::printf("%s (%ju bytes, options: %zu bytes)\n", ppd.c_str(), std::filesystem::file_size(ppd),
                once.out.size());
    std::printf("  medians of %d runs                     wall ms     CPU ms\n", kRuns);
    std::printf("  printdialog --options, start to exit   %8.2f   %8.2f\n", dialogTime.wallMs,
                dialogTime.cpuMs);
    std::printf("  libcups listing as a program           %8.2f   %8.2f\n", listingTime.wallMs,
                listingTime.cpuMs);
    std::printf("  libcups listing in process                        %8.2f\n", inProcessMs);
    if (dialogTime.wallMs > 0 && listingTime.wallMs > 0)
        std::printf(
            "  ratio printdialog / listing program    %8.2f   %8.2f   (target: under 50 ms, at most 3)\n",
            dialogTime.wallMs / listingTime.wallMs,
            listingTime.cpuMs > 0 ? dialogTime.cpuMs / listingTime.cpuMs : 0.0);
}

} // namespace

int main(int argc, char** argv)
{
    const testing_support::TempDir work;
    std::vector<std::string> ppds(argv + 1, argv + argc);
    if (ppds.empty()) {
        ppds.push_back(LargestProjectPpd());
        const std::string real = work.file("largest-real.ppd");
        if (FetchLargestReal(real))
            ppds.push_back(real);
        else
            std::printf("openprinting-ppds not available: only the project's PPD is measured\n");
    }
    std::printf("plug-ins: %s\n", QV_PLUGIN_DIR);
    for (const std::string& ppd : ppds) Measure(ppd, work);
    return 0;
}
