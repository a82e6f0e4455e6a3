// The Features panel's pop-up for a PPD option, with the mailbox rules:
// while the job's print type is mailbox print, options of either mailbox
// table are disabled, and those of the restore table are held at the PPD
// default.
#pragma once

#include "features/controls/PFBasePPDPopupListExt.h"

class PFList : public PFBasePPDPopupListExt {
public:
    // The base work, then enabled again with its title; disabled with its
    // title while mailbox applies to its keyword.
    int UpdateConflictsPanelControlFromPPD(ppd_file_t* ppd) override;
    // The PPD default while mailbox holds the keyword at it.
    bool GetValueToPreset() override;
    bool SetValueFromUIToControl() override;
    // Title to the text of the entry on screen, or of the PPD default while
    // mailbox holds the keyword at it; also while disabled, so that a list
    // the mailbox rule greys still tells what it prints. Nothing for a
    // value without an entry.
    int GetSummaryText(SummaryDictionary& summary, SummaryOrder& order) override;

    std::string_view ControlClassName() const override { return "PFList"; }

protected:
    // The entry on screen, or the default's while mailbox holds the keyword.
    std::optional<std::string> SummaryValueText() override;
    // Disables the list and its title together (counted).
    void DisableWithTitle();
};
