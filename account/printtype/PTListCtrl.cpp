#include "account/printtype/PTListCtrl.h"

#include "account/LocalizedTitle.h"
#include "account/SummaryLine.h"
#include "account/printtype/KPRINTTYPEPDE.h"
#include "panelkit/CurrentPrintType.h"
#include "panelkit/UtilityFunction.h"

bool PTListCtrl::CreateControl(platform::ui::Widget* control, const ListCtrlIniData* iniData,
                               const CnstrnInfo* cnstrnInfo, const CtrlAccessInfo* accessInfo,
                               std::optional<platform::PreferenceUser> user, KPRINTTYPEPDE* pane,
                               const char* mailBoxAttribute)
{
    pane_ = pane;
    mailBoxAttribute_ = mailBoxAttribute;
    return PopupControl::CreateControl(control, iniData, cnstrnInfo, accessInfo, user);
}

bool PTListCtrl::InitializeMenu(const platform::Bundle* bundle, ppd_file_t* ppd)
{
    bundle_ = bundle;
    hasMailBox_ =
        ppd != nullptr && mailBoxAttribute_ != nullptr && ppdFindAttr_ALT(ppd, mailBoxAttribute_) != nullptr;
    if (ControlPtr == nullptr || ControlPtr->kind() != platform::ui::WidgetKind::PopUp) return false;
    menu_ = PrintTypeMenu(hasMailBox_, false);
    SetDelayedEntry(false);
    return true;
}

void PTListCtrl::SetDelayedEntry(bool shown)
{
    if (ControlPtr == nullptr) return;
    if (shown == menu_.HasDelayedEntry() &&
        ControlPtr->numberOfItems() == static_cast<int>(menu_.Entries().size()))
        return;
    const int32_t value = ScreenValue();
    menu_ = PrintTypeMenu(hasMailBox_, shown);
    ControlPtr->removeAllItems();
    for (const PrintTypeMenuEntry& entry : menu_.Entries()) {
        ControlPtr->addItem(LocalizedTitle(bundle_, localizeTableName, entry.key), entry.key);
    }
    // Shown, never chosen: the menu offers no delayed print of its own.
    if (shown) ControlPtr->setItemEnabled(menu_.PositionOfValue(kPrintTypeDelayed), false);
    ShowValue(value);
}

void PTListCtrl::ShowValue(int32_t value) { ControlPtr->selectItemAtIndex(menu_.PositionOfValue(value)); }

int32_t PTListCtrl::ScreenValue() const
{
    return ControlPtr != nullptr ? menu_.ValueAtPosition(ControlPtr->indexOfSelectedItem()) : 0;
}

bool PTListCtrl::SetControlValueToUI()
{
    if (ControlPtr == nullptr || !ctrlDataBlkPtr.IsAllocated()) return false;
    int32_t value = ctrlDataBlkPtr.Int();
    if (!IsOwnValue(value) || !ControlPtr->isEnabled() || (value == kPrintTypeMailBox && !hasMailBox_)) {
        value = kPrintTypeNormal;
    }
    ctrlDataBlkPtr.SetInt(value);
    SetDelayedEntry(value == kPrintTypeDelayed);
    ShowValue(value);
    return true;
}

bool PTListCtrl::SetExternalValueToUI(const void* bytes, std::size_t size)
{
    const bool shown = PopupControl::SetExternalValueToUI(bytes, size);
    if (ScreenValue() != kPrintTypeDelayed) SetDelayedEntry(false);
    return shown;
}

bool PTListCtrl::UIEventHandler()
{
    const std::optional<int32_t> previous = UIBlockValue();
    const int32_t chosen = ScreenValue();
    if (previous && chosen != *previous && chosen >= kPrintTypeSecure && chosen <= kPrintTypeMailBox) {
        PopupWinInPanel* window = pane_ != nullptr ? pane_->GetPrintTypeWindow(chosen) : nullptr;
        if (window == nullptr) {
            ShowValue(*previous);
            return true;
        }
        // The window may put the list back to normal printing (Cancel with
        // values it cannot use); the rules below see what it left on screen.
        window->ActivateWindow();
    }
    const bool handled = BaseControl::UIEventHandler();
    // The choice is the list's value from now on, as the person sees it.
    if (ctrlDataBlkPtr.IsAllocated()) ctrlDataBlkPtr.SetInt(ScreenValue());
    if (ScreenValue() != kPrintTypeDelayed) SetDelayedEntry(false);
    return handled;
}

int PTListCtrl::ApplyPositionLists(CnstrnTable table, bool hide)
{
    const std::optional<int32_t> old = UIBlockValue();
    if (ControlPtr == nullptr || !old || ctrlConstrainControlArray == nullptr) return 0;
    const int32_t now = ScreenValue();
    if (now == *old) return 0;
    const int oldPosition = menu_.PositionOfValue(*old);
    const int newPosition = menu_.PositionOfValue(now);
    if (hide) {
        HideControlConstrains(CnstrnEntry(table, newPosition));
        if (oldPosition >= 0) ShowControlConstrains(CnstrnEntry(table, oldPosition));
        return 0;
    }
    if (oldPosition >= 0) EnableControlConstrains(CnstrnEntry(table, oldPosition));
    ctrlUIDataBlkPtr.SetInt(now);
    DisableControlConstrains(CnstrnEntry(table, newPosition));
    return 0;
}

int PTListCtrl::DoControlConstrain()
{
    return ctrlConstrainControlArray != nullptr
               ? ApplyPositionLists(ctrlConstrainControlArray->disableLists, false)
               : 0;
}

int PTListCtrl::DoControlHideConstrain()
{
    return ctrlConstrainControlArray != nullptr
               ? ApplyPositionLists(ctrlConstrainControlArray->hideLists, true)
               : 0;
}

bool PTListCtrl::IsOwnValue(int32_t value) const { return IsPrintTypeValue(value); }

int32_t PTListCtrl::GetPrintTypeValue() const
{
    const int32_t shown = ScreenValue();
    return shown != 0 ? shown : ctrlDataBlkPtr.Int();
}

void PTListCtrl::SelectPrintType(int32_t value)
{
    if (ControlPtr == nullptr) return;
    ShowValue(value);
    SimulationUIEventHandler();
    GetValueFromUI();
    if (ctrlDataBlkPtr.IsAllocated()) ctrlDataBlkPtr.SetInt(ScreenValue());
}

int PTListCtrl::GetSummaryText(SummaryDictionary& summary, SummaryOrder& order)
{
    const char* key =
        ctrlDataBlkPtr.IsAllocated() ? PrintTypeMenu::KeyOfValue(ctrlDataBlkPtr.Int()) : nullptr;
    if (key == nullptr) return 0;
    const std::string title = LocalizedTitle(bundle_, localizeTableName, "PDE Menu Summary");
    AddSummaryLine(summary, order, title, LocalizedTitle(bundle_, localizeTableName, key));
    return 0;
}
