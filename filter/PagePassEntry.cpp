// The entry point of the page pass module (spoolwrap-pagepass.so): the one
// symbol the module exports. Everything else in the module is hidden, so its
// page pass never binds to another copy of the same functions in the process
// that loads it.
//
// The pass looks at the filter's cancel flag between pages: the module leaves
// CancelJob undefined, and the dynamic loader binds it to the one spoolwrap
// exports, the flag its SIGTERM handler sets.
#include "filter/PagePassCalls.h"

namespace {

const PagePassCalls kCalls = {
    sizeof(PagePassCalls), sizeof(PDFDocInfo), sizeof(RasterLimits), &OpenPdfDocument,
    &PdfDocumentPageCount, &processPDF,        &processImage,
};

} // namespace

extern "C" __attribute__((visibility("default"))) const PagePassCalls* SpoolwrapPagePassEntry()
{
    return &kCalls;
}
