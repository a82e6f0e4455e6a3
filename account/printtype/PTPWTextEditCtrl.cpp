#include "account/printtype/PTPWTextEditCtrl.h"

#include "account/printtype/PasscodeMinimum.h"
#include "panelkit/DisplayLength.h"

bool PTPWTextEditCtrl::InitializeCtrl(const platform::Bundle* bundle, ppd_file_t* ppd)
{
    iMinPasscode = PasscodeMinimumFromPPD(ppd);
    return PrintTypeTextField::InitializeCtrl(bundle, ppd);
}

bool PTPWTextEditCtrl::IsLengthAllowed(int length) const
{
    const int maximum = textEditIniDataPtr != nullptr ? static_cast<int>(textEditIniDataPtr->maxLength) : 0;
    return length >= iMinPasscode && length <= maximum;
}

bool PTPWTextEditCtrl::PreInvalidateData()
{
    if (!IsChecked() || IsLengthAllowed(static_cast<int>(ctrlDataSize))) return true;
    ShowErrMsg();
    return false;
}

bool PTPWTextEditCtrl::InvalidateData() { return !IsChecked() || TextEditCtrl::InvalidateData(); }

bool PTPWTextEditCtrl::InvalidateDataOnCancel()
{
    return !IsChecked() || IsLengthAllowed(GetUTF8StringLength(std::string(StoredText()).c_str()));
}
