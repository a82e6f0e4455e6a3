// The printers the window's chooser lists: the PPD named with --ppd alone, or
// the CUPS destinations whose PPD runs the driver's filter (spoolwrap), the
// one named with --dest first.
#pragma once

#include <string>
#include <vector>

#include "host/CommandLine.h"

namespace host {

struct PrinterChoice {
    std::string label{};       // what the chooser shows
    std::string ppdFile{};     // a PPD file, or
    std::string destination{}; // a CUPS destination, "QUEUE" or "QUEUE/INSTANCE"
};

std::vector<PrinterChoice> DriverPrinters(const CommandLine& line);

// The command line with the printer replaced by the choice.
CommandLine WithPrinter(const CommandLine& line, const PrinterChoice& choice);

} // namespace host
