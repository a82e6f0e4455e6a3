// The Print Type pane's list: it stores the print type value (1 normal, 2
// secure, 3 sample, 4 delayed, 5 mailbox) and shows it at the menu position
// PrintTypeMenu gives, so the value never stands for a position. Its
// constraint lists are indexed by menu position too (position 0, normal
// printing, disables the setup button).
//
// Choosing secure, sample or mailbox printing opens that type's details
// window first; the choice is taken from the screen when the window closes,
// which a window cancelled with unusable values has put back to normal
// printing. A restored delayed print (4), which the printer's menu does not
// offer, is shown as an extra, disabled entry for as long as it is the value,
// so the job keeps it unless the person chooses another type.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "account/printtype/PrintTypeMenu.h"
#include "panelkit/controls/PopupControl.h"

class KPRINTTYPEPDE;

class PTListCtrl : public PopupControl {
public:
    // The records of PopupControl, the pane and the PPD attribute whose
    // presence offers mailbox print.
    bool CreateControl(platform::ui::Widget* control, const ListCtrlIniData* iniData,
                       const CnstrnInfo* cnstrnInfo, const CtrlAccessInfo* accessInfo,
                       std::optional<platform::PreferenceUser> user, KPRINTTYPEPDE* pane,
                       const char* mailBoxAttribute);

    bool InitializeMenu(const platform::Bundle* bundle, ppd_file_t* ppd) override;

    // Shows the stored value: 1 while the list is disabled (also stored),
    // 1 for mailbox print the printer does not offer.
    bool SetControlValueToUI() override;
    // A value shown by the program (the pane's Restore button).
    bool SetExternalValueToUI(const void* bytes, std::size_t size) override;
    // The choice of an entry: opens the details window of the chosen type
    // before the constraint rules run for what the screen then shows.
    bool UIEventHandler() override;

    // The lists of the menu positions of the value before and after the change.
    int DoControlConstrain() override;
    int DoControlHideConstrain() override;

    // The five print types: a restored delayed print is kept.
    bool IsOwnValue(int32_t value) const override;
    // The menu text of the value, under the list's summary key.
    int GetSummaryText(SummaryDictionary& summary, SummaryOrder& order) override;

    // The print type on screen (the stored one before there is a widget).
    int32_t GetPrintTypeValue() const;
    // Shows the value and runs the constraint rules for it, as a change made
    // by the program (a cancelled details window returning to normal printing).
    void SelectPrintType(int32_t value);
    bool HasMailBox() const { return hasMailBox_; }

    std::string_view ControlClassName() const override { return "PTListCtrl"; }

protected:
    void ShowValue(int32_t value) override;
    int32_t ScreenValue() const override;

private:
    // Rebuilds the menu with or without the delayed entry, keeping the value shown.
    void SetDelayedEntry(bool shown);
    // Applies the lists of the new value's position after releasing the old one's.
    int ApplyPositionLists(CnstrnTable table, bool hide);

    KPRINTTYPEPDE* pane_ = nullptr;
    const char* mailBoxAttribute_ = nullptr;
    const platform::Bundle* bundle_ = nullptr;
    bool hasMailBox_ = false;
    PrintTypeMenu menu_{false, false};
};
