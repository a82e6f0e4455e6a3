#include "features/controls/PFList.h"

#include "features/controls/PPDControlSupport.h"
#include "features/controls/PPDStaticTextCtrlExt.h"

int PFList::UpdateConflictsPanelControlFromPPD(ppd_file_t* ppd)
{
    PFBasePPDPopupListExt::UpdateConflictsPanelControlFromPPD(ppd);
    ResetStatus();
    if (titleTextPtr != nullptr) titleTextPtr->ResetStatus();
    if (MailboxDisables(*this, kPPDMainKey)) DisableWithTitle();
    return 0;
}

void PFList::DisableWithTitle()
{
    Disable();
    if (titleTextPtr != nullptr) titleTextPtr->Disable();
}

bool PFList::GetValueToPreset()
{
    if (MailboxRestoresDefault(*this, kPPDMainKey)) {
        if (!ctrlDataBlkPtr.IsAllocated()) return false;
        ctrlDataBlkPtr.SetInt(defaultValue);
        return true;
    }
    return PFBasePPDPopupListExt::GetValueToPreset();
}

bool PFList::SetValueFromUIToControl()
{
    if (MailboxRestoresDefault(*this, kPPDMainKey)) {
        if (!ctrlDataBlkPtr.IsAllocated()) return false;
        ctrlDataBlkPtr.SetInt(defaultValue);
        return true;
    }
    return PFBasePPDPopupListExt::SetValueFromUIToControl();
}

int PFList::GetSummaryText(SummaryDictionary& summary, SummaryOrder& order)
{
    if (!titleTextRef) return 0;
    const std::optional<std::string> text = SummaryValueText();
    if (!text) return 0;
    summary[*titleTextRef] = *text;
    order.push_back(*titleTextRef);
    return 0;
}

std::optional<std::string> PFList::SummaryValueText()
{
    const int32_t value = MailboxRestoresDefault(*this, kPPDMainKey) ? defaultValue : UIValue();
    const PpdChoiceRow* row = EntryOfListValue(ctrlPPDInfoArrayRef, value);
    if (row == nullptr) return std::nullopt;
    return row->choiceText;
}
