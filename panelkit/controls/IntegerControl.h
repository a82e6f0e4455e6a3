// What the integer-valued standard controls (check box, radio button, pop-up
// list, stepper) share: 4-byte blocks holding one 32-bit integer, the decimal
// preference and ticket forms, and the copies between screen and blocks. Each
// control says only how its widget shows and reads the integer and which
// values are its own.
#pragma once

#include <cstdint>
#include <optional>
#include <span>

#include "panelkit/control/BaseControl.h"

class IntegerControl : public BaseControl {
public:
    // setIntValue (or the control's own way of showing) with the data block.
    bool SetControlValueToUI() override;
    // Shows the first 32-bit word of the bytes, only while the widget is
    // enabled: a disabled control keeps what it shows (NO).
    bool SetExternalValueToUI(const void* bytes, std::size_t size) override;
    // The screen's integer into the UI data block; the block, or null.
    const unsigned char* GetValueFromUI() override;
    // Copies the integer when the widget exists.
    bool SetValueFromUIToControl() override;
    const unsigned char* GetValueFromControl() override;
    bool GetValueToPreset() override { return GetIntValueToPresetFromTicket(); }

    // "%d" of the data block.
    bool ConvertToPreferenceString(std::span<char> buffer) override;
    bool ConvertToTickectData(std::span<char> buffer) override;
    // The decimal value of the string (leading blanks, a sign, digits)
    // becomes the data block when it is one of the control's own; a string
    // without a number is refused, so the default stands.
    bool ConvertFromPreferenceString(const char* string) override;

    uint32_t GetDefaultDataSize() override { return GetDefaultDataBlk() != nullptr ? 4 : 0; }
    uint32_t GetIniDataSize() override { return GetIniDataBlk() != nullptr ? 4 : 0; }

protected:
    // Both 4-byte blocks, zeroed; ctrlDataSize 4.
    void AllocateIntegerBlocks();

    // How the widget shows and reads the integer; only called with a widget.
    virtual void ShowValue(int32_t value) { ControlPtr->setIntValue(value); }
    virtual int32_t ScreenValue() const { return ControlPtr->intValue(); }

    // The integer in the UI data block, the value before the change that
    // the constraint rules release; nothing without the block.
    std::optional<int32_t> UIBlockValue() const;
};
