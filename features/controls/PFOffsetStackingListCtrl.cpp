#include "features/controls/PFOffsetStackingListCtrl.h"

#include <array>

#include "features/KPRINTFEATURESPDE.h"
#include "features/controls/PPDControlSupport.h"
#include "panelkit/UtilityFunction.h"
#include "panelkit/panel/PopupWinInPanel.h"

namespace {

// 0-based entries of the list that open a window.
constexpr int kOffsetPerPageEntry = 3;
constexpr int kOffsetPerCopyEntry = 4;

} // namespace

bool PFOffsetStackingListCtrl::InitializeCtrl(const platform::Bundle* bundle, ppd_file_t* ppd)
{
    const bool done = PFList::InitializeCtrl(bundle, ppd);
    if (ControlPtr != nullptr) ControlPtr->setTag(controlTag);
    return done;
}

bool PFOffsetStackingListCtrl::UIEventHandler()
{
    const std::optional<int32_t> old = UIBlockValue();
    const int32_t now = UIValue();
    const KPRINTFEATURESPDE* panel = FeaturesPanelOf(*this);
    if (old && now != *old && panel != nullptr) {
        PopupWinInPanel* window = nullptr;
        if (now - 1 == kOffsetPerPageEntry) window = panel->getOffsetStackingPagesWnd();
        if (now - 1 == kOffsetPerCopyEntry) window = panel->getOffsetStackingUnitsWnd();
        if (window != nullptr) window->ActivateWindow();
    }
    return PFList::UIEventHandler();
}

bool PFOffsetStackingListCtrl::SetValueToTicket(platform::PrintSettings* settings, bool lock)
{
    if (EntryOfListValue(ctrlPPDInfoArrayRef, StoredValue()) == nullptr) return false;
    bool written = false;
    if (ctrlDataAccessInfoPtr != nullptr && ctrlDataAccessInfoPtr->ticketKey != nullptr) {
        std::array<char, kTextBlockSize> text{};
        written = ConvertToTickectData(text) &&
                  SetValueToSettingsWithTicketKeyAndLock(text.data(), settings,
                                                         ctrlDataAccessInfoPtr->ticketKey, lock) == noErr;
    }
    const bool sent = SendStoredChoice();
    return written && sent;
}
