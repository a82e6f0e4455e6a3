// Loading the page pass module (filter/PagePassCalls.h).
//
// The module is installed beside the filter, under the name the build gives
// it (QV_PAGEPASS_MODULE_NAME, "spoolwrap-pagepass.so"), and is loaded from
// the folder of the running filter program: /proc/self/exe names the program
// file itself, whichever link or path it was started through. That one path
// is tried, nothing is searched: no library path, no environment variable.
// The same rule finds the module in the build tree (the build puts it beside
// spoolwrap), in a staged install (DESTDIR) and in the installed CUPS filter
// folder, so tests need no setting of their own.
#pragma once

#include "filter/PagePassCalls.h"

#include <string>

// The module's path for this process: the program's folder and the
// module's name; empty when the program's own path cannot be read.
std::string PagePassModulePath();

// The outcome of loading a module file.
struct PagePassLoad {
    const PagePassCalls* calls = nullptr; // null on failure
    std::string failure;                  // why, on failure
};

// Opens the module at path and checks its table against the filter's own
// headers. A module that loaded stays loaded for the life of the process:
// documents it opened are released by its code.
PagePassLoad LoadPagePassModule(const std::string& path);

// The page pass of this process, loaded from PagePassModulePath() on first
// use. Null when it cannot be loaded: the first call then writes why on
// standard error, and the job goes on as after any failed page pass.
const PagePassCalls* PagePassModule();
