#include "panelkit/controls/TextEditCtrl.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "panelkit/DisplayLength.h"
#include "panelkit/panel/BasePrintPanel.h"
#include "platform/TextEncoding.h"

namespace {

// The text, cut to the buffer's size - 1 bytes without splitting a
// character, copied into the buffer after clearing it; the bytes copied.
std::string_view CopyTextCut(std::string_view text, std::span<char> buffer)
{
    if (buffer.empty()) return {};
    std::fill(buffer.begin(), buffer.end(), '\0');
    if (text.size() > buffer.size() - 1)
        text = platform::WithoutCutUtf8Tail(text.substr(0, buffer.size() - 1));
    std::copy(text.begin(), text.end(), buffer.begin());
    return text;
}

// Display length of UTF-8 text that may lack a terminator in its block.
uint32_t Utf8DisplayLength(std::string_view text)
{
    return static_cast<uint32_t>(GetUTF8StringLength(std::string(text).c_str()));
}

} // namespace

TextEditCtrl::~TextEditCtrl()
{
    if (ControlPtr != nullptr && formatter_ != nullptr && ControlPtr->formatter() == formatter_.get())
        ControlPtr->setFormatter(nullptr);
}

bool TextEditCtrl::CreateControl(platform::ui::Widget* control, const TextEditIniData* iniData,
                                 const CnstrnInfo* cnstrnInfo, const CtrlAccessInfo* accessInfo,
                                 std::optional<platform::PreferenceUser> user,
                                 const TextEditFilterData* filterData)
{
    BaseControl::CreateControl(control);
    textEditIniDataPtr = iniData;
    ctrlConstrainControlArray = cnstrnInfo;
    ctrlDataAccessInfoPtr = accessInfo;
    if (user) userNameinPreference = user;
    textEditFilterDataPtr = filterData;
    return true;
}

bool TextEditCtrl::InitializeCtrl(const platform::Bundle* bundle, ppd_file_t* ppd)
{
    const bool based = BaseControl::InitializeCtrl(bundle, ppd);
    ctrlDataBlkPtr.Allocate(kTextBlockSize);
    ctrlUIDataBlkPtr.Allocate(kTextBlockSize);
    ctrlDataSize = kTextBlockSize;
    ppdFile = ppd;
    InitializeCtrlFormat();
    return based;
}

bool TextEditCtrl::ReInitializeCtrl(const platform::Bundle* /*bundle*/, ppd_file_t* /*ppd*/)
{
    return InitializeCtrlFormat();
}

bool TextEditCtrl::InitializeCtrlFormat()
{
    if (textEditIniDataPtr == nullptr || textEditFilterDataPtr == nullptr || ControlPtr == nullptr)
        return true;
    platform::HostServices* services =
        ctrlParentPanelPtr != nullptr ? ctrlParentPanelPtr->GetHostServices() : nullptr;
    std::unique_ptr<TextEditFormatter> formatter = NewFormatter(services);
    if (formatter == nullptr) return true;
    // The field takes the new formatter before the old one goes.
    ControlPtr->setFormatter(formatter.get());
    formatter_ = std::move(formatter);
    return true;
}

std::unique_ptr<TextEditFormatter> TextEditCtrl::NewFormatter(platform::HostServices* services)
{
    auto formatter = std::make_unique<TextEditFormatter>();
    formatter->initWithFilter(textEditFilterDataPtr, textEditIniDataPtr->maxLength, services);
    return formatter;
}

bool TextEditCtrl::SetControlValueToUI()
{
    if (ControlPtr == nullptr || !ctrlDataBlkPtr.IsAllocated()) return false;
    const std::string_view text = ctrlDataBlkPtr.Text();
    ctrlDataSize = text.empty() ? 0 : Utf8DisplayLength(text);
    if (ctrlDataAccessInfoPtr != nullptr) ControlPtr->setStringValue(text);
    return true;
}

bool TextEditCtrl::SetExternalValueToUI(const void* bytes, std::size_t size)
{
    if (ControlPtr == nullptr || bytes == nullptr || ctrlDataAccessInfoPtr == nullptr) return false;
    const char* chars = static_cast<const char*>(bytes);
    const std::string_view text(chars, strnlen(chars, size));
    if (!platform::IsValidUtf8(text)) return false;
    ControlPtr->setStringValue(text);
    return true;
}

bool TextEditCtrl::SetControlValueToDefault()
{
    if (textEditIniDataPtr == nullptr || !ctrlDataBlkPtr.IsAllocated()) return false;
    const char* text = textEditIniDataPtr->defaultText;
    ctrlDataSize = static_cast<uint32_t>(
        ctrlDataBlkPtr.SetText({text, strnlen(text, sizeof textEditIniDataPtr->defaultText)}));
    return true;
}

