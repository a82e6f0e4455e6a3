#include "features/controls/PFCheckBoxExt.h"

bool PFCheckBoxExt::SetValueToTicket(platform::PrintSettings* settings, bool lock)
{
    if (!PFCheckBox::SetValueToTicket(settings, lock)) return false;
    return BaseControl::SetValueToTicket(settings, lock);
}
