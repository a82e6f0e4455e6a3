// Process-wide state of one run of the filter: filled once, read by the output steps.
#pragma once

#include "filter/PrintOptions.h"

#include <csignal>

extern PrintOptions printoptions;

// The job title in the printer's code set, and the validated document name that
// the printer shows and holds the job under.
extern char StdDocumentName[255];
extern char PTStdDocumentName[255];

// The CUPS user (argument 2) in the printer's code set: 255 bytes of Shift_JIS,
// or up to 766 bytes of UTF-8 on a UTF-8 printer.
extern char StdUserName[766];

// Set by the SIGTERM handler: CUPS cancelled the job. The copy loops, the
// page pass and the wait for the layout filter look at it, and the run then
// removes its temporary files and ends without sending anything more.
extern volatile sig_atomic_t CancelJob;
// Set by the SIGPIPE handler; decides the exit status.
extern volatile sig_atomic_t CancelJobForPipe;

// Returns every process-wide record to its initial, zeroed state.
void ResetFilterState();
