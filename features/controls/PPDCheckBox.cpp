#include "features/controls/PPDCheckBox.h"

#include "constraints/XPPDLookups.h"
#include "features/controls/PPDControlSupport.h"
#include "panelkit/panel/BasePrintPanel.h"

void PPDCheckBox::ReadFromPPD(ppd_file_t* ppd)
{
    titleTextRef = GetUITitleFromPPD(ppd, kPPDMainKey);
    RebuildChoiceList(*this, kPPDMainKey, ctrlPPDInfoArrayRef);
    int32_t value = 0;
    GetDefaultValueFromPPD(ppd, &value);
    ownIniData.defaultValue = value;
    checkboxctrlIniDataPtr = &ownIniData;
    if (ppd != nullptr) setPPDOptions(ppdFindOption(ppd, kPPDMainKey.c_str()));
    setPPDChoices(&ctrlPPDInfoArrayRef);
}

bool PPDCheckBox::InitializeCtrl(const platform::Bundle* bundle, ppd_file_t* ppd)
{
    BaseControl::InitializeCtrl(bundle, ppd);
    ReadFromPPD(ppd);
    if (ControlPtr != nullptr && titleTextRef) ControlPtr->setTitle(*titleTextRef);
    AllocateIntegerBlocks();
    return true;
}

bool PPDCheckBox::PPDMarkOptionByIndex(ppd_file_t* ppd, int value)
{
    if (value != 0 && value != 1) return false;
    const std::string_view wanted = value == 1 ? "True" : "False";
    for (const PpdChoiceRow& row : ctrlPPDInfoArrayRef)
        if (SameChoiceKeyword(row.choiceKeyword, wanted))
            return MarkPPDChoice(ppd, kPPDMainKey, row.choiceKeyword);
    return false;
}

bool PPDCheckBox::SetPPD(ppd_file_t* ppd) { return PPDMarkOptionByIndex(ppd, UIValue()); }

bool PPDCheckBox::RestorePPD(ppd_file_t* ppd)
{
    const int32_t value = StoredValue();
    if (value < 0) return false;
    return PPDMarkOptionByIndex(ppd, value);
}

bool PPDCheckBox::GetDefaultValueFromPPD(ppd_file_t* ppd, int32_t* value)
{
    if (value == nullptr) return false;
    const std::optional<std::string> defaultChoice = GetUIDefaultFromPPD(ppd, kPPDMainKey);
    *value = defaultChoice && SameChoiceKeyword(*defaultChoice, "True") ? 1 : 0;
    return defaultChoice.has_value();
}

bool PPDCheckBox::GetValueToPreset()
{
    ppd_file_t* ppd = CurrentPPDOf(*this);
    if (ppd == nullptr || !ctrlDataBlkPtr.IsAllocated()) return false;
    const ppd_choice_t* marked = ppdFindMarkedChoice(ppd, kPPDMainKey.c_str());
    if (marked == nullptr) return false;
    ctrlDataBlkPtr.SetInt(SameChoiceKeyword(marked->choice, "True") ? 1 : 0);
    return true;
}

int PPDCheckBox::UpdateConflictsPanelControlFromPPD(ppd_file_t* /*ppd*/)
{
    RebuildChoiceList(*this, kPPDMainKey, ctrlPPDInfoArrayRef);
    return 0;
}

bool PPDCheckBox::UIEventHandler()
{
    ppd_file_t* ppd = CurrentPPDOf(*this);
    // libcups answers the number of conflicts in the whole PPD, not whether
    // this mark took: a PPD whose defaults already conflict would otherwise
    // never see its greyed choices recomputed.
    SetPPD(ppd);
    if (ctrlParentPanelPtr != nullptr && ppd != nullptr)
        ctrlParentPanelPtr->UpdateConflictsPanelControlFromPPD(ppd);
    return CheckBox::UIEventHandler();
}

bool PPDCheckBox::SetControlValueToUI()
{
    const bool shown = CheckBox::SetControlValueToUI();
    RestorePPD(CurrentPPDOf(*this));
    return shown;
}

bool PPDCheckBox::SetExternalValueToUI(const void* bytes, std::size_t size)
{
    const bool shown = CheckBox::SetExternalValueToUI(bytes, size);
    if (shown) SetPPD(CurrentPPDOf(*this));
    return shown;
}

int PPDCheckBox::Open()
{
    UpdateConflictsPanelControlFromPPD(CurrentPPDOf(*this));
    if (!GetValueToPreset()) SetControlValueToDefault();
    SetControlValueToUI();
    SimulationUIEventHandler();
    return 0;
}

int PPDCheckBox::GetSummaryText(SummaryDictionary& summary, SummaryOrder& order)
{
    if (!titleTextRef) return 0;
    const PpdChoiceRow* row = EntryOfCheckBoxValue(ctrlPPDInfoArrayRef, SummaryValue());
    if (row == nullptr) return 0;
    summary[*titleTextRef] = CutUtf8(row->choiceText, kCheckBoxSummaryMax);
    order.push_back(*titleTextRef);
    return 0;
}

std::optional<std::string> PPDCheckBox::ControlPPDKeyword() const
{
    if (kPPDMainKey.empty()) return std::nullopt;
    return kPPDMainKey;
}
