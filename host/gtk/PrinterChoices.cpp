#include "host/gtk/PrinterChoices.h"

#include <unistd.h>

#include <cups/cups.h>
#include <cups/ppd.h>

#include <cstring>

#include "platform/PpdFile.h"

namespace host {

namespace {

constexpr std::string_view kDriverFilter = "spoolwrap";

// Whether the queue's PPD names the driver's filter in a *cupsFilter line.
bool RunsTheDriver(const char* queue)
{
    char path[1024] = {};
    time_t modified = 0;
    if (cupsGetPPD3(CUPS_HTTP_DEFAULT, queue, &modified, path, sizeof path) != HTTP_STATUS_OK) {
        if (path[0] != '\0') unlink(path);
        return false;
    }
    const PpdFilePtr ppd = OpenPpdFile(path);
    unlink(path);
    if (!ppd) return false;
    for (int i = 0; i < ppd->num_filters; ++i) {
        const std::string_view filter = ppd->filters[i];
        const size_t name = filter.rfind(' ');
        if (filter.substr(name == std::string_view::npos ? 0 : name + 1) == kDriverFilter) return true;
    }
    return false;
}

} // namespace

std::vector<PrinterChoice> DriverPrinters(const CommandLine& line)
{
    std::vector<PrinterChoice> choices;
    if (!line.ppdFile.empty()) {
        choices.push_back(
            {.label = line.ppdFile.substr(line.ppdFile.rfind('/') + 1), .ppdFile = line.ppdFile});
        return choices;
    }
    if (!line.destination.empty())
        choices.push_back({.label = line.destination, .destination = line.destination});
    cups_dest_t* dests = nullptr;
    const int count = cupsGetDests2(CUPS_HTTP_DEFAULT, &dests);
    for (int i = 0; i < count; ++i) {
        std::string name = dests[i].name;
        if (dests[i].instance != nullptr) name += std::string("/") + dests[i].instance;
        if (name == line.destination || !RunsTheDriver(dests[i].name)) continue;
        choices.push_back({.label = name, .destination = name});
    }
    cupsFreeDests(count, dests);
    return choices;
}

CommandLine WithPrinter(const CommandLine& line, const PrinterChoice& choice)
{
    CommandLine chosen = line;
    chosen.ppdFile = choice.ppdFile;
    chosen.destination = choice.destination;
    return chosen;
}

} // namespace host
