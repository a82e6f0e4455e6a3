#include "features/windows/PFNumInSeqTextEditFormatter.h"

#include "features/windows/CountFieldRules.h"
#include "features/windows/PFInchMMTextEditCtrl.h"

bool PFNumInSeqTextEditFormatter::IsNumberValid(std::string_view text) const
{
    if (editValueRangeDataPtr == nullptr) return false;
    if (text.find_first_not_of("0123456789") != std::string_view::npos) return false;
    const int32_t value = CountValueOfText(text);
    return value >= editValueRangeDataPtr->minimum && value <= editValueRangeDataPtr->maximum;
}
