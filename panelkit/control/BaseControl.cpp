// BaseControl: creation, the value blocks, counted enable and hide, and the
// constraint lists. Preferences and ticket writes are in
// BaseControlPreference.cpp and BaseControlTicket.cpp.
#include "panelkit/control/BaseControl.h"

#include <algorithm>
#include <cstring>

#include "panelkit/control/IntValueText.h"
#include "panelkit/control/LocalizeTableName.h"
#include "panelkit/panel/BasePrintPanel.h"

BaseControl::~BaseControl()
{
    // The widget outlives its control (its view is released after the
    // controls); it must not call into a control that is gone.
    if (ControlPtr != nullptr && ControlPtr->owner() == this) {
        ControlPtr->setOwner(nullptr);
        ControlPtr->setAction(nullptr);
    }
}

bool BaseControl::CreateControl(platform::ui::Widget* control)
{
    ctrlConstrainCount = 0;
    ctrlHideCount = 0;
    ctrlDataSize = 0;
    ctrlDataBlkPtr = DataBlock();
    ctrlUIDataBlkPtr = DataBlock();
    ctrlConstrainControlArray = nullptr;
    ctrlDataAccessInfoPtr = nullptr;
    m_paPPDChoices = nullptr;
    m_ptPPDOptions = nullptr;
    localizeTableName.clear();
    SetControlPtr(control);
    ctrlInWhichGroup = -1;
    return true;
}

void BaseControl::SetControlPtr(platform::ui::Widget* control)
{
    if (ControlPtr != nullptr && ControlPtr != control && ControlPtr->owner() == this) {
        ControlPtr->setOwner(nullptr);
        ControlPtr->setAction(nullptr);
    }
    ControlPtr = control;
    if (ControlPtr != nullptr) ControlPtr->setOwner(this);
}

void BaseControl::setTargetandAction()
{
    if (ControlPtr == nullptr) return;
    ControlPtr->setAction([this] { RequestControlAction(ControlPtr); });
}

bool BaseControl::InitializeCtrl(const platform::Bundle* /*bundle*/, ppd_file_t* ppd)
{
    if (std::optional<std::string> table = LocalizeTableNameFromPPD(ppd))
        localizeTableName = std::move(*table);
    return true;
}

bool BaseControl::ReInitializeCtrl(const platform::Bundle* bundle, ppd_file_t* ppd)
{
    return InitializeCtrl(bundle, ppd);
}

#if QV_PANELKIT_FEATURES
bool BaseControl::InvalidateDataOnPrintCommand()
{
    if (!PreInvalidateData()) return false;
    return InvalidateData();
}
#endif

bool BaseControl::SetValueFromUIToControl()
{
    if (!ctrlDataBlkPtr.IsAllocated() || !ctrlUIDataBlkPtr.IsAllocated() || ctrlDataSize == 0) return true;
    const std::size_t count =
        std::min({static_cast<std::size_t>(ctrlDataSize), ctrlDataBlkPtr.size(), ctrlUIDataBlkPtr.size()});
    std::memcpy(ctrlDataBlkPtr.data(), ctrlUIDataBlkPtr.data(), count);
    return true;
}

bool BaseControl::SetUIValueToIniData()
{
    const void* initial = GetIniDataBlk();
    const uint32_t size = GetIniDataSize();
    if (initial == nullptr || size == 0 || !ctrlUIDataBlkPtr.IsAllocated()) return true;
    const std::size_t count = std::min(static_cast<std::size_t>(size), ctrlUIDataBlkPtr.size());
    std::memcpy(ctrlUIDataBlkPtr.data(), initial, count);
    ctrlDataSize = static_cast<uint32_t>(count);
    return true;
}

