#include "features/controls/PFCoverTypeList.h"

#include "features/KPRINTFEATURESPDE.h"
#include "features/controls/PPDControlSupport.h"
#include "panelkit/panel/BasePrintPanel.h"

bool PFCoverTypeList::CreateControl(platform::ui::Widget* control, std::string_view ppdKey,
                                    const ListCtrlIniData* iniData, const CnstrnInfo* cnstrnInfo,
                                    const CtrlAccessInfo* accessInfo,
                                    std::optional<platform::PreferenceUser> user,
                                    const PopupRowPlacement& placement,
                                    std::span<const int32_t* const> bringConsArray)
{
    ctrlBringConsArray = bringConsArray;
    return PFList::CreateControl(control, ppdKey, iniData, cnstrnInfo, accessInfo, user, placement);
}

bool PFCoverTypeList::isDisabledAndRestoreDefault() const
{
    if (ctrlParentPanelPtr == nullptr || ctrlBringConsArray.empty()) return true;
    for (const int32_t* id : ctrlBringConsArray) {
        if (id == nullptr) break;
        const auto* list = dynamic_cast<const PPDPopupControl*>(ctrlParentPanelPtr->GetPanelControl(id));
        if (list == nullptr) continue;
        const std::optional<std::string> chosen = list->GetUISelectStr();
        if (chosen && *chosen == kBypassTrayCoverChoice) return false;
    }
    return true;
}

int PFCoverTypeList::UpdateConflictsPanelControlFromPPD(ppd_file_t* ppd)
{
    PFList::UpdateConflictsPanelControlFromPPD(ppd);
    // When usable, PFList's reset has already enabled list and title; an
    // Enable here would take the counter below zero and undo the mailbox rule.
    if (!isDisabledAndRestoreDefault()) return 0;
    if (ControlPtr != nullptr) ControlPtr->selectItemAtIndex(defaultValue > 0 ? defaultValue - 1 : -1);
    DisableWithTitle();
    if (defaultValue > 0) PPDMarkOptionByIndex(CurrentPPDOf(*this), defaultValue - 1);
    return 0;
}

bool PFCoverTypeList::GetValueToPreset()
{
    bool stored = false;
    if (ppd_file_t* ppd = CurrentPPDOf(*this); ppd != nullptr && ctrlDataBlkPtr.IsAllocated()) {
        if (const ppd_choice_t* marked = ppdFindMarkedChoice(ppd, kPPDMainKey.c_str())) {
            const int position = GetSFStringArrayIndex(marked->choice);
            stored = position >= 0; // a choice outside the list leaves the value
            if (stored &&
                ctrlPPDInfoArrayRef[static_cast<std::size_t>(position)].conflictState != kConflictTrue)
                ctrlDataBlkPtr.SetInt(position + 1);
        }
    }
    const KPRINTFEATURESPDE* panel = FeaturesPanelOf(*this);
    if (panel != nullptr && panel->getPrintTypeMailbox() && ctrlDataBlkPtr.IsAllocated()) {
        ctrlDataBlkPtr.SetInt(defaultValue);
        stored = true;
    }
    return stored;
}
