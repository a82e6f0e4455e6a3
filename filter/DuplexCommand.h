// DUPLEX and BINDING lines.
#pragma once

#include "filter/CupsOptions.h"

#include <cups/ppd.h>

// Duplex values of the print dialog's "PMDuplexing" key.
inline constexpr int kDuplexNone = 1;
inline constexpr int kDuplexLongEdge = 2;
inline constexpr int kDuplexShortEdge = 3;

// The job's duplex value. The print dialog always sends its duplex key; a job
// submitted without it (lp, another application) states its wish in the CUPS
// options "Duplex" or "sides", and a job that states nothing asks for the PPD's
// default, as with every other CUPS option. Only when none of these says
// anything does the key's absence (-1) stand.
int FindJobDuplex(int duplexKey, const CupsOptions& jobOptions, ppd_file_t* ppd);

// 1 gives DUPLEX=OFF; any other value DUPLEX=ON, with BINDING for 2 and 3.
void OutputDuplexCommand(int duplex);
