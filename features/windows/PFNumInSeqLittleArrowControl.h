// The stepper of the number-in-sequence and offset-stacking fields. It steps
// by one within its field's range, checks its field before each step and
// beeps at a bound, as the margin steppers do; the value travels to the
// print settings as it is held.
#pragma once

#include "features/windows/PFInchMMLittleArrowControl.h"

class PFNumInSeqLittleArrowControl : public PFInchMMLittleArrowControl {
public:
    std::string_view ControlClassName() const override { return "PFNumInSeqLittleArrowControl"; }
};
