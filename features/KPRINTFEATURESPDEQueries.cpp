// The Features panel: what its controls and windows ask it.
#include "features/KPRINTFEATURESPDE.h"

#include <cstring>

#include "features/controls/PFCheckBoxExt.h"
#include "features/controls/PFListExt.h"
#include "features/controls/PFNonPPDCheckBox.h"
#include "features/controls/PFOffsetStackingListCtrl.h"
#include "features/windows/MarginSetupWindow.h"

namespace {

// A control's stored value is 1, or it has none yet.
bool StoredValueIsOneOrNone(BaseControl& control)
{
    const unsigned char* block = control.GetValueFromControl();
    if (block == nullptr) return true;
    int32_t value = 0;
    std::memcpy(&value, block, sizeof value);
    return value == 1;
}

} // namespace

bool KPRINTFEATURESPDE::IsSeparatorOff() const
{
    return pfSeparatorListCtrlPtr != nullptr && StoredValueIsOneOrNone(*pfSeparatorListCtrlPtr);
}

bool KPRINTFEATURESPDE::IsTabMarginShift() const
{
    return pfTabMarginCheckBoxPtr != nullptr && StoredValueIsOneOrNone(*pfTabMarginCheckBoxPtr);
}

bool KPRINTFEATURESPDE::IsBookletMarginShift() const
{
    return pfBookletMarginCheckBoxPtr != nullptr && StoredValueIsOneOrNone(*pfBookletMarginCheckBoxPtr);
}

int KPRINTFEATURESPDE::getTabMarginShiftValueDisplayStyle() const
{
    const auto* window = dynamic_cast<const MarginSetupWindow*>(TabMarginWndPtr);
    return window != nullptr ? window->GetShiftValueDisplayStyle() : -1;
}

int KPRINTFEATURESPDE::getBookletShiftValueDisplayStyle() const
{
    const auto* window = dynamic_cast<const MarginSetupWindow*>(BookletMarginWndPtr);
    return window != nullptr ? window->GetShiftValueDisplayStyle() : -1;
}

bool KPRINTFEATURESPDE::IsNumberInSequence() const
{
    return pfNumInSequenceCheckBoxPtr != nullptr && StoredValueIsOneOrNone(*pfNumInSequenceCheckBoxPtr);
}

bool KPRINTFEATURESPDE::IsOffsetStacking() const
{
    if (pOffsetStackingListCtrlPtr == nullptr) return false;
    const platform::ui::Widget* widget = pOffsetStackingListCtrlPtr->GetControlPtr();
    if (widget == nullptr || widget->indexOfSelectedItem() < 0) return true;
    const int value = widget->indexOfSelectedItem() + 1;
    return value == 4 || value == 5;
}

int KPRINTFEATURESPDE::getOffsetStackingValue() const
{
    if (pOffsetStackingListCtrlPtr == nullptr) return 0;
    const platform::ui::Widget* widget = pOffsetStackingListCtrlPtr->GetControlPtr();
    if (widget == nullptr || widget->indexOfSelectedItem() < 0) return 0;
    return widget->indexOfSelectedItem() + 1;
}
