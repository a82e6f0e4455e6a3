// The Job Accounting pane's accounting-mode list: index 0 uses the shared
// settings (JBAInfoAdminWnd, value "1"), index 1 the user's own (JBAInfoWnd,
// value "2"). Only administrators choose the mode: for anyone else the list is
// disabled after every selection and silent initialisation, and the shared
// window's controls are disabled while it is in use. From version code 0x1070
// the list is always disabled: the mode comes from the print settings (the
// destination's saved options, where an administrator sets it for everyone).
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "panelkit/controls/PopupControl.h"

class KJOBACCOUNTINGPDE;

class JBAListCtrl : public PopupControl {
public:
    // The records of PopupControl, the pane, and the controls an ordinary
    // user may not change while index 0 is chosen.
    bool CreateControl(platform::ui::Widget* control, const ListCtrlIniData* iniData,
                       const CtrlAccessInfo* accessInfo, KJOBACCOUNTINGPDE* pane,
                       CnstrnArray restrictionList);

    bool UIEventHandler() override;
    bool SimulationUIEventHandler() override;
    int GetSummaryText(SummaryDictionary& summary, SummaryOrder& order) override;

    // The 0-based index of the chosen entry (1 until the first selection).
    int32_t getAccountMode() const { return whichPreferenceKey; }
    // Disables the restricted controls when index 0 is chosen and the user
    // is no administrator; controls already disabled are left as they are.
    void ApplyRestriction();

    std::string_view ControlClassName() const override { return "JBAListCtrl"; }

private:
    using PopupControl::CreateControl;
    void AfterSelection();

    KJOBACCOUNTINGPDE* pane_ = nullptr;
    CnstrnArray restrictionList_ = nullptr;
    int32_t whichPreferenceKey = 1;
};
