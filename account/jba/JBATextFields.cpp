#include "account/jba/JBATextFields.h"

#include <optional>

#include "account/jba/JBAFieldRecords.h"
#include "panelkit/InputFilter.h"
#include "platform/TextEncoding.h"
#include "platform/UserDatabase.h"

namespace {

constexpr const char* kUserIDMessage = "Warning32";
constexpr std::size_t kLoginNameBytes = 32;
constexpr uint32_t kUserIDMaximum = 32;

bool IsUserIDLengthAllowed(uint32_t length) { return length >= 1 && length <= kUserIDMaximum; }

} // namespace

bool JBAWndUserIDTextEditCtrl::InvalidateData()
{
    if (!IsChecked()) return true;
    if (!IsUserIDLengthAllowed(ctrlDataSize)) {
        ShowMessage(kUserIDMessage);
        return false;
    }
    return JBATextField::InvalidateData();
}

bool JBAInputWndTextEditCtrlExt::PreInvalidateData()
{
    if (!IsChecked() || IsUserIDLengthAllowed(ctrlDataSize)) return true;
    ShowMessage(nullptr);
    return false;
}

std::string JBAWndLoginTECtrl::LoginNameText(std::string_view login)
{
    const std::optional<std::u16string> text = platform::Utf8ToUtf16(login);
    if (login.empty() || !text || !validateInput(*text, &JBALoginNameFilterData)) return "UnknownUser";
    // Printable ASCII: every byte is a character.
    return std::string(login.substr(0, kLoginNameBytes));
}

void JBAWndLoginTECtrl::TakeLoginName()
{
    if (!ctrlDataBlkPtr.IsAllocated()) return;
    const std::string text = LoginNameText(platform::UserDatabase::LoginName());
    ctrlDataBlkPtr.SetText(text);
    ctrlDataSize = static_cast<uint32_t>(text.size());
}

bool JBAWndLoginTECtrl::InitializeCtrl(const platform::Bundle* bundle, ppd_file_t* ppd)
{
    const bool initialised = JBATextField::InitializeCtrl(bundle, ppd);
    TakeLoginName();
    return initialised;
}

bool JBAWndLoginTECtrl::SetControlValueToDefault()
{
    TakeLoginName();
    return true;
}

bool JBAWndLoginTECtrl::SetControlValueToUI()
{
    TakeLoginName();
    return JBATextField::SetControlValueToUI();
}
