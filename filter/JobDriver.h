// The run of the filter for one job, from command line to exit status.
#pragma once

#include "filter/PrintOptions.h"

#include <span>
#include <string>

// The PDF that follows the header: where it is, and whether the filter made it
// (and so deletes it once sent) or it is the job's own input file.
struct FinalPDF {
    std::string path;
    bool ownedTemporary = false;
};

// Makes the final PDF file and measures it. Returns 1 on success, 0 when the job
// cannot be prepared (it must then fail rather than print something else).
int ProcessData(int argc, char** argv, FinalPDF& finalPdf, long long& fileSize,
                PrintOptions& options);

// The whole run: options, PDF, header, data, trailer. Returns the exit status.
int RunSpoolwrap(int argc, char** argv);

void SignalHandler(int);
void SignalPipeHandler(int);
