#include "panelkit/controls/RadioButton.h"

#include <cstring>

#include "panelkit/UtilityFunction.h"
#include "panelkit/controls/RadioGroup.h"

namespace {

// From this version code on, Update switches a sibling off and runs its
// rules even when it is already off.
constexpr int32_t kUpdateEveryButtonVersion = 0x1080;

// Marks a button's handler as running for the scope.
class HandlingEvent {
public:
    explicit HandlingEvent(bool& flag) : flag_(flag), was_(flag) { flag_ = true; }
    ~HandlingEvent() { flag_ = was_; }
    HandlingEvent(const HandlingEvent&) = delete;
    HandlingEvent& operator=(const HandlingEvent&) = delete;

private:
    bool& flag_;
    bool was_;
};

} // namespace

RadioButton::RadioButton(platform::ui::Widget* control, const CheckBoxIniData* iniData,
                         const CnstrnInfo* cnstrnInfo, const CtrlAccessInfo* accessInfo,
                         std::optional<platform::PreferenceUser> user)
{
    CreateCheckBox(control, iniData, cnstrnInfo, accessInfo, user);
    radiobuttonIniDataPtr = iniData;
}

bool RadioButton::SetControlValueToUI()
{
    if (!CheckBox::SetControlValueToUI()) return false;
    if (ctrlDataBlkPtr.Int() > 0) SetGrpcurRadio();
    return true;
}

bool RadioButton::SetExternalValueToUI(const void* bytes, std::size_t size)
{
    if (ControlPtr == nullptr || bytes == nullptr || size < sizeof(int32_t)) return false;
    int32_t value = 0;
    std::memcpy(&value, bytes, sizeof value);
    ShowValue(value);
    if (value > 0) SetGrpcurRadio();
    return ControlPtr->isEnabled();
}

bool RadioButton::setExternalValueToData(const void* bytes, std::size_t size, int /*valueType*/)
{
    if (bytes == nullptr || size < sizeof(int32_t) || !ctrlDataBlkPtr.IsAllocated()) return false;
    int32_t value = 0;
    std::memcpy(&value, bytes, sizeof value);
    ctrlDataBlkPtr.SetInt(value);
    if (value > 0) SetGrpcurRadio();
    return true;
}

bool RadioButton::GetValueToPreset()
{
    if (!GetIntValueToPresetFromTicket()) return false;
    SetControlValueToUI();
    return true;
}

bool RadioButton::UIEventHandler()
{
    const HandlingEvent handling(handlingEvent_);
    SetGrpcurRadio();
    BaseControl::UIEventHandler();
    if (RadioGrpPtr != nullptr)
        RadioGrpPtr->GetValueFromUI();
    else
        GetValueFromUI();
    return true;
}

bool RadioButton::SimulationUIEventHandler()
{
    const HandlingEvent handling(handlingEvent_);
    if (RadioGrpPtr != nullptr && RadioGrpPtr->GetcurRadio() < 0) RadioGrpPtr->SetcurRadio(0);
    BaseControl::SimulationUIEventHandler();
    GetValueFromUI();
    return true;
}

int RadioButton::Update()
{
    const int current = RadioGrpPtr != nullptr ? RadioGrpPtr->GetcurRadio() : -1;
    if (handlingEvent_ || current == GetRadioIndex() || ControlPtr == nullptr) return 0;
    int32_t version = 0;
    Gestalt_ALT(gestaltSystemVersion, &version);
    if (version < kUpdateEveryButtonVersion && ControlPtr->intValue() == 0) return 0;
    ControlPtr->setIntValue(0);
    SimulationUIEventHandler();
    return 0;
}

int RadioButton::GetRadioIndex() const
{
    if (RadioGrpPtr == nullptr || ControlPtr == nullptr) return -1;
    const std::vector<RadioButton*>& buttons = RadioGrpPtr->GetRadioButtons();
    for (std::size_t index = 0; index < buttons.size(); ++index) {
        const platform::ui::Widget* widget = buttons[index]->GetControlPtr();
        if (widget != nullptr && widget->tag() == ControlPtr->tag()) return static_cast<int>(index);
    }
    return -1;
}

void RadioButton::SetGrpcurRadio()
{
    if (RadioGrpPtr != nullptr) RadioGrpPtr->SetcurRadio(GetRadioIndex());
}
