// A check box bound to a boolean PPD option: 1 marks the option's "True"
// choice, 0 its "False" choice.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "constraints/PpdChoiceRow.h"
#include "panelkit/controls/CheckBox.h"

class PPDCheckBox : public CheckBox {
public:
    // Title from the PPD on the button, the choice list, the PPD default as
    // the default value, both blocks.
    bool InitializeCtrl(const platform::Bundle* bundle, ppd_file_t* ppd) override;

    // Marks "True" for 1, "False" for 0 (letter case as libcups ignores it);
    // NO when the list lacks that choice or libcups reports a conflict.
    virtual bool PPDMarkOptionByIndex(ppd_file_t* ppd, int value);
    virtual bool SetPPD(ppd_file_t* ppd);
    // Nothing for a negative stored value.
    virtual bool RestorePPD(ppd_file_t* ppd);
    // 1 when the PPD's default choice is "True", else 0.
    virtual bool GetDefaultValueFromPPD(ppd_file_t* ppd, int32_t* value);

    // 1 when the marked choice is "True", 0 for any other; NO when none is marked.
    bool GetValueToPreset() override;
    // Rebuilds the choice list under the current marks.
    int UpdateConflictsPanelControlFromPPD(ppd_file_t* ppd) override;
    // Marks the value on screen, has the panel recompute every control's
    // conflicts, then the constraint rules.
    bool UIEventHandler() override;
    bool SetControlValueToUI() override;
    bool SetExternalValueToUI(const void* bytes, std::size_t size) override;
    int Open() override;
    // Title to the text of the value's choice (at most 23 bytes); nothing
    // when the list has no choice for the value.
    int GetSummaryText(SummaryDictionary& summary, SummaryOrder& order) override;

    std::optional<std::string> ControlPPDKeyword() const override;
    std::string_view ControlClassName() const override { return "PPDCheckBox"; }

    const std::string& GetPPDMainKey() const { return kPPDMainKey; }
    const PpdChoiceList& GetChoiceList() const { return ctrlPPDInfoArrayRef; }

protected:
    // The value the summary shows.
    virtual int32_t SummaryValue() const { return StoredValue(); }
    int32_t StoredValue() const { return ctrlDataBlkPtr.IsAllocated() ? ctrlDataBlkPtr.Int() : -1; }
    int32_t UIValue() const { return ControlPtr != nullptr ? ControlPtr->intValue() : -1; }
    // Title and choice list from the PPD; the default into the own record.
    void ReadFromPPD(ppd_file_t* ppd);

    std::string kPPDMainKey;
    PpdChoiceList ctrlPPDInfoArrayRef;
    std::optional<std::string> titleTextRef;
    CheckBoxIniData ownIniData{0, 0, -1, 0, nullptr, nullptr};
};
