#include "host/PrinterSource.h"

#include <unistd.h>

#include <cups/cups.h>

#include <memory>

#include "platform/PreferenceCache.h"

namespace host {

namespace {

struct DestinationFree {
    void operator()(cups_dest_t* dest) const { cupsFreeDests(1, dest); }
};
using DestinationHandle = std::unique_ptr<cups_dest_t, DestinationFree>;

std::string BaseNameWithoutPpd(const std::string& path)
{
    std::string name = path.substr(path.rfind('/') + 1);
    constexpr std::string_view kSuffix = ".ppd";
    if (name.size() >= kSuffix.size() &&
        name.compare(name.size() - kSuffix.size(), kSuffix.size(), kSuffix) == 0)
        name.resize(name.size() - kSuffix.size());
    return name;
}

std::optional<PpdFilePtr> OpenPpdOrExplain(const std::string& path, const std::string& shownName,
                                           std::string& error)
{
    PpdFilePtr ppd = OpenPpdFile(path);
    if (ppd) return ppd;
    int line = 0;
    const ppd_status_t status = ppdLastError(&line);
    error = "cannot read the PPD " + shownName + ": " + ppdErrorString(status);
    if (status != PPD_FILE_OPEN_ERROR && line > 0) error += " on line " + std::to_string(line);
    return std::nullopt;
}

// The queue's PPD, fetched by libcups into a temporary file that is removed
// once read.
std::optional<PpdFilePtr> FetchQueuePpd(const std::string& queue, std::string& error)
{
    char path[1024] = {};
    time_t modified = 0;
    const http_status_t status = cupsGetPPD3(CUPS_HTTP_DEFAULT, queue.c_str(), &modified, path, sizeof path);
    if (status != HTTP_STATUS_OK) {
        error = "the CUPS queue " + queue + " has no PPD: " + cupsLastErrorString();
        if (path[0] != '\0') unlink(path);
        return std::nullopt;
    }
    std::optional<PpdFilePtr> ppd = OpenPpdOrExplain(path, "of the queue " + queue, error);
    unlink(path);
    return ppd;
}

} // namespace

std::optional<PrinterSource> OpenPrinterSource(const CommandLine& line, std::string& error)
{
    PrinterSource source;
    if (!line.ppdFile.empty()) {
        std::optional<PpdFilePtr> ppd = OpenPpdOrExplain(line.ppdFile, line.ppdFile, error);
        if (!ppd) return std::nullopt;
        source.ppd = std::move(*ppd);
        source.printerID = BaseNameWithoutPpd(line.ppdFile);
    } else {
        const size_t slash = line.destination.find('/');
        source.queue = line.destination.substr(0, slash);
        if (slash != std::string::npos) source.instance = line.destination.substr(slash + 1);
        const DestinationHandle dest(
            cupsGetNamedDest(CUPS_HTTP_DEFAULT, source.queue.c_str(),
                             source.instance.empty() ? nullptr : source.instance.c_str()));
        if (!dest) {
            error = "no CUPS destination " + line.destination + ": " + cupsLastErrorString();
            return std::nullopt;
        }
        for (int i = 0; i < dest->num_options; ++i)
            source.savedOptions.emplace_back(dest->options[i].name, dest->options[i].value);
        std::optional<PpdFilePtr> ppd = FetchQueuePpd(source.queue, error);
        if (!ppd) return std::nullopt;
        source.ppd = std::move(*ppd);
        source.printerID = source.queue;
    }
    if (line.printerID) source.printerID = *line.printerID;
    if (!platform::IsSafePrinterID(source.printerID)) {
        error = "bad printer ID \"" + source.printerID +
                "\": it may not be empty, \".\" or \"..\", nor hold \"/\"";
        return std::nullopt;
    }
    return source;
}

} // namespace host
