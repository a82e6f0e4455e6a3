// Runs the printdialog program of this build on the host's test bundle and
// test PPD, with a data folder of the test's own, as a person would.
#pragma once

#include <map>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "tests/support/ProcessRunner.h"
#include "tests/support/TempDir.h"

namespace dialog_test {

// The last line of standard output as JSON (the --dump snapshot); null when
// it is no JSON.
nlohmann::json LastJson(const std::string& out);

// The panel of the snapshot whose kind ends in `kindTail`; null when none.
const nlohmann::json* FindPanel(const nlohmann::json& snapshot, const std::string& kindTail);
// The control of the panel (or window) with the tag; null when none.
const nlohmann::json* FindControl(const nlohmann::json& controls, int tag);
// The events of the snapshot's log, by name only.
std::vector<std::string> EventNames(const nlohmann::json& snapshot);

class DialogRunner {
public:
    DialogRunner();

    // printdialog with `args`; --ppd (the test PPD), --plugins (the test
    // bundle's folder) and --data-dir come first unless args give them; the
    // script, when not empty, goes in through standard input.
    testing_support::ProcessResult Run(std::vector<std::string> args, const std::string& script = "",
                                       std::map<std::string, std::string> env = {}) const;

    const testing_support::TempDir& Dir() const { return dir_; }
    std::string DataDir() const { return dir_.file("data"); }
    // Every file below the data folder with its bytes.
    std::map<std::string, std::string> DataFiles() const;

private:
    testing_support::TempDir dir_;
};

} // namespace dialog_test
