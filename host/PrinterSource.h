// Where the dialog's printer comes from: a PPD file named on the command line
// (--ppd), or a CUPS destination (--dest) whose PPD libcups hands over and
// whose saved options (lpoptions) the dialog starts from.
#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "host/CommandLine.h"
#include "platform/PpdFile.h"

namespace host {

struct PrinterSource {
    PpdFilePtr ppd;
    std::string printerID;
    std::string queue;    // the CUPS queue (--dest); empty for --ppd
    std::string instance; // the destination's instance, if any
    // The destination's options as cupsGetNamedDest gives them: the server's
    // defaults with /etc/cups/lpoptions and ~/.cups/lpoptions applied.
    std::vector<std::pair<std::string, std::string>> savedOptions;
};

// Opens the printer of the command line; nothing, with a message in `error`,
// for a PPD that is missing or does not parse, an unknown destination or a
// printer ID that cannot name the printer's files.
std::optional<PrinterSource> OpenPrinterSource(const CommandLine& line, std::string& error);

} // namespace host
