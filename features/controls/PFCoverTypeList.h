// The cover media type list (QVIntSheetMediaType): usable only while a cover
// or separator list it watches has the bypass tray ("MSI") chosen; otherwise
// it is greyed with its title and shows and marks the PPD default.
#pragma once

#include <span>

#include "features/controls/PFList.h"

// The choice of a cover or separator list that feeds from the bypass tray.
inline constexpr const char* kBypassTrayCoverChoice = "MSI";

class PFCoverTypeList : public PFList {
public:
    using PPDPopupControlExt::CreateControl;
    // bringConsArray: the identifiers of the watched lists.
    bool CreateControl(platform::ui::Widget* control, std::string_view ppdKey, const ListCtrlIniData* iniData,
                       const CnstrnInfo* cnstrnInfo, const CtrlAccessInfo* accessInfo,
                       std::optional<platform::PreferenceUser> user, const PopupRowPlacement& placement,
                       std::span<const int32_t* const> bringConsArray);

    // YES unless a watched list shows its "MSI" entry; YES without a list or
    // a panel.
    bool isDisabledAndRestoreDefault() const;
    // PFList's work; then, while not usable: the default shown, list and
    // title disabled, the default marked.
    int UpdateConflictsPanelControlFromPPD(ppd_file_t* ppd) override;
    // The marked choice when it is free of conflict; the default while the
    // print type is mailbox.
    bool GetValueToPreset() override;

    std::string_view ControlClassName() const override { return "PFCoverTypeList"; }

private:
    std::span<const int32_t* const> ctrlBringConsArray;
};
