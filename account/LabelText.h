// Showing a label's text in code: a label's text is its title in the widget
// model, and the static-text controls also keep it as the field's string, so
// both are set; the localisation key it came from stays.
#pragma once

#include <string>
#include <string_view>

#include "platform/ui/Widget.h"

inline void ShowLabelText(platform::ui::Widget& label, std::string_view text)
{
    const std::string key = label.titleKey();
    label.setStringValue(text);
    label.setTitle(text);
    label.setTitleKey(key);
}
