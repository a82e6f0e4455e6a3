// A modal window (NSWindow run with runModalForWindow:). runModal shows it and
// takes a person's actions from the toolkit's event source until stopModal is
// called; then it returns. close hides it.
#pragma once

#include <string>
#include <string_view>

#include "platform/ui/View.h"

namespace platform::ui {

class Window {
public:
    virtual ~Window() = default;

    virtual std::string title() const = 0;
    virtual void setTitle(std::string_view title) = 0;
    virtual View& contentView() = 0;

    // Shows the window and runs it modally; returns after stopModal.
    virtual void runModal() = 0;
    // Ends the modal run (NSApp stopModal); the window stays shown until closed.
    virtual void stopModal() = 0;
    virtual void close() = 0;
    virtual bool isOpen() const = 0;

    // The widget with the keyboard focus, or null.
    virtual Widget* firstResponder() const = 0;
};

} // namespace platform::ui
