// The steppers of the four margin fields. Only the booklet millimetres differ:
// they travel in the print settings in half millimetres (doubled on the way
// out, halved toward zero on the way back).
#pragma once

#include <memory>

#include "features/windows/MarginFieldRules.h"
#include "features/windows/PFInchMMLittleArrowControl.h"

class PFTabMMLittleArrowControl : public PFInchMMLittleArrowControl {
public:
    std::string_view ControlClassName() const override { return "PFTabMMLittleArrowControl"; }
};

class PFTabInchesLittleArrowControl : public PFInchMMLittleArrowControl {
public:
    std::string_view ControlClassName() const override { return "PFTabInchesLittleArrowControl"; }
};

class PFBookletMMLittleArrowControl : public PFInchMMLittleArrowControl {
public:
    int32_t TicketValueOf(int32_t value) const override { return BookletMMTicketValue(value); }
    int32_t ValueOfTicket(int32_t ticketValue) const override
    {
        return BookletMMFromTicketValue(ticketValue);
    }
    std::string_view ControlClassName() const override { return "PFBookletMMLittleArrowControl"; }
};

class PFBookletInchesLittleArrowControl : public PFInchMMLittleArrowControl {
public:
    std::string_view ControlClassName() const override { return "PFBookletInchesLittleArrowControl"; }
};

// The stepper of the margin field.
std::unique_ptr<PFInchMMLittleArrowControl> NewMarginLittleArrow(MarginField field);
