// Ownership of a libcups PPD record: closed on every path out of the scope
// that opened it.
#pragma once

#include <cups/ppd.h>

#include <memory>
#include <string>

struct PPDFileCloser {
    void operator()(ppd_file_t* ppd) const;
};

using PPDFileHandle = std::unique_ptr<ppd_file_t, PPDFileCloser>;

// Open a PPD file; empty when libcups cannot read it.
PPDFileHandle OpenPPDFile(const std::string& path);
