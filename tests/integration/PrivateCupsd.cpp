#include "PrivateCupsd.h"

#include <cups/cups.h>
#include <sys/stat.h>
#include <time.h>
#include <unistd.h>

#include "tests/support/FileBytes.h"

#include <cstdlib>
#include <sstream>

using testing_support::DescribeProcess;
using testing_support::ProcessRequest;
using testing_support::ProcessResult;
using testing_support::RunProcess;

namespace {

std::string Script() { return std::string(QV_SOURCE_DIR) + "/scripts/cups-private.sh"; }

// What the file holds so far; nothing when it is not there (yet).
std::string ReadIfThere(const std::string& path)
{
    std::error_code absent;
    return testing_support::ReadFile(path, absent);
}

void SleepMs(int ms)
{
    timespec ts{ms / 1000, (ms % 1000) * 1000000L};
    nanosleep(&ts, nullptr);
}

bool IsRegularFile(const std::string& path)
{
    struct stat st {};
    return stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

} // namespace

InstalledDriver InstallDriver(const std::string& stage)
{
    InstalledDriver driver;
    const ProcessRequest install{.program = QV_CMAKE_COMMAND,
                                 .args = {"--install", QV_BINARY_DIR, "--component", "cups-driver"},
                                 .env = {{"DESTDIR", stage}},
                                 .timeoutSeconds = 120};
    // The strictest umask a person may have: the install must not depend on it.
    const mode_t umaskBefore = umask(077);
    const ProcessResult r = RunProcess(install);
    umask(umaskBefore);
    driver.log = DescribeProcess(install, r);
    // Where each file went: "-- Installing: PATH" (or "-- Up-to-date: PATH").
    std::istringstream lines(r.out);
    std::string line;
    while (std::getline(lines, line)) {
        const size_t colon = line.find(": ");
        if (line.rfind("-- ", 0) != 0 || colon == std::string::npos) continue;
        const std::string path = line.substr(colon + 2);
        if (path.size() > 19 && path.compare(path.size() - 17, 17, "/filter/spoolwrap") == 0)
            driver.filter = path;
        else if (path.size() > 4 && path.compare(path.size() - 4, 4, ".ppd") == 0)
            driver.ppdFolder = path.substr(0, path.rfind('/'));
    }
    driver.ok = r.status == 0 && IsRegularFile(driver.filter) && !driver.ppdFolder.empty() &&
                driver.filter.rfind(stage + "/", 0) == 0 && driver.ppdFolder.rfind(stage + "/", 0) == 0;
    return driver;
}

PrivateCupsd::PrivateCupsd(const std::string& root, const Options& options) : root_(root + "/cups")
{
    ProcessRequest start{.program = Script(),
                         .args = {"start", root_, "--filter", options.filter, "--ppd-dir", options.ppdFolder},
                         .timeoutSeconds = 60};
    if (!options.systemFilters) start.args.push_back("--no-system-filters");
    const ProcessResult r = RunProcess(start);
    startLog_ = DescribeProcess(start, r);
    if (r.status != 0) return;
    pid_ = std::atoi(ReadIfThere(root_ + "/cupsd.pid").c_str());
}

PrivateCupsd::~PrivateCupsd()
{
    if (pid_ > 0) RunProcess({.program = Script(), .args = {"stop", root_}, .timeoutSeconds = 30});
}

std::string PrivateCupsd::ErrorLog() const { return ReadIfThere(root_ + "/log/error_log"); }

std::map<std::string, std::string> PrivateCupsd::ClientEnv() const
{
    // CUPS_SERVERROOT keeps the commands away from /etc/cups (client.conf,
    // lpoptions); HOME away from the user's ~/.cups.
    return {{"CUPS_SERVER", SocketPath()},
            {"CUPS_SERVERROOT", ServerRoot()},
            {"HOME", root_ + "/home"},
            {"LANG", "C"},
            {"LC_ALL", "C"},
            {"CUPS_USER", ""},
            {"PRINTER", ""},
            {"LPDEST", ""}};
}

ProcessResult PrivateCupsd::Run(ProcessRequest command, int timeoutSeconds) const
{
    command.env.merge(ClientEnv());
    command.timeoutSeconds = timeoutSeconds;
    // CUPS 2.4's clients give up on a connection that a busy cupsd does not
    // accept within 250 ms ("Unable to connect to server: Bad file
    // descriptor"). Nothing was sent then, so trying again is safe.
    ProcessResult result;
    for (int attempt = 0; attempt < 5; ++attempt) {
        result = RunProcess(command);
        if (result.status == 0 || result.err.find("Unable to connect to server") == std::string::npos) break;
        SleepMs(500);
    }
    return result;
}

std::string PrivateCupsd::AddQueue(const std::string& name, const std::string& model,
                                   const std::string& deviceUri, const std::vector<std::string>& extra) const
{
    ProcessRequest lpadmin{"lpadmin", {"-p", name, "-E", "-v", deviceUri, "-m", model}};
    lpadmin.args.insert(lpadmin.args.end(), extra.begin(), extra.end());
    const ProcessResult r = Run(lpadmin);
    if (r.status != 0) return DescribeProcess(lpadmin, r);
    return {};
}

int PrivateCupsd::Print(const std::string& queue, const std::string& file, const std::string& title,
                        const std::vector<std::string>& options, std::string* error, int copies) const
{
    ProcessRequest lp{"lp", {"-d", queue, "-t", title}};
    if (copies > 0) {
        lp.args.push_back("-n");
        lp.args.push_back(std::to_string(copies));
    }
    for (const std::string& option : options) {
        lp.args.push_back("-o");
        lp.args.push_back(option);
    }
    lp.args.push_back(file);
    const ProcessResult r = Run(lp);
    // "request id is QUEUE-N (1 file(s))"
    const std::string marker = "request id is " + queue + "-";
    const size_t at = r.out.find(marker);
    if (r.status != 0 || at == std::string::npos) {
        if (error != nullptr) *error = DescribeProcess(lp, r);
        return 0;
    }
    return std::atoi(r.out.c_str() + at + marker.size());
}

JobStatus PrivateCupsd::GetJobStatus(int jobId) const
{
    JobStatus status;
    http_t* http =
        httpConnect2(SocketPath().c_str(), 0, nullptr, AF_LOCAL, HTTP_ENCRYPTION_NEVER, 1, 30000, nullptr);
    if (http == nullptr) return status;
    ipp_t* request = ippNewRequest(IPP_OP_GET_JOB_ATTRIBUTES);
    const std::string uri = "ipp://localhost/jobs/" + std::to_string(jobId);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "job-uri", nullptr, uri.c_str());
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_NAME, "requesting-user-name", nullptr, cupsUser());
    ipp_t* response = cupsDoRequest(http, request, "/");
    if (response != nullptr) {
        if (ipp_attribute_t* a = ippFindAttribute(response, "job-state", IPP_TAG_ENUM)) {
            status.state = ippGetInteger(a, 0);
            if (const char* name = ippEnumString("job-state", status.state)) status.stateName = name;
        }
        if (ipp_attribute_t* a = ippFindAttribute(response, "job-state-reasons", IPP_TAG_KEYWORD)) {
            for (int i = 0; i < ippGetCount(a); ++i)
                status.reasons += (i ? "," : "") + std::string(ippGetString(a, i, nullptr));
        }
        if (ipp_attribute_t* a = ippFindAttribute(response, "job-printer-state-message", IPP_TAG_TEXT))
            status.printerMessage = ippGetString(a, 0, nullptr);
        ippDelete(response);
    }
    httpClose(http);
    return status;
}

JobStatus PrivateCupsd::WaitForJob(int jobId, int timeoutSeconds) const
{
    JobStatus status;
    for (int waited = 0; waited <= timeoutSeconds * 1000; waited += 100) {
        status = GetJobStatus(jobId);
        if (status.state >= IPP_JSTATE_STOPPED) return status;
        SleepMs(100);
    }
    return status;
}

std::string JobLogLines(const std::string& errorLog, int jobId)
{
    const std::string tag = "[Job " + std::to_string(jobId) + "] ";
    std::istringstream in(errorLog);
    std::string line, lines;
    while (std::getline(in, line))
        if (line.find(tag) != std::string::npos && line.find("] envp[") == std::string::npos)
            lines += line + "\n";
    return lines;
}
