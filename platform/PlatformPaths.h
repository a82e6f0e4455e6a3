// Every path and platform constant the system uses, in one place.
//
// Each entry names the value the original platform used beside the one used
// here. Tests redirect them through environment variables (CUPS's own names
// where CUPS defines one) so that no test touches a system folder.
#pragma once

#include <string>

namespace platform {

// Marker whose existence turns on the job copy of the filter.
// Original: "/Library/Printers/QUORVEL/zkjobcopy".
// Here: "/etc/cups/quorvel/zkjobcopy"; $SPOOLWRAP_JOBCOPY_MARKER overrides it.
inline constexpr const char* kOriginalJobCopyMarker = "/Library/Printers/QUORVEL/zkjobcopy";
inline constexpr const char* kDefaultJobCopyMarker = "/etc/cups/quorvel/zkjobcopy";
std::string JobCopyMarkerPath();

// CUPS data folder holding the conversion tables under "mime/".
// Original tables: "/usr/share/cups/mime/{apple,mime}.convs".
// Here: $CUPS_DATADIR, default "/usr/share/cups".
inline constexpr const char* kDefaultCupsDataDir = "/usr/share/cups";
std::string CupsDataDir();

// CUPS configuration folder, searched after the data folder.
// Original tables: "/etc/cups/{apple,mime}.convs". Here: $CUPS_SERVERROOT, default "/etc/cups".
inline constexpr const char* kDefaultCupsServerRoot = "/etc/cups";
std::string CupsServerRoot();

// CUPS program folder; filters live in its "filter/" subfolder.
// Original filter folder: "/usr/libexec/cups/filter/".
// Here: $CUPS_SERVERBIN, default "/usr/lib/cups" (Debian), so "/usr/lib/cups/filter/".
inline constexpr const char* kOriginalFilterDirectory = "/usr/libexec/cups/filter/";
inline constexpr const char* kDefaultCupsServerBin = "/usr/lib/cups";
std::string CupsServerBin();
std::string FilterDirectory(); // always ends with '/'

// Destination type of the system PDF filter.
// Original: "application/vnd.apple-pdf" (Apple's layout filter output).
// Here: "application/vnd.cups-pdf", cups-filters' pdftopdf output.
inline constexpr const char* kOriginalSystemPdfType = "application/vnd.apple-pdf";
inline constexpr const char* kSystemPdfType = "application/vnd.cups-pdf";

} // namespace platform
