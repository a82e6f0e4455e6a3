// The group pop-up of the Features panel: one item per page title, and the
// page chosen is the only one whose controls show.
#pragma once

#include "panelkit/controls/PopupControl.h"

class PFGroupList : public PopupControl {
public:
    // On the layout's group pop-up; page 1 is the default.
    bool CreateGroupList(platform::ui::Widget* control, std::optional<platform::PreferenceUser> user);

    // The items are the panel's page titles, each title also the item's
    // represented object; the first is selected.
    bool InitializeMenu(const platform::Bundle* bundle, ppd_file_t* ppd) override;
    // Shows every control of the panel on the selected page and hides all
    // others (uncounted: PPDCtrlShow and PPDCtrlHide).
    int DoControlHideConstrain() override;

    // The group list itself is never shown or hidden by rules.
    void Show() override {}
    void Hide() override {}
    void PPDCtrlShow() override {}
    void PPDCtrlHide() override {}

    std::string_view ControlClassName() const override { return "PFGroupList"; }

private:
    ListCtrlIniData ownIniData{0, 1, -1, 0, nullptr};
};
