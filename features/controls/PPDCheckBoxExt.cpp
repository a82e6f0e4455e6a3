#include "features/controls/PPDCheckBoxExt.h"

#include "features/controls/PPDControlSupport.h"

bool PPDCheckBoxExt::CreateControl(platform::ui::Widget* control, std::string_view ppdKey,
                                   const CheckBoxIniData* iniData, const CnstrnInfo* cnstrnInfo,
                                   const CtrlAccessInfo* accessInfo,
                                   std::optional<platform::PreferenceUser> user, int indexInPanel_, int group,
                                   platform::ui::View* parentGroup, const PFCtrlPositionData* positionInfo)
{
    if (iniData != nullptr) ownIniData = *iniData;
    CreateCheckBox(control, &ownIniData, cnstrnInfo, accessInfo, user);
    ppdKeyCStr = CutUtf8(ppdKey, kPPDKeyCStrMax);
    kPPDMainKey = ppdKeyCStr;
    indexInPanel = indexInPanel_;
    ctrlInWhichGroup = group;
    parentGroupBox = parentGroup;
    ppdCtrlPositionDataPtr = positionInfo != nullptr ? positionInfo : &pfCtrlPositionData;
    return true;
}

bool PPDCheckBoxExt::InitializeCtrl(const platform::Bundle* bundle, ppd_file_t* ppd)
{
    CheckBoxCtrlBounds = {static_cast<double>(ppdCtrlPositionDataPtr->titleHoffset),
                          static_cast<double>(RowTopOfIndex(*ppdCtrlPositionDataPtr, indexInPanel)),
                          static_cast<double>(kCheckBoxWidth), kControlRowHeight};
    if (ControlPtr == nullptr && parentGroupBox != nullptr)
        SetControlPtr(
            parentGroupBox->addWidget(platform::ui::WidgetKind::CheckBox,
                                      PanelFrameOfGroupBoxRect(parentGroupBox, CheckBoxCtrlBounds)));
    if (ControlPtr != nullptr)
        ControlPtr->setFrame(PanelFrameOfGroupBoxRect(parentGroupBox, CheckBoxCtrlBounds));
    PPDCheckBox::InitializeCtrl(bundle, ppd);
    defaultValue = ownIniData.defaultValue;
    if (ControlPtr != nullptr) ControlPtr->setIntValue(defaultValue);
    return true;
}

bool PPDCheckBoxExt::SetControlValueToDefault()
{
    if (!ctrlDataBlkPtr.IsAllocated()) return false;
    ctrlDataBlkPtr.SetInt(defaultValue);
    ctrlDataSize = 4;
    return true;
}

int PPDCheckBoxExt::UpdateConflictsPanelControlFromPPD(ppd_file_t* ppd)
{
    PPDCheckBox::UpdateConflictsPanelControlFromPPD(ppd);
    if (ControlPtr == nullptr) return 0;
    for (const PpdChoiceRow& row : ctrlPPDInfoArrayRef)
        ControlPtr->setEnabled(row.conflictState != kConflictTrue);
    return 0;
}
