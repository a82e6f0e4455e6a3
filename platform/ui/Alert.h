// An alert window (NSAlert): what it shows and how it looks. The toolkit runs
// it modally and answers the button pressed.
#pragma once

#include <string>
#include <vector>

namespace platform::ui {

enum class AlertStyle { Warning, Informational, Critical };

struct Alert {
    std::string iconPath;                  // image file, e.g. the bundle's AlertIcon.png; empty for none
    std::string messageText;               // the bold line
    std::string informativeText;           // the explanation, localised
    std::string informativeKey;            // the localisation key informativeText came from
    std::vector<std::string> buttonTitles; // first is the default button
    AlertStyle style = AlertStyle::Warning;
};

// runAlert answers 0 for the first button, 1 for the second, ...
inline constexpr int kAlertFirstButtonReturn = 0;

} // namespace platform::ui
