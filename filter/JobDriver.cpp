#include "filter/JobDriver.h"

#include "filter/FileCopy.h"
#include "filter/FilterState.h"
#include "filter/JobCopy.h"
#include "filter/OutputMirror.h"
#include "filter/PjlWriter.h"
#include "filter/PrintOptionsReader.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <cstdio>

void SignalHandler(int) { CancelJob = 1; }

void SignalPipeHandler(int) { CancelJobForPipe = 1; }

namespace {

long long FileSize(const std::string& path)
{
    struct stat st {};
    if (path.empty() || ::stat(path.c_str(), &st) != 0) return 0;
    return static_cast<long long>(st.st_size);
}

// The job's input file can be sent as it is when it is a regular file: no
// temporary copy of a large PDF is needed to learn its size.
bool InputIsRegularFile(int argc, char** argv)
{
    if (argc < 7) return false;
    struct stat st {};
    return ::stat(argv[6], &st) == 0 && S_ISREG(st.st_mode) && ::access(argv[6], R_OK) == 0;
}

} // namespace

int ProcessData(int argc, char** argv, FinalPDF& finalPdf, long long& fileSize, PrintOptions&)
{
    finalPdf = FinalPDF{};
    if (InputIsRegularFile(argc, argv)) {
        finalPdf.path = argv[6];
    } else {
        char tempPath[64] = {};
        const int saved = SaveToTempFileFromCups(argc, argv, tempPath);
        if (saved < 0) return 0;
        finalPdf.path = tempPath;
        finalPdf.ownedTemporary = tempPath[0] != '\0';
    }
    fileSize = FileSize(finalPdf.path);
    return 1;
}

int RunSpoolwrap(int argc, char** argv)
{
    if (argc < 6) {
        std::fprintf(stderr, "Usage: %s job-id user title copies options [file]\n",
                     argc > 0 && argv[0] ? argv[0] : "spoolwrap");
        return 1;
    }

    std::signal(SIGTERM, SignalHandler);
    std::signal(SIGPIPE, SignalPipeHandler);

    ResetFilterState();
    JobCopy jobCopy;
    jobCopy.OpenIfRequested();

    long long fileSize = 0;
    if (GetPrintOptions(argv, printoptions) != 1) {
        Utlfputs("Get Print Options fail\n", stderr);
        return 1;
    }

    FinalPDF finalPdf;
    if (ProcessData(argc, argv, finalPdf, fileSize, printoptions) != 1) {
        Utlfputs("Process Data fail\n", stderr);
        return 1;
    }

    if (OutputXPJLCommand(argv, printoptions, fileSize) != 1) {
        Utlfputs("output XPJL Command fail\n", stderr);
        return 1;
    }

    if (!finalPdf.path.empty()) {
        if (finalPdf.ownedTemporary)
            WritePDFData(finalPdf.path.c_str());
        else
            CopyFileToOutput(finalPdf.path.c_str());
    }

    OutputXPJLTrailer(argv, printoptions);
    std::fflush(PjlOutputStream());

    jobCopy.Finish();
    return CancelJobForPipe == 1 ? 1 : 0;
}
