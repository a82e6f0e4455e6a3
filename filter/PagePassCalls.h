// The page pass as a module of the filter: the table of calls its one entry
// point hands back.
//
// The page pass is the only part of the filter that needs qpdf and poppler,
// whose shared libraries (and theirs) take most of a small job's start-up
// time. spoolwrap therefore does not link them: it opens the module with
// dlopen when a job needs a page pass (filter/PagePassModule.h), and a plain
// job never loads them. Tests, benchmarks and fuzz harnesses link the page
// pass itself (filter_core); only spoolwrap goes through the module.
//
// Kept C++17-clean, as PagePass.h is: the module is compiled as C++17 in the
// fuzz build.
#pragma once

#include "filter/PagePass.h"

#include <cstddef>
#include <memory>
#include <string>

struct PagePassCalls {
    // Sizes of the records that cross between the filter and the module, as
    // the module was built: a module built from other headers than the
    // filter's (an older install) is refused rather than called.
    std::size_t callsSize;
    std::size_t docInfoSize;
    std::size_t rasterLimitsSize;
    std::shared_ptr<PdfDocument> (*openPdfDocument)(const char* path);
    int (*pdfDocumentPageCount)(PdfDocument& document, std::string* failure);
    int (*processPDF)(PDFDocInfo& info);
    int (*processImage)(PDFDocInfo& info, const RasterLimits& limits);
};

// The module's one exported symbol, looked up by this name.
extern "C" const PagePassCalls* SpoolwrapPagePassEntry();
inline constexpr const char* kPagePassEntryName = "SpoolwrapPagePassEntry";

// What the filter's own build expects of a module's table.
inline bool PagePassCallsMatch(const PagePassCalls& calls)
{
    return calls.callsSize == sizeof(PagePassCalls) && calls.docInfoSize == sizeof(PDFDocInfo) &&
           calls.rasterLimitsSize == sizeof(RasterLimits) && calls.openPdfDocument != nullptr &&
           calls.pdfDocumentPageCount != nullptr && calls.processPDF != nullptr &&
           calls.processImage != nullptr;
}
