// Times the constraint engine on a large real PPD against libcups:
//   build   the table from the PPD's constraints (every option keyword listed)
//   load    the same table from its cache file (GetXPPD)
//   query   IsPPDChoiceConflicted for every choice of every option, with the
//           PPD's defaults marked, against ppdMarkOption + ppdConflicts
// Usage: constraints_bench [PPD]. Without a PPD it asks the openprinting-ppds
// driver for the PPD with the most constraints it ships, or falls back to the
// project's KZ63 PPD.
#include "platform/PpdFile.h"
#include "constraints/XPPDBuild.h"
#include "constraints/XPPDCache.h"
#include "constraints/XPPDQuery.h"
#include "constraints/XPPDStamp.h"
#include "constraints/CQuickXPPD.h"
#include "constraints/XppdCacheTool.h"
#include "tests/support/FileBytes.h"
#include "tests/support/ProcessRunner.h"
#include "tests/support/TempDir.h"

#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

constexpr const char* kDriver = "/usr/lib/cups/driver/openprinting-ppds";
constexpr const char* kLargestURI = "openprinting-ppds:0/ppd/openprinting/Canon/cnprc650x1g.ppd";

double Microseconds(Clock::duration d) { return std::chrono::duration<double, std::micro>(d).count(); }

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

bool FetchLargest(const std::string& target)
{
    if (access(kDriver, X_OK) != 0) return false;
    const testing_support::ProcessResult run =
        testing_support::RunProcess({.program = kDriver, .args = {"cat", kLargestURI}, .stdoutFile = target});
    return run.status == 0 && std::filesystem::file_size(target) > 0;
}

struct Question {
    ppd_option_t* option;
    ppd_choice_t* choice;
};

} // namespace

int main(int argc, char** argv)
{
    const testing_support::TempDir work;
    std::string path;
    if (argc > 1) {
        path = argv[1];
    } else if (FetchLargest(work.file("largest.ppd"))) {
        path = work.file("largest.ppd");
    } else {
        path = std::string(QV_PROJECT_PPD_DIR) + "/quorvel-kz63-color-mfp.ppd";
        std::cout << "openprinting-ppds not available; using " << path << "\n";
    }

    // A copy of the PPD whose QVXCDFSetting names the cache file.
    const std::string cachePath = work.file("table.xppd");
    PpdFilePtr ppd = OpenPpdFile(path);
    if (!ppd) {
        std::cerr << "cannot open " << path << "\n";
        return 1;
    }
    const std::vector<std::string> keywords = AllOptionKeywords(ppd.get());

    // Build.
    constexpr int kBuildRuns = 15;
    std::vector<double> buildTimes;
    XppdTable built;
    for (int run = 0; run < kBuildRuns; ++run) {
        XppdTable table;
        const auto start = Clock::now();
        BuildXppdFromConstraints(ppd.get(), &table, keywords);
        buildTimes.push_back(Microseconds(Clock::now() - start));
        if (run == 0) built = std::move(table);
    }
    std::ostringstream cache;
    cache << CQuickXPPD(ppd.get(), &built, XppdStamp(kPrintFeatureStampPrefix));
    testing_support::WriteFile(cachePath, cache.str());
    std::string text = testing_support::ReadFile(path);
    const std::size_t firstLine = text.find('\n') + 1;
    text.insert(firstLine, "*QVXCDFSetting: \"" + cachePath + "\"\n");
    PpdFilePtr withCache = OpenPpdFile(work.Write("cached.ppd", text));

    // Load.
    std::vector<double> loadTimes;
    std::size_t loaded = 0;
    for (int run = 0; run < kBuildRuns; ++run) {
        XppdTable table;
        const auto start = Clock::now();
        GetXPPD(withCache.get(), &table, kPrintFeatureStampPrefix, kXppdCacheAttribute);
        loadTimes.push_back(Microseconds(Clock::now() - start));
        loaded = table.Size();
    }

    // Questions: every choice of every option, defaults marked.
    ppdMarkDefaults(ppd.get());
    std::vector<Question> questions;
    for (ppd_option_t* o = ppdFirstOption(ppd.get()); o != nullptr; o = ppdNextOption(ppd.get())) {
        for (int c = 0; c < o->num_choices; ++c) questions.push_back({o, &o->choices[c]});
    }
    constexpr int kRefreshRuns = 200;
    std::vector<double> refreshTimes;
    int conflicted = 0;
    for (int run = 0; run < kRefreshRuns; ++run) {
        int found = 0;
        const auto start = Clock::now();
        for (const Question& q : questions) {
            found += IsPPDChoiceConflicted(ppd.get(), &built, q.option->keyword, q.choice->choice);
        }
        refreshTimes.push_back(Microseconds(Clock::now() - start));
        conflicted = found;
    }

    // libcups: mark the choice and count conflicts, then put the option back.
    double libcupsTotal = 0;
    int libcupsConflicted = 0;
    for (const Question& q : questions) {
        const ppd_choice_t* previous = ppdFindMarkedChoice(ppd.get(), q.option->keyword);
        const std::string previousChoice = previous != nullptr ? previous->choice : "";
        const auto start = Clock::now();
        ppdMarkOption(ppd.get(), q.option->keyword, q.choice->choice);
        const int conflicts = ppdConflicts(ppd.get());
        libcupsTotal += Microseconds(Clock::now() - start);
        libcupsConflicted += conflicts > 0 ? 1 : 0;
        if (!previousChoice.empty()) ppdMarkOption(ppd.get(), q.option->keyword, previousChoice.c_str());
    }

    const double build = Median(buildTimes);
    const double load = Median(loadTimes);
    const double refresh = Median(refreshTimes);
    const double perQuery = refresh / static_cast<double>(questions.size());
    const double perLibcups = libcupsTotal / static_cast<double>(questions.size());

    std::cout << "PPD: " << path << "\n"
              << "  constraints " << ppd->num_consts << ", options " << keywords.size() << ", choices "
              << questions.size() << ", table entries " << built.Size() << " under " << built.KeyCount()
              << " keys, cache file " << std::filesystem::file_size(cachePath) << " bytes\n";
    std::printf("build from constraints   %10.1f us (median of %d)\n", build, kBuildRuns);
    std::printf("load from cache file     %10.1f us (median of %d), %zu entries; build/load %.1fx\n", load,
                kBuildRuns, loaded, build / load);
    std::printf("refresh every choice     %10.1f us (median of %d passes over %zu choices)\n", refresh,
                kRefreshRuns, questions.size());
    std::printf("query, per choice        %10.3f us  (%d conflicted with defaults marked)\n", perQuery,
                conflicted);
    std::printf("libcups mark+conflicts   %10.1f us  per choice (%d with conflicts)\n", perLibcups,
                libcupsConflicted);
    std::printf("query speed-up           %10.0fx over libcups\n", perLibcups / perQuery);
    std::printf("targets: query >= 100x libcups: %s; refresh < 5 ms: %s; load faster than build: %s\n",
                perLibcups / perQuery >= 100 ? "met" : "NOT met", refresh < 5000 ? "met" : "NOT met",
                load < build ? "met" : "NOT met");
    return 0;
}
