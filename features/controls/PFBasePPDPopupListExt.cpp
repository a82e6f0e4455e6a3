#include "features/controls/PFBasePPDPopupListExt.h"

#include "features/controls/PPDControlSupport.h"

bool PFBasePPDPopupListExt::SetValueToTicket(platform::PrintSettings* /*settings*/, bool /*lock*/)
{
    return SendStoredChoice();
}

bool PFBasePPDPopupListExt::SendStoredChoice()
{
    const PpdChoiceRow* row = EntryOfListValue(ctrlPPDInfoArrayRef, StoredValue());
    if (row == nullptr) return false;
    return SendPPDChoice(*this, kPPDMainKey, row->choiceKeyword);
}
