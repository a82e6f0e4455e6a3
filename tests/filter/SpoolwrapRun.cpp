#include "SpoolwrapRun.h"

#include <cstdlib>

std::string SpoolwrapBinary()
{
    const char* bin = std::getenv("SPOOLWRAP_BIN");
    return bin != nullptr ? bin : QV_SPOOLWRAP_BIN;
}

std::string ProjectPath(const std::string& relative) { return std::string(QV_SOURCE_DIR) + "/" + relative; }

std::string TestDataPath(const std::string& name) { return std::string(QV_TEST_DATA) + "/" + name; }

SpoolwrapJob CupsJob(const std::string& tmpdir, const std::string& marker, const std::string& options)
{
    SpoolwrapJob job;
    job.args = {"42", "alice", "report", "1", options};
    job.env = {{"PPD", ProjectPath("ppd/quorvel-kz63-color-mfp.ppd")},
               {"TMPDIR", tmpdir},
               {"SPOOLWRAP_JOBCOPY_MARKER", marker}};
    return job;
}

SpoolwrapResult RunSpoolwrap(SpoolwrapJob job)
{
    // As cupsd starts a filter: nothing of the test's own environment leaks in.
    job.program = SpoolwrapBinary();
    job.cleanEnvironment = true;
    return testing_support::RunProcess(job);
}

std::vector<std::string> HeaderLines(const std::string& job)
{
    std::vector<std::string> lines;
    size_t pos = 0;
    while (pos < job.size()) {
        const size_t end = job.find('\n', pos);
        if (end == std::string::npos) break;
        lines.push_back(job.substr(pos, end - pos));
        pos = end + 1;
        if (lines.back() == "@PJL ENTER LANGUAGE=PDF") break;
    }
    return lines;
}
