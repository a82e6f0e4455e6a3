// The printdialog command line:
//
//   printdialog (--ppd FILE | --dest QUEUE) [--printer-id ID] [--data-dir DIR] [--plugins DIR]
//               [-o NAME=VALUE]... [--destination-type printer|file|preview|fax]
//               [--script FILE|-] [--dump] [--options] [--print PDF] [--title T] [--copies N]
//               [--preset NAME]
//   printdialog [FILE.pdf] [--window] [--ppd FILE | --dest QUEUE] [--screenshots DIR] [...]
//
// A document named without a script, or --window, opens the dialog's window
// (host/gtk/); printing from it submits FILE.pdf.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/PrintSession.h"

namespace host {

struct CommandLine {
    std::string ppdFile;     // --ppd
    std::string destination; // --dest: "QUEUE" or "QUEUE/INSTANCE"
    std::optional<std::string> printerID;
    std::optional<std::string> dataDir;
    std::optional<std::string> pluginDir;
    std::vector<std::pair<std::string, std::string>> options; // -o, in order
    platform::DestinationType destinationType = platform::DestinationType::Printer;
    std::optional<std::string> script; // a file, or "-" for standard input
    std::optional<std::string> preset; // a preset loaded over the last used settings
    bool dump = false;
    bool printOptions = false;
    std::optional<std::string> printFile; // --print
    std::optional<std::string> title;
    int copies = 1;
    bool help = false;
    std::optional<std::string> document;      // the PDF the window prints
    bool window = false;                      // --window
    std::optional<std::string> screenshotDir; // --screenshots: PNGs of the window's panes, then exit
};

// Whether the run opens the dialog's window: a document or --window, and no script.
bool OpensWindow(const CommandLine& line);

// The command line, or nothing with the reason in `error`.
std::optional<CommandLine> ParseCommandLine(const std::vector<std::string_view>& args, std::string& error);

// The usage text printed for --help and after a command-line error.
std::string_view UsageText();

} // namespace host
