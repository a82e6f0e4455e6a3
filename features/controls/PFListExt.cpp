#include "features/controls/PFListExt.h"

#include "features/KPRINTFEATURESPDE.h"
#include "features/controls/PPDControlSupport.h"
#include "panelkit/panel/PopupWinInPanel.h"

bool PFListExt::UIEventHandler()
{
    const std::optional<int32_t> old = UIBlockValue();
    const int32_t now = UIValue();
    if (old && now != *old && now >= 2) {
        if (const KPRINTFEATURESPDE* panel = FeaturesPanelOf(*this); panel != nullptr && panel->getSepWnd())
            panel->getSepWnd()->ActivateWindow();
    }
    return PFCoverList::UIEventHandler();
}

bool PFListExt::SetValueToTicket(platform::PrintSettings* settings, bool lock)
{
    if (EntryOfListValue(ctrlPPDInfoArrayRef, StoredValue()) == nullptr) return false;
    const bool sent = SendStoredChoice();
    const bool written = BaseControl::SetValueToTicket(settings, lock);
    return sent && written;
}
