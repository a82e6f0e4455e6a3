// One entry of the headless toolkit's log of what a person would have seen,
// in the order it happened: windows opening and closing, alerts, keyboard
// focus and beeps. The host writes it out with its snapshot.
#pragma once

#include <string>

namespace host {

struct UiEvent {
    std::string event;   // "window-opened", "window-closed", "alert", "focus", "beep" or "layout-refused"
    std::string title{}; // window events: the window's title; layout-refused: the layout's name
    std::string key{};   // alert: the localisation key of the informative text
    std::string text{};  // alert: the informative text; layout-refused: the reason
    int tag = 0;         // focus: the tag of the widget that took the focus
    bool operator==(const UiEvent&) const = default;
};

} // namespace host
