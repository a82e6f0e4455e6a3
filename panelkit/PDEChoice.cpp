#include "panelkit/PDEChoice.h"

PDEChoice& PDEChoice::initWithChoice(const ppd_choice_t* choice)
{
    choice_ = choice;
    ppdTitle_ = choice != nullptr ? choice->choice : "";
    userTitle_ = choice != nullptr ? choice->text : "";
    return *this;
}
