// A private cupsd for one test: its own folders under a temporary root, a
// domain socket and a free port on 127.0.0.1, the driver installed into a
// staging folder with `cmake --install`. Started and stopped through
// scripts/cups-private.sh, the same script a person uses by hand.
#pragma once

#include "tests/support/ProcessRunner.h"

#include <map>
#include <string>
#include <vector>

// What `cmake --install --component cups-driver` put into a staging folder.
struct InstalledDriver {
    bool ok = false;
    std::string log;       // the install command and its output
    std::string filter;    // the installed spoolwrap
    std::string ppdFolder; // the folder holding the installed PPDs
};

// Installs the driver of this build with DESTDIR=stage, under umask 077.
InstalledDriver InstallDriver(const std::string& stage);

// A job's state as cupsd reports it.
struct JobStatus {
    int state = 0;              // ipp_jstate_t: 3 pending ... 6 stopped, 7 canceled, 8 aborted, 9 completed
    std::string stateName;      // "completed", "processing-stopped", ...
    std::string reasons;        // job-state-reasons, comma-separated
    std::string printerMessage; // job-printer-state-message
};

class PrivateCupsd {
public:
    struct Options {
        std::string filter;        // spoolwrap to run
        std::string ppdFolder;     // PPDs offered as Quorvel/<file>
        bool systemFilters = true; // offer CUPS's own filters (pdftopdf, ...)
    };

    // Starts cupsd below `root`, which must exist and belong to the test.
    PrivateCupsd(const std::string& root, const Options& options);
    ~PrivateCupsd();
    PrivateCupsd(const PrivateCupsd&) = delete;
    PrivateCupsd& operator=(const PrivateCupsd&) = delete;

    bool running() const { return pid_ > 0; }
    const std::string& startLog() const { return startLog_; }
    int pid() const { return pid_; }
    const std::string& root() const { return root_; }
    std::string SocketPath() const { return root_ + "/run/cups.sock"; }
    std::string ServerRoot() const { return root_ + "/etc"; }
    std::string TempFolder() const { return root_ + "/spool/tmp"; }
    std::string ErrorLog() const;

    // Environment that points the CUPS commands at this cupsd only.
    std::map<std::string, std::string> ClientEnv() const;
    // Runs a CUPS command against this cupsd (ClientEnv added to the request).
    testing_support::ProcessResult Run(testing_support::ProcessRequest command,
                                       int timeoutSeconds = 60) const;

    // lpadmin -p NAME -E -v URI -m MODEL plus `extra`; empty text on success,
    // else what went wrong.
    std::string AddQueue(const std::string& name, const std::string& model, const std::string& deviceUri,
                         const std::vector<std::string>& extra = {}) const;

    // lp -d QUEUE -t TITLE [-n COPIES] -o ... FILE; the job id, or 0 with
    // `error` filled.
    int Print(const std::string& queue, const std::string& file, const std::string& title,
              const std::vector<std::string>& options, std::string* error = nullptr, int copies = 0) const;

    JobStatus GetJobStatus(int jobId) const;
    // Waits until the job leaves pending, held and processing, at most `timeoutSeconds`.
    JobStatus WaitForJob(int jobId, int timeoutSeconds) const;

private:
    std::string root_;
    std::string startLog_;
    int pid_ = 0;
};

// The lines cupsd logged for one job ("[Job N] ...").
std::string JobLogLines(const std::string& errorLog, int jobId);
