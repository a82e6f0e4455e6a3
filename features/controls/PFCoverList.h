// The front and back cover lists: a PFList known to the panel by its
// identifier (103, 104), which the cover media type list watches.
#pragma once

#include "features/controls/PFList.h"

class PFCoverList : public PFList {
public:
    using PPDPopupControlExt::CreateControl;
    bool CreateControl(platform::ui::Widget* control, std::string_view ppdKey, const ListCtrlIniData* iniData,
                       const CnstrnInfo* cnstrnInfo, const CtrlAccessInfo* accessInfo,
                       std::optional<platform::PreferenceUser> user, const PopupRowPlacement& placement,
                       int32_t ctrlTag);

    // The set-up of the pop-up, then its tag.
    bool InitializeCtrl(const platform::Bundle* bundle, ppd_file_t* ppd) override;

    std::string_view ControlClassName() const override { return "PFCoverList"; }
    int32_t GetControlTag() const { return controlTag; }

protected:
    int32_t controlTag = 0;
};
