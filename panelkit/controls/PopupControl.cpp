#include "panelkit/controls/PopupControl.h"

bool PopupControl::CreateControl(platform::ui::Widget* control, const ListCtrlIniData* iniData,
                                 const CnstrnInfo* cnstrnInfo, const CtrlAccessInfo* accessInfo,
                                 std::optional<platform::PreferenceUser> user)
{
    BaseControl::CreateControl(control);
    listctrlIniDataPtr = iniData;
    ctrlConstrainControlArray = cnstrnInfo;
    ctrlDataAccessInfoPtr = accessInfo;
    if (user) userNameinPreference = user;
    ctrlDataSize = 4;
    if (ControlPtr != nullptr) ControlPtr->setAutoenablesItems(false);
    return true;
}

bool PopupControl::InitializeCtrl(const platform::Bundle* bundle, ppd_file_t* ppd)
{
    const bool based = BaseControl::InitializeCtrl(bundle, ppd);
    AllocateIntegerBlocks();
    const bool built = InitializeMenu(bundle, ppd);
    return based && built;
}

bool PopupControl::ReInitializeCtrl(const platform::Bundle* bundle, ppd_file_t* ppd)
{
    return InitializeMenu(bundle, ppd);
}

bool PopupControl::InitializeMenu(const platform::Bundle* bundle, ppd_file_t* /*ppd*/)
{
    if (listctrlIniDataPtr == nullptr) return true;
    if (ControlPtr == nullptr || ControlPtr->kind() != platform::ui::WidgetKind::PopUp) return false;
    ControlPtr->removeAllItems();
    if (listctrlIniDataPtr->itemKeys == nullptr) return true;
    for (const char* const* key = listctrlIniDataPtr->itemKeys; *key != nullptr; ++key) {
        std::string title = LocalizedString(bundle, *key);
        if (title == kNoTranslation) title = *key;
        ControlPtr->addItem(title, *key);
    }
    return true;
}

int PopupControl::GetCurrentControlArrayNumber()
{
    return ControlPtr != nullptr ? ControlPtr->indexOfSelectedItem() : -1;
}

void PopupControl::RequestPopupList(platform::ui::Widget* /*sender*/)
{
    UIEventHandler();
    GetValueFromUI();
}

// The value before the change is the UI data block's (-1 before the first
// pass: nothing to release); the new one is the selected item's number.
int PopupControl::DoControlConstrain()
{
    const std::optional<int32_t> old = UIBlockValue();
    if (ControlPtr == nullptr || !old || ctrlConstrainControlArray == nullptr) return 0;
    const int32_t now = ScreenValue();
    if (now == *old) return 0;
    const CnstrnTable table = ctrlConstrainControlArray->disableLists;
    if (*old >= 1) EnableControlConstrains(CnstrnEntry(table, *old - 1));
    // Recorded here, after the hide step of the same event saw the old value.
    ctrlUIDataBlkPtr.SetInt(now);
    DisableControlConstrains(CnstrnEntry(table, now - 1));
    return 0;
}

int PopupControl::DoControlHideConstrain()
{
    const std::optional<int32_t> old = UIBlockValue();
    if (ControlPtr == nullptr || !old || ctrlConstrainControlArray == nullptr) return 0;
    const int32_t now = ScreenValue();
    if (now == *old) return 0;
    const CnstrnTable table = ctrlConstrainControlArray->hideLists;
    HideControlConstrains(CnstrnEntry(table, now - 1));
    if (*old >= 1) ShowControlConstrains(CnstrnEntry(table, *old - 1));
    return 0;
}

int PopupControl::DoControlUpdateConstrain()
{
    const std::optional<int32_t> old = UIBlockValue();
    if (ControlPtr == nullptr || !old || ScreenValue() == *old) return 0;
    return BaseControl::DoControlUpdateConstrain();
}

const void* PopupControl::GetDefaultDataBlk()
{
    return listctrlIniDataPtr != nullptr ? &listctrlIniDataPtr->defaultValue : nullptr;
}

const void* PopupControl::GetIniDataBlk()
{
    return listctrlIniDataPtr != nullptr ? &listctrlIniDataPtr->iniValue : nullptr;
}

int PopupControl::ItemCount() const
{
    if (ControlPtr != nullptr) return ControlPtr->numberOfItems();
    int count = 0;
    if (listctrlIniDataPtr != nullptr && listctrlIniDataPtr->itemKeys != nullptr)
        for (const char* const* key = listctrlIniDataPtr->itemKeys; *key != nullptr; ++key) ++count;
    return count;
}

bool PopupControl::IsOwnValue(int32_t value) const { return value >= 1 && value <= ItemCount(); }
