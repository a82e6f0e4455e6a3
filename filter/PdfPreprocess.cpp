#include "filter/PdfPreprocess.h"

#include "filter/ErrorMessage.h"

#include "filter/PagePass.h"
#include "filter/JobInput.h"
#include "filter/TicketReader.h"
#include "filter/UtilityFunctionFilter.h"
#include "platform/FilePtr.h"

#include <cups/cups.h>

#include <malloc.h>
#include <unistd.h>

#include <cstring>
#include <exception>
#include <memory>
#include <string>
#include <string_view>

namespace {

// Output is buffered in large blocks: the pass writes whole documents.
constexpr size_t kOutputBuffer = 1 << 20;

using platform::FilePtr;

bool IsSet(const char* field) { return field[0] != '\0'; }

bool IsSetAndNot(const char* field, const char* value)
{
    return IsSet(field) && std::strcmp(field, value) != 0;
}

bool OptionIs(const CupsOptions& options, const std::string& name, const char* value)
{
    const char* v = options.Get(name.c_str());
    return v != nullptr && std::strcmp(v, value) == 0;
}

std::string PrinterOption(const PDFDocInfo& info, const char* name)
{
    return std::string(info.optionPrefix) + name;
}

void Turn(PDFDocInfo& info) { info.rotation += 180; }

void ResetDocInfo(PDFDocInfo& info)
{
    info.document.reset();
    info.documentPath.clear();
    CopyToField(kPPDOptionPrefix, info.optionPrefix);
    info.pageCount = 0;
    info.lastPage = 0;
    info.pageStep = 1;
    info.rotation = 0;
    info.rasterFlag = 0;
    info.passFailure.clear();
}

// PDF readers look for the header within the first kilobyte.
constexpr size_t kHeaderWindow = 1024;

bool HasPdfHeader(const char* path)
{
    std::FILE* file = std::fopen(path, "rb");
    if (file == nullptr) return false;
    char head[kHeaderWindow];
    const size_t n = std::fread(head, 1, sizeof head, file);
    std::fclose(file);
    return std::string_view(head, n).find("%PDF-") != std::string_view::npos;
}

} // namespace

bool HasPdfFraming(const char* path)
{
    if (path == nullptr) return false;
    std::FILE* file = std::fopen(path, "rb");
    if (file == nullptr) return false;
    char head[kHeaderWindow];
    const size_t headSize = std::fread(head, 1, sizeof head, file);
    bool framed = std::string_view(head, headSize).find("%PDF-") != std::string_view::npos;
    if (framed) {
        // Readers look for the end-of-file marker within the last kilobyte.
        char tail[kHeaderWindow];
        if (std::fseek(file, -static_cast<long>(sizeof tail), SEEK_END) != 0) std::rewind(file);
        const size_t tailSize = std::fread(tail, 1, sizeof tail, file);
        framed = std::string_view(tail, tailSize).find("%%EOF") != std::string_view::npos;
    }
    std::fclose(file);
    return framed;
}

int checkIfNeddApplePDF(const PrintOptions& options)
{
    const FeaturesOption& f = options.features;
    return (IsSetAndNot(f.scaling, "1") || IsSetAndNot(f.numberUp, "1") || IsSet(f.pageBorder) ||
            IsSetAndNot(f.outputOrder, "Normal") || IsSetAndNot(f.pageToPaperMapping, "1") ||
            IsSet(f.pageSet) || IsSet(f.mirror))
               ? 1
               : 0;
}

int pdfDocInfo_probe(const char* path, PDFDocInfo& info)
{
    ResetDocInfo(info);
    if (path == nullptr || *path == '\0') {
        PutErrorMessage("CFURLCreateFromFileSystemRepresentation error\n");
        return -1;
    }
    if (!HasPdfHeader(path)) {
        PutErrorMessage("CGPDFDocumentCreateWithURL error\n");
        return -1;
    }
    return 0;
}

int pdfDocInfo_init(const char* path, PDFDocInfo& info)
{
    ResetDocInfo(info);
    if (path == nullptr || *path == '\0') {
        PutErrorMessage("CFURLCreateFromFileSystemRepresentation error\n");
        return -1;
    }
    std::shared_ptr<PdfDocument> pdf = OpenPdfDocument(path);
    std::string failure;
    const int pageCount = pdf ? PdfDocumentPageCount(*pdf, &failure) : -1;
    if (pageCount < 0) {
        PutErrorMessage("CGPDFDocumentCreateWithURL error\n");
        if (!failure.empty()) PutErrorMessage("The PDF's page tree cannot be read: " + failure + "\n");
        return -1;
    }
    info.pageCount = pageCount;
    info.document = std::move(pdf);
    info.documentPath = path;
    info.lastPage = info.pageCount;
    return 0;
}

bool PagePassMayBeNeeded(char** argv)
{
    const CupsOptions& options = JobOptions(argv);
    if (options.size() == 0) return false;
    if (GetOptionInteger(options, "com.apple.print.PrintSettings.PMCopies..n.") > 1) return true;
    ppd_file_t* ppd = JobPPD();
    if (ppd == nullptr) return false;
    PDFDocInfo scratch;
    CopyToField(kPPDOptionPrefix, scratch.optionPrefix);
    return checkPageOrientation(scratch, options, ppd) == 1 || checkMSIOrientation(scratch, options) == 1 ||
           checkTurnPage(scratch, options) == 1 || checkRasterMode(scratch, options) == 1;
}

