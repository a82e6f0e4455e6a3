// The widget toolkit the host hands every extension (through HostServices):
// it makes views and windows, from code or from a bundle's layout resource,
// runs alerts and measures text. The headless toolkit (recorded widgets, a
// script as the event source) and a window system's toolkit both stand
// behind it; the framework and the extensions see nothing else.
#pragma once

#include <memory>
#include <string_view>

#include "platform/Bundle.h"
#include "platform/ui/Alert.h"
#include "platform/ui/View.h"
#include "platform/ui/Window.h"

namespace platform::ui {

class Toolkit {
public:
    virtual ~Toolkit() = default;

    virtual std::unique_ptr<View> createView(const Rect& frame) = 0;
    // A view built from the bundle's layout resource: one widget per outlet,
    // titles localised in the strings table (the key kept as titleKey).
    // Null when the layout is missing or malformed.
    virtual std::unique_ptr<View> loadView(const Bundle& bundle, std::string_view layoutName,
                                           std::string_view table) = 0;

    // A window owned by the caller and listed under the owner view (a
    // panel's view, or the content view of the window that opens it).
    virtual std::unique_ptr<Window> createWindow(std::string_view title, const Rect& frame, View* owner) = 0;
    // The same from a layout resource; the title is the layout's title key
    // localised. Null when the layout is missing or malformed.
    virtual std::unique_ptr<Window> loadWindow(const Bundle& bundle, std::string_view layoutName,
                                               std::string_view table, View* owner) = 0;

    // Runs the alert modally; the index of the button pressed.
    virtual int runAlert(const Alert& alert) = 0;

    // Width in points of the text in the system font, as sizeToFit measures it.
    virtual double textWidth(std::string_view text) const = 0;
};

} // namespace platform::ui
