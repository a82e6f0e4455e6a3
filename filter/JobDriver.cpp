#include "filter/JobDriver.h"

#include "filter/ErrorMessage.h"

#include "filter/ChildProcess.h"
#include "filter/FileCopy.h"
#include "filter/FilterState.h"
#include "filter/InPlaceJob.h"
#include "filter/JobCopy.h"
#include "filter/NextFilter.h"
#include "filter/OutputMirror.h"
#include "filter/PagePass.h"
#include "filter/PjlHeader.h"
#include "filter/PrintOptionsReader.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <string>

void SignalHandler(int)
{
    CancelJob = 1;
    // A cancel that lands between a look at the flag and the blocking call
    // after it (a read from a silent pipe, a write to a printer that stopped
    // reading, the wait for the layout filter) would go unseen; the alarm
    // interrupts that call.
    ::alarm(1);
}

void SignalPipeHandler(int) { CancelJobForPipe = 1; }

namespace {

// Interrupts a blocking call once more; the run looks at CancelJob again.
void SignalAlarmHandler(int) { ::alarm(1); }

// Without SA_RESTART, a read or write that waits on a pipe returns when SIGTERM
// arrives, so the run sees the cancel at once.
void InstallSignalHandlers()
{
    struct sigaction action {};
    sigemptyset(&action.sa_mask);
    action.sa_flags = 0;
    action.sa_handler = SignalAlarmHandler;
    ::sigaction(SIGALRM, &action, nullptr);
    action.sa_handler = SignalHandler;
    ::sigaction(SIGTERM, &action, nullptr);
    action.sa_flags = SA_RESTART;
    action.sa_handler = SignalPipeHandler;
    ::sigaction(SIGPIPE, &action, nullptr);
}

// Standard input, output and error must be open before the filter opens any
// file: a closed one would be taken by that file, and the job's bytes or
// messages would go into it. Standard error, and standard input when the job
// comes from argument 6, may be missing: /dev/null stands in. Returns false,
// with a message, when the job cannot be read or sent.
bool StandardDescriptorsOpen(int argc)
{
    bool closed[3] = {};
    for (int fd = STDIN_FILENO; fd <= STDERR_FILENO; ++fd) {
        if (::fcntl(fd, F_GETFD) >= 0 || errno != EBADF) continue;
        closed[fd] = true;
        // The lowest free descriptor, which is fd: the ones below it are open.
        if (::open("/dev/null", fd == STDIN_FILENO ? O_RDONLY : O_WRONLY) != fd) return false;
    }
    if (closed[STDOUT_FILENO]) {
        PutErrorMessage("Standard output is closed: the job cannot be sent\n");
        return false;
    }
    if (closed[STDIN_FILENO] && argc == 6) {
        PutErrorMessage("Standard input is closed: the job cannot be read\n");
        return false;
    }
    return true;
}

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

// Standard input that is a regular file read from its start (a shell's "<",
// or a spooler handing over its spool file) is sent as it is too, through a
// name that reopens it; anything else (a pipe) must be kept in a temporary
// file first, since the header gives the size before the data.
bool StdinIsRegularFile(std::string& path)
{
    struct stat st {};
    struct stat reopened {};
    constexpr const char* kStdinPath = "/proc/self/fd/0";
    if (::fstat(STDIN_FILENO, &st) != 0 || !S_ISREG(st.st_mode)) return false;
    if (::lseek(STDIN_FILENO, 0, SEEK_CUR) != 0) return false;
    if (::stat(kStdinPath, &reopened) != 0 || reopened.st_ino != st.st_ino || reopened.st_dev != st.st_dev)
        return false;
    path = kStdinPath;
    return true;
}

// Runs the system PDF filter over the job and takes its output into a new
// temporary file. The filter must end well: a filter that could not be started
// or that failed has not laid the job out, and sending what it wrote (often
// nothing) would report a lost job as printed.
bool RunSystemPdfFilter(int argc, char** argv, FinalPDF& laidOut)
{
    std::string filterPath;
    if (PrepFormat(filterPath) != 1) return false;
    ChildProcess child;
    if (!child.Start([&] { ExecuteFilter(filterPath, argc, argv); })) return false;
    char tempPath[64] = {};
    const int saved = SaveToTempFile(child.OutputFd(), tempPath);
    // On a cancel this passes SIGTERM on to the layout filter and waits for it
    // only a short while: a hung layout filter is killed, not left behind.
    const int status = child.Wait();
    if (CancelJob != 0) {
        if (saved == 1) ::unlink(tempPath);
        return false;
    }
    if (status != 0) {
        if (saved == 1) ::unlink(tempPath);
        const std::string message =
            "System PDF filter " + filterPath + " failed with status " + std::to_string(status) + "\n";
        PutErrorMessage(message);
        return false;
    }
    // Output that could not be kept whole is a lost layout, not an empty job.
    if (saved != 1) return false;
    laidOut.path = tempPath;
    laidOut.ownedTemporary = true;
    return true;
}

// The job's PDF as it arrived: the input file itself when it is a regular
// file, otherwise a temporary copy of the input.
bool TakeJobInput(int argc, char** argv, FinalPDF& input)
{
    if (InputIsRegularFile(argc, argv)) {
        input.path = argv[6];
        return true;
    }
    if (argc == 6 && StdinIsRegularFile(input.path)) return true;
    char tempPath[64] = {};
    if (SaveToTempFileFromCups(argc, argv, tempPath) < 0) return false;
    input.path = tempPath;
    input.ownedTemporary = tempPath[0] != '\0';
    return true;
}

// The end of a cancelled job: nothing more goes to the printer (bytes still in
// the output buffer are dropped), the job copy goes, and the caller's
// temporary files are removed on return.
int EndCancelledJob(JobCopy& jobCopy)
{
    DiscardPjlOutput();
    jobCopy.Discard();
    PutErrorMessage("The job was cancelled\n");
    return 1;
}

// The end of a job the printer could not be sent: standard output is full,
// closed or otherwise failing, or the PDF could not be read (which said so),
// and CUPS must not show the job as printed. Nor is the job copy kept: the
// copy is of jobs the printer got.
int EndUnsentJob(JobCopy& jobCopy)
{
    const int error = PjlOutputError();
    DiscardPjlOutput();
    jobCopy.Discard();
    if (error != 0) {
        const std::string message =
            std::string("The job cannot be written to standard output (") + std::strerror(error) + ")\n";
        PutErrorMessage(message);
    }
    return 1;
}

// The end of a job whose header and PDF are out: the trailer, then the exit
// status.
int EndSentJob(char** argv, JobCopy& jobCopy)
{
    // A cancel before the trailer leaves the printer a cut job, which CUPS
    // aborts; the trailer would make it a whole one.
    if (CancelJob != 0) return EndCancelledJob(jobCopy);
    OutputXPJLTrailer(argv, printoptions);
    const int outputError = FlushPjlOutput();
    if (CancelJob != 0) return EndCancelledJob(jobCopy);
    // A broken pipe keeps its own rule below: the job's steps all ran.
    if (outputError != 0 && CancelJobForPipe == 0) return EndUnsentJob(jobCopy);

    jobCopy.Finish();
    return CancelJobForPipe == 1 ? 1 : 0;
}

} // namespace