bool BaseControl::SetControlValueToDefault()
{
    const void* fallback = GetDefaultDataBlk();
    const uint32_t size = GetDefaultDataSize();
    if (fallback == nullptr || size == 0 || !ctrlDataBlkPtr.IsAllocated()) return true;
    const std::size_t count = std::min(static_cast<std::size_t>(size), ctrlDataBlkPtr.size());
    std::memcpy(ctrlDataBlkPtr.data(), fallback, count);
    ctrlDataSize = static_cast<uint32_t>(count);
    return true;
}

bool BaseControl::UIEventHandler()
{
    DoControlUpdateConstrain();
    DoSelfUpdate();
    DoControlHideConstrain();
    DoControlConstrain();
    return true;
}

bool BaseControl::SimulationUIEventHandler()
{
    DoControlUpdateConstrain();
    DoSelfUpdate();
    DoControlHideConstrain();
    DoControlConstrain();
    return true;
}

namespace {

// Sends the operation to every control of the list that the panel finds;
// IDs the panel does not know are skipped.
template <typename Operation>
void ForEachListed(const BasePrintPanel* panel, CnstrnArray list, Operation operation)
{
    if (panel == nullptr || list == nullptr) return;
    for (CnstrnArray entry = list; *entry != nullptr; ++entry) {
        if (BaseControl* control = panel->GetPanelControl(*entry)) operation(*control);
    }
}

} // namespace

void BaseControl::HideControlConstrains(CnstrnArray list)
{
    ForEachListed(ctrlParentPanelPtr, list, [](BaseControl& control) { control.Hide(); });
}

void BaseControl::EnableControlConstrains(CnstrnArray list)
{
    ForEachListed(ctrlParentPanelPtr, list, [](BaseControl& control) { control.Enable(); });
}

void BaseControl::ShowControlConstrains(CnstrnArray list)
{
    ForEachListed(ctrlParentPanelPtr, list, [](BaseControl& control) { control.Show(); });
}

void BaseControl::DisableControlConstrains(CnstrnArray list)
{
    ForEachListed(ctrlParentPanelPtr, list, [](BaseControl& control) { control.Disable(); });
}

void BaseControl::HideControlConstrains()
{
    if (ctrlConstrainControlArray == nullptr) return;
    HideControlConstrains(CnstrnEntry(ctrlConstrainControlArray->hideLists, GetCurrentControlArrayNumber()));
}

void BaseControl::ShowControlConstrains()
{
    if (ctrlConstrainControlArray == nullptr) return;
    ShowControlConstrains(CnstrnEntry(ctrlConstrainControlArray->hideLists, GetCurrentControlArrayNumber()));
}

void BaseControl::DisableControlConstrains()
{
    if (ctrlConstrainControlArray == nullptr) return;
    DisableControlConstrains(
        CnstrnEntry(ctrlConstrainControlArray->disableLists, GetCurrentControlArrayNumber()));
}

void BaseControl::EnableControlConstrains()
{
    if (ctrlConstrainControlArray == nullptr) return;
    EnableControlConstrains(
        CnstrnEntry(ctrlConstrainControlArray->disableLists, GetCurrentControlArrayNumber()));
}

int BaseControl::DoControlUpdateConstrain()
{
    if (ctrlConstrainControlArray == nullptr) return 0;
    const CnstrnArray list =
        CnstrnEntry(ctrlConstrainControlArray->updateLists, GetCurrentControlArrayNumber());
    ForEachListed(ctrlParentPanelPtr, list, [](BaseControl& control) { control.Update(); });
    return 0;
}

void BaseControl::ResetStatus()
{
    ctrlConstrainCount = 0;
    ctrlHideCount = 0;
    if (ControlPtr == nullptr) return;
    if (!ControlPtr->isEnabled()) ControlPtr->setEnabled(true);
    if (ControlPtr->isHidden()) ControlPtr->setHidden(false);
}

bool BaseControl::setExternalValueToData(const void* bytes, std::size_t size, int valueType)
{
    if (bytes == nullptr || !ctrlDataBlkPtr.IsAllocated()) return true;
    if (valueType == 2) {
        int32_t value = 0;
        if (size < sizeof value) return true; // no whole word to read
        std::memcpy(&value, bytes, sizeof value);
        ctrlDataBlkPtr.SetInt(value);
    } else if (valueType == 0) {
        const char* text = static_cast<const char*>(bytes);
        ctrlDataBlkPtr.SetText({text, strnlen(text, size)});
    }
    return true;
}

