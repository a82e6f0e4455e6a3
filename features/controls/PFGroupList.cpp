#include "features/controls/PFGroupList.h"

#include "panelkit/panel/BasePrintPanel.h"

bool PFGroupList::CreateGroupList(platform::ui::Widget* control, std::optional<platform::PreferenceUser> user)
{
    return PopupControl::CreateControl(control, &ownIniData, nullptr, nullptr, user);
}

bool PFGroupList::InitializeMenu(const platform::Bundle* /*bundle*/, ppd_file_t* /*ppd*/)
{
    if (ControlPtr == nullptr || ctrlParentPanelPtr == nullptr) return false;
    ControlPtr->removeAllItems();
    for (const std::string& title : ctrlParentPanelPtr->getGroupNameStrArrayRef())
        ControlPtr->addItem(title, title);
    if (ControlPtr->numberOfItems() > 0) ControlPtr->selectItemAtIndex(0);
    return true;
}

int PFGroupList::DoControlHideConstrain()
{
    if (ControlPtr == nullptr || ctrlParentPanelPtr == nullptr) return 0;
    const int selected = ControlPtr->indexOfSelectedItem();
    for (BaseControl* control : ctrlParentPanelPtr->getCtrlGroupArrayRef()) {
        if (control == this) continue;
        if (control->GetInWhichGroup() == selected && selected >= 0)
            control->PPDCtrlShow();
        else
            control->PPDCtrlHide();
    }
    return 0;
}