int CheckIfNeedEdit(char** argv, PDFDocInfo& info, bool systemFilterRan)
{
    const CupsOptions& options = JobOptions(argv);
    if (options.size() == 0) return -1;
    ppd_file_t* ppd = JobPPD();
    if (ppd == nullptr) return -1;

    const int copies = checkNumPages(info, options, systemFilterRan);
    const int orientation = checkPageOrientation(info, options, ppd);
    const int bypass = checkMSIOrientation(info, options);
    const int turnPage = checkTurnPage(info, options);
    const int raster = checkRasterMode(info, options);
    if (orientation == 1 || bypass == 1 || turnPage == 1 || raster == 1) return 1;
    return copies;
}

int checkNumPages(PDFDocInfo& info, const CupsOptions& options, bool systemFilterRan)
{
    const int copies = GetOptionInteger(options, "com.apple.print.PrintSettings.PMCopies..n.");
    if (copies <= 1) return 0;

    const int sides = GetOptionInteger(options, "com.apple.print.PrintSettings.PMTotalSidesImaged..n.");
    const bool sidesGiven = options.Get("com.apple.print.PrintSettings.PMTotalSidesImaged..n.") != nullptr;
    // A document that holds copies laid in by the layout filter has a whole
    // number of them; any other page count means the layout filter left the
    // copies to the printer, and cutting pages would lose part of the job.
    if (!sidesGiven && systemFilterRan && info.pageCount % copies != 0) return 0;
    long long total;
    if (sidesGiven)
        total = sides;
    else if (systemFilterRan)
        total = info.pageCount / copies;
    else
        total = static_cast<long long>(copies) * info.pageCount;

    if (const char* pageSet = options.Get("page-set")) {
        if (std::strcmp(pageSet, "odd") == 0)
            info.lastPage = static_cast<int>(total / 2 + total % 2);
        else if (std::strcmp(pageSet, "even") == 0)
            info.lastPage = static_cast<int>(total / 2);
    }

    if (total / copies >= info.pageCount) return 0;

    const char* collate = options.Get("Collate");
    if (collate == nullptr) return 1;
    if (std::strcmp(collate, "true") == 0) {
        // Collated copies follow each other: keep the first.
        info.lastPage = info.pageCount / copies;
        info.pageStep = 1;
    } else {
        // Uncollated copies repeat each page: keep every copies-th page.
        info.lastPage = info.pageCount;
        info.pageStep = copies;
    }
    return 1;
}

int checkPageOrientation(PDFDocInfo& info, const CupsOptions& options, ppd_file_t* ppd)
{
    const char* requested = options.Get("orientation-requested");
    if (requested == nullptr) return 0;
    if (std::strcmp(requested, "6") == 0) {
        Turn(info);
        return 1;
    }
    ppd_attr_t* landscape = ppd != nullptr ? ppdFindAttr_ALT(ppd, "LandscapeOrientation") : nullptr;
    if (landscape == nullptr) return 0;
    // The printer's landscape turns the page one way; the reverse landscape
    // that turns it the other way is the same page turned by 180 degrees.
    const bool minus90 = landscape->value != nullptr && std::strcmp(landscape->value, "Minus90") == 0;
    if (std::strcmp(requested, minus90 ? "4" : "5") == 0) {
        Turn(info);
        return 1;
    }
    return 0;
}

int checkMSIOrientation(PDFDocInfo& info, const CupsOptions& options)
{
    if (!OptionIs(options, PrinterOption(info, "InputSlot"), "BypassTray")) return 0;
    if (OptionIs(options, PrinterOption(info, "MSILeadingEdge"), "LongEdgeR") ||
        OptionIs(options, PrinterOption(info, "MSILeadingEdge"), "ShortEdgeR")) {
        Turn(info);
        return 1;
    }
    return 0;
}

int checkTurnPage(PDFDocInfo& info, const CupsOptions& options)
{
    if (!OptionIs(options, PrinterOption(info, "TurnPage"), "true")) return 0;
    Turn(info);
    return 1;
}

int checkRasterMode(PDFDocInfo& info, const CupsOptions& options)
{
    if (!OptionIs(options, PrinterOption(info, "PDFRasterizedMode"), "true")) return 0;
    info.rasterFlag = 1;
    return 1;
}

int PreProcess(PDFDocInfo& info, char* path, size_t pathSize)
{
    std::memset(path, 0, pathSize);
    info.passFailure.clear();
    const int fd = cupsTempFd(path, static_cast<int>(pathSize));
    if (fd < 0) {
        std::memset(path, 0, pathSize);
        return 0;
    }
    FilePtr file(::fdopen(fd, "wb"));
    if (!file) ::close(fd);
    int drawn = -1;
    if (file) {
        std::setvbuf(file.get(), nullptr, _IOFBF, kOutputBuffer);
        info.outputContext = file.get();
        drawn = info.rasterFlag == 1 ? processImage(info) : processPDF(info);
        info.outputContext = nullptr;
    }
    // The pass has used the document up. The megabytes qpdf held go back to
    // the system now: left to the allocator, they stay counted in the
    // filter's memory while it sends the job, and every page of code that
    // sending touches adds to them.
    info.document.reset();
    ::malloc_trim(0);
    // A write that failed part-way leaves the error flag set even when the
    // final flush has nothing left to write.
    const bool writeFailed = file && std::ferror(file.get()) != 0;
    const bool closed = file && std::fclose(file.release()) == 0 && !writeFailed;
    if (drawn != 0 || !closed) {
        ::unlink(path);
        std::memset(path, 0, pathSize);
        if (!info.passFailure.empty()) PutErrorMessage(info.passFailure + "\n");
        return 0;
    }
    return 1;
}