TemporaryFileRemover::~TemporaryFileRemover()
{
    if (pdf_.ownedTemporary && !pdf_.path.empty()) ::unlink(pdf_.path.c_str());
}

int ProcessData(int argc, char** argv, FinalPDF& finalPdf, long long& fileSize, PrintOptions& options,
                PDFDocInfo& docInfo)
{
    finalPdf = FinalPDF{};
    const bool systemFilter = checkIfNeddApplePDF(options) == 1;
    FinalPDF input;
    if (!(systemFilter ? RunSystemPdfFilter(argc, argv, input) : TakeJobInput(argc, argv, input))) return 0;

    // From here the caller removes the input copy however the run ends.
    finalPdf = input;
    if (CancelJob != 0) return 0;
    // Counting pages means reading the document's cross-reference table and
    // walking its page tree, both growing with the document; a job that no
    // page pass can touch is only checked to be a PDF.
    bool passNeeded = false;
    if (PagePassMayBeNeeded(argv)) {
        pdfDocInfo_init(input.path.c_str(), docInfo);
        passNeeded = CheckIfNeedEdit(argv, docInfo, systemFilter) == 1;
    } else {
        pdfDocInfo_probe(input.path.c_str(), docInfo);
    }
    // Data that is no whole PDF cannot print: sending it would have CUPS report
    // as printed a job the printer can only throw away. An empty input still
    // goes out as an empty job: nothing of it can be lost.
    if (FileSize(input.path) > 0 && !HasPdfFraming(input.path.c_str())) {
        PutErrorMessage("The job's data is not a complete PDF document\n");
        return 0;
    }
    if (passNeeded) {
        char passPath[128] = {};
        if (PreProcess(docInfo, passPath) == 1) {
            if (input.ownedTemporary) ::unlink(input.path.c_str());
            finalPdf = FinalPDF{passPath, true};
        }
    }
    docInfo.document.reset();
    // A page pass stopped by the cancel has removed its own output.
    if (CancelJob != 0) return 0;
    fileSize = FileSize(finalPdf.path);
    return 1;
}

