#include "constraints/XppdCacheTool.h"

#include "constraints/CQuickXPPD.h"
#include "platform/PpdFile.h"
#include "constraints/XPPDCache.h"
#include "constraints/XPPDStamp.h"

#include <ostream>

std::vector<std::string> AllOptionKeywords(ppd_file_t* ppd)
{
    std::vector<std::string> keywords;
    if (ppd == nullptr) return keywords;
    for (ppd_option_t* option = ppdFirstOption(ppd); option != nullptr; option = ppdNextOption(ppd)) {
        keywords.emplace_back(option->keyword);
    }
    return keywords;
}

int RunXppdCache(std::span<const std::string> arguments, std::ostream& out, std::ostream& err)
{
    if (arguments.empty() || arguments.front().empty()) {
        err << "Usage: xppdcache PPD [KEYWORD...]\n";
        return kXppdCacheUsage;
    }
    const std::string& path = arguments.front();
    PpdFilePtr ppd = OpenPpdFile(path);
    if (!ppd) {
        int line = 0;
        const ppd_status_t status = ppdLastError(&line);
        err << "xppdcache: cannot read PPD " << path << ": " << ppdErrorString(status);
        if (line > 0) err << " (line " << line << ")";
        err << '\n';
        return kXppdCacheFailed;
    }

    std::vector<std::string> keywords(arguments.begin() + 1, arguments.end());
    if (keywords.empty()) {
        keywords = AllOptionKeywords(ppd.get());
    } else {
        for (const std::string& keyword : keywords) {
            if (ppdFindOption(ppd.get(), keyword.c_str()) == nullptr) {
                err << "xppdcache: warning: " << path << " has no option " << keyword << '\n';
            }
        }
    }

    CQuickXPPD writer(ppd.get(), nullptr, XppdStamp(kPrintFeatureStampPrefix));
    writer.AddSection(writer.Stamp(), std::move(keywords));
    const bool written = writer.WriteSections(out) && static_cast<bool>(out.flush());
    if (writer.UnwritableEntries() > 0) {
        err << "xppdcache: warning: left out " << writer.UnwritableEntries()
            << " entries whose keywords hold \"@\"\n";
    }
    if (!written) {
        err << "xppdcache: cannot write the cache section\n";
        return kXppdCacheFailed;
    }
    return kXppdCacheOk;
}
