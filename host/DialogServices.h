// The host's services for the extensions: bundles looked up in the host's
// registry, the headless toolkit lent to them, and beeps and help pages both
// counted (RecordingHostServices) and put in the dialog's log.
#pragma once

#include "host/DialogLog.h"
#include "host/headless/HeadlessToolkit.h"
#include "platform/RecordingHostServices.h"

namespace host {

class DialogServices : public platform::RecordingHostServices {
public:
    DialogServices(HeadlessToolkit& toolkit, DialogLog& log) : toolkit_(toolkit), log_(log)
    {
        SetWidgetToolkit(&toolkit);
    }

    void Beep() override;
    // A page shown is logged under the path the extension gave, in its book.
    int GotoHelpPage(std::string_view bookName, std::string_view pagePath, std::string_view anchor) override;

private:
    HeadlessToolkit& toolkit_;
    DialogLog& log_;
};

} // namespace host
