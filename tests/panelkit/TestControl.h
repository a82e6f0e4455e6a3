// A control of the tests' own: an integer (4-byte blocks) or a text
// (256-byte blocks) converted as plain decimal or the text itself, with
// switches for the hooks the base behaviour consults and a log of the
// lifecycle steps it receives.
#pragma once

#include <cstring>
#include <string>
#include <vector>

#include "panelkit/control/BaseControl.h"
#include "panelkit/control/IntValueText.h"
#include "tests/support/PanelTestHost.h"

class TestControl : public BaseControl {
public:
    TestControl(platform::ui::Widget* widget, const CtrlAccessInfo* access, bool text = false,
                platform::PreferenceUser user = platform::PreferenceUser::Current,
                const CnstrnInfo* constraints = nullptr)
        : text_(text)
    {
        CreateControl(widget);
        ctrlDataAccessInfoPtr = access;
        ctrlConstrainControlArray = constraints;
        userNameinPreference = user;
        ctrlDataBlkPtr.Allocate(text ? kTextBlockSize : 4);
        ctrlUIDataBlkPtr.Allocate(text ? kTextBlockSize : 4);
    }
    std::string_view ControlClassName() const override { return "TestControl"; }

    bool ReInitializeCtrl(const platform::Bundle*, ppd_file_t*) override { return Log("ReInitializeCtrl"); }
    bool SetUIValueToIniData() override
    {
        return Log("SetUIValueToIniData") && BaseControl::SetUIValueToIniData();
    }
    bool SetControlValueToUI() override { return Log("SetControlValueToUI"); }
    bool SimulationUIEventHandler() override
    {
        return Log("Simulation") && BaseControl::SimulationUIEventHandler();
    }
    int Update() override { return ++updates, 0; }

    bool ConvertToPreferenceString(std::span<char> buffer) override
    {
        const std::string text = text_ ? Text() : std::to_string(Value());
        std::memcpy(buffer.data(), text.data(), std::min(text.size(), buffer.size()));
        return !failConvert;
    }
    bool ConvertFromPreferenceString(const char* string) override
    {
        if (text_) return ctrlDataBlkPtr.SetText(string), true;
        const std::optional<int32_t> value = IntValueOfText(string);
        return value && StoreRestoredInt(*value);
    }
    bool ConvertToTickectData(std::span<char> buffer) override { return ConvertToPreferenceString(buffer); }
    bool GetValueToPreset() override { return GetIntValueToPresetFromTicket(); }
    bool IsOwnValue(int32_t value) const override { return value == 0 || value == 1; }
    const void* GetDefaultDataBlk() override { return &defaultValue; }
    uint32_t GetDefaultDataSize() override { return text_ ? 0 : 4; }
    const void* GetIniDataBlk() override { return &iniValue; }
    uint32_t GetIniDataSize() override { return text_ ? 0 : 4; }
    int GetCurrentControlArrayNumber() override { return arrayNumber; }
    bool IsOutputNullToTicket() override { return outputNull; }

    int32_t Value() const { return ctrlDataBlkPtr.Int(); }
    void SetValue(int32_t value) { ctrlDataBlkPtr.SetInt(value); }
    std::string Text() const { return std::string(ctrlDataBlkPtr.Text()); }
    void SetText(std::string_view text) { ctrlDataBlkPtr.SetText(text); }

    int32_t defaultValue = 0, iniValue = -1;
    int arrayNumber = 0, updates = 0;
    bool failConvert = false, outputNull = false;
    std::vector<std::string>* log = nullptr;

private:
    bool Log(const char* step)
    {
        if (log != nullptr) log->push_back(std::string(step) + " " + std::to_string(ControlPtr->tag()));
        return true;
    }
    bool text_;
};

// A new control on a new widget tagged with the ID, given to the panel.
template <typename... Args>
TestControl* AddTestControl(BasePrintPanel& panel, int32_t id, Args&&... args)
{
    auto control = std::make_unique<TestControl>(
        testing_support::PanelTestHost::AddWidget(panel, platform::ui::WidgetKind::CheckBox, id),
        std::forward<Args>(args)...);
    TestControl* raw = control.get();
    panel.RunTimeAddNewControl(std::move(control));
    return raw;
}
