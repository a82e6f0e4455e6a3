#include "account/printtype/PrintTypeTextField.h"

#include "account/LocalizedTitle.h"
#include "account/SummaryLine.h"
#include "account/printtype/NumberMark.h"
#include "panelkit/KVTCipherText.h"
#include "panelkit/RestoredText.h"
#include "panelkit/UtilityFunction.h"
#include "panelkit/panel/BasePrintPanel.h"
#include "platform/TextEncoding.h"

PrintTypeTextField::~PrintTypeTextField()
{
    if (ControlPtr != nullptr && printTypeFormatter_ != nullptr &&
        ControlPtr->formatter() == printTypeFormatter_.get())
        ControlPtr->setFormatter(nullptr);
}

bool PrintTypeTextField::CreateControl(platform::ui::Widget* control, const TextEditIniData* iniData,
                                       const CtrlAccessInfo* accessInfo, const TextEditFilterData* filterData,
                                       const char* summaryKey, DataBlock* sharedBlock)
{
    summaryKey_ = summaryKey;
    sharedBlock_ = sharedBlock;
    recordFilter_ = filterData;
    return TextEditCtrl::CreateControl(control, iniData, nullptr, accessInfo,
                                       platform::PreferenceUser::Current, filterData);
}

bool PrintTypeTextField::InitializeCtrl(const platform::Bundle* bundle, ppd_file_t* ppd)
{
    textEditFilterDataPtr = recordFilter_;
    std::unique_ptr<TextEditFilterData> scope =
        scopeAttribute_ != nullptr ? CopyPellorScopeInfoFromPPD(ppd, scopeAttribute_) : nullptr;
    if (scope != nullptr) {
        scope->errMsgKey = recordFilter_ != nullptr ? recordFilter_->errMsgKey : nullptr;
        textEditFilterDataPtr = scope.get();
    }
    // The formatter made below takes the new ranges before the old ones go.
    const bool initialised = TextEditCtrl::InitializeCtrl(bundle, ppd);
    scopeFilter_ = std::move(scope);
    return initialised;
}

bool PrintTypeTextField::InitializeCtrlFormat()
{
    if (textEditIniDataPtr == nullptr || textEditFilterDataPtr == nullptr || ControlPtr == nullptr)
        return true;
    platform::HostServices* services =
        ctrlParentPanelPtr != nullptr ? ctrlParentPanelPtr->GetHostServices() : nullptr;
    auto formatter = std::make_unique<PrintTypeFormatter>();
    formatter->initWithFilter(textEditFilterDataPtr, textEditIniDataPtr->maxLength, services);
    ControlPtr->setFormatter(formatter.get());
    printTypeFormatter_ = std::move(formatter);
    return true;
}

bool PrintTypeTextField::SetControlValueToUI()
{
    if (sharedBlock_ != nullptr && ctrlDataBlkPtr.IsAllocated()) ctrlDataBlkPtr.SetText(sharedBlock_->Text());
    return TextEditCtrl::SetControlValueToUI();
}

bool PrintTypeTextField::SetValueFromUIToControl()
{
    const bool copied = TextEditCtrl::SetValueFromUIToControl();
    if (copied && sharedBlock_ != nullptr) sharedBlock_->SetText(ctrlDataBlkPtr.Text());
    return copied;
}

bool PrintTypeTextField::GetValueToPreset()
{
    if (ctrlDataAccessInfoPtr == nullptr || ctrlDataAccessInfoPtr->ticketKey == nullptr ||
        ctrlParentPanelPtr == nullptr || !ctrlDataBlkPtr.IsAllocated())
        return false;
    const platform::PrintSettings* settings = ctrlParentPanelPtr->GetCurrentPMPrintSettings();
    std::string value;
    if (settings == nullptr || settings->GetValue(ctrlDataAccessInfoPtr->ticketKey, &value) != 0)
        return false;
    if (ctrlDataAccessInfoPtr->valueType == kCtrlValueTypePassword) {
        std::optional<std::string> plain = DecipherTicketText(value);
        if (!plain) return false;
        value = std::move(*plain);
    }
    ctrlDataBlkPtr.SetText(RestoredTicketText(value));
    ctrlDataSize = static_cast<uint32_t>(GetUTF8StringLength(std::string(ctrlDataBlkPtr.Text()).c_str()));
    return true;
}

const char* PrintTypeTextField::FilterMessageKey() const
{
    return textEditFilterDataPtr != nullptr ? textEditFilterDataPtr->errMsgKey : nullptr;
}

void PrintTypeTextField::ShowErrMsg() { ShowMessage(FilterMessageKey()); }

void PrintTypeTextField::ShowMessage(const char* key)
{
    if (key == nullptr || ctrlParentPanelPtr == nullptr) return;
    const platform::Bundle* bundle = ctrlParentPanelPtr->GetPDEBundleRef();
    if (bundle == nullptr) return;
    platform::HostServices* services = ctrlParentPanelPtr->GetHostServices();
    platform::ui::Toolkit* toolkit = services != nullptr ? services->WidgetToolkit() : nullptr;
    if (toolkit != nullptr) {
        std::string text = LocalizedString(bundle, key);
        if (const std::optional<std::string> number = MessageNumber())
            text = ReplaceNumberMark(text, *number);
        platform::ui::Alert alert;
        alert.iconPath = bundle->ResourcesDirectory() + "/AlertIcon.png";
        alert.informativeText = std::move(text);
        alert.informativeKey = key;
        alert.buttonTitles.push_back(LocalizedString(bundle, "Alert OK Btn"));
        alert.style = platform::ui::AlertStyle::Warning;
        toolkit->runAlert(alert);
    }
    if (ControlPtr != nullptr) ControlPtr->makeFirstResponder();
}

bool PrintTypeTextField::IsChecked() const
{
    return ControlPtr != nullptr && ControlPtr->isEnabled() && !ControlPtr->isHidden();
}

std::string_view PrintTypeTextField::StoredText() const
{
    return sharedBlock_ != nullptr ? sharedBlock_->Text() : ctrlDataBlkPtr.Text();
}

int PrintTypeTextField::GetSummaryText(SummaryDictionary& summary, SummaryOrder& order)
{
    if (summaryKey_ == nullptr || ctrlParentPanelPtr == nullptr) return 0;
    const platform::Bundle* bundle = ctrlParentPanelPtr->GetPDEBundleRef();
    const std::string title = LocalizedTitle(bundle, localizeTableName, summaryKey_);
    const std::string_view text = StoredText();
    const bool secret =
        ctrlDataAccessInfoPtr != nullptr && ctrlDataAccessInfoPtr->valueType == kCtrlValueTypePassword;
    AddSummaryLine(summary, order, title, secret ? MaskedSummaryText(text) : std::string(text));
    return 0;
}
