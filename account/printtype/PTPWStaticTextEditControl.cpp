#include "account/printtype/PTPWStaticTextEditControl.h"

#include <string>

#include "account/LabelText.h"
#include "account/printtype/NumberMark.h"
#include "account/printtype/PasscodeMinimum.h"

bool PTPWStaticTextEditControl::InitializeCtrl(const platform::Bundle* bundle, ppd_file_t* ppd)
{
    minimum_ = PasscodeMinimumFromPPD(ppd);
    const bool initialised = PTStaticTextEditControl::InitializeCtrl(bundle, ppd);
    ShowMinimum();
    return initialised;
}

bool PTPWStaticTextEditControl::ReInitializeCtrl(const platform::Bundle* bundle, ppd_file_t* ppd)
{
    const bool initialised = PTStaticTextEditControl::ReInitializeCtrl(bundle, ppd);
    ShowMinimum();
    return initialised;
}

void PTPWStaticTextEditControl::ShowMinimum()
{
    if (ControlPtr == nullptr) return;
    ShowLabelText(*ControlPtr, ReplaceNumberMark(ControlPtr->stringValue(), std::to_string(minimum_)));
}
