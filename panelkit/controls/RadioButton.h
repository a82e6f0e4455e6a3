// One radio button of a RadioGroup: a switch holding 0 or 1 whose
// constraint lists work as a check box's. Choosing it makes it its group's
// current button; the panel lists every sibling in each button's update
// lists, so the siblings switch themselves off in Update and release their
// lists.
#pragma once

#include <optional>
#include <string_view>

#include "panelkit/controls/CheckBox.h"

class RadioGroup;

class RadioButton : public CheckBox {
public:
    // The creator, named after the class: the widget, the record (with its
    // summary title key), the constraint lists, the access record, the user.
    RadioButton(platform::ui::Widget* control, const CheckBoxIniData* iniData, const CnstrnInfo* cnstrnInfo,
                const CtrlAccessInfo* accessInfo, std::optional<platform::PreferenceUser> user);

    // Shows the value; a value above 0 makes this the group's current button.
    bool SetControlValueToUI() override;
    // The same for a value not from the data block, shown even while
    // disabled; answers whether the button is enabled.
    bool SetExternalValueToUI(const void* bytes, std::size_t size) override;
    // Stores the first 32-bit word as the value (at least 4 bytes); above 0
    // the button becomes current.
    bool setExternalValueToData(const void* bytes, std::size_t size, int valueType) override;
    // Reads the ticket's value and shows it.
    bool GetValueToPreset() override;

    // Makes this button current, runs the rules, then reads every button of
    // the group (this one alone without a group).
    bool UIEventHandler() override;
    // With no current button in the group, button 0 becomes current; then
    // the rules and this button's screen value.
    bool SimulationUIEventHandler() override;
    // Sent through a sibling's update list: unless this button is the
    // group's current one, it goes off and runs its rules. Below version
    // code 0x1080 only a button that is on does so. A button whose own
    // handler is running ignores it: in a group of three or more, two off
    // buttons whose UI blocks still hold -1 would otherwise update each other
    // without end.
    int Update() override;

    uint32_t GetCtrlDataSize() const { return 4; }

    void SetCtrlGrp(RadioGroup* group) { RadioGrpPtr = group; }
    RadioGroup* GetCtrlGrp() const { return RadioGrpPtr; }
    // This button's position in its group's list, found by tag; -1 when
    // not listed or without a group.
    int GetRadioIndex() const;
    // Makes GetRadioIndex the group's current button.
    void SetGrpcurRadio();

    std::string_view ControlClassName() const override { return "RadioButton"; }

protected:
    RadioGroup* RadioGrpPtr = nullptr; // not owned
    const CheckBoxIniData* radiobuttonIniDataPtr = nullptr;

private:
    bool handlingEvent_ = false; // UIEventHandler or SimulationUIEventHandler is running
};
