// The formatter a text field carries while the user types: each keystroke's
// result is refused, with a beep, when a character is outside the field's
// ranges or the text grows beyond the field's maximum display length. The
// field (a widget of the toolkit) asks it through platform::ui::TextFormatter;
// the control that installs it owns it.
#pragma once

#include <any>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "panelkit/InputFilter.h"
#include "platform/HostServices.h"
#include "platform/ui/TextFormatter.h"

class TextEditFormatter : public platform::ui::TextFormatter {
public:
    virtual ~TextEditFormatter() = default;

    // Stores all three; the filter record is static and not owned. The
    // host's services sound the beep; null for none.
    TextEditFormatter* initWithFilter(const TextEditFilterData* filter, uint32_t maxLength,
                                      platform::HostServices* services);

    // YES, with newEditingString set to the partial string, when the partial
    // string passes validateInput and measures at most maxlength; otherwise
    // errorDescription becomes "String too long.", the host beeps, and NO.
    bool isPartialStringValid(std::u16string_view partialString, std::u16string* newEditingString,
                              std::u16string* errorDescription) const override;

    // The object value of a text is the text itself. Asked when the field
    // commits its text; formatters of number fields check the whole text.
    virtual bool getObjectValue(std::any* object, std::u16string_view string,
                                std::u16string* errorDescription) const;

    // The object when it holds a string, else nothing.
    std::optional<std::u16string> stringForObjectValue(const std::any& object) const;

    const TextEditFilterData* FilterDataPtr = nullptr;
    uint32_t maxlength = 0;
    platform::HostServices* hostServices = nullptr;
};
