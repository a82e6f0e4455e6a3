// Writes the job document group many times and compares its cost with opening
// and closing the same PPD, measured in the same run: the group opens the PPD
// once, so the ratio should stay close to 1.
//
// Usage: bench_jobdoc [ITERATIONS=2000] [PPD=ppd/quorvel-kz63-color-mfp.ppd]
#include "filter/FilterState.h"
#include "filter/JobCommands.h"
#include "filter/OutputMirror.h"
#include "filter/PrintOptionsReader.h"

#include <cups/ppd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

namespace {

double Seconds(std::chrono::steady_clock::duration d) { return std::chrono::duration<double>(d).count(); }

} // namespace

int main(int argc, char** argv)
{
    const int iterations = argc > 1 ? std::max(1, std::atoi(argv[1])) : 2000;
    const std::string ppd =
        argc > 2 ? argv[2] : std::string(QV_SOURCE_DIR) + "/ppd/quorvel-kz63-color-mfp.ppd";
    setenv("PPD", ppd.c_str(), 1);

    std::vector<std::string> args = {"spoolwrap",
                                     "42",
                                     "alice",
                                     "report",
                                     "3",
                                     "Collate=true QVInputSlot=BypassTray MediaType=ThickPaper2 "
                                     "QVStaple=LeftDoublePort QVPunch=True orientation-requested=5 "
                                     "com.apple.print.PrintSettings.PMDuplexing..n.=3 number-up=4"};
    std::vector<char*> filterArgv;
    for (auto& a : args) filterArgv.push_back(a.data());
    filterArgv.push_back(nullptr);

    auto options = std::make_unique<PrintOptions>();
    GetPrintOptions(filterArgv.data(), *options);

    FILE* sink = std::fopen("/dev/null", "w");
    if (sink == nullptr) return 1;
    SetPjlOutputStream(sink);

    const auto refStart = std::chrono::steady_clock::now();
    for (int i = 0; i < iterations; ++i) ppdClose(ppdOpenFile(ppd.c_str()));
    const double reference = Seconds(std::chrono::steady_clock::now() - refStart);

    const auto groupStart = std::chrono::steady_clock::now();
    for (int i = 0; i < iterations; ++i) OutputJobDocCommand(filterArgv.data(), *options);
    const double group = Seconds(std::chrono::steady_clock::now() - groupStart);

    SetPjlOutputStream(nullptr);
    std::fclose(sink);

    std::printf("iterations            %d\n", iterations);
    std::printf("PPD open+close        %.1f us each\n", reference / iterations * 1e6);
    std::printf("job document group    %.1f us each\n", group / iterations * 1e6);
    std::printf("ratio group/PPD open  %.2f\n", reference > 0 ? group / reference : 0.0);
    return 0;
}
