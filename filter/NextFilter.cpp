#include "filter/NextFilter.h"

#include "filter/ErrorMessage.h"

#include "filter/JobInput.h"
#include "filter/UtilityFunctionFilter.h"
#include "platform/PlatformPaths.h"
#include "platform/FilePtr.h"

#include <regex.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <memory>

namespace {

// Each matched group of a table line is taken into a field of this size.
constexpr size_t kGroupField = 64;

using platform::FilePtr;

// getline()'s buffer, freed on every path.
struct LineBuffer {
    char* data = nullptr;
    size_t capacity = 0;
    LineBuffer() = default;
    ~LineBuffer() { std::free(data); }
    LineBuffer(const LineBuffer&) = delete;
    LineBuffer& operator=(const LineBuffer&) = delete;
};

class CompiledPattern {
public:
    explicit CompiledPattern(const char* pattern)
        : status_(::regcomp(&regex_, pattern, REG_EXTENDED | REG_NEWLINE))
    {}
    ~CompiledPattern()
    {
        if (status_ == 0) ::regfree(&regex_);
    }
    CompiledPattern(const CompiledPattern&) = delete;
    CompiledPattern& operator=(const CompiledPattern&) = delete;
    bool ok() const { return status_ == 0; }
    const regex_t* get() const { return &regex_; }

private:
    regex_t regex_{};
    int status_;
};

std::string Group(const char* line, const regmatch_t& m)
{
    if (m.rm_so < 0) return {};
    const size_t length = std::min(static_cast<size_t>(m.rm_eo - m.rm_so), kGroupField - 1);
    return std::string(line + m.rm_so, length);
}

bool IsCommentLine(const char* line)
{
    while (*line == ' ' || *line == '\t') ++line;
    return *line == '#';
}

// The "*.convs" files of one folder, in name order.
void AddTables(const std::string& dir, std::vector<std::string>& tables)
{
    std::vector<std::string> found;
    std::error_code ec;
    for (std::filesystem::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
        const std::filesystem::path& p = it->path();
        if (p.extension() == ".convs") found.push_back(p.string());
    }
    std::sort(found.begin(), found.end());
    tables.insert(tables.end(), found.begin(), found.end());
}

} // namespace

std::vector<std::string> ConversionTables()
{
    std::vector<std::string> tables;
    AddTables(platform::CupsDataDir() + "/mime", tables);
    AddTables(platform::CupsServerRoot(), tables);
    return tables;
}

int PrepFormat(std::string& path)
{
    std::string cupsFilter;
    ppd_file_t* ppd = JobPPD();
    if (ppd == nullptr) {
        PutErrorMessage("ppdOpenFile return NULL\n");
        return -1;
    }
    if (ppd_attr_t* attr = ppdFindAttr_ALT(ppd, "cupsFilter"); attr && attr->value) {
        char value[128] = {};
        CopyToField(attr->value, value);
        cupsFilter = value;
    }
    const std::string srcFormat = cupsFilter.substr(0, cupsFilter.find(' '));
    ChooseFilter(srcFormat, path);
    if (path.empty() || ::access(path.c_str(), F_OK) != 0) {
        PutErrorMessage("access bestFilterPath error\n");
        return -1;
    }
    return 1;
}

void ChooseFilter(std::string_view srcFormat, std::string& path)
{
    if (srcFormat.empty()) {
        PutErrorMessage("get srcFormat error\n");
        return;
    }
    // A job already in the system PDF type needs no conversion.
    if (srcFormat == platform::kSystemPdfType) return;
    std::string program;
    for (const std::string& table : ConversionTables())
        if (BestFilter(table, srcFormat, platform::kSystemPdfType, program) == 1) break;
    path = platform::FilterDirectory() + program;
}

int BestFilter(const std::string& table, std::string_view srcFormat, std::string_view dstFormat,
               std::string& program)
{
    FilePtr file(std::fopen(table.c_str(), "r"));
    if (!file) return 0;
    const CompiledPattern pattern(kConversionLinePattern);
    if (!pattern.ok()) return 0;

    LineBuffer line;
    while (::getline(&line.data, &line.capacity, file.get()) >= 0) {
        const char* raw = line.data;
        if (IsCommentLine(raw)) continue;
        regmatch_t m[5];
        if (::regexec(pattern.get(), raw, 5, m, 0) != 0) continue;
        if (Group(raw, m[1]) != srcFormat || Group(raw, m[2]) != dstFormat) continue;
        if (std::atoi(Group(raw, m[3]).c_str()) >= kMaxFilterCost) continue;
        program = Group(raw, m[4]);
        return 1;
    }
    return 0;
}

void ExecuteFilter(const std::string& path, int argc, char** argv)
{
    const int count = argc < 7 ? 6 : 7;
    std::vector<char*> args(argv, argv + count);
    args.push_back(nullptr);
    ::execv(path.c_str(), args.data());
}
