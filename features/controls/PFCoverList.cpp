#include "features/controls/PFCoverList.h"

bool PFCoverList::CreateControl(platform::ui::Widget* control, std::string_view ppdKey,
                                const ListCtrlIniData* iniData, const CnstrnInfo* cnstrnInfo,
                                const CtrlAccessInfo* accessInfo,
                                std::optional<platform::PreferenceUser> user,
                                const PopupRowPlacement& placement, int32_t ctrlTag)
{
    controlTag = ctrlTag;
    return PFList::CreateControl(control, ppdKey, iniData, cnstrnInfo, accessInfo, user, placement);
}

bool PFCoverList::InitializeCtrl(const platform::Bundle* bundle, ppd_file_t* ppd)
{
    const bool done = PFList::InitializeCtrl(bundle, ppd);
    if (ControlPtr != nullptr) ControlPtr->setTag(controlTag);
    return done;
}
