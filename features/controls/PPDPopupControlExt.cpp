#include "features/controls/PPDPopupControlExt.h"

#include "constraints/XPPDLookups.h"
#include "features/controls/PPDControlSupport.h"
#include "features/controls/PPDStaticTextCtrlExt.h"

bool PPDPopupControlExt::CreateControl(platform::ui::Widget* control, std::string_view ppdKey,
                                       const ListCtrlIniData* iniData, const CnstrnInfo* cnstrnInfo,
                                       const CtrlAccessInfo* accessInfo,
                                       std::optional<platform::PreferenceUser> user,
                                       const PopupRowPlacement& placement)
{
    if (iniData != nullptr) ownIniData = *iniData;
    ownIniData.itemKeys = nullptr;
    PopupControl::CreateControl(control, &ownIniData, cnstrnInfo, accessInfo, user);
    ppdKeyCStr = CutUtf8(ppdKey, kPPDKeyCStrMax);
    ctrlTotalLength = placement.ctrlTotalLength;
    titleCtrlLength = placement.titleCtrlLength;
    titleTextPtr = placement.titleCtrl;
    indexInPanel = placement.indexInPanel;
    ctrlInWhichGroup = placement.group;
    parentGroupBox = placement.parentGroup;
    ppdCtrlPositionDataPtr = placement.positionInfo != nullptr ? placement.positionInfo : &pfCtrlPositionData;
    return true;
}

platform::ui::Rect PPDPopupControlExt::PopupFrame() const
{
    const double x = ppdCtrlPositionDataPtr->titleHoffset + titleCtrlLength;
    const double y = RowTopOfIndex(*ppdCtrlPositionDataPtr, indexInPanel);
    return {x, y, static_cast<double>(ctrlTotalLength - titleCtrlLength), kControlRowHeight};
}

bool PPDPopupControlExt::InitializeCtrl(const platform::Bundle* bundle, ppd_file_t* ppd)
{
    BaseControl::InitializeCtrl(bundle, ppd);
    kPPDMainKey = ppdKeyCStr;
    titleTextRef = GetUITitleFromPPD(ppd, kPPDMainKey);
    if (titleTextRef) {
        ListCtrlBounds = PopupFrame();
        if (ControlPtr == nullptr && parentGroupBox != nullptr)
            SetControlPtr(parentGroupBox->addWidget(
                platform::ui::WidgetKind::PopUp, PanelFrameOfGroupBoxRect(parentGroupBox, ListCtrlBounds)));
        if (ControlPtr != nullptr) {
            ControlPtr->setFrame(PanelFrameOfGroupBoxRect(parentGroupBox, ListCtrlBounds));
            ControlPtr->setTitle(*titleTextRef);
            ControlPtr->setAutoenablesItems(false);
        }
        RebuildChoiceList(*this, kPPDMainKey, ctrlPPDInfoArrayRef);
        ReInitializeMenu(bundle);
        // A list whose PPD gives no default it has starts at its first entry.
        if (ControlPtr != nullptr && !ctrlPPDInfoArrayRef.empty()) ControlPtr->selectItemAtIndex(0);
        if (ownIniData.defaultValue < 1 && !ctrlPPDInfoArrayRef.empty()) ownIniData.defaultValue = 1;
        int32_t value = 0;
        if (GetDefaultValueFromPPD(ppd, &value)) {
            defaultValue = value;
            if (ControlPtr != nullptr) ControlPtr->selectItemAtIndex(value - 1);
            ownIniData.defaultValue = value;
        }
        AllocateIntegerBlocks();
    }
    if (ppd != nullptr) setPPDOptions(ppdFindOption(ppd, kPPDMainKey.c_str()));
    setPPDChoices(&ctrlPPDInfoArrayRef);
    return true;
}
