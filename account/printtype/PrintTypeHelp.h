// The Print Type help page: "SelectJobType_" followed by the help suffix of
// the PPD's "QVXPrintTypeSettings" (the part after its first hyphen) and
// ".htm", shown in the bundle's help book. The pane's help (the dialog's help
// button) and the windows' help buttons open the same page.
#pragma once

#include <string>

#include <cups/ppd.h>

#include "platform/Bundle.h"
#include "platform/HostServices.h"
#include "platform/StatusCodes.h"

// The page name; empty when the PPD lacks the attribute.
std::string PrintTypeHelpPage(ppd_file_t* ppd);

// Has the host show the page; fnfErr for an empty page name or no host.
OSStatus OpenPrintTypeHelp(platform::HostServices* services, const platform::Bundle* bundle,
                           const std::string& page);
