// The job copy: when the marker file exists, everything written to standard
// output is also kept in TMPDIR as "zkYYYYMMDDhhmmss.job" ("zkYYYYMMDDhhmmss-N.job"
// for the N-th job of the same second).
#pragma once

#include <string>

class JobCopy {
public:
    JobCopy() = default;
    ~JobCopy();
    JobCopy(const JobCopy&) = delete;
    JobCopy& operator=(const JobCopy&) = delete;

    // Opens the copy when the marker exists and TMPDIR is set; otherwise the run
    // goes on without one.
    void OpenIfRequested();
    // Closes the copy at the end of a successful run and gives it mode 0676.
    void Finish();
    // Closes and removes the copy of a cancelled job: that job did not print.
    void Discard();

    const std::string& path() const { return path_; }

private:
    std::string path_;
};