bool BaseControl::SetDefaultValueToUI()
{
    const void* fallback = GetDefaultDataBlk();
    if (fallback != nullptr && ctrlDataBlkPtr.IsAllocated())
        SetExternalValueToUI(fallback, GetDefaultDataSize());
    return true;
}

// Algorithm of the counters: a control stays disabled (hidden) while any
// control that disabled (hid) it has not released it. The counters may go
// below zero; the widget is then left enabled (shown).
void BaseControl::Disable()
{
    const int32_t before = ctrlConstrainCount++;
    if (before >= 0 && ControlPtr != nullptr && ControlPtr->isEnabled()) ControlPtr->setEnabled(false);
}

void BaseControl::Enable()
{
    const int32_t before = ctrlConstrainCount--;
    if (before <= 1 && ControlPtr != nullptr && !ControlPtr->isEnabled()) ControlPtr->setEnabled(true);
}

void BaseControl::Hide()
{
    const int32_t before = ctrlHideCount++;
    if (before >= 0 && ControlPtr != nullptr) ControlPtr->setHidden(true);
}

void BaseControl::Show()
{
    const int32_t before = ctrlHideCount--;
    if (before <= 1 && ControlPtr != nullptr) ControlPtr->setHidden(false);
}

void BaseControl::PPDCtrlShow()
{
    if (ControlPtr != nullptr) ControlPtr->setHidden(false);
}

void BaseControl::PPDCtrlHide()
{
    if (ControlPtr != nullptr) ControlPtr->setHidden(true);
}

void BaseControl::RequestControlAction(platform::ui::Widget* /*sender*/)
{
    UIEventHandler();
    GetValueFromUI();
}

std::optional<std::string> BaseControl::ControlPPDKeyword() const
{
    if (m_ptPPDOptions == nullptr) return std::nullopt;
    return std::string(m_ptPPDOptions->keyword);
}

platform::ui::StoredValue BaseControl::ControlStoredValue() const
{
    if (!ctrlDataBlkPtr.IsAllocated()) return std::monostate{};
    if (ctrlDataBlkPtr.size() == sizeof(int32_t)) return static_cast<long long>(ctrlDataBlkPtr.Int());
    return std::string(ctrlDataBlkPtr.Text());
}

std::string BaseControl::LocalizedString(const platform::Bundle* bundle, const char* key) const
{
    if (bundle == nullptr || key == nullptr) return kNoTranslation;
    return bundle->LocalizedString(key, kNoTranslation, localizeTableName);
}

bool BaseControl::StoreRestoredInt(int32_t value)
{
    if (!ctrlDataBlkPtr.IsAllocated() || !IsOwnValue(value)) return false;
    ctrlDataBlkPtr.SetInt(value);
    return true;
}

std::optional<int32_t> BaseControl::IntValueFromTicket() const
{
    if (ctrlDataAccessInfoPtr == nullptr || ctrlDataAccessInfoPtr->ticketKey == nullptr) return std::nullopt;
    if (ctrlParentPanelPtr == nullptr) return std::nullopt;
    const platform::PrintSettings* settings = ctrlParentPanelPtr->GetCurrentPMPrintSettings();
    if (settings == nullptr) return std::nullopt;
    std::string text;
    if (settings->GetValue(ctrlDataAccessInfoPtr->ticketKey, &text) != noErr) return std::nullopt;
    return IntValueOfText(text);
}

bool BaseControl::GetIntValueToPresetFromTicket()
{
    if (!ctrlDataBlkPtr.IsAllocated()) return false;
    const std::optional<int32_t> value = IntValueFromTicket();
    return value && StoreRestoredInt(*value);
}
