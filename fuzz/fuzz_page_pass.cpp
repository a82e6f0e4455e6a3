// The page pass on arbitrary PDFs: the page count, the vector pass and the
// raster pass (whole and banded pages) with a turn, a step and a last page
// taken from the input's first bytes.
//
// Properties: a pass never succeeds when a page it was asked for is missing;
// a pass that succeeds writes a PDF that qpdf reads back holding exactly the
// kept pages under a true /Count, and in the raster pass one image a page.
//
// Compiled as C++17 with the page pass (see filter/CMakeLists.txt).
#include "FuzzSupport.h"

#include "filter/PagePass.h"
#include "filter/PdfPreprocess.h"

#include <qpdf/QPDF.hh>
#include <qpdf/QPDFLogger.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>
#include <qpdf/QPDFPageObjectHelper.hh>

#include <cstdio>
#include <cstdlib>
#include <exception>
#include <memory>
#include <string>

namespace {

// The raster pass at the pass's own resolution, on pages small enough for a
// fuzzer's pace: at most 2 inches a side (600 by 600 pixels), bands from 64 KiB
// on, so that both the whole and the banded paths run, and images of at most
// a million pixels (the renderer reads every pixel an image declares).
RasterLimits FuzzRasterLimits()
{
    RasterLimits limits;
    limits.maxPageSide = 144;
    limits.wholePageBytes = 256 << 10;
    limits.bandBytes = 64 << 10;
    limits.maxBandedImageBytes = 1 << 20;
    limits.maxImagePixels = 1 << 20;
    return limits;
}

// A FILE* writing into memory, freed with what it holds.
class MemoryOutput {
public:
    MemoryOutput() : file_(::open_memstream(&data_, &size_)) {}
    ~MemoryOutput()
    {
        if (file_ != nullptr) std::fclose(file_);
        std::free(data_);
    }
    MemoryOutput(const MemoryOutput&) = delete;
    MemoryOutput& operator=(const MemoryOutput&) = delete;
    std::FILE* file() const { return file_; }
    std::string Bytes()
    {
        std::fflush(file_);
        return std::string(data_, size_);
    }

private:
    char* data_ = nullptr;
    size_t size_ = 0;
    std::FILE* file_;
};

// Pages of the pass's output as qpdf reads them, with the /Count the root
// declares and the images each page draws; false when it cannot be read.
struct OutputPages {
    size_t walked = 0;
    long long declared = -1;
    bool oneImageEach = true;
};
bool ReadOutput(const std::string& pdf, OutputPages& pages)
{
    try {
        QPDF out;
        auto logger = QPDFLogger::create();
        logger->setInfo(logger->discard());
        logger->setWarn(logger->discard());
        logger->setError(logger->discard());
        out.setLogger(logger);
        out.processMemoryFile("page pass output", pdf.data(), pdf.size());
        QPDFObjectHandle count = out.getRoot().getKey("/Pages").getKey("/Count");
        pages.declared = count.isInteger() ? count.getIntValue() : -1;
        for (QPDFPageObjectHelper& page : QPDFPageDocumentHelper(out).getAllPages()) {
            ++pages.walked;
            pages.oneImageEach = pages.oneImageEach && page.getImages().size() == 1;
        }
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

void RunPass(const std::string& path, bool raster, int rotation, int step, int lastPageChoice)
{
    std::shared_ptr<PdfDocument> document = OpenPdfDocument(path.c_str());
    if (!document) return;
    const int pageCount = PdfDocumentPageCount(*document);
    // The filter sends such a file unprocessed: no pass runs on it.
    if (pageCount < 0) return;

    PDFDocInfo info;
    info.document = document;
    info.documentPath = path;
    info.pageCount = pageCount;
    info.lastPage = lastPageChoice == 7 ? pageCount : lastPageChoice - 1;
    info.pageStep = step;
    info.rotation = rotation;
    info.rasterFlag = raster ? 1 : 0;
    MemoryOutput output;
    if (output.file() == nullptr) return;
    info.outputContext = output.file();
    const int result = raster ? processImage(info, FuzzRasterLimits()) : processPDF(info);

    const long long kept = info.lastPage < 1 ? 0 : (info.lastPage - 1) / step + 1;
    const long long highest = kept == 0 ? 0 : 1 + (kept - 1) * step;
    if (highest > pageCount) FUZZ_CHECK(result == -1);
    if (result != 0) return;
    OutputPages pages;
    FUZZ_CHECK(ReadOutput(output.Bytes(), pages));
    FUZZ_CHECK(static_cast<long long>(pages.walked) == kept);
    FUZZ_CHECK(pages.declared == kept);
    if (raster) FUZZ_CHECK(pages.oneImageEach);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzz::Input input(data, size);
    const int rotation = (input.Byte() % 3) * 180;
    const int step = 1 + input.Byte() % 3;
    const int lastPageChoice = input.Byte() % 8;
    static fuzz::ScratchFile pdf(".pdf");
    const std::string& path = pdf.Write(input.Rest());
    // Each pass gets the document fresh: the vector pass rebuilds its page tree.
    RunPass(path, false, rotation, step, lastPageChoice);
    RunPass(path, true, rotation, step, lastPageChoice);
    return 0;
}
