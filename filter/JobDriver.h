// The run of the filter for one job, from command line to exit status.
#pragma once

#include "filter/PdfPreprocess.h"
#include "filter/PrintOptions.h"

#include <span>
#include <string>

// The PDF that follows the header: where it is, and whether the filter made it
// (and so deletes it once sent) or it is the job's own input file.
struct FinalPDF {
    std::string path;
    bool ownedTemporary = false;
};

// Removes the final PDF when the filter made it and the run ends before it
// was sent (sending removes it too).
class TemporaryFileRemover {
public:
    explicit TemporaryFileRemover(const FinalPDF& pdf) : pdf_(pdf) {}
    ~TemporaryFileRemover();
    TemporaryFileRemover(const TemporaryFileRemover&) = delete;
    TemporaryFileRemover& operator=(const TemporaryFileRemover&) = delete;

private:
    const FinalPDF& pdf_;
};

// Makes the final PDF file and measures it: through the system PDF filter when
// the layout options ask for it, then through the page pass when one is needed.
// Returns 1 on success, 0 when the job cannot be prepared (it must then fail
// rather than print something else). Every temporary file but the final PDF is
// gone on return.
int ProcessData(int argc, char** argv, FinalPDF& finalPdf, long long& fileSize, PrintOptions& options,
                PDFDocInfo& docInfo);

// The whole run: options, PDF, header, data, trailer. Returns the exit status.
int RunSpoolwrap(int argc, char** argv);

void SignalHandler(int);
void SignalPipeHandler(int);
