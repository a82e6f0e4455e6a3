// What the print dialog hands an extension: the PPD, the job's print settings,
// the print session, a way to mark a PPD choice and the host's services. The
// host program implements it; a PPD choice handed over becomes the job option
// "Keyword=Choice".
#pragma once

#include <string_view>

#include <cups/ppd.h>

#include "platform/HostServices.h"
#include "platform/PrintSession.h"
#include "platform/PrintSettings.h"
#include "platform/Printer.h"

namespace platform {

class PrintDialogHost {
public:
    virtual ~PrintDialogHost() = default;

    // The current printer's PPD, or null when the queue has none.
    virtual ppd_file_t* ppdFile() = 0;
    // The job's print settings, or null before the dialog has any.
    virtual PrintSettings* printSettings() = 0;
    // The dialog's session, or null.
    virtual PrintSession* printSession() = 0;
    // The printer the dialog prints to (PMPrinter), or null.
    virtual const Printer* PMPrinter()
    {
        PrintSession* session = printSession();
        return session != nullptr ? session->GetCurrentPrinter() : nullptr;
    }
    // Asks the dialog to mark a PPD choice; false when it refuses.
    virtual bool willChangePPDOptionKeyValue(std::string_view option, std::string_view choice) = 0;
    // Bundle lookup, beep and help pages, for the extension and its panels.
    virtual HostServices& hostServices() = 0;
};

} // namespace platform
