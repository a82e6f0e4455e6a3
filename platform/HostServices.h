// What the host does for an extension: find the bundles it has loaded, sound
// the beep, show help pages and lend its widget toolkit. An extension bundle links its own copy of the
// platform layer, so anything it kept in a static of its own would never reach
// the host; it asks the host's object instead, which it gets through
// PrintDialogHost::hostServices.
#pragma once

#include <memory>
#include <string_view>

#include "platform/Bundle.h"
#include "platform/ui/Toolkit.h"

namespace platform {

class HostServices {
public:
    virtual ~HostServices() = default;

    // A bundle the host has loaded, by its identifier (CFBundleGetBundleWithIdentifier);
    // null when there is none.
    virtual std::shared_ptr<const Bundle> BundleWithIdentifier(std::string_view identifier) const = 0;

    // The system beep (NSBeep).
    virtual void Beep() = 0;

    // AHRegisterHelpBook and AHGotoPage, with the statuses of HelpViewer.
    virtual int RegisterHelpBook(const Bundle& bundle) = 0;
    virtual int GotoHelpPage(std::string_view bookName, std::string_view pagePath,
                             std::string_view anchor) = 0;

    // The widget toolkit: views, windows, alerts, text measurement. Null in a
    // host without one (then panels have nothing to show).
    virtual ui::Toolkit* WidgetToolkit() = 0;
};

} // namespace platform
