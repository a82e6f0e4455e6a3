// Where a headless modal run gets a person's actions from: a script, a test's
// own steps, or nothing at all. The toolkit hands each modal window and each
// alert to the source it was given.
#pragma once

#include "platform/ui/Alert.h"
#include "platform/ui/Window.h"

namespace host {

class ModalEventSource {
public:
    virtual ~ModalEventSource() = default;

    // Acts for a person on the window until its stopModal is called or the
    // source has nothing left to do; the modal run then returns either way.
    virtual void RunModal(platform::ui::Window& window) = 0;

    // The button a person presses in the alert: 0 for the first. The
    // default presses the first (default) button.
    virtual int RunAlert(const platform::ui::Alert& /*alert*/)
    {
        return platform::ui::kAlertFirstButtonReturn;
    }
};

} // namespace host
