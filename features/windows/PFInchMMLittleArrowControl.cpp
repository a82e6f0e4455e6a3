#include "features/windows/PFInchMMLittleArrowControl.h"

#include <algorithm>
#include <charconv>
#include <cstring>

#include "features/windows/ListedFieldsCheck.h"
#include "features/windows/PFInchMMTextEditCtrl.h"
#include "panelkit/panel/BasePrintPanel.h"

bool PFInchMMLittleArrowControl::CreateControl(platform::ui::Widget* control,
                                               const LittleArrayIniData* iniData,
                                               const CnstrnInfo* cnstrnInfo, const CtrlAccessInfo* accessInfo,
                                               std::optional<platform::PreferenceUser> user,
                                               const char* titleStr,
                                               std::vector<const int32_t*> validateArray)
{
    LittleArrayControl(control, iniData, cnstrnInfo, accessInfo, user, titleStr);
    ControlValidateArray = std::move(validateArray);
    return true;
}

void PFInchMMLittleArrowControl::Beep() const
{
    platform::HostServices* services =
        ctrlParentPanelPtr != nullptr ? ctrlParentPanelPtr->GetHostServices() : nullptr;
    if (services != nullptr) services->Beep();
}

bool PFInchMMLittleArrowControl::InvalidateRelateControlData()
{
    return ListedFieldsPass(ctrlParentPanelPtr, ControlValidateArray);
}

bool PFInchMMLittleArrowControl::UIEventHandler()
{
    if (ControlPtr == nullptr) return false;
    const int32_t stepped = ControlPtr->intValue();
    if (!InvalidateRelateControlData()) {
        // The refused text stays for the person to mend; the arrows do not move.
        ShowValue(lastValue);
        return false;
    }
    if (!IsOwnValue(stepped) || stepped == lastValue) {
        ShowValue(lastValue);
        Beep();
        return false;
    }
    SetStepperValue(stepped);
    return LittleArray::UIEventHandler();
}

int PFInchMMLittleArrowControl::DoControlUpdateConstrain()
{
    PFInchMMTextEditCtrl* edit = GetNumberEditFromLittleArrow();
    if (edit == nullptr || ControlPtr == nullptr) return 0;
    edit->ShowUIText(edit->TextOfScaledValue(ControlPtr->intValue()));
    edit->DoControlUpdateConstrain();
    return 0;
}

int PFInchMMLittleArrowControl::Update()
{
    const PFInchMMTextEditCtrl* edit = GetNumberEditFromLittleArrow();
    if (edit == nullptr) return 0;
    const std::string text = edit->GetScreenText();
    if (edit->IsNumberValid(text)) SetStepperValue(edit->ScaledValueOfText(text));
    return 0;
}

void PFInchMMLittleArrowControl::SetStepperValue(int32_t value)
{
    if (ControlPtr != nullptr) ShowValue(value);
    if (ctrlUIDataBlkPtr.IsAllocated()) ctrlUIDataBlkPtr.SetInt(value);
    lastValue = value;
}

bool PFInchMMLittleArrowControl::SetControlValueToUI()
{
    if (!LittleArray::SetControlValueToUI()) return false;
    lastValue = ctrlDataBlkPtr.Int();
    return true;
}

bool PFInchMMLittleArrowControl::SetExternalValueToUI(const void* bytes, std::size_t size)
{
    if (!LittleArray::SetExternalValueToUI(bytes, size)) return false;
    std::memcpy(&lastValue, bytes, sizeof lastValue);
    return true;
}

bool PFInchMMLittleArrowControl::ConvertToTickectData(std::span<char> buffer)
{
    if (!ctrlDataBlkPtr.IsAllocated() || buffer.empty()) return false;
    std::fill(buffer.begin(), buffer.end(), '\0');
    const auto [end, error] =
        std::to_chars(buffer.data(), buffer.data() + buffer.size() - 1, TicketValueOf(ctrlDataBlkPtr.Int()));
    return error == std::errc();
}

bool PFInchMMLittleArrowControl::GetValueToPreset()
{
    if (!ctrlDataBlkPtr.IsAllocated()) return false;
    const std::optional<int32_t> ticketValue = IntValueFromTicket();
    if (!ticketValue || !StoreRestoredInt(ValueOfTicket(*ticketValue))) return false;
    SetControlValueToUI();
    // The field shows the distance the stepper read back (its own text
    // would otherwise stay at its default beside it).
    if (PFInchMMTextEditCtrl* edit = GetNumberEditFromLittleArrow())
        edit->SetDataText(edit->TextOfScaledValue(ctrlDataBlkPtr.Int()));
    return true;
}

PFInchMMTextEditCtrl* PFInchMMLittleArrowControl::GetNumberEditFromLittleArrow() const
{
    if (ctrlParentPanelPtr == nullptr || ctrlConstrainControlArray == nullptr) return nullptr;
    const CnstrnArray list = CnstrnEntry(ctrlConstrainControlArray->updateLists, 0);
    if (list == nullptr) return nullptr;
    for (CnstrnArray entry = list; *entry != nullptr; ++entry) {
        if (auto* edit = dynamic_cast<PFInchMMTextEditCtrl*>(ctrlParentPanelPtr->GetPanelControl(*entry)))
            return edit;
    }
    return nullptr;
}
