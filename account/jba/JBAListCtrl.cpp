#include "account/jba/JBAListCtrl.h"

#include "account/LocalizedTitle.h"
#include "account/SummaryLine.h"
#include "account/jba/JBAControlIDs.h"
#include "panelkit/UtilityFunction.h"
#include "panelkit/panel/BasePrintPanel.h"

namespace {

constexpr int32_t kAlwaysDisabledVersion = 0x1070;

void DisableOnce(BaseControl& control)
{
    if (control.GetControlPtr() == nullptr || control.GetControlPtr()->isEnabled()) control.Disable();
}

} // namespace

bool JBAListCtrl::CreateControl(platform::ui::Widget* control, const ListCtrlIniData* iniData,
                                const CtrlAccessInfo* accessInfo, KJOBACCOUNTINGPDE* pane,
                                CnstrnArray restrictionList)
{
    pane_ = pane;
    restrictionList_ = restrictionList;
    whichPreferenceKey = 1;
    return PopupControl::CreateControl(control, iniData, nullptr, accessInfo, platform::PreferenceUser::Any);
}

void JBAListCtrl::AfterSelection()
{
    if (ControlPtr != nullptr) whichPreferenceKey = GetCurrentControlArrayNumber();
    if (!IsUserAdmin()) DisableOnce(*this);
}

bool JBAListCtrl::UIEventHandler()
{
    const bool handled = PopupControl::UIEventHandler();
    // The choice is the list's value from now on.
    if (ControlPtr != nullptr && ctrlDataBlkPtr.IsAllocated()) ctrlDataBlkPtr.SetInt(ScreenValue());
    AfterSelection();
    return handled;
}

bool JBAListCtrl::SimulationUIEventHandler()
{
    const bool handled = PopupControl::SimulationUIEventHandler();
    AfterSelection();
    int32_t version = 0;
    Gestalt_ALT(gestaltSystemVersion, &version);
    if (version >= kAlwaysDisabledVersion && ControlPtr != nullptr &&
        ControlPtr->tag() == JBAManageTypeListID)
        DisableOnce(*this);
    return handled;
}

void JBAListCtrl::ApplyRestriction()
{
    if (whichPreferenceKey != 0 || IsUserAdmin() || restrictionList_ == nullptr ||
        ctrlParentPanelPtr == nullptr)
        return;
    for (CnstrnArray entry = restrictionList_; *entry != nullptr; ++entry) {
        if (BaseControl* control = ctrlParentPanelPtr->GetPanelControl(*entry)) DisableOnce(*control);
    }
}

int JBAListCtrl::GetSummaryText(SummaryDictionary& summary, SummaryOrder& order)
{
    if (ctrlParentPanelPtr == nullptr || listctrlIniDataPtr == nullptr || whichPreferenceKey < 0 ||
        whichPreferenceKey > 1)
        return 0;
    const platform::Bundle* bundle = ctrlParentPanelPtr->GetPDEBundleRef();
    const std::string title = LocalizedTitle(bundle, localizeTableName, "JBA Account Mode");
    AddSummaryLine(
        summary, order, title,
        LocalizedTitle(bundle, localizeTableName, listctrlIniDataPtr->itemKeys[whichPreferenceKey]));
    return 0;
}
