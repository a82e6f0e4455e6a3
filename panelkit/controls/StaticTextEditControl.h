// A label: it holds no value and shows its localised text. It is disabled
// and enabled like any control (counted), and shows it by its colour: light
// grey while disabled, black otherwise. PPD hiding does not reach it.
#pragma once

#include <optional>
#include <string_view>

#include "panelkit/InputFilter.h"
#include "panelkit/control/BaseControl.h"
#include "panelkit/control/IniDataRecords.h"

class StaticTextEditControl : public BaseControl {
public:
    using BaseControl::CreateControl;
    // The records of a text field plus the localisation key of the text.
    bool CreateControl(platform::ui::Widget* control, const TextEditIniData* iniData,
                       const CnstrnInfo* cnstrnInfo, const CtrlAccessInfo* accessInfo,
                       std::optional<platform::PreferenceUser> user, const TextEditFilterData* filterData,
                       const char* summaryInfo);

    // Base initialisation, then the localised text on the field.
    bool InitializeCtrl(const platform::Bundle* bundle, ppd_file_t* ppd) override;
    // The localised text again.
    bool ReInitializeCtrl(const platform::Bundle* bundle, ppd_file_t* ppd) override;

    void Enable() override;
    void Disable() override;
    void ResetStatus() override;
    void PPDCtrlShow() override {}
    void PPDCtrlHide() override {}

    const char* GetSummaryTextKey() const { return summarytextRef; }

    std::string_view ControlClassName() const override { return "StaticTextEditControl"; }

protected:
    // The key localised in the control's table on the field; NO without a bundle or widget.
    bool InitializeText(const platform::Bundle* bundle);
    // Light grey while the counted disable holds, black otherwise.
    void ShowEnabledColour();

    const TextEditIniData* textEditIniDataPtr = nullptr;
    const TextEditFilterData* textEditFilterDataPtr = nullptr;
    const char* summarytextRef = nullptr;
};
