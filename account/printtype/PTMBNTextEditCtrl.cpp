#include "account/printtype/PTMBNTextEditCtrl.h"

#include <algorithm>

#include "panelkit/UtilityFunction.h"

namespace {

constexpr std::size_t kMailBoxDigits = 3;

} // namespace

bool PTMBNTextEditCtrl::InitializeCtrl(const platform::Bundle* bundle, ppd_file_t* ppd)
{
    iMaxMailBoxNumber = maximumAttribute_ != nullptr ? GetMBMaxNumberFromPPD(ppd, maximumAttribute_) : 0;
    return PrintTypeTextField::InitializeCtrl(bundle, ppd);
}

bool PTMBNTextEditCtrl::IsMailBoxNumber(std::string_view text) const
{
    if (text.empty() || text.size() > kMailBoxDigits) return false;
    if (!std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; })) return false;
    const int number = getIntFromString(text);
    return number >= 1 && number <= iMaxMailBoxNumber;
}

bool PTMBNTextEditCtrl::SetValueFromUIToControl()
{
    if (!PrintTypeTextField::SetValueFromUIToControl()) return false;
    const std::string_view text = ctrlDataBlkPtr.Text();
    const std::size_t first = text.find_first_not_of('0');
    if (first != 0 && first != std::string_view::npos) {
        const std::string trimmed(text.substr(first));
        ctrlDataBlkPtr.SetText(trimmed);
        ctrlDataSize = static_cast<uint32_t>(trimmed.size());
    }
    return true;
}

bool PTMBNTextEditCtrl::PreInvalidateData()
{
    if (!IsChecked() || IsMailBoxNumber(UIText())) return true;
    ShowErrMsg();
    return false;
}

bool PTMBNTextEditCtrl::InvalidateData() { return !IsChecked() || TextEditCtrl::InvalidateData(); }

bool PTMBNTextEditCtrl::InvalidateDataOnCancel() { return !IsChecked() || IsMailBoxNumber(StoredText()); }