const unsigned char* TextEditCtrl::GetValueFromUI()
{
    if (ControlPtr == nullptr || !ctrlDataBlkPtr.IsAllocated() || !ctrlUIDataBlkPtr.IsAllocated() ||
        ctrlDataAccessInfoPtr == nullptr)
        return nullptr;
    const std::u16string screen = platform::Utf8ToUtf16(ControlPtr->stringValue()).value_or(std::u16string());
    const std::u16string cut = GetShortenString(screen, kTextEditScreenLength);
    if (cut.empty())
        ctrlUIDataBlkPtr.Clear();
    else
        ctrlUIDataBlkPtr.SetText(platform::Utf16ToUtf8(cut));
    ctrlDataSize = static_cast<uint32_t>(GetStringLength(cut));
    return ctrlUIDataBlkPtr.data();
}

bool TextEditCtrl::SetValueFromUIToControl()
{
    if (!ctrlDataBlkPtr.IsAllocated() || !ctrlUIDataBlkPtr.IsAllocated()) return false;
    ctrlDataBlkPtr.Clear();
    if (ctrlDataSize != 0) ctrlDataBlkPtr.SetText(ctrlUIDataBlkPtr.Text());
    return true;
}

bool TextEditCtrl::ConvertToPreferenceString(std::span<char> buffer)
{
    if (!ctrlDataBlkPtr.IsAllocated() || buffer.empty()) return false;
    ctrlDataSize = Utf8DisplayLength(CopyTextCut(ctrlDataBlkPtr.Text(), buffer));
    return true;
}

bool TextEditCtrl::ConvertFromPreferenceString(const char* string)
{
    if (string == nullptr || !ctrlDataBlkPtr.IsAllocated()) return false;
    const std::string_view text(string);
    if (!platform::IsValidUtf8(text)) return false;
    ctrlDataBlkPtr.SetText(text);
    ctrlDataSize = Utf8DisplayLength(ctrlDataBlkPtr.Text());
    return true;
}

bool TextEditCtrl::ConvertToTickectData(std::span<char> buffer)
{
    if (!ctrlDataBlkPtr.IsAllocated() || buffer.empty()) return false;
    CopyTextCut(ctrlDataBlkPtr.Text(), buffer);
    return true;
}

bool TextEditCtrl::IsUIValueValid() const
{
    if (textEditIniDataPtr == nullptr || ctrlDataSize == 0) return true;
    if (ctrlDataSize < textEditIniDataPtr->minLength || ctrlDataSize > textEditIniDataPtr->maxLength)
        return false;
    if (textEditFilterDataPtr == nullptr) return true;
    const std::optional<std::u16string> text = platform::Utf8ToUtf16(ctrlUIDataBlkPtr.Text());
    return text && validateInput(*text, textEditFilterDataPtr);
}

bool TextEditCtrl::InvalidateData()
{
    if (IsUIValueValid()) return true;
    ShowErrMsg();
    return false;
}

bool TextEditCtrl::InvalidateDataAndReturnError() { return IsUIValueValid(); }

void TextEditCtrl::ShowErrMsg()
{
    const char* messageKey = GetErrMsgKey();
    if (messageKey == nullptr || ctrlParentPanelPtr == nullptr) return;
    const platform::Bundle* bundle = ctrlParentPanelPtr->GetPDEBundleRef();
    if (bundle == nullptr) return;
    platform::HostServices* services = ctrlParentPanelPtr->GetHostServices();
    platform::ui::Toolkit* toolkit = services != nullptr ? services->WidgetToolkit() : nullptr;
    if (toolkit != nullptr) {
        platform::ui::Alert alert;
        alert.iconPath = bundle->ResourcesDirectory() + "/AlertIcon.png";
        alert.informativeText = LocalizedString(bundle, messageKey);
        alert.informativeKey = messageKey;
        alert.buttonTitles.push_back(LocalizedString(bundle, "Alert OK Btn"));
        alert.style = GetErrMsgStyle();
        toolkit->runAlert(alert);
    }
    if (ControlPtr != nullptr) ControlPtr->makeFirstResponder();
}

const char* TextEditCtrl::GetErrMsgKey() const
{
    return textEditFilterDataPtr != nullptr ? textEditFilterDataPtr->errMsgKey : nullptr;
}

void TextEditCtrl::CorrectCtrlUI()
{
    if (ControlPtr != nullptr) ControlPtr->setStringValue("");
    ctrlUIDataBlkPtr.Clear();
    ctrlDataSize = 0;
}

const void* TextEditCtrl::GetDefaultDataBlk()
{
    return textEditIniDataPtr != nullptr ? textEditIniDataPtr->defaultText : nullptr;
}

uint32_t TextEditCtrl::GetDefaultDataSize()
{
    if (textEditIniDataPtr == nullptr) return 0;
    return static_cast<uint32_t>(
        strnlen(textEditIniDataPtr->defaultText, sizeof textEditIniDataPtr->defaultText));
}
