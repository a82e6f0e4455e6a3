#include "features/windows/PFInchMMTextEditCtrl.h"

#include <algorithm>

#include "features/windows/PFInchMMLittleArrowControl.h"
#include "features/windows/PFInchMMTextEditFormatter.h"
#include "panelkit/panel/BasePrintPanel.h"
#include "platform/TextEncoding.h"

namespace {

// The first control of the update list (array 0) of the given kind other
// than the asking one.
template <typename Control>
Control* FirstListed(const BaseControl& asking, const BasePrintPanel* panel, const CnstrnInfo* records)
{
    if (panel == nullptr || records == nullptr) return nullptr;
    const CnstrnArray list = CnstrnEntry(records->updateLists, 0);
    if (list == nullptr) return nullptr;
    for (CnstrnArray entry = list; *entry != nullptr; ++entry) {
        auto* control = dynamic_cast<Control*>(panel->GetPanelControl(*entry));
        if (control != nullptr && control != &asking) return control;
    }
    return nullptr;
}

} // namespace

bool PFInchMMTextEditCtrl::CreateControl(platform::ui::Widget* control, const TextEditIniData* iniData,
                                         const CnstrnInfo* cnstrnInfo, const CtrlAccessInfo* accessInfo,
                                         std::optional<platform::PreferenceUser> user,
                                         const TextEditFilterData* filterData, const char* titleInfo,
                                         InchMMEditValueRange valueRange)
{
    TextEditCtrl::CreateControl(control, iniData, cnstrnInfo, accessInfo, user, filterData);
    titletextRef = titleInfo;
    inchMMEditValueRangeData = valueRange;
    pDisplay.fill('\0');
    return true;
}

std::unique_ptr<TextEditFormatter> PFInchMMTextEditCtrl::NewFormatter(platform::HostServices* services)
{
    auto formatter = std::make_unique<PFInchMMTextEditFormatter>();
    formatter->initWithFilter(textEditFilterDataPtr, &inchMMEditValueRangeData, GetEditMaxLength(), this,
                              services);
    return formatter;
}

uint32_t PFInchMMTextEditCtrl::GetEditMinLength() const
{
    return textEditIniDataPtr != nullptr ? textEditIniDataPtr->minLength : 0;
}

uint32_t PFInchMMTextEditCtrl::GetEditMaxLength() const
{
    return textEditIniDataPtr != nullptr ? textEditIniDataPtr->maxLength : 0;
}

bool PFInchMMTextEditCtrl::IsFieldHidden() const
{
    return ctrlHideCount > 0 || (ControlPtr != nullptr && ControlPtr->isHidden());
}

bool PFInchMMTextEditCtrl::ToValidate() const
{
    if (ControlPtr == nullptr || ctrlDataAccessInfoPtr == nullptr || !ctrlUIDataBlkPtr.IsAllocated())
        return false;
    return !IsFieldHidden() && ctrlConstrainCount <= 0;
}

bool PFInchMMTextEditCtrl::InvalidateDataAndReturnError()
{
    if (!ToValidate()) return true;
    const std::string_view text = ctrlUIDataBlkPtr.Text();
    return ctrlDataSize >= GetEditMinLength() && ctrlDataSize <= GetEditMaxLength() && IsNumberValid(text);
}

bool PFInchMMTextEditCtrl::InvalidateData()
{
    if (!PreInvalidateData() || InvalidateDataAndReturnError()) return true;
    ShowErrMsg();
    return false;
}

bool PFInchMMTextEditCtrl::UIEventHandler()
{
    if (ControlPtr == nullptr) return false;
    if (const TextEditFormatter* formatter = GetFormatter()) {
        const std::u16string text =
            platform::Utf8ToUtf16(ControlPtr->stringValue()).value_or(std::u16string());
        std::any object;
        formatter->getObjectValue(&object, text, nullptr);
    }
    OnLostFocus();
    return true;
}

int PFInchMMTextEditCtrl::OnRawKeyUp(std::string_view text)
{
    KeepUIText(text);
    if (PFInchMMLittleArrowControl* stepper = GetLittleArrayForNumberEdit())
        stepper->SetStepperValue(ScaledValueOfText(text));
    DoControlUpdateConstrain();
    return 0;
}

