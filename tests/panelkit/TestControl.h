// A control of the tests' own over BaseControl: an integer (4-byte blocks)
// or a text (256-byte blocks) whose conversions are plain decimal or the
// text itself, with switches for the hooks the base behaviour consults, and a
// log of the lifecycle steps it receives.
#pragma once

#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "panelkit/control/BaseControl.h"
#include "panelkit/control/IntValueText.h"
#include "panelkit/panel/BasePrintPanel.h"
#include "tests/support/PanelTestHost.h"

class TestControl : public BaseControl {
public:
    enum class Form { Integer, Text };

    TestControl(platform::ui::Widget* widget, const CtrlAccessInfo* access, Form form = Form::Integer,
                std::optional<platform::PreferenceUser> user = platform::PreferenceUser::Current,
                const CnstrnInfo* constraints = nullptr)
        : form_(form)
    {
        CreateControl(widget);
        ctrlDataAccessInfoPtr = access;
        ctrlConstrainControlArray = constraints;
        userNameinPreference = user;
    }

    std::string_view ControlClassName() const override { return "TestControl"; }

    bool InitializeCtrl(const platform::Bundle* bundle, ppd_file_t* ppd) override
    {
        BaseControl::InitializeCtrl(bundle, ppd);
        const std::size_t size = form_ == Form::Integer ? 4 : kTextBlockSize;
        ctrlDataBlkPtr.Allocate(size);
        ctrlUIDataBlkPtr.Allocate(size);
        if (form_ == Form::Integer) ctrlDataSize = 4;
        return true;
    }
    bool ReInitializeCtrl(const platform::Bundle*, ppd_file_t*) override { return Log("ReInitializeCtrl"); }
    void ResetStatus() override
    {
        Log("ResetStatus");
        BaseControl::ResetStatus();
    }
    bool SetUIValueToIniData() override
    {
        Log("SetUIValueToIniData");
        return BaseControl::SetUIValueToIniData();
    }
    bool SetControlValueToUI() override { return Log("SetControlValueToUI"); }
    bool SimulationUIEventHandler() override
    {
        Log("SimulationUIEventHandler");
        return BaseControl::SimulationUIEventHandler();
    }
    int Update() override
    {
        ++updates;
        return 0;
    }

    bool ConvertToPreferenceString(std::span<char> buffer) override
    {
        if (failConvert) return false;
        const std::string text = form_ == Form::Integer ? std::to_string(Value()) : Text();
        std::memcpy(buffer.data(), text.data(), std::min(text.size(), buffer.size()));
        return true;
    }
    bool ConvertFromPreferenceString(const char* string) override
    {
        if (form_ == Form::Text) return ctrlDataBlkPtr.SetText(string), true;
        const std::optional<int32_t> value = IntValueOfText(string);
        return value && StoreRestoredInt(*value);
    }
    bool ConvertToTickectData(std::span<char> buffer) override { return ConvertToPreferenceString(buffer); }
    bool GetValueToPreset() override { return GetIntValueToPresetFromTicket(); }
    bool IsOwnValue(int32_t value) const override { return value >= minimum && value <= maximum; }
    const void* GetDefaultDataBlk() override { return &defaultValue; }
    uint32_t GetDefaultDataSize() override { return form_ == Form::Integer ? 4 : 0; }
    const void* GetIniDataBlk() override { return &iniValue; }
    uint32_t GetIniDataSize() override { return form_ == Form::Integer ? 4 : 0; }
    int GetCurrentControlArrayNumber() override { return arrayNumber; }
#if QV_PANELKIT_FEATURES
    bool IsOutputNullToTicket() override { return outputNull; }
#endif

    int32_t Value() const { return ctrlDataBlkPtr.Int(); }
    void SetValue(int32_t value) { ctrlDataBlkPtr.SetInt(value); }
    std::string Text() const { return std::string(ctrlDataBlkPtr.Text()); }
    void SetText(std::string_view text) { ctrlDataBlkPtr.SetText(text); }
    int32_t UIValue() const { return ctrlUIDataBlkPtr.Int(); }

    int32_t minimum = 0;
    int32_t maximum = 1;
    int32_t defaultValue = 0;
    int32_t iniValue = -1;
    int arrayNumber = 0;
    bool failConvert = false;
    bool outputNull = false;
    int updates = 0;
    std::vector<std::string>* log = nullptr;

private:
    bool Log(const char* step)
    {
        if (log != nullptr) log->push_back(std::string(step) + " " + std::to_string(tag()));
        return true;
    }
    int tag() const { return ControlPtr != nullptr ? ControlPtr->tag() : -1; }

    Form form_;
};

// A new control on a new widget of the panel, given to the panel and
// initialised; the panel owns it.
inline TestControl*
AddTestControl(BasePrintPanel& panel, int32_t id, const CtrlAccessInfo* access,
               TestControl::Form form = TestControl::Form::Integer,
               std::optional<platform::PreferenceUser> user = platform::PreferenceUser::Current,
               const CnstrnInfo* constraints = nullptr)
{
    platform::ui::Widget* widget =
        testing_support::PanelTestHost::AddWidget(panel, platform::ui::WidgetKind::CheckBox, id);
    auto control = std::make_unique<TestControl>(widget, access, form, user, constraints);
    TestControl* raw = control.get();
    panel.RunTimeAddNewControl(std::move(control));
    raw->InitializeCtrl(nullptr, nullptr);
    return raw;
}
