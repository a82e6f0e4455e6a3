// The host's services when the dialog has a screen: the beep sounds on the
// display, and a help page an extension asks for opens in the desktop's
// browser (xdg-open). Both are still recorded as the headless host records
// them.
#pragma once

#include "platform/RecordingHostServices.h"

namespace host {

class ScreenServices : public platform::RecordingHostServices {
public:
    void Beep() override;
    int GotoHelpPage(std::string_view bookName, std::string_view pagePath, std::string_view anchor) override;
};

} // namespace host
