// Runs the real spoolwrap binary as CUPS would, and hands back what it wrote.
#pragma once

#include <map>
#include <string>
#include <vector>

struct SpoolwrapResult {
    std::string out; // standard output: the PJL-wrapped job
    std::string err; // standard error
    int status = -1; // exit status, or 128 + signal
};

struct SpoolwrapJob {
    std::vector<std::string> args;          // argv[1]... (argv[0] is the binary)
    std::map<std::string, std::string> env; // added to a clean environment
    std::string stdinData;                  // fed to standard input
    std::string stdinFile;                  // or: this file is standard input
    bool closeStdoutEarly = false;          // read nothing and close the pipe
    long fileSizeLimit = -1;                // RLIMIT_FSIZE of the filter: a full disk
    long sigtermAfterBytes = -1;            // SIGTERM once this much stdin is written
};

std::string SpoolwrapBinary();
std::string ProjectPath(const std::string& relative);
std::string TestDataPath(const std::string& name);
std::string ReadFileBytes(const std::string& path);
void WriteFileBytes(const std::string& path, const std::string& data);

SpoolwrapResult RunSpoolwrap(const SpoolwrapJob& job);

// A temporary folder removed with everything in it when the object dies.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::string& path() const { return path_; }
    std::string file(const std::string& name) const { return path_ + "/" + name; }
    std::vector<std::string> entries() const;

private:
    std::string path_;
};

// The lines of a PJL header, up to and including "@PJL ENTER LANGUAGE=PDF".
std::vector<std::string> HeaderLines(const std::string& job);
