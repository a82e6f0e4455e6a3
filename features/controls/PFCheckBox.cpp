#include "features/controls/PFCheckBox.h"

#include "features/controls/PPDControlSupport.h"

int PFCheckBox::UpdateConflictsPanelControlFromPPD(ppd_file_t* ppd)
{
    PPDCheckBox::UpdateConflictsPanelControlFromPPD(ppd);
    if (ControlPtr == nullptr) return 0;
    for (const PpdChoiceRow& row : ctrlPPDInfoArrayRef) {
        const bool free = row.conflictState != kConflictTrue;
        ControlPtr->setEnabled(free);
        if (!free) continue;
        ResetStatus();
        if (MailboxDisables(*this, kPPDMainKey)) Disable();
    }
    return 0;
}

bool PFCheckBox::GetValueToPreset()
{
    if (MailboxRestoresDefault(*this, kPPDMainKey)) {
        if (!ctrlDataBlkPtr.IsAllocated()) return false;
        ctrlDataBlkPtr.SetInt(defaultValue);
        return true;
    }
    return PPDCheckBoxExt::GetValueToPreset();
}

bool PFCheckBox::SetValueFromUIToControl()
{
    if (MailboxRestoresDefault(*this, kPPDMainKey)) {
        if (!ctrlDataBlkPtr.IsAllocated()) return false;
        ctrlDataBlkPtr.SetInt(defaultValue);
        return true;
    }
    return PPDCheckBoxExt::SetValueFromUIToControl();
}

bool PFCheckBox::SetValueToTicket(platform::PrintSettings* /*settings*/, bool /*lock*/)
{
    const PpdChoiceRow* row = EntryOfCheckBoxValue(ctrlPPDInfoArrayRef, StoredValue());
    if (row == nullptr) return false;
    return SendPPDChoice(*this, kPPDMainKey, row->choiceKeyword);
}

int32_t PFCheckBox::SummaryValue() const
{
    return MailboxRestoresDefault(*this, kPPDMainKey) ? defaultValue : StoredValue();
}
