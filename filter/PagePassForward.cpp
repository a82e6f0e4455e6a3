// spoolwrap's page pass: the calls of filter/PagePass.h that the filter makes,
// each handed on to the module loaded on first use (filter/PagePassModule.h).
// Only the spoolwrap program is built with this file; everything else that
// runs the page pass links it directly.
//
// When the module cannot be loaded (the load said why, once), each call fails
// as the pass itself fails on a PDF it cannot read: the document does not
// open, and the job goes out as it came, as after any failed page pass.
#include "filter/PagePass.h"

#include "filter/PagePassModule.h"

std::shared_ptr<PdfDocument> OpenPdfDocument(const char* path)
{
    const PagePassCalls* pass = PagePassModule();
    return pass != nullptr ? pass->openPdfDocument(path) : nullptr;
}

int PdfDocumentPageCount(PdfDocument& document, std::string* failure)
{
    // A document exists only when the module opened it.
    return PagePassModule()->pdfDocumentPageCount(document, failure);
}

int processPDF(PDFDocInfo& info)
{
    const PagePassCalls* pass = PagePassModule();
    return pass != nullptr ? pass->processPDF(info) : -1;
}

int processImage(PDFDocInfo& info, const RasterLimits& limits)
{
    const PagePassCalls* pass = PagePassModule();
    return pass != nullptr ? pass->processImage(info, limits) : -1;
}
