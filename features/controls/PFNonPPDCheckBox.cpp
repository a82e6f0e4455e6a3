#include "features/controls/PFNonPPDCheckBox.h"

bool PFNonPPDCheckBox::CreateControl(platform::ui::Widget* control, const CheckBoxIniData* iniData,
                                     const CnstrnInfo* cnstrnInfo, const CtrlAccessInfo* accessInfo,
                                     std::optional<platform::PreferenceUser> user, int indexInPanel_,
                                     int group, platform::ui::View* parentGroup,
                                     const PFCtrlPositionData* positionInfo, int32_t ctrlTag)
{
    CreateCheckBox(control, iniData, cnstrnInfo, accessInfo, user);
    indexInPanel = indexInPanel_;
    ctrlInWhichGroup = group;
    parentGroupBox = parentGroup;
    ppdCtrlPositionDataPtr = positionInfo != nullptr ? positionInfo : &pfCtrlPositionData;
    controlTag = ctrlTag;
    return true;
}

bool PFNonPPDCheckBox::InitializeCtrl(const platform::Bundle* bundle, ppd_file_t* ppd)
{
    CheckBoxCtrlBounds = {static_cast<double>(ppdCtrlPositionDataPtr->titleHoffset),
                          static_cast<double>(RowTopOfIndex(*ppdCtrlPositionDataPtr, indexInPanel)),
                          static_cast<double>(kCheckBoxWidth), kControlRowHeight};
    if (ControlPtr == nullptr && parentGroupBox != nullptr)
        SetControlPtr(
            parentGroupBox->addWidget(platform::ui::WidgetKind::CheckBox,
                                      PanelFrameOfGroupBoxRect(parentGroupBox, CheckBoxCtrlBounds)));
    if (ControlPtr != nullptr) {
        ControlPtr->setFrame(PanelFrameOfGroupBoxRect(parentGroupBox, CheckBoxCtrlBounds));
        ControlPtr->setTag(controlTag);
    }
    return CheckBox::InitializeCtrl(bundle, ppd);
}

bool PFNonPPDCheckBox::ConvertToTickectData(std::span<char> buffer)
{
    if (ctrlConstrainCount <= 0) return CheckBox::ConvertToTickectData(buffer);
    if (buffer.size() < 2) return false;
    buffer[0] = '0';
    buffer[1] = '\0';
    return true;
}
