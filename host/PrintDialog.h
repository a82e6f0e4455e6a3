// One run of the print dialog, from the command line to the exit status:
// the printer and its starting values, the extensions loaded and their
// panels opened, the script played, the print step, the outputs (--options,
// --print, --dump) and the settings kept for the next run.
//
// Exit status: 0; 1 when the print was refused by a panel (nothing is
// submitted) or CUPS did not take the job; 2 on bad input, with the host's
// own files left as they were.
#pragma once

#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "host/CommandLine.h"
#include "host/DialogLog.h"
#include "host/DialogServices.h"
#include "host/PrinterSetup.h"
#include "host/ScriptInterpreter.h"
#include "host/headless/HeadlessToolkit.h"

namespace host {

inline constexpr int kExitRefused = 1;
inline constexpr int kExitBadInput = 2;

class PrintDialog : private DialogCommands {
public:
    PrintDialog(CommandLine line, std::ostream& out, std::ostream& err);
    ~PrintDialog();
    PrintDialog(const PrintDialog&) = delete;
    PrintDialog& operator=(const PrintDialog&) = delete;

    int Run();

private:
    struct PrintStep {
        bool accepted = false;
        std::string options{};
    };

    int BadInput(const std::string& message);
    bool Prepare(std::vector<ScriptAction>& actions, std::string& error);
    // The title of a window still open, if any.
    std::optional<std::string> OpenWindowTitle() const;
    int Finish();
    std::string CurrentOptions() const;

    bool Print(std::string& error) override;
    bool Save(const ScriptAction& action, std::string& error) override;
    bool PresetSave(const ScriptAction& action, std::string& error) override;
    bool PresetLoad(const ScriptAction& action, std::string& error) override;
    bool Dump(std::string& error) override;

    CommandLine line_;
    std::ostream& out_;
    std::ostream& err_;
    HeadlessToolkit toolkit_;
    DialogLog log_{toolkit_};
    DialogServices services_{toolkit_, log_};
    std::optional<PrintStep> lastPrint_;
    // Goes before the toolkit and services its panels use.
    std::unique_ptr<PrinterSetup> setup_;
};

} // namespace host
