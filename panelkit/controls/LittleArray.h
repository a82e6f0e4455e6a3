// A stepper holding an integer between the minimum and the maximum of its
// record; its summary line shows the value in tenths ("2.5" for 25). Only
// the Features extension has it.
#pragma once

#include "panelkit/control/BaseControl.h"

#if QV_PANELKIT_FEATURES

#include <optional>
#include <string_view>

#include "panelkit/control/IniDataRecords.h"
#include "panelkit/controls/IntegerControl.h"

class LittleArray : public IntegerControl {
public:
    // The creator: the widget, the record, the constraint lists, the access
    // record, the user (when given) and the summary title key. The last
    // value starts as the default.
    bool LittleArrayControl(platform::ui::Widget* control, const LittleArrayIniData* iniData,
                            const CnstrnInfo* cnstrnInfo, const CtrlAccessInfo* accessInfo,
                            std::optional<platform::PreferenceUser> user, const char* titleStr);

    // Base initialisation, both 4-byte blocks, then the record's range.
    bool InitializeCtrl(const platform::Bundle* bundle, ppd_file_t* ppd) override;
    // The record's range again.
    bool ReInitializeCtrl(const platform::Bundle* bundle, ppd_file_t* ppd) override;
    void SetRange(int32_t minimum, int32_t maximum);

    // Reads the ticket's value, shows it and keeps it as the last value.
    bool GetValueToPreset() override;

    using BaseControl::SetValueToTicket;
    // Writes only a value within the record's range; otherwise NO and the
    // ticket is left as it is.
    bool SetValueToTicket(platform::PrintSettings* settings, bool lock) override;

    virtual bool ToGetSummaryText() { return true; }
    // Adds the summary title key with the value in tenths.
    int GetSummaryText(SummaryDictionary& summary, SummaryOrder& order) override;

    const void* GetDefaultDataBlk() override;
    const void* GetIniDataBlk() override;
    // The record's minimum to maximum.
    bool IsOwnValue(int32_t value) const override;

    int32_t GetLastValue() const { return lastValue; }

    std::string_view ControlClassName() const override { return "LittleArray"; }

protected:
    const LittleArrayIniData* littleArrayIniDataPtr = nullptr;
    const char* titleTextRef = nullptr;
    int32_t lastValue = 0;
};

#endif
