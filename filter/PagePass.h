// The page pass: writes a new PDF holding the pages the record keeps (every
// step-th page up to the last page), each turned by the record's rotation, as
// vector pages or, in rasterised mode, as 300 dpi RGB images.
//
// This is the filter's one door to its PDF libraries: qpdf and poppler are
// used behind it and by nothing else, so the rest of the filter builds without
// their headers.
#pragma once

#include "filter/PdfPreprocess.h"

#include <memory>
#include <span>

// Opens the PDF for the page pass, reading only its cross-reference table and
// what the page count needs; null when the file cannot be read as a PDF. The
// libraries' own messages are kept off standard output, the printer's stream.
std::shared_ptr<PdfDocument> OpenPdfDocument(const char* path);
// The page count the document declares at the root of its page tree; the
// whole tree is walked only when the root does not say. -1 when the page tree
// cannot be read.
int PdfDocumentPageCount(PdfDocument& document);

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
// 3508 pixels).
struct BitmapSize {
    int width = 0;
    int height = 0;
};
BitmapSize RasterBitmapSize(const PageRect& mediaBox);

// Creates a CUPS temporary file (its name into path, 128 bytes) and writes the
// new PDF into it. Returns 1 on success; 0 on failure, with the temporary file
// removed and path cleared.
int PreProcess(PDFDocInfo& info, std::span<char> path);

// Draw the kept pages into info.outputContext: 0 on success, -1 on failure (a
// missing page, a document that cannot be read or written).
int processPDF(PDFDocInfo& info);
int processImage(PDFDocInfo& info);

// A PDF transformation matrix [a b c d e f].
struct PageMatrix {
    double a = 1, b = 0, c = 0, d = 1, e = 0, f = 0;
};

// Applies the record's rotation to ctm: a half turn about the rectangle's
// centre, so the turned page covers the same rectangle. Nothing for 0 or 360.
void setContextCTM(const PDFDocInfo& info, PageMatrix& ctm, const PageRect& rect);
