// The control that applies an installable printer option of the PPD to its
// panel: the option's marked choice picks a row of a rule table, and the
// row's controls are disabled through the framework's counted disable. The
// Print Type pane uses it for the hard disk ("QVHardDisk"): without one the
// printer cannot hold jobs, so the print-type list, its title and its setup
// button are disabled.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include <cups/ppd.h>

#include "panelkit/control/BaseControl.h"

// One row: the choice text (compared as a prefix of the marked choice) and
// the IDs of the controls it disables (null: none).
struct InstallableConstrainInfo {
    const char* choice;
    CnstrnArray disableList;
};

class InstallableControl : public BaseControl {
public:
    // The option key and its rules; the control has no widget of its own.
    bool CreateControl(const char* optionKey, std::span<const InstallableConstrainInfo> rules);

    // The first row whose choice text begins the option's marked choice
    // disables its controls and answers 1000; with no match, or nothing
    // marked, nothing changes and the answer is 0.
    int ConstrainPanelControlFromPPD(ppd_file_t* ppd) override;

    std::string_view ControlClassName() const override { return "InstallableControl"; }
    std::optional<std::string> ControlPPDKeyword() const override;

private:
    using BaseControl::CreateControl;

    const char* kPPDMainKey = nullptr;
    std::span<const InstallableConstrainInfo> installableOptionConstrainInfoPtr;
};
