#include "features/windows/PFMarginLittleArrowControls.h"

std::unique_ptr<PFInchMMLittleArrowControl> NewMarginLittleArrow(MarginField field)
{
    switch (field) {
    case MarginField::TabMM: return std::make_unique<PFTabMMLittleArrowControl>();
    case MarginField::TabInch: return std::make_unique<PFTabInchesLittleArrowControl>();
    case MarginField::BookletMM: return std::make_unique<PFBookletMMLittleArrowControl>();
    case MarginField::BookletInch: break;
    }
    return std::make_unique<PFBookletInchesLittleArrowControl>();
}