int RunSpoolwrap(int argc, char** argv)
{
    if (argc < 6) {
        PutErrorMessage(std::string("Usage: ") + (argc > 0 && argv[0] ? argv[0] : "spoolwrap") +
                        " job-id user title copies options [file]\n");
        return 1;
    }

    InstallSignalHandlers();
    if (!StandardDescriptorsOpen(argc)) return 1;

    ResetFilterState();
    JobCopy jobCopy;
    jobCopy.OpenIfRequested();

    long long fileSize = 0;
    if (GetPrintOptions(argv, printoptions) != 1) {
        PutErrorMessage("Get Print Options fail\n");
        return 1;
    }
    // Reading the options may wait on the host's name service.
    if (CancelJob != 0) return EndCancelledJob(jobCopy);

    if (const platform::UniqueFd output = InPlaceOutputReader(argc, argv, printoptions)) {
        switch (SendPipedJobInPlace(argv, printoptions, output.Get())) {
        case InPlaceResult::NotTaken: break;
        case InPlaceResult::Sent: return EndSentJob(argv, jobCopy);
        case InPlaceResult::Cancelled: return EndCancelledJob(jobCopy);
        case InPlaceResult::Unsent: return EndUnsentJob(jobCopy);
        case InPlaceResult::Lost: PutErrorMessage("Process Data fail\n"); return 1;
        }
    }

    FinalPDF finalPdf;
    // The filter's own final PDF is removed however the run ends.
    const TemporaryFileRemover remover(finalPdf);
    PDFDocInfo docInfo;
    const int prepared = ProcessData(argc, argv, finalPdf, fileSize, printoptions, docInfo);
    if (CancelJob != 0) return EndCancelledJob(jobCopy);
    if (prepared != 1) {
        PutErrorMessage("Process Data fail\n");
        return 1;
    }

    if (OutputXPJLCommand(argv, printoptions, fileSize) != 1) {
        PutErrorMessage("output XPJL Command fail\n");
        return 1;
    }

    if (!finalPdf.path.empty()) {
        const SendResult sent = finalPdf.ownedTemporary ? WritePDFData(finalPdf.path.c_str())
                                                        : CopyFileToOutput(finalPdf.path.c_str());
        if (sent == SendResult::Cancelled || CancelJob != 0) return EndCancelledJob(jobCopy);
        if (sent == SendResult::Failed) return EndUnsentJob(jobCopy);
    }
    return EndSentJob(argv, jobCopy);
}
