// The values the dialog starts from, applied lowest first:
//   1. the PPD's defaults;
//   2. the destination's saved options (lpoptions, with the server's
//      defaults): PPD options mark the PPD as lp would, and so do IPP
//      attribute names (lowercase letters, digits and hyphens: "media" and
//      "sides" map to PPD options, the rest, "printer-info", "device-uri",
//      "job-priority", are the printer's and the job's own attributes and no
//      print settings); any other name (the "com.lumeral.vrk.printsettings."
//      keys, a pane's reference key "<printer ID>com.lumeral...Reference")
//      goes into the print settings as given, so an administrator can preset
//      values for every user in /etc/cups/lpoptions;
//   3. the printer's last used settings;
//   4. a loaded preset;
//   5. -o NAME=VALUE: a NAME that is an option of the PPD marks the PPD, any
//      other goes into the print settings as given.
// The PPD is marked here, before any panel restores its values.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "host/DialogHost.h"
#include "host/SavedSettings.h"

namespace host {

using NamedValues = std::vector<std::pair<std::string, std::string>>;

void MarkPpdDefaults(DialogHost& host);
void ApplySavedOptions(DialogHost& host, const NamedValues& options);
// Choices the PPD no longer has are passed over.
void ApplySavedValues(DialogHost& host, const SavedValues& values);
// False, with `error`, for a choice the PPD option does not have.
bool ApplyCommandLineOptions(DialogHost& host, const NamedValues& options, std::string& error);

// The print settings and PPD choices as they stand, for keeping.
SavedValues CurrentValues(DialogHost& host);

} // namespace host
