// A generated check box for a boolean PPD option: a switch on its page row,
// titled with the option's PPD title, greyed when the PPD constraints forbid
// its choices.
#pragma once

#include "features/FeatureKeyTables.h"
#include "features/controls/PPDCheckBox.h"
#include "platform/ui/Geometry.h"
#include "platform/ui/View.h"

class PPDCheckBoxExt : public PPDCheckBox {
public:
    // The records may each be none; the widget is made in InitializeCtrl
    // when none is given.
    bool CreateControl(platform::ui::Widget* control, std::string_view ppdKey, const CheckBoxIniData* iniData,
                       const CnstrnInfo* cnstrnInfo, const CtrlAccessInfo* accessInfo,
                       std::optional<platform::PreferenceUser> user, int indexInPanel, int group,
                       platform::ui::View* parentGroup, const PFCtrlPositionData* positionInfo);
    using BaseControl::CreateControl;

    // A switch of 250 by 25 at the row, the PPD set-up, the default shown.
    bool InitializeCtrl(const platform::Bundle* bundle, ppd_file_t* ppd) override;
    // The stored value becomes the PPD default.
    bool SetControlValueToDefault() override;
    // Each choice in PPD order sets the button's enabled state (disabled for a
    // conflicting one): the last choice decides.
    int UpdateConflictsPanelControlFromPPD(ppd_file_t* ppd) override;

    std::string_view ControlClassName() const override { return "PPDCheckBoxExt"; }
    int32_t GetDefaultValue() const { return defaultValue; }
    const platform::ui::Rect& GetCheckBoxCtrlBounds() const { return CheckBoxCtrlBounds; }

protected:
    std::string ppdKeyCStr;
    int32_t defaultValue = 0;
    int indexInPanel = 0;
    platform::ui::Rect CheckBoxCtrlBounds;
    platform::ui::View* parentGroupBox = nullptr;
    const PFCtrlPositionData* ppdCtrlPositionDataPtr = nullptr;
};
