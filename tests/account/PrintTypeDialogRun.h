// Runs printdialog of this build with the accountpanel bundle alone, and
// spoolwrap on the job options it hands on, as CUPS would: the Print Type
// pane from a person's script to the printer's hold commands.
#pragma once

#include <map>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "tests/support/TempDir.h"

namespace printtype_test {

struct DialogResult {
    int status = -1;
    nlohmann::json dump; // the --dump snapshot
    std::string options; // the --options line
    std::string err;
    // The job options, parsed as the filter parses its argument 5.
    std::map<std::string, std::string> Options() const;
    // The Print Type pane of the snapshot; an empty object when absent.
    const nlohmann::json& Pane() const;
    // The log's alerts' texts, in order.
    std::vector<std::string> AlertTexts() const;
};

class PrintTypeDialog {
public:
    PrintTypeDialog();

    // printdialog on the PPD with the script on standard input, --dump and
    // --options, the data folder of this object (so a second run finds the
    // first run's last used settings).
    DialogResult Run(const std::string& ppdPath, const std::string& script,
                     const std::vector<std::string>& extraArgs = {}) const;

    // The lines of the PJL header spoolwrap writes for the options on the PPD.
    std::vector<std::string> PrinterHeader(const std::string& ppdPath, const std::string& options) const;

    // A copy of the PPD with lines removed (those beginning with any of the
    // prefixes) and lines added after "*PCFileName".
    std::string EditedPPD(const std::string& ppdPath, const std::vector<std::string>& removedPrefixes,
                          const std::string& addedLines) const;

    const testing_support::TempDir& Dir() const { return dir_; }

private:
    testing_support::TempDir dir_;
};

// A shipped PPD by file name.
std::string ShippedPPD(const std::string& name);
// A control of a control list by tag; null when none.
const nlohmann::json* Control(const nlohmann::json& controls, int tag);
// The text of a summary line of a panel; empty when none.
std::string SummaryText(const nlohmann::json& panel, const std::string& title);

} // namespace printtype_test
