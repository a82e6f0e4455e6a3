// Runs a program to its end and hands back what it wrote: the one way tests
// and benchmarks start another program.
#pragma once

#include <map>
#include <string>
#include <vector>

namespace testing_support {

// Members have default values, so a request names only what it needs:
// RunProcess({"qpdf", {"--show-npages", pdf}}).
struct ProcessRequest {
    std::string program{};                    // a path, or a name looked up in PATH
    std::vector<std::string> args{};          // argv[1]...
    std::map<std::string, std::string> env{}; // set for the program; an empty value unsets the variable
    bool cleanEnvironment = false;            // start from PATH=/usr/bin:/bin and LANG=C alone
    std::string stdinData{};                  // fed to standard input
    std::string stdinFile{};                  // or: this file is standard input
    std::string stdoutFile{};                 // standard output goes to this file instead of `out`
    bool stdoutAppend = false;                // stdoutFile is opened for appending, keeping what it holds
    bool closeStdoutEarly = false;            // read nothing and close the pipe: the reader went away
    long fileSizeLimit = -1;                  // RLIMIT_FSIZE of the program: a full disk
    long sigtermAfterBytes = -1;              // SIGTERM once this much of stdinData is written
    int timeoutSeconds = 0;                   // killed when still running after this long; 0: no limit
};

struct ProcessResult {
    std::string out;       // standard output
    std::string err;       // standard error
    int status = -1;       // exit status, 128 + signal, or -1 when it could not start
    bool timedOut = false; // killed at the time limit
    long peakKiB = 0;      // the program's peak resident memory
};

ProcessResult RunProcess(const ProcessRequest& request);

// The command line with the status and what it wrote, for failure messages.
std::string DescribeProcess(const ProcessRequest& request, const ProcessResult& result);

} // namespace testing_support
