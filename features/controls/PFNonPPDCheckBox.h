// The booklet margin check box (identifier 106): a PFStaticCheckBox placed
// on its page row. While disabled (booklet off) it prints 0.
#pragma once

#include "features/FeatureKeyTables.h"
#include "features/controls/PFStaticCheckBox.h"
#include "platform/ui/Geometry.h"
#include "platform/ui/View.h"

class PFNonPPDCheckBox : public PFStaticCheckBox {
public:
    bool CreateControl(platform::ui::Widget* control, const CheckBoxIniData* iniData,
                       const CnstrnInfo* cnstrnInfo, const CtrlAccessInfo* accessInfo,
                       std::optional<platform::PreferenceUser> user, int indexInPanel, int group,
                       platform::ui::View* parentGroup, const PFCtrlPositionData* positionInfo,
                       int32_t ctrlTag);
    using BaseControl::CreateControl;

    // A switch of 250 by 25 at the row, tagged, titled from its record.
    bool InitializeCtrl(const platform::Bundle* bundle, ppd_file_t* ppd) override;
    // 0 while disabled by another control; else the value.
    bool ConvertToTickectData(std::span<char> buffer) override;

    std::string_view ControlClassName() const override { return "PFNonPPDCheckBox"; }
    const platform::ui::Rect& GetCheckBoxCtrlBounds() const { return CheckBoxCtrlBounds; }

private:
    platform::ui::Rect CheckBoxCtrlBounds;
    int indexInPanel = 0;
    platform::ui::View* parentGroupBox = nullptr;
    const PFCtrlPositionData* ppdCtrlPositionDataPtr = nullptr;
    int32_t controlTag = 0;
};
