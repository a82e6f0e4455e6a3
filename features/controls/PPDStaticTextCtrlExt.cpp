#include "features/controls/PPDStaticTextCtrlExt.h"

#include "constraints/XPPDLookups.h"
#include "features/controls/PPDControlSupport.h"

bool PPDStaticTextCtrlExt::CreateControl(platform::ui::Widget* templateLabel, std::string_view ppdKey,
                                         const TextEditIniData* iniData, const CnstrnInfo* cnstrnInfo,
                                         const CtrlAccessInfo* accessInfo,
                                         std::optional<platform::PreferenceUser> user, int controlLength,
                                         int indexInPanel_, int group, platform::ui::View* parentGroup,
                                         const PFCtrlPositionData* positionInfo)
{
    StaticTextEditControl::CreateControl(nullptr, iniData, cnstrnInfo, accessInfo, user, nullptr, nullptr);
    kPPDMainKey = CutUtf8(ppdKey, kPPDKeyCStrMax);
    templateLabel_ = templateLabel;
    indexInPanel = indexInPanel_;
    ctrlInWhichGroup = group;
    parentGroupBox = parentGroup;
    ppdCtrlPositionDataPtr = positionInfo != nullptr ? positionInfo : &pfCtrlPositionData;
    TitleCtrlBounds = {static_cast<double>(ppdCtrlPositionDataPtr->titleHoffset),
                       static_cast<double>(RowTopOfIndex(*ppdCtrlPositionDataPtr, indexInPanel)),
                       static_cast<double>(controlLength), kControlRowHeight};
    return true;
}

bool PPDStaticTextCtrlExt::InitializeCtrl(const platform::Bundle* bundle, ppd_file_t* ppd)
{
    BaseControl::InitializeCtrl(bundle, ppd);
    if (textCtrlPtr == nullptr && parentGroupBox != nullptr) {
        textCtrlPtr = parentGroupBox->addWidget(platform::ui::WidgetKind::StaticText,
                                                PanelFrameOfGroupBoxRect(parentGroupBox, TitleCtrlBounds));
        if (textCtrlPtr != nullptr && templateLabel_ != nullptr)
            textCtrlPtr->setTextColor(templateLabel_->textColor());
        SetControlPtr(textCtrlPtr);
    }
    return ReInitializeCtrl(bundle, ppd);
}

bool PPDStaticTextCtrlExt::ReInitializeCtrl(const platform::Bundle* /*bundle*/, ppd_file_t* ppd)
{
    if (ControlPtr == nullptr) return false;
    ControlPtr->setStringValue(GetUITitleFromPPD(ppd, kPPDMainKey).value_or(std::string()));
    return true;
}
