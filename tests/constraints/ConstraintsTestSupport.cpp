#include "tests/constraints/ConstraintsTestSupport.h"

#include "tests/support/ProcessRunner.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <sstream>

namespace constraints_test {

std::string FixturePath(const std::string& name) { return std::string(QV_CONSTRAINTS_FIXTURES) + "/" + name; }

std::string ProjectPPDPath(const std::string& name) { return std::string(QV_PROJECT_PPD_DIR) + "/" + name; }

PpdFilePtr OpenOrFail(const std::string& path)
{
    PpdFilePtr ppd = OpenPpdFile(path);
    if (!ppd) {
        int line = 0;
        const ppd_status_t status = ppdLastError(&line);
        ADD_FAILURE() << "cannot open " << path << ": " << ppdErrorString(status) << " at line " << line;
    }
    return ppd;
}

bool Mark(ppd_file_t* ppd, const char* option, const char* choice)
{
    if (ppdFindChoice(ppdFindOption(ppd, option), choice) == nullptr) return false;
    ppdMarkOption(ppd, option, choice);
    return true;
}

void UnmarkAll(ppd_file_t* ppd)
{
    while (auto* choice = static_cast<ppd_choice_t*>(cupsArrayFirst(ppd->marked))) {
        choice->marked = 0;
        cupsArrayRemove(ppd->marked, choice);
    }
    for (int g = 0; g < ppd->num_groups; ++g) {
        for (int o = 0; o < ppd->groups[g].num_options; ++o) {
            ppd_option_t& option = ppd->groups[g].options[o];
            for (int c = 0; c < option.num_choices; ++c) option.choices[c].marked = 0;
        }
    }
    for (int i = 0; i < ppd->num_sizes; ++i) ppd->sizes[i].marked = 0;
}

x_constraints PlaceOf(ppd_file_t* ppd, const char* option, const char* choice)
{
    for (int g = 0; g < ppd->num_groups; ++g) {
        for (int o = 0; o < ppd->groups[g].num_options; ++o) {
            const ppd_option_t& candidate = ppd->groups[g].options[o];
            if (std::string_view(candidate.keyword) != option) continue;
            for (int c = 0; c < candidate.num_choices; ++c) {
                if (std::string_view(candidate.choices[c].choice) == choice) {
                    return x_constraints{static_cast<std::uint16_t>(g), static_cast<std::uint16_t>(o),
                                         static_cast<std::uint16_t>(c)};
                }
            }
        }
    }
    ADD_FAILURE() << "no choice " << option << ":" << choice;
    return {};
}

std::vector<std::string> OptionKeywords(ppd_file_t* ppd)
{
    std::vector<std::string> keywords;
    for (ppd_option_t* o = ppdFirstOption(ppd); o != nullptr; o = ppdNextOption(ppd)) {
        keywords.emplace_back(o->keyword);
    }
    return keywords;
}

std::vector<std::pair<std::string, x_constraints>> Entries(const XppdTable& table)
{
    auto entries = table.SortedEntries();
    std::sort(entries.begin(), entries.end());
    return entries;
}

std::string CopyPPDWithLines(const TempDir& dir, const std::string& source, const std::string& name,
                             const std::string& lines)
{
    const std::string text = ReadFile(source);
    const std::size_t firstLineEnd = text.find('\n');
    if (firstLineEnd == std::string::npos) {
        ADD_FAILURE() << source << " has no line feed";
        return {};
    }
    return dir.Write(name, text.substr(0, firstLineEnd + 1) + lines + text.substr(firstLineEnd + 1));
}

std::vector<std::string> SubgroupOptionsFromText(const std::string& path)
{
    std::vector<std::string> keywords;
    std::istringstream text(ReadFile(path));
    std::string line;
    bool inSubgroup = false;
    while (std::getline(text, line)) {
        if (line.starts_with("*OpenSubGroup:")) inSubgroup = true;
        if (line.starts_with("*CloseSubGroup:")) inSubgroup = false;
        if (inSubgroup && line.starts_with("*OpenUI *")) {
            const std::size_t end = line.find_first_of("/:", 9);
            keywords.push_back(line.substr(9, end - 9));
        }
    }
    return keywords;
}

namespace {

constexpr const char* kOpenPrintingDriver = "/usr/lib/cups/driver/openprinting-ppds";

std::string CacheNameOf(const std::string& name)
{
    std::string flat = name;
    for (char& c : flat) {
        if (c == '/') c = '_';
    }
    return flat;
}

// Run the driver's "cat" for the PPD into a file; true when it wrote a PPD.
bool FetchWithDriver(const std::string& name, const std::string& target)
{
    const std::string uri = "openprinting-ppds:0/ppd/openprinting/" + name;
    const testing_support::ProcessResult run = testing_support::RunProcess(
        {.program = kOpenPrintingDriver, .args = {"cat", uri}, .stdoutFile = target});
    return run.status == 0 && ReadFile(target).starts_with("*PPD-Adobe");
}

} // namespace

std::optional<std::string> OpenPrintingPPD(const std::string& name, std::string& reason)
{
    const std::filesystem::path cacheDir(QV_OPENPRINTING_CACHE);
    const std::filesystem::path cached = cacheDir / CacheNameOf(name);
    std::error_code error;
    if (std::filesystem::file_size(cached, error) > 0 && !error) return cached.string();

    if (access(kOpenPrintingDriver, X_OK) != 0) {
        reason = "openprinting-ppds is not installed (no " + std::string(kOpenPrintingDriver) + ")";
        return std::nullopt;
    }
    std::filesystem::create_directories(cacheDir, error);
    // Written under a name of its own and renamed, so that two test processes
    // fetching the same PPD never see half a file.
    const std::filesystem::path partial = cacheDir / (CacheNameOf(name) + ".part" + std::to_string(getpid()));
    if (!FetchWithDriver(name, partial.string())) {
        std::filesystem::remove(partial, error);
        reason = "openprinting-ppds has no PPD " + name;
        return std::nullopt;
    }
    std::filesystem::rename(partial, cached, error);
    if (error) {
        reason = "cannot keep " + cached.string() + ": " + error.message();
        return std::nullopt;
    }
    return cached.string();
}

} // namespace constraints_test
