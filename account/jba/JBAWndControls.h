// The settings windows' radio buttons and user-ID source list.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "panelkit/controls/PopupControl.h"
#include "panelkit/controls/RadioButton.h"

// A radio button of a settings window. The enter-at-print-time button
// checks the window's user ID and password before a change is taken: when
// either refuses, both buttons show their previous state again.
class JBAWndRadioButton : public RadioButton {
public:
    // fieldsToCheck: IDs of the fields checked first (null: none).
    JBAWndRadioButton(platform::ui::Widget* control, const CheckBoxIniData* iniData,
                      const CnstrnInfo* cnstrnInfo, const CtrlAccessInfo* accessInfo,
                      std::optional<platform::PreferenceUser> user, CnstrnArray fieldsToCheck);

    bool UIEventHandler() override;
    bool IsOn() const { return ctrlDataBlkPtr.IsAllocated() && ctrlDataBlkPtr.Int() > 0; }
    int GetSummaryText(SummaryDictionary& summary, SummaryOrder& order) override;

    std::string_view ControlClassName() const override { return "JBAWndRadioButton"; }

private:
    CnstrnArray fieldsToCheck_;
};

// The user-ID source: 1 the login name, 2 a typed name. A change by the
// person empties the password, which belonged to the other name.
class JBAWndListCtrl : public PopupControl {
public:
    bool CreateControl(platform::ui::Widget* control, const ListCtrlIniData* iniData,
                       const CnstrnInfo* cnstrnInfo, const CtrlAccessInfo* accessInfo,
                       std::optional<platform::PreferenceUser> user, const int32_t* passwordID);

    bool UIEventHandler() override;
    int GetSummaryText(SummaryDictionary& summary, SummaryOrder& order) override;
    bool IsLoginNameSource() const { return !ctrlDataBlkPtr.IsAllocated() || ctrlDataBlkPtr.Int() != 2; }

    std::string_view ControlClassName() const override { return "JBAWndListCtrl"; }

private:
    using PopupControl::CreateControl;
    const int32_t* passwordID_ = nullptr;
};
