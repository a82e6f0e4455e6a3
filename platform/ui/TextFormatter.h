// What a text field asks while a person types: whether the text it would hold
// after the keystroke may stand. The framework's TextEditFormatter answers it;
// the toolkit never owns a formatter.
#pragma once

#include <string>
#include <string_view>

namespace platform::ui {

class TextFormatter {
public:
    // YES when the partial string may stand (newEditingString may then hold
    // a replacement); NO refuses the keystroke, errorDescription says why.
    virtual bool isPartialStringValid(std::u16string_view partialString, std::u16string* newEditingString,
                                      std::u16string* errorDescription) const = 0;

protected:
    ~TextFormatter() = default;
};

} // namespace platform::ui
