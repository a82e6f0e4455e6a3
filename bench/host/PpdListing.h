// The libcups listing of a PPD's options as `lpoptions -l` makes it: open the
// PPD, mark its defaults, mark the (here: no) saved options, then walk every
// option of every group with its choices. Shared by the listing program and
// the benchmark's in-process figure.
#pragma once

#include <cups/cups.h>
#include <cups/ppd.h>

#include <string>

#include "platform/PpdFile.h"

namespace bench {

// The number of choices walked; -1 when the PPD does not open.
inline long ListPpdOptions(const std::string& path)
{
    const PpdFilePtr ppd = OpenPpdFile(path);
    if (!ppd) return -1;
    ppdMarkDefaults(ppd.get());
    cupsMarkOptions(ppd.get(), 0, nullptr);
    long walked = 0;
    for (ppd_option_t* option = ppdFirstOption(ppd.get()); option != nullptr;
         option = ppdNextOption(ppd.get())) {
        for (int i = 0; i < option->num_choices; ++i) walked += option->choices[i].marked ? 2 : 1;
    }
    return walked;
}

} // namespace bench
