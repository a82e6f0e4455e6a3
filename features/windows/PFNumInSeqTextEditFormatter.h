// The formatter of the number-in-sequence and offset-stacking fields: while
// the person types it lets through digits up to the field's length; when the
// field commits its text it checks the whole number against the field's
// range and hands a new accepted text to the field (as the margin fields'
// formatters do).
#pragma once

#include <string_view>

#include "features/windows/PFInchMMTextEditFormatter.h"

class PFNumInSeqTextEditFormatter : public PFInchMMTextEditFormatter {
public:
    // The plain integer range test: digits only, an empty text counting as
    // 0, the value within editValueRangeDataPtr.
    bool IsNumberValid(std::string_view text) const override;
};
