// A pop-up list bound to one PPD option: its items are the option's choices,
// choices that the PPD constraints forbid under the current marks are
// greyed, the chosen choice is marked in the PPD, and the summary shows the
// chosen choice's text under the option's title.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "constraints/PpdChoiceRow.h"
#include "panelkit/controls/PopupControl.h"

class PPDPopupControl : public PopupControl {
public:
    // The menu is the choice list: the record's item keys are not used.
    bool InitializeMenu(const platform::Bundle* bundle, ppd_file_t* ppd) override;
    // One item per entry of the choice list, titled with its text, the
    // choice keyword as represented object (each at most 99 bytes).
    virtual bool ReInitializeMenu(const platform::Bundle* bundle);

    // Position of a choice keyword in the choice list, or -1.
    int GetSFStringArrayIndex(std::string_view choiceKeyword) const;
    int GetIndexByStr(std::string_view choiceKeyword) const { return GetSFStringArrayIndex(choiceKeyword); }
    // The choice keyword of the value on screen; nothing when none is chosen.
    std::optional<std::string> GetUISelectStr() const;
    int GetIndexByControl(int position) const { return position; }

    // Marks the entry at the 0-based position; YES when libcups marked it and
    // reported no conflict. A position outside the list marks nothing.
    virtual bool PPDMarkOptionByIndex(ppd_file_t* ppd, int index);
    // Marks the entry on screen (nothing when none is selected).
    virtual bool SetPPD(ppd_file_t* ppd);
    // Marks the entry of the stored value (nothing below 1 or past the list).
    virtual bool RestorePPD(ppd_file_t* ppd);
    // The 1-based position of the PPD's default choice; NO with 0 when the
    // list lacks it.
    virtual bool GetDefaultValueFromPPD(ppd_file_t* ppd, int32_t* value);
    // Stores position + 1; NO for a position outside the choice list.
    bool ConvertFromPresetIndex(int position);

    // The option's marked choice becomes the value; NO when none is marked or
    // the marked choice is not in the list.
    bool GetValueToPreset() override;
    // Rebuilds the choice list under the current marks and greys the items
    // whose choice conflicts.
    int UpdateConflictsPanelControlFromPPD(ppd_file_t* ppd) override;
    // Marks the chosen entry, has the panel recompute every control's
    // conflicts, then the constraint rules.
    bool UIEventHandler() override;
    // Shows the stored value and marks it.
    bool SetControlValueToUI() override;
    // Shows the value (the default, from SetDefaultValueToUI) and marks it.
    bool SetExternalValueToUI(const void* bytes, std::size_t size) override;
    // Conflicts, preset value, screen and the constraint rules again.
    int Open() override;
    // Title to the text of the stored value's entry, while the control is
    // neither disabled nor hidden; nothing for a value without an entry.
    int GetSummaryText(SummaryDictionary& summary, SummaryOrder& order) override;
    virtual bool ToGetSummaryText() { return true; }

    // A position of the choice list.
    bool IsOwnValue(int32_t value) const override;
    std::optional<std::string> ControlPPDKeyword() const override;
    std::string_view ControlClassName() const override { return "PPDPopupControl"; }

    const std::string& GetPPDMainKey() const { return kPPDMainKey; }
    const PpdChoiceList& GetChoiceList() const { return ctrlPPDInfoArrayRef; }
    const std::optional<std::string>& GetTitleText() const { return titleTextRef; }

protected:
    // The text the summary shows; nothing when the value has no entry.
    virtual std::optional<std::string> SummaryValueText();
    // The stored value, 0 before the blocks exist.
    int32_t StoredValue() const { return ctrlDataBlkPtr.IsAllocated() ? ctrlDataBlkPtr.Int() : 0; }
    // The 1-based value on screen, 0 without a widget or selection.
    int32_t UIValue() const { return ControlPtr != nullptr ? ControlPtr->indexOfSelectedItem() + 1 : 0; }

    std::string kPPDMainKey;
    PpdChoiceList ctrlPPDInfoArrayRef;
    std::optional<std::string> titleTextRef;
    const int32_t* ctrlIDTitleExPtr = nullptr;
};
