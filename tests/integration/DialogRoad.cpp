#include "DialogRoad.h"

#include "PrivateCupsd.h"

#include <cups/cups.h>

#include <cstdlib>
#include <sstream>

using testing_support::ProcessRequest;
using testing_support::ProcessResult;

namespace {

// A job through cupsd to the printer on 127.0.0.1 takes a second or two; a
// busy machine gets this much.
constexpr int kJobTimeoutSeconds = 60;

// The number in printdialog's "printdialog: job kz63-N submitted"; 0 when none.
int SubmittedJobId(const std::string& err)
{
    const std::string marker = "printdialog: job kz63-";
    const size_t at = err.find(marker);
    return at == std::string::npos ? 0 : std::atoi(err.c_str() + at + marker.size());
}

} // namespace

std::string SettingsKey(const std::string& name) { return "com.lumeral.vrk.printsettings." + name; }

void DialogRoad::SetUp()
{
    CupsdTest::SetUp();
    if (HasFatalFailure()) return;
    StartCupsd();
    if (HasFatalFailure()) return;
    ASSERT_TRUE(printer_.ok());
    ASSERT_EQ(cupsd_->AddQueue("kz63", "Quorvel/quorvel-kz63-color-mfp.ppd", printer_.DeviceUri()), "");
}

ProcessResult DialogRoad::Dialog(const std::string& script, std::vector<std::string> args) const
{
    const std::vector<std::string> common = {
        "--dest", "kz63", "--plugins", QV_BUILD_PLUGIN_DIR, "--data-dir", rootDir_.file("dialog-data")};
    args.insert(args.begin(), common.begin(), common.end());
    ProcessRequest request{.program = QV_PRINTDIALOG, .args = args};
    if (!script.empty()) {
        request.args.push_back("--script");
        request.args.push_back("-");
        request.stdinData = script;
    }
    request.env = {{"QV_NOW", "2025-03-15T09:08:07"},
                   {"QV_COMPUTER_NAME", "WS-ALICE"},
                   {"QV_HOST_NAME", "ws-alice"},
                   {"QV_HOST_ADDRESSES", "10.1.200.15"},
                   {"LANGUAGE", ""}};
    return cupsd_->Run(request);
}

int DialogRoad::Submit(const std::string& script, const std::string& file,
                       const std::vector<std::string>& args)
{
    std::vector<std::string> printArgs = {"--print", file, "--title", "Quarterly report"};
    printArgs.insert(printArgs.end(), args.begin(), args.end());
    const ProcessResult run = Dialog(script, printArgs);
    const int id = SubmittedJobId(run.err);
    if (run.status != 0 || id <= 0) {
        ADD_FAILURE() << "printdialog did not submit the job: status " << run.status << "\n" << run.err;
        return 0;
    }
    return id;
}

ReceivedJob DialogRoad::PrintSample(const std::string& script, const std::vector<std::string>& args,
                                    int* jobId)
{
    const size_t before = printer_.Connections();
    const int id = Submit(script, SamplePdf(), args);
    if (jobId != nullptr) *jobId = id;
    if (id <= 0) return {};
    const JobStatus status = cupsd_->WaitForJob(id, kJobTimeoutSeconds);
    EXPECT_EQ(status.stateName, "completed") << "reasons: " << status.reasons << "\n"
                                             << JobLogLines(cupsd_->ErrorLog(), id);
    const std::vector<std::string> jobs = printer_.WaitForJobs(before + 1, kJobTimeoutSeconds);
    if (jobs.size() <= before) {
        ADD_FAILURE() << "the printer received nothing for job " << id;
        return {};
    }
    return SplitJob(jobs.back());
}

std::map<std::string, std::string> DialogRoad::FilterOptions(int jobId) const
{
    // cupsd logs each filter's arguments at debug level: [Job N] argv[5]="...".
    const std::string head = "] argv[5]=\"";
    std::istringstream lines(JobLogLines(cupsd_->ErrorLog(), jobId));
    std::map<std::string, std::string> parsed;
    for (std::string line; std::getline(lines, line);) {
        const size_t at = line.find(head);
        if (at == std::string::npos || line.back() != '"') continue;
        const std::string options = line.substr(at + head.size(), line.size() - at - head.size() - 1);
        cups_option_t* list = nullptr;
        const int count = cupsParseOptions(options.c_str(), 0, &list);
        for (int i = 0; i < count; ++i) parsed[list[i].name] = list[i].value;
        cupsFreeOptions(count, list);
    }
    return parsed;
}

std::string DialogRoad::AllJobs() const
{
    const ProcessResult r = cupsd_->Run({"lpstat", {"-W", "all", "-o"}});
    return r.status == 0 ? r.out : "lpstat failed: " + r.err;
}

std::string DialogRoad::SamplePdf() { return std::string(QV_SOURCE_DIR) + "/samples/sample.pdf"; }

std::string DialogRoad::SampleScript(const std::string& name)
{
    return std::string(QV_SOURCE_DIR) + "/samples/" + name;
}
