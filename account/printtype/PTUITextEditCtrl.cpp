#include "account/printtype/PTUITextEditCtrl.h"

#include "panelkit/InputFilter.h"
#include "platform/TextEncoding.h"

bool PTUITextEditCtrl::PreInvalidateData()
{
    if (!IsChecked() || !IsRequired() || !UIText().empty()) return true;
    ShowMessage(emptyMessageKey_);
    return false;
}

bool PTUITextEditCtrl::InvalidateData()
{
    if (!IsChecked()) return true;
    const std::optional<std::u16string> text = platform::Utf8ToUtf16(UIText());
    if (!UIText().empty() && text && IsAllSpace(*text)) {
        ShowErrMsg();
        return false;
    }
    return TextEditCtrl::InvalidateData();
}

bool PTUITextEditCtrl::InvalidateDataOnCancel()
{
    return !IsChecked() || !IsRequired() || !StoredText().empty();
}
