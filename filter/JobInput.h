// What the filter reads from outside the job's data: the job's options
// (argument 5 of the command line) and the printer's PPD ($PPD). Both are read
// once per job into one process-wide record beside the print-options record,
// and every step of the run that needs them asks this record.
//
// A reading is tied to what it was read from: the option text, and the PPD's
// path, identity and modification time. Asking for different arguments or a
// changed PPD (one process running several jobs, as the tests do) reads them
// anew, so a step never sees another job's options or a stale PPD.
#pragma once

#include "filter/CupsOptions.h"

#include <cups/ppd.h>

// The job's parsed options (argument 5; no options when argv or its fifth
// entry is missing).
const CupsOptions& JobOptions(char** argv);

// The printer's PPD named by $PPD, opened once; null when it is unset or does
// not parse. Owned by the record: valid until the next ResetJobInput or until
// $PPD names another file.
ppd_file_t* JobPPD();

// Forgets both readings (closes the PPD).
void ResetJobInput();