void PFInchMMTextEditCtrl::OnLostFocus()
{
    Update();
    DoControlUpdateConstrain();
}

int PFInchMMTextEditCtrl::Update()
{
    if (!IsFieldHidden()) return 0;
    const PFInchMMTextEditCtrl* visible = GetTextEditForNumberEdit();
    if (visible == nullptr) return 0;
    const std::string visibleText = visible->GetScreenText();
    if (!visible->IsNumberValid(visibleText)) return 0;
    const std::optional<std::string> converted = ConvertedTextOf(visibleText);
    if (!converted) return 0;
    ShowUIText(*converted);
    if (PFInchMMLittleArrowControl* stepper = GetLittleArrayForNumberEdit())
        stepper->SetStepperValue(ScaledValueOfText(*converted));
    return 0;
}

void PFInchMMTextEditCtrl::CorrectCtrlUI()
{
    const PFInchMMLittleArrowControl* stepper = GetLittleArrayForNumberEdit();
    if (stepper == nullptr || stepper->GetControlPtr() == nullptr) {
        TextEditCtrl::CorrectCtrlUI();
        return;
    }
    const std::string text = TextOfScaledValue(stepper->GetControlPtr()->intValue());
    pDisplay.fill('\0');
    std::copy_n(text.begin(), std::min(text.size(), pDisplay.size() - 1), pDisplay.begin());
    ShowUIText(pDisplay.data());
}

std::string PFInchMMTextEditCtrl::GetScreenText() const
{
    return ControlPtr != nullptr ? ControlPtr->stringValue() : std::string();
}

void PFInchMMTextEditCtrl::KeepUIText(std::string_view text)
{
    if (!ctrlUIDataBlkPtr.IsAllocated()) return;
    if (text.empty())
        ctrlUIDataBlkPtr.Clear();
    else
        ctrlUIDataBlkPtr.SetText(text);
    // The number fields hold ASCII only: the display length is the byte count.
    ctrlDataSize = static_cast<uint32_t>(ctrlUIDataBlkPtr.Text().size());
}

void PFInchMMTextEditCtrl::ShowUIText(std::string_view text)
{
    if (ControlPtr != nullptr) ControlPtr->setStringValue(text);
    KeepUIText(text);
}

void PFInchMMTextEditCtrl::SetDataText(std::string_view text)
{
    if (!ctrlDataBlkPtr.IsAllocated()) return;
    ctrlDataBlkPtr.SetText(text);
    SetControlValueToUI();
    KeepUIText(text);
}

std::string PFInchMMTextEditCtrl::GetDataText() const
{
    return ctrlDataBlkPtr.IsAllocated() ? std::string(ctrlDataBlkPtr.Text()) : std::string();
}

PFInchMMLittleArrowControl* PFInchMMTextEditCtrl::GetLittleArrayForNumberEdit() const
{
    return FirstListed<PFInchMMLittleArrowControl>(*this, ctrlParentPanelPtr, ctrlConstrainControlArray);
}

PFInchMMTextEditCtrl* PFInchMMTextEditCtrl::GetTextEditForNumberEdit() const
{
    return FirstListed<PFInchMMTextEditCtrl>(*this, ctrlParentPanelPtr, ctrlConstrainControlArray);
}

bool PFInchMMTextEditCtrl::ToGetSummaryText() { return !IsFieldHidden(); }

std::string PFInchMMTextEditCtrl::SummaryValueText() { return GetDataText(); }

int PFInchMMTextEditCtrl::GetSummaryText(SummaryDictionary& summary, SummaryOrder& order)
{
    if (titletextRef == nullptr || !ctrlDataBlkPtr.IsAllocated() || !ToGetSummaryText()) return 0;
    const std::string title = Localized(titletextRef);
    if (summary.find(title) == summary.end()) order.push_back(title);
    summary[title] = SummaryValueText();
    return 0;
}

std::string PFInchMMTextEditCtrl::Localized(const char* key) const
{
    return LocalizedString(ctrlParentPanelPtr != nullptr ? ctrlParentPanelPtr->GetPDEBundleRef() : nullptr,
                           key);
}
