#include "features/controls/PPDPopupControl.h"

#include "constraints/XPPDLookups.h"
#include "features/controls/PPDControlSupport.h"
#include "panelkit/panel/BasePrintPanel.h"

bool PPDPopupControl::InitializeMenu(const platform::Bundle* bundle, ppd_file_t* /*ppd*/)
{
    return ReInitializeMenu(bundle);
}

bool PPDPopupControl::ReInitializeMenu(const platform::Bundle* /*bundle*/)
{
    if (ControlPtr == nullptr) return false;
    ControlPtr->removeAllItems();
    for (const PpdChoiceRow& row : ctrlPPDInfoArrayRef)
        ControlPtr->addItem(CutUtf8(row.choiceText, kMenuItemTextMax),
                            CutUtf8(row.choiceKeyword, kMenuItemTextMax));
    return true;
}

int PPDPopupControl::GetSFStringArrayIndex(std::string_view choiceKeyword) const
{
    return FindPPDKeyPairsMatch(ctrlPPDInfoArrayRef, kPPDMainKey, choiceKeyword);
}

std::optional<std::string> PPDPopupControl::GetUISelectStr() const
{
    const PpdChoiceRow* row = EntryOfListValue(ctrlPPDInfoArrayRef, UIValue());
    if (row == nullptr) return std::nullopt;
    return row->choiceKeyword;
}

bool PPDPopupControl::PPDMarkOptionByIndex(ppd_file_t* ppd, int index)
{
    const PpdChoiceRow* row = EntryOfListValue(ctrlPPDInfoArrayRef, index + 1);
    if (row == nullptr) return false;
    return MarkPPDChoice(ppd, kPPDMainKey, row->choiceKeyword);
}

bool PPDPopupControl::SetPPD(ppd_file_t* ppd)
{
    const int32_t value = UIValue();
    if (value < 1) return false;
    return PPDMarkOptionByIndex(ppd, value - 1);
}

bool PPDPopupControl::RestorePPD(ppd_file_t* ppd)
{
    const int32_t value = StoredValue();
    if (value < 1) return false;
    return PPDMarkOptionByIndex(ppd, value - 1);
}

bool PPDPopupControl::GetDefaultValueFromPPD(ppd_file_t* ppd, int32_t* value)
{
    if (value == nullptr) return false;
    *value = 0;
    const std::optional<std::string> defaultChoice = GetUIDefaultFromPPD(ppd, kPPDMainKey);
    if (!defaultChoice) return false;
    const int position = GetSFStringArrayIndex(*defaultChoice);
    if (position < 0) return false;
    *value = position + 1;
    return true;
}

bool PPDPopupControl::ConvertFromPresetIndex(int position)
{
    if (position < 0 || static_cast<std::size_t>(position) >= ctrlPPDInfoArrayRef.size()) return false;
    if (!ctrlDataBlkPtr.IsAllocated()) return false;
    ctrlDataBlkPtr.SetInt(position + 1);
    return true;
}

bool PPDPopupControl::GetValueToPreset()
{
    ppd_file_t* ppd = CurrentPPDOf(*this);
    if (ppd == nullptr) return false;
    const ppd_choice_t* marked = ppdFindMarkedChoice(ppd, kPPDMainKey.c_str());
    if (marked == nullptr) return false;
    return ConvertFromPresetIndex(GetSFStringArrayIndex(marked->choice));
}

int PPDPopupControl::UpdateConflictsPanelControlFromPPD(ppd_file_t* /*ppd*/)
{
    RebuildChoiceList(*this, kPPDMainKey, ctrlPPDInfoArrayRef);
    if (ControlPtr == nullptr) return 0;
    const int items = ControlPtr->numberOfItems();
    for (std::size_t i = 0; i < ctrlPPDInfoArrayRef.size() && static_cast<int>(i) < items; ++i)
        ControlPtr->setItemEnabled(static_cast<int>(i),
                                   ctrlPPDInfoArrayRef[i].conflictState != kConflictTrue);
    return 0;
}

bool PPDPopupControl::UIEventHandler()
{
    ppd_file_t* ppd = CurrentPPDOf(*this);
    // libcups answers the number of conflicts in the whole PPD, not whether
    // this mark took: a PPD whose defaults already conflict would otherwise
    // never see its greyed choices recomputed.
    SetPPD(ppd);
    if (ctrlParentPanelPtr != nullptr && ppd != nullptr)
        ctrlParentPanelPtr->UpdateConflictsPanelControlFromPPD(ppd);
    return PopupControl::UIEventHandler();
}

bool PPDPopupControl::SetControlValueToUI()
{
    const bool shown = PopupControl::SetControlValueToUI();
    RestorePPD(CurrentPPDOf(*this));
    return shown;
}

bool PPDPopupControl::SetExternalValueToUI(const void* bytes, std::size_t size)
{
    const bool shown = PopupControl::SetExternalValueToUI(bytes, size);
    if (shown) SetPPD(CurrentPPDOf(*this));
    return shown;
}

int PPDPopupControl::Open()
{
    UpdateConflictsPanelControlFromPPD(CurrentPPDOf(*this));
    if (!GetValueToPreset()) SetControlValueToDefault();
    SetControlValueToUI();
    SimulationUIEventHandler();
    return 0;
}

std::optional<std::string> PPDPopupControl::SummaryValueText()
{
    const PpdChoiceRow* row = EntryOfListValue(ctrlPPDInfoArrayRef, StoredValue());
    if (row == nullptr) return std::nullopt;
    return row->choiceText;
}

int PPDPopupControl::GetSummaryText(SummaryDictionary& summary, SummaryOrder& order)
{
    if (ctrlConstrainCount > 0 || ctrlHideCount > 0 || !titleTextRef) return 0;
    const std::optional<std::string> text = SummaryValueText();
    if (!text) return 0;
    summary[*titleTextRef] = *text;
    order.push_back(*titleTextRef);
    return 0;
}

bool PPDPopupControl::IsOwnValue(int32_t value) const
{
    return value >= 1 && static_cast<std::size_t>(value) <= ctrlPPDInfoArrayRef.size();
}

std::optional<std::string> PPDPopupControl::ControlPPDKeyword() const
{
    if (kPPDMainKey.empty()) return std::nullopt;
    return kPPDMainKey;
}
