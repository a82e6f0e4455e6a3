// The little arrows (stepper) of a number field. A click first checks the
// text edits it names (its ControlValidateArray): while one holds a refused
// text, that field's message is shown and the stepper stays where it was.
// Otherwise a new value within the range is shown and written into the
// field as text; a click at a bound (no new value) beeps.
//
// Its value in the print settings and back may differ from the value it
// holds (the booklet millimetres travel doubled): TicketValueOf and
// ValueOfTicket are the hooks.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "panelkit/controls/LittleArray.h"

class PFInchMMTextEditCtrl;

class PFInchMMLittleArrowControl : public LittleArray {
public:
    // CreateControl:IniData:Constrain:AccessInfo:usernamein:titleStr:validateArray:
    // validateArray: the IDs of the text edits checked before each step.
    bool CreateControl(platform::ui::Widget* control, const LittleArrayIniData* iniData,
                       const CnstrnInfo* cnstrnInfo, const CtrlAccessInfo* accessInfo,
                       std::optional<platform::PreferenceUser> user, const char* titleStr,
                       std::vector<const int32_t*> validateArray);

    // The click (the widget already shows the stepped value): see above.
    bool UIEventHandler() override;
    // Every text edit of ControlValidateArray, read from the screen, passes
    // its OK check (a refusing one has shown its message).
    virtual bool InvalidateRelateControlData();
    // The value as text into the field, which then updates its dependants
    // (the other unit follows).
    int DoControlUpdateConstrain() override;
    // Sent by the field: the value of its text, when the field accepts it.
    int Update() override;

    // Sets the value on screen, in the UI data and as the last value.
    void SetStepperValue(int32_t value);
    // The value shown (the data block), kept as the last value.
    bool SetControlValueToUI() override;
    bool SetExternalValueToUI(const void* bytes, std::size_t size) override;

    // The print-settings value of the held value, and back.
    virtual int32_t TicketValueOf(int32_t value) const { return value; }
    virtual int32_t ValueOfTicket(int32_t ticketValue) const { return ticketValue; }
    // Decimal text of TicketValueOf.
    bool ConvertToTickectData(std::span<char> buffer) override;
    // The print settings' value through ValueOfTicket, when it lies in the
    // range: kept, shown, and written as text into the field.
    bool GetValueToPreset() override;

    // The text edit it steps, found in its update lists.
    PFInchMMTextEditCtrl* GetNumberEditFromLittleArrow() const;
    const std::vector<const int32_t*>& GetControlValidateArray() const { return ControlValidateArray; }

    std::string_view ControlClassName() const override { return "PFInchMMLittleArrowControl"; }

protected:
    void Beep() const;

    std::vector<const int32_t*> ControlValidateArray;
};
