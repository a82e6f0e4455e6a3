// Owning handle for a libcups PPD record, so every path out of the scope that
// opened it closes it.
#pragma once

#include <cups/ppd.h>

#include <cstdlib>
#include <memory>
#include <string>

struct PpdCloser {
    void operator()(ppd_file_t* ppd) const
    {
        if (ppd != nullptr) ppdClose(ppd);
    }
};
using PpdFilePtr = std::unique_ptr<ppd_file_t, PpdCloser>;

// Opens a PPD file; null when libcups cannot read it.
inline PpdFilePtr OpenPpdFile(const std::string& path) { return PpdFilePtr(ppdOpenFile(path.c_str())); }

// Opens the PPD named by the PPD environment variable that CUPS sets for a
// filter; null when it is unset or does not parse.
inline PpdFilePtr OpenJobPPD()
{
    const char* path = std::getenv("PPD");
    if (path == nullptr || *path == '\0') return nullptr;
    return PpdFilePtr(ppdOpenFile(path));
}
