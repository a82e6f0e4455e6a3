// The page pass: writes a new PDF holding the pages the record keeps (every
// step-th page up to the last page), each turned by the record's rotation, as
// vector pages or, in rasterised mode, as 300 dpi RGB images.
//
// This is the filter's one door to its PDF libraries: qpdf and poppler are
// used behind it and by nothing else, so the rest of the filter builds without
// their headers. It compiles as C++17 as well, the language level in which
// clang 14 with libstdc++ 12 can read qpdf 11's headers (the fuzz build).
#pragma once

#include "filter/PdfPreprocess.h"

#include <cstddef>
#include <memory>
#include <string>

// Opens the PDF for the page pass, reading only its cross-reference table;
// null when the file cannot be read as a PDF. The libraries' own messages are
// kept off standard output, the printer's stream.
std::shared_ptr<PdfDocument> OpenPdfDocument(const char* path);
// The number of pages the document's page tree holds, found by walking the
// tree: the /Count at its root may say fewer or more, and a reader that
// trusts it loses pages or asks for pages that are not there. -1 when the
// tree cannot be walked (a loop, a root that is no page tree node), with the
// reason in failure when it is given.
int PdfDocumentPageCount(PdfDocument& document, std::string* failure = nullptr);

// Raster resolution against the PDF unit of 1/72 inch.
inline constexpr double kRasterDpi = 300.0;
inline constexpr double kRasterScale = kRasterDpi / 72.0;

// A page box in PDF units.
struct PageRect {
    double x0 = 0, y0 = 0, x1 = 0, y1 = 0;
    double width() const { return x1 - x0; }
    double height() const { return y1 - y0; }
};

// Size of the bitmap a page box is rasterised into: the integer parts of its
// width and height at 300 dpi (an A4 page of 595 by 842 points gives 2479 by
// 3508 pixels). A box whose bitmap side would not fit an int (5.2e8 points or
// more), or that is not a finite number, gives 0 by 0, which no caller
// rasterises.
struct BitmapSize {
    int width = 0;
    int height = 0;
};
BitmapSize RasterBitmapSize(const PageRect& mediaBox);

// The largest page the raster pass takes: 5 m a side, in points. At 300 dpi
// such a page is a bitmap of 10 GB; nothing larger is a page a printer takes.
inline constexpr double kRasterMaxPageSide = 5000.0 / 25.4 * 72.0;

// What the raster pass may spend on one page.
struct RasterLimits {
    // A larger page fails the pass (the job then goes out unprocessed).
    double maxPageSide = kRasterMaxPageSide;
    // A page whose RGB bitmap fits this is rendered and compressed whole (an
    // A3 page at 300 dpi is about 52 MB). A larger page is rendered in bands
    // of at most bandBytes and compressed as a stream, so that memory stays
    // bounded whatever the page size.
    size_t wholePageBytes = size_t{64} << 20;
    size_t bandBytes = size_t{16} << 20;
    // The compressed image of a banded page is held whole while the PDF is
    // written; a page whose image would be larger fails the pass.
    size_t maxBandedImageBytes = size_t{64} << 20;
    // The renderer reads every pixel an image declares, whatever data it
    // holds: an image of 100000 by 100000 pixels in 3 bytes kept it busy for
    // 25 s on a page of 100 points. A page drawing an image of more pixels
    // than this (2^30, a 600 dpi scan of an A0 sheet is half of it) fails the pass.
    double maxImagePixels = 1073741824.0;
};

// Draw the kept pages into info.outputContext: 0 on success, -1 on failure (a
// missing page, a document that cannot be read or written, a page the raster
// pass refuses). A failure the job's log should show is described in
// info.passFailure.
int processPDF(PDFDocInfo& info);
int processImage(PDFDocInfo& info, const RasterLimits& limits = RasterLimits{});

// A PDF transformation matrix [a b c d e f].
struct PageMatrix {
    double a = 1, b = 0, c = 0, d = 1, e = 0, f = 0;
};

// Applies the record's rotation to ctm: a half turn about the rectangle's
// centre, so the turned page covers the same rectangle. Nothing for 0 or 360.
void setContextCTM(const PDFDocInfo& info, PageMatrix& ctm, const PageRect& rect);
