// The whole road of a job as a person takes it: printdialog of this build with
// both extension bundles on a queue of a private cupsd, CUPS running the
// installed spoolwrap, and a listener on 127.0.0.1 playing the printer.
#pragma once

#include "CupsdTest.h"
#include "PrinterListener.h"
#include "ReceivedJob.h"
#include "tests/support/ProcessRunner.h"

#include <map>
#include <string>
#include <vector>

class DialogRoad : public CupsdTest {
protected:
    // Starts cupsd and adds the queue "kz63" of the shipped KZ63 PPD with
    // lpadmin -m, its device the listener.
    void SetUp() override;

    // printdialog --dest kz63 with the bundles of this build, a data folder of
    // the test's own, the person's script on standard input (when not empty),
    // and the machine's identity fixed: 03/15/2025 09:08:07, computer WS-ALICE,
    // address 10.1.200.15.
    testing_support::ProcessResult Dialog(const std::string& script,
                                          std::vector<std::string> args = {}) const;

    // The dialog prints the file with the script; the job's number, or 0
    // (with a test failure) when printdialog did not submit it.
    int Submit(const std::string& script, const std::string& file, const std::vector<std::string>& args = {});

    // The dialog prints the sample PDF with the script; waits until cupsd has
    // finished the job and the printer has received it. `jobId` receives the
    // job's number.
    ReceivedJob PrintSample(const std::string& script, const std::vector<std::string>& args = {},
                            int* jobId = nullptr);

    // The job options cupsd handed the filter (its fifth argument), parsed.
    std::map<std::string, std::string> FilterOptions(int jobId) const;

    // Every job cupsd knows of, whatever its state (lpstat -W all -o).
    std::string AllJobs() const;

    static std::string SamplePdf();
    static std::string SampleScript(const std::string& name);

    PrinterListener printer_;
};

// The print-settings key of a name: "com.lumeral.vrk.printsettings." + name.
std::string SettingsKey(const std::string& name);
